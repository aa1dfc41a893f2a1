#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace cp {
namespace {

enum class Ties { AwayFromZero, ToEven };

// Large enough for the fixed text of any double, subnormals included.
constexpr std::size_t kTextCapacity = 400;

// The shortest text that reads back to the value, in fixed notation or in the shorter
// of fixed and scientific.
template <typename Real>
std::string shortest(Real value, bool fixed) {
  if (!std::isfinite(value)) throw std::logic_error("number text: value is not finite");
  std::array<char, kTextCapacity> buffer{};
  char* const first = buffer.data();
  char* const last = buffer.data() + buffer.size();
  const auto [end, error] = fixed ? std::to_chars(first, last, value, std::chars_format::fixed)
                                  : std::to_chars(first, last, value);
  if (error != std::errc{}) throw std::logic_error("number text: value too long");
  return std::string(first, end);
}

template <typename Real>
std::string shortest_fixed(Real value) {
  return shortest(value, true);
}

// Rounds the decimal digits of the shortest text to the given decimals.
std::string round_decimal(const std::string& text, int decimals, Ties ties) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string body = negative ? text.substr(1) : text;
  const auto point = body.find('.');
  std::string whole = body.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : body.substr(point + 1);

  const auto kept = static_cast<std::size_t>(decimals);
  bool round_up = false;
  if (fraction.size() > kept) {
    const char first_dropped = fraction[kept];
    const bool more_after = fraction.find_first_not_of('0', kept + 1) != std::string::npos;
    if (ties == Ties::AwayFromZero) {
      round_up = first_dropped >= '5';
    } else {
      const char last_kept = kept > 0 ? fraction[kept - 1] : whole.back();
      const bool odd = (last_kept - '0') % 2 == 1;
      round_up = first_dropped > '5' || (first_dropped == '5' && (more_after || odd));
    }
    fraction.resize(kept);
  }
  fraction.append(kept - fraction.size(), '0');

  std::string digits = whole + fraction;
  if (round_up) {
    auto i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[i - 1];
  }
  std::string integer_part = digits.substr(0, digits.size() - kept);
  const auto first_digit = integer_part.find_first_not_of('0');
  integer_part = first_digit == std::string::npos ? "0" : integer_part.substr(first_digit);

  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string out = (negative && !zero) ? "-" : "";  // a result of zero never carries a minus
  out += integer_part;
  if (kept > 0) out += "." + digits.substr(digits.size() - kept);
  return out;
}

}  // namespace

std::string shortest_text(double value) { return shortest(value, false); }
std::string shortest_text(float value) { return shortest(value, false); }
std::string shortest_fixed_text(double value) { return shortest_fixed(value); }

std::string pattern_text(double value, int decimals) {
  return round_decimal(shortest_fixed(value), decimals, Ties::AwayFromZero);
}
std::string pattern_text(float value, int decimals) {
  return round_decimal(shortest_fixed(value), decimals, Ties::AwayFromZero);
}
std::string rounded_text(double value, int decimals) {
  return round_decimal(shortest_fixed(value), decimals, Ties::ToEven);
}
std::string rounded_text(float value, int decimals) {
  return round_decimal(shortest_fixed(value), decimals, Ties::ToEven);
}

std::string significant_text(double value, int digits) {
  const std::string text = shortest_fixed(value);
  const bool negative = text.front() == '-';
  const std::string body = negative ? text.substr(1) : text;
  const auto point = body.find('.');
  const std::string whole = body.substr(0, point);
  const std::string fraction = point == std::string::npos ? "" : body.substr(point + 1);
  if (whole == "0") {
    // Below 1: the zeros after the point do not count.
    const auto zeros = fraction.find_first_not_of('0');
    if (zeros == std::string::npos) return "0";
    return round_decimal(text, static_cast<int>(zeros) + digits, Ties::ToEven);
  }
  const auto kept = static_cast<std::size_t>(digits);
  if (whole.size() <= kept)
    return round_decimal(text, static_cast<int>(kept - whole.size()), Ties::ToEven);
  // More whole digits than significant ones: round with the point moved left, then put
  // the zeros back.
  const std::size_t dropped = whole.size() - kept;
  const std::string shifted = std::string(negative ? "-" : "") + whole.substr(0, kept) + "." +
                              whole.substr(kept) + fraction;
  return round_decimal(shifted, 0, Ties::ToEven) + std::string(dropped, '0');
}

// T of a relative error 1/T to three significant digits; a T too long for its column,
// from an EDM far finer than its sides need, in powers of ten: 1.23e10.
std::string relative_error_denominator(double T) {
  constexpr int kRelativeErrorDigits = 3;
  constexpr std::size_t kWidestDenominator = 8;  // with "1/" and a blank, the column
  const std::string digits = significant_text(T, kRelativeErrorDigits);
  if (digits.size() <= kWidestDenominator) return digits;
  // T has more whole digits than the column: every one after the third is a 0.
  const auto exponent = static_cast<int>(digits.size()) - 1;
  return digits.substr(0, 1) + "." + digits.substr(1, kRelativeErrorDigits - 1) + "e" +
         std::to_string(exponent);
}

}  // namespace cp
