// The window's text where the Chinese face has no Latin letters: which characters go to
// the Latin face, and where captions and prompts break into lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_breaks.h"
#include "text_runs.h"

namespace cp {
namespace {

// The lines of the text when every character advances by 10.
std::vector<std::wstring> lines(std::wstring_view text, int width) {
  const std::vector<TextLine> broken = break_lines(text, std::vector<int>(text.size(), 10), width);
  std::vector<std::wstring> out;
  for (const TextLine& line : broken)
    out.emplace_back(text.substr(line.start, line.end - line.start));
  return out;
}

using Lines = std::vector<std::wstring>;

TEST(LineBreaks, ChineseBreaksBesideAnyCharacterAndLatinWordsStayWhole) {
  EXPECT_EQ(lines(L"按顺时针方向输入第2待定点的点名：", 100),
            (Lines{L"按顺时针方向输入第2", L"待定点的点名："}));
  EXPECT_EQ(lines(L"请输入边长 S12 的观测值", 80), (Lines{L"请输入边长 ", L"S12 的观测值"}));
  EXPECT_EQ(lines(L"ABCDE FGH", 50), (Lines{L"ABCDE ", L"FGH"}));  // the blank hangs
}

TEST(LineBreaks, LineFeedsAlwaysAndOverlongWordsWhereFull) {
  EXPECT_EQ(lines(L"第一行\n第二行", 1000), (Lines{L"第一行", L"第二行"}));
  EXPECT_EQ(lines(L"3511206.399", 50), (Lines{L"35112", L"06.39", L"9"}));
  EXPECT_EQ(lines(L"", 50), (Lines{L""}));
}

HFONT font_of(const wchar_t* face) {
  return ::CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

// Whether the system has the face itself, not a stand-in.
bool installed(HDC device, HFONT font, const std::wstring& face) {
  HGDIOBJ previous = ::SelectObject(device, font);
  wchar_t chosen[LF_FACESIZE] = L"";
  ::GetTextFaceW(device, LF_FACESIZE, chosen);
  ::SelectObject(device, previous);
  return face == chosen;
}

TEST(TextRuns, LatinLettersGoToTheLatinFaceWhereTheChineseFaceHasNone) {
  HDC device = ::CreateCompatibleDC(nullptr);
  const FontPair pair(font_of(L"Droid Sans Fallback"), font_of(L"DejaVu Sans"));
  if (!installed(device, pair.main(), L"Droid Sans Fallback") ||
      !installed(device, pair.latin(), L"DejaVu Sans")) {
    ::DeleteDC(device);
    GTEST_SKIP() << "Droid Sans Fallback and DejaVu Sans are not both installed";
  }
  const std::vector<TextRun> runs = text_runs(device, pair, L"已知点A纵座标");
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].length, 3u);
  EXPECT_EQ(runs[0].font, pair.main());
  EXPECT_EQ(runs[1].length, 1u);
  EXPECT_EQ(runs[1].font, pair.latin());
  EXPECT_EQ(runs[2].length, 3u);
  EXPECT_EQ(runs[2].font, pair.main());

  // A character beyond the BMP keeps its two halves together.
  const std::vector<TextRun> beyond = text_runs(device, pair, L"点\U00020BB7");
  ASSERT_EQ(beyond.size(), 1u);
  EXPECT_EQ(beyond[0].length, 3u);

  // Wrapped in a box two Chinese characters wide, four characters take two lines.
  const int one = draw_text_box(device, pair, {0, 0, 1000, 0}, L"点", Align::Wrapped, true);
  const int two = draw_text_box(device, pair, {0, 0, 36, 0}, L"点点点点", Align::Wrapped, true);
  EXPECT_EQ(two, 2 * one);
  ::DeleteDC(device);
}

TEST(TextRuns, OneFaceSetsTheWholeText) {
  HDC device = ::CreateCompatibleDC(nullptr);
  const FontPair single(font_of(L"DejaVu Sans"), nullptr);
  const std::vector<TextRun> runs = text_runs(device, single, L"已知点A纵座标");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].length, 7u);
  ::DeleteDC(device);
}

}  // namespace
}  // namespace cp
