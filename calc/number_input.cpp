#include "number_input.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "utf8.h"

namespace cp {
namespace {

constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kFullWidthFirst = 0xFF01;  // full-width '!' .. '~' mirror ASCII 0x21..0x7E
constexpr char32_t kFullWidthLast = 0xFF5E;
constexpr char32_t kFullWidthOffset = 0xFF01 - 0x21;
constexpr char32_t kMinusSign = 0x2212;

bool is_number_character(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
}

// Maps the forms an input method types to ASCII; anything else outside ASCII stops it.
std::optional<std::string> to_ascii(std::string_view answer) {
  std::string out;
  for (std::size_t at = 0; at < answer.size();) {
    char32_t code = next_code_point(answer, at);
    if (code == kIdeographicSpace)
      code = ' ';
    else if (code == kMinusSign)
      code = '-';
    else if (code >= kFullWidthFirst && code <= kFullWidthLast) {
      const auto ascii = static_cast<char>(code - kFullWidthOffset);
      if (!is_number_character(ascii)) return std::nullopt;
      code = static_cast<char32_t>(ascii);
    }
    if (code >= 0x80) return std::nullopt;
    out.push_back(static_cast<char>(code));
  }
  return out;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// sign? (digits ('.' digits?)? | '.' digits) (('e'|'E') sign? digits)?
bool has_number_grammar(std::string_view text) {
  std::size_t i = 0;
  auto digits = [&] {
    const auto start = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    return i > start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const bool whole = digits();
  bool fraction = false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    fraction = digits();
  }
  if (!whole && !fraction) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == text.size();
}

// The answer in plain ASCII with blanks trimmed, or nothing where it is no number.
std::optional<std::string> number_form(std::string_view answer) {
  auto ascii = to_ascii(answer);
  if (!ascii) return std::nullopt;
  const auto first = ascii->find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const auto last = ascii->find_last_not_of(" \t");
  std::string trimmed = ascii->substr(first, last - first + 1);
  if (!has_number_grammar(trimmed)) return std::nullopt;
  return trimmed;
}

template <typename Real>
std::optional<Real> read_real(std::string_view answer) {
  const auto form = number_form(answer);
  if (!form) return std::nullopt;
  std::string_view text = *form;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no plus sign
  Real value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

bool reads_as_zero(std::string_view answer) {
  const auto value = read_double(answer);
  return value && *value == 0;
}

}  // namespace

std::optional<double> read_double(std::string_view answer) { return read_real<double>(answer); }
std::optional<float> read_float(std::string_view answer) { return read_real<float>(answer); }

bool means_wrong(std::string_view answer) {
  static constexpr std::string_view kNo[] = {"否", "不", "不对", "错", "错误", "不正确", "n", "no"};
  std::string plain;
  for (std::size_t at = 0; at < answer.size();) {
    const std::size_t start = at;
    char32_t code = next_code_point(answer, at);
    if (code == kIdeographicSpace) code = ' ';
    if (code >= kFullWidthFirst && code <= kFullWidthLast) code = code - kFullWidthOffset;
    if (code >= 'A' && code <= 'Z') code = code - 'A' + 'a';
    if (code < 0x80)
      plain.push_back(static_cast<char>(code));
    else
      plain.append(answer.substr(start, at - start));
  }
  const auto first = plain.find_first_not_of(" \t");
  const auto last = plain.find_last_not_of(" \t");
  const std::string_view word = first == std::string::npos
                                    ? std::string_view{}
                                    : std::string_view(plain).substr(first, last - first + 1);
  return reads_as_zero(answer) || std::find(std::begin(kNo), std::end(kNo), word) != std::end(kNo);
}

}  // namespace cp
