#include "display_width.h"

#include <array>
#include <utility>

#include "utf8.h"

namespace cp {
namespace {

// East Asian Wide and Full-width ranges.
constexpr std::array<std::pair<char32_t, char32_t>, 11> kWide{{
    {0x1100, 0x115F},  // hangul jamo
    {0x2E80, 0x303E},  // CJK radicals, symbols and punctuation
    {0x3041, 0x33FF},  // kana, bopomofo, CJK compatibility
    {0x3400, 0x4DBF},  // CJK extension A
    {0x4E00, 0x9FFF},  // CJK unified ideographs
    {0xA000, 0xA4CF},  // Yi
    {0xAC00, 0xD7A3},  // hangul syllables
    {0xF900, 0xFAFF},  // CJK compatibility ideographs
    {0xFE30, 0xFE4F},  // CJK compatibility forms
    {0xFF00, 0xFF60},  // full-width forms
    {0xFFE0, 0xFFE6},  // full-width signs
}};
constexpr char32_t kSupplementaryIdeographsFirst = 0x20000;
constexpr char32_t kSupplementaryIdeographsLast = 0x3FFFD;

bool is_wide(char32_t code) {
  if (code >= kSupplementaryIdeographsFirst && code <= kSupplementaryIdeographsLast) return true;
  for (const auto& [first, last] : kWide) {
    if (code >= first && code <= last) return true;
  }
  return false;
}

}  // namespace

int display_width(std::string_view utf8) {
  int width = 0;
  for (std::size_t at = 0; at < utf8.size();) width += is_wide(next_code_point(utf8, at)) ? 2 : 1;
  return width;
}

}  // namespace cp
