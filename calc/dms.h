#pragma once

// Angles are typed as one DMS number ddd.mmss: degrees, then two digits of minutes,
// then seconds with their own decimals (123.453012 is 123° 45' 30.12").
namespace cp {

// Decimal degrees of a DMS number. The degrees, minutes and seconds are read from the
// decimal digits of the number as typed (its shortest text), not by multiplying the
// binary value by 100: 0.29 * 100 is 28.999999999999996 in binary, which would read
// 0°29' as 0°28'100". The sign applies to the whole angle; minutes and seconds are not
// checked to be below 60.
double dms_to_degrees(double dms);

}  // namespace cp
