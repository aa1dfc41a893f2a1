#include "line_breaks.h"

namespace cp {
namespace {

bool is_blank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool is_chinese(wchar_t c) { return c >= 0x2E80; }

}  // namespace

std::vector<TextLine> break_lines(std::wstring_view text, const std::vector<int>& advances,
                                  int width) {
  std::vector<TextLine> lines;
  TextLine line{0, 0, 0};
  std::size_t opportunity = 0;  // the line's last place to break, if past its start
  int width_there = 0;          // the line's width up to it
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\n') {
      line.end = i;
      lines.push_back(line);
      line = {i + 1, i + 1, 0};
      continue;
    }
    if (i > line.start && (is_chinese(c) || is_chinese(text[i - 1]) || is_blank(text[i - 1]))) {
      opportunity = i;
      width_there = line.width;
    }
    if (line.width + advances[i] > width && i > line.start && !is_blank(c)) {
      // No place to break lies between the last one and here: the new line has none yet.
      const bool at_opportunity = opportunity > line.start;
      const std::size_t at = at_opportunity ? opportunity : i;
      const int before = at_opportunity ? width_there : line.width;
      lines.push_back({line.start, at, before});
      line = {at, at, line.width - before};
    }
    line.width += advances[i];
  }
  line.end = text.size();
  lines.push_back(line);
  return lines;
}

}  // namespace cp
