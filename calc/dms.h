#pragma once

// Angles are typed as one DMS number ddd.mmss: degrees, then two digits of minutes,
// then seconds with their own decimals (123.453012 is 123° 45' 30.12").
namespace cp {

// The parts of a DMS number, read from the decimal digits of the number as typed (its
// shortest text), not by multiplying the binary value by 100: 0.29 * 100 is
// 28.999999999999996 in binary, which would read 0°29' as 0°28'100". Without sign.
struct DmsParts {
  double degrees;
  double minutes;  // the first two decimals: 123.4 is 123°40'
  double seconds;  // the decimals after them, with their own decimals
};
DmsParts dms_parts(double dms);

// An angle has fewer than 60 minutes and fewer than 60 seconds: 48.2564 (64") and
// 48.7 (70') are no angles, but a decimal angle typed where a DMS number is wanted.
bool is_dms_angle(const DmsParts& parts);

// Decimal degrees of a DMS number. The sign applies to the whole angle.
double dms_to_degrees(double dms);

}  // namespace cp
