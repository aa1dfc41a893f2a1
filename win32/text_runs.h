#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "win32_fonts.h"

namespace cp {

// Text set in a font pair: where the pair has no Latin font, as the system sets it in
// the one face; else in runs, each character in the main face where that face has its
// glyph and the others in the Latin face, on one baseline.

// A stretch of the text set in one font.
struct TextRun {
  std::size_t start;
  std::size_t length;
  HFONT font;
};

std::vector<TextRun> text_runs(HDC device, const FontPair& fonts, std::wstring_view text);

// How the text stands in its box: from the top left corner, wrapped at the box's width
// (at a blank or beside a Chinese character, else where the line is full; at a line feed
// always), as a caption; on one line from the top left, as in a field; or on one line
// centred both ways, as on a button.
enum class Align { Wrapped, OneLine, Centred };

// Sets the text in the box, in the device's text colour and background mode, and returns
// the height it takes; with measure_only nothing is drawn.
int draw_text_box(HDC device, const FontPair& fonts, const RECT& box, std::wstring_view text,
                  Align align, bool measure_only = false);

// The width and height of one line of the text.
SIZE text_extent(HDC device, const FontPair& fonts, std::wstring_view text);

}  // namespace cp
