#include "text_runs.h"

#include <algorithm>

#include "line_breaks.h"

namespace cp {
namespace {

// The advance of every character, each measured in its run's font.
std::vector<int> advances(HDC device, const std::vector<TextRun>& runs, std::wstring_view text) {
  std::vector<int> widths(text.size(), 0);
  for (const TextRun& run : runs) {
    HGDIOBJ previous = ::SelectObject(device, run.font);
    std::vector<INT> ends(run.length);
    SIZE size{};
    ::GetTextExtentExPointW(device, text.data() + run.start, static_cast<int>(run.length), 0,
                            nullptr, ends.data(), &size);
    for (std::size_t i = 0; i < run.length; ++i)
      widths[run.start + i] = ends[i] - (i == 0 ? 0 : ends[i - 1]);
    ::SelectObject(device, previous);
  }
  return widths;
}

TEXTMETRICW metrics_of(HDC device, HFONT font) {
  HGDIOBJ previous = ::SelectObject(device, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(device, &metrics);
  ::SelectObject(device, previous);
  return metrics;
}

// The text in its runs, the lines in the box, each run of a line from the common
// baseline.
int draw_in_runs(HDC device, const FontPair& fonts, const RECT& box, std::wstring_view text,
                 Align align, bool measure_only) {
  const std::vector<TextRun> runs = text_runs(device, fonts, text);
  const std::vector<int> widths = advances(device, runs, text);
  const int room = box.right - box.left;
  int full_width = 0;
  for (const int advance : widths) full_width += advance;
  const std::vector<TextLine> lines = align == Align::Wrapped
                                          ? break_lines(text, widths, room)
                                          : std::vector<TextLine>{{0, text.size(), full_width}};
  const TEXTMETRICW main = metrics_of(device, fonts.main());
  const TEXTMETRICW latin = metrics_of(device, fonts.latin());
  const int ascent = std::max(main.tmAscent, latin.tmAscent);
  const int line_height = std::max(main.tmHeight, latin.tmHeight);
  const int height = line_height * static_cast<int>(lines.size());
  if (measure_only) return height;
  const UINT previous_align = ::SetTextAlign(device, TA_BASELINE | TA_LEFT);
  HGDIOBJ previous_font = ::GetCurrentObject(device, OBJ_FONT);
  int y = box.top + ascent;
  if (align == Align::Centred) y += (box.bottom - box.top - height) / 2;
  for (const TextLine& line : lines) {
    int x = box.left + (align == Align::Centred ? (room - line.width) / 2 : 0);
    for (const TextRun& run : runs) {
      const std::size_t from = std::max(run.start, line.start);
      const std::size_t to = std::min(run.start + run.length, line.end);
      if (from >= to) continue;
      ::SelectObject(device, run.font);
      ::ExtTextOutW(device, x, y, ETO_CLIPPED, &box, text.data() + from,
                    static_cast<UINT>(to - from), nullptr);
      for (std::size_t i = from; i < to; ++i) x += widths[i];
    }
    y += line_height;
  }
  ::SelectObject(device, previous_font);
  ::SetTextAlign(device, previous_align);
  return height;
}

}  // namespace

std::vector<TextRun> text_runs(HDC device, const FontPair& fonts, std::wstring_view text) {
  if (!fonts.latin() || text.empty()) return {{0, text.size(), fonts.main()}};
  HGDIOBJ previous = ::SelectObject(device, fonts.main());
  std::vector<WORD> glyphs(text.size());
  const bool known = ::GetGlyphIndicesW(device, text.data(), static_cast<int>(text.size()),
                                        glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
  ::SelectObject(device, previous);
  std::vector<TextRun> runs;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A character the main face has no glyph for goes to the Latin face; the halves of a
    // surrogate pair stay together in the main face.
    const bool missing =
        known && glyphs[i] == 0xFFFF && !IS_HIGH_SURROGATE(text[i]) && !IS_LOW_SURROGATE(text[i]);
    HFONT font = missing ? fonts.latin() : fonts.main();
    if (!runs.empty() && runs.back().font == font)
      ++runs.back().length;
    else
      runs.push_back({i, 1, font});
  }
  return runs;
}

int draw_text_box(HDC device, const FontPair& fonts, const RECT& box, std::wstring_view text,
                  Align align, bool measure_only) {
  if (fonts.latin()) return draw_in_runs(device, fonts, box, text, align, measure_only);
  HGDIOBJ previous = ::SelectObject(device, fonts.main());
  RECT within = box;
  UINT format = DT_NOPREFIX | (align == Align::Wrapped   ? DT_LEFT | DT_WORDBREAK
                               : align == Align::OneLine ? DT_LEFT | DT_SINGLELINE
                                                         : DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (measure_only) format |= DT_CALCRECT;
  const int height =
      ::DrawTextW(device, text.data(), static_cast<int>(text.size()), &within, format);
  ::SelectObject(device, previous);
  return height;
}

SIZE text_extent(HDC device, const FontPair& fonts, std::wstring_view text) {
  SIZE size{0, 0};
  for (const TextRun& run : text_runs(device, fonts, text)) {
    HGDIOBJ previous = ::SelectObject(device, run.font);
    SIZE part{};
    ::GetTextExtentPoint32W(device, text.data() + run.start, static_cast<int>(run.length), &part);
    ::SelectObject(device, previous);
    size.cx += part.cx;
    size.cy = std::max(size.cy, part.cy);
  }
  return size;
}

}  // namespace cp
