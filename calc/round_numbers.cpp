#include "round_numbers.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string>
#include <string_view>

#include "number_text.h"

namespace cp {
namespace {

constexpr std::string_view kRoundSteps[] = {"1", "2", "5"};
constexpr std::string_view kScaleSteps[] = {"1", "1.5", "2", "2.5", "3", "4", "5", "6", "8"};

// The power of ten of x > 0's first digit, from its shortest decimal text.
int decimal_exponent(double x) {
  const std::string text = shortest_text(x);
  const auto e = text.find('e');
  if (e != std::string::npos) return std::stoi(text.substr(e + 1));
  const auto first = text.find_first_not_of("0.");
  const auto point = std::min(text.find('.'), text.size());
  return first < point ? static_cast<int>(point - first) - 1 : static_cast<int>(point - first);
}

// step times ten to the exponent, read from its decimal text: exact on every platform.
double series_value(std::string_view step, int exponent) {
  const std::string text = std::string(step) + "e" + std::to_string(exponent);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

template <std::size_t Size>
double series_at_least(double x, const std::string_view (&steps)[Size]) {
  for (int exponent = decimal_exponent(x);; ++exponent) {
    for (const std::string_view step : steps)
      if (const double value = series_value(step, exponent); value >= x) return value;
  }
}

template <std::size_t Size>
double series_at_most(double x, const std::string_view (&steps)[Size]) {
  for (int exponent = decimal_exponent(x);; --exponent) {
    for (auto step = std::rbegin(steps); step != std::rend(steps); ++step)
      if (const double value = series_value(*step, exponent); value <= x) return value;
  }
}

}  // namespace

double round_at_least(double x) { return series_at_least(x, kRoundSteps); }
double round_at_most(double x) { return series_at_most(x, kRoundSteps); }
double scale_at_least(double x) { return series_at_least(x, kScaleSteps); }

}  // namespace cp
