#pragma once

#include <string_view>
#include <vector>

namespace cp {

// A line of a text, [start, end), and its width.
struct TextLine {
  std::size_t start;
  std::size_t end;
  int width;
};

// Where a text set in a box of the given width breaks into lines, from the advance of
// every character: at a line feed always; and where the next character would pass the
// width, after the line's last blank or beside its last Chinese character, else just
// there. A blank at the end of a line may hang past the width.
std::vector<TextLine> break_lines(std::wstring_view text, const std::vector<int>& advances,
                                  int width);

}  // namespace cp
