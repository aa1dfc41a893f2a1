#include "win32_fonts.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace cp {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kPixelsPerInch = 96;

int CALLBACK remember_face(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
  reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(font->lfFaceName);
  return 1;
}

// The installed faces of a character set.
std::vector<std::wstring> installed_faces(BYTE charset) {
  std::vector<std::wstring> faces;
  LOGFONTW wanted{};
  wanted.lfCharSet = charset;
  HDC screen = ::GetDC(nullptr);
  ::EnumFontFamiliesExW(screen, &wanted, remember_face, reinterpret_cast<LPARAM>(&faces), 0);
  ::ReleaseDC(nullptr, screen);
  return faces;
}

// Whether the face draws every character of the text with a glyph of its own.
bool has_glyphs(const std::wstring& face, const std::wstring& text) {
  HDC screen = ::GetDC(nullptr);
  HFONT font = ::CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  HGDIOBJ previous = ::SelectObject(screen, font);
  std::vector<WORD> glyphs(text.size());
  const bool all = ::GetGlyphIndicesW(screen, text.c_str(), static_cast<int>(text.size()),
                                      glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
                   std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
  ::SelectObject(screen, previous);
  ::DeleteObject(font);
  ::ReleaseDC(nullptr, screen);
  return all;
}

// The Latin letters and digits of the captions and the Chinese they stand among: a face
// for the window must draw both, or "已知点A" shows a box for the A.
constexpr const wchar_t* kWindowSample = L"ABXYSabmxy0123456789()已知点纵横座标精度评定观测边";

std::wstring first_installed(const std::vector<std::wstring>& wanted, BYTE charset,
                             bool any_of_charset) {
  const std::vector<std::wstring> installed = installed_faces(charset);
  for (const std::wstring& face : wanted) {
    for (const std::wstring& have : installed)
      if (::CompareStringOrdinal(face.c_str(), -1, have.c_str(), -1, TRUE) == CSTR_EQUAL)
        return have;
  }
  if (!any_of_charset) return L"";
  // Any other Chinese face, not a vertical one: one that draws the Latin letters too,
  // else the first (some fallback faces have no Latin letters at all).
  std::wstring first;
  for (const std::wstring& have : installed) {
    if (have.empty() || have.front() == L'@') continue;
    if (has_glyphs(have, kWindowSample)) return have;
    if (first.empty()) first = have;
  }
  return first;
}

const std::wstring& face_name(Face face) {
  static const std::wstring song =
      first_installed({L"宋体", L"SimSun", L"Microsoft YaHei", L"微软雅黑"}, GB2312_CHARSET, true);
  static const std::wstring sans = first_installed(
      {L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma"}, DEFAULT_CHARSET, false);
  return face == Face::Song ? song : sans;
}

}  // namespace

HFONT layout_font(Face face, double points, bool bold, double scale) {
  const int height =
      -static_cast<int>(std::lround(points * kPixelsPerInch / kPointsPerInch * scale));
  return ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       face == Face::Song ? GB2312_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face_name(face).c_str());
}

HFONT dialog_font(double scale) { return layout_font(Face::Song, 9, false, scale); }

}  // namespace cp
