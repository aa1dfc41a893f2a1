#include "dms.h"

#include <charconv>
#include <cmath>
#include <string>

#include "constants.h"
#include "number_text.h"

namespace cp {
namespace {

double read_digits(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

DmsParts dms_parts(double dms) {
  const std::string text = shortest_fixed_text(std::fabs(dms));
  const auto point = text.find('.');
  const std::string degrees_text = text.substr(0, point);
  std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
  if (decimals.size() < 4) decimals.append(4 - decimals.size(), '0');  // 123.4 is 123°40'
  const std::string tail = decimals.substr(4);
  return {read_digits(degrees_text), read_digits(decimals.substr(0, 2)),
          read_digits(decimals.substr(2, 2) + (tail.empty() ? "" : "." + tail))};
}

bool is_dms_angle(const DmsParts& parts) {
  return parts.minutes < kMinutesPerDegree && parts.seconds < kMinutesPerDegree;
}

double dms_to_degrees(double dms) {
  const auto [d, mm, ss] = dms_parts(dms);
  const double degrees = (d + mm / kMinutesPerDegree) + ss / kSecondsPerDegree;
  return std::signbit(dms) ? -degrees : degrees;
}

}  // namespace cp
