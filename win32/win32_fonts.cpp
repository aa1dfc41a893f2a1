#include "win32_fonts.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
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

// Whether the face draws every character of the text with a glyph of its own, and its
// line height at an em of 16 pixels.
struct Coverage {
  bool all;
  int line_height;
};

Coverage coverage(const std::wstring& face, std::wstring_view text) {
  HDC screen = ::GetDC(nullptr);
  HFONT font = ::CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  HGDIOBJ previous = ::SelectObject(screen, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen, &metrics);
  const Coverage found{draws_all(screen, text), static_cast<int>(metrics.tmHeight)};
  ::SelectObject(screen, previous);
  ::DeleteObject(font);
  ::ReleaseDC(nullptr, screen);
  return found;
}

bool has_glyphs(const std::wstring& face, std::wstring_view text) {
  return coverage(face, text).all;
}

// The Chinese the captions set among Latin letters: a face for the window must draw
// both, or "已知点A" shows a box for the A.
constexpr std::wstring_view kChineseSample = L"已知点纵横座标精度评定观测边";

// The first of the wanted faces that is installed; else, if asked, of the installed
// faces of the character set (not the vertical ones) that draw the sample, the one of
// the tightest lines (a text face, not a mathematical one with tall lines).
std::wstring first_installed(const std::vector<std::wstring>& wanted, BYTE charset,
                             std::wstring_view sample) {
  const std::vector<std::wstring> installed = installed_faces(charset);
  for (const std::wstring& face : wanted) {
    for (const std::wstring& have : installed)
      if (::CompareStringOrdinal(face.c_str(), -1, have.c_str(), -1, TRUE) == CSTR_EQUAL)
        return have;
  }
  if (sample.empty()) return L"";
  std::wstring best;
  int best_height = 0;
  for (const std::wstring& have : installed) {
    if (have.empty() || have.front() == L'@' || have == best) continue;
    const Coverage found = coverage(have, sample);
    if (found.all && (best.empty() || found.line_height < best_height)) {
      best = have;
      best_height = found.line_height;
    }
  }
  return best;
}

// The Chinese face: a named one, else one that draws the Chinese and the Latin letters,
// else one that draws the Chinese (some fallback faces have no Latin letters at all).
std::wstring chinese_face() {
  const std::vector<std::wstring> named{L"宋体", L"SimSun", L"Microsoft YaHei", L"微软雅黑"};
  std::wstring face = first_installed(named, GB2312_CHARSET,
                                      std::wstring(kChineseSample) + std::wstring(kPrintableAscii));
  if (face.empty()) face = first_installed({}, GB2312_CHARSET, kChineseSample);
  return face;
}

struct Faces {
  std::wstring song;
  std::wstring sans;
  bool song_draws_latin;
};

const Faces& faces() {
  static const Faces chosen = [] {
    Faces f;
    f.song = chinese_face();
    f.sans = first_installed({L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma"},
                             DEFAULT_CHARSET, L"");
    f.song_draws_latin = has_glyphs(f.song, kPrintableAscii);
    return f;
  }();
  return chosen;
}

HFONT create_font(const std::wstring& face, BYTE charset, double points, bool bold, double scale) {
  const int height =
      -static_cast<int>(std::lround(points * kPixelsPerInch / kPointsPerInch * scale));
  return ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, charset,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

}  // namespace

FontPair& FontPair::operator=(FontPair&& other) noexcept {
  if (this != &other) {
    this->~FontPair();
    main_ = std::exchange(other.main_, nullptr);
    latin_ = std::exchange(other.latin_, nullptr);
  }
  return *this;
}

FontPair::~FontPair() {
  if (main_) ::DeleteObject(main_);
  if (latin_) ::DeleteObject(latin_);
}

const std::wstring& chinese_face_name() { return faces().song; }

const std::wstring& latin_face_name() {
  static const std::wstring face = first_installed({L"Microsoft Sans Serif", L"Tahoma", L"Segoe UI",
                                                    L"Arial", L"DejaVu Sans", L"Liberation Sans"},
                                                   ANSI_CHARSET, kPrintableAscii);
  return face;
}

bool draws_all(HDC device, std::wstring_view text) {
  std::vector<WORD> glyphs(text.size());
  return ::GetGlyphIndicesW(device, text.data(), static_cast<int>(text.size()), glyphs.data(),
                            GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
         std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
}

FontPair layout_fonts(Face face, double points, bool bold, double scale) {
  const Faces& f = faces();
  if (face == Face::Sans)
    return {create_font(f.sans, DEFAULT_CHARSET, points, bold, scale), nullptr};
  return {create_font(f.song, GB2312_CHARSET, points, bold, scale),
          f.song_draws_latin ? nullptr
                             : create_font(latin_face_name(), ANSI_CHARSET, points, bold, scale)};
}

FontPair dialog_fonts(double scale) { return layout_fonts(Face::Song, 9, false, scale); }

}  // namespace cp
