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

// The installed faces of a character set, each once.
std::vector<std::wstring> installed_faces(BYTE charset) {
  std::vector<std::wstring> faces;
  LOGFONTW wanted{};
  wanted.lfCharSet = charset;
  HDC screen = ::GetDC(nullptr);
  ::EnumFontFamiliesExW(screen, &wanted, remember_face, reinterpret_cast<LPARAM>(&faces), 0);
  ::ReleaseDC(nullptr, screen);
  std::sort(faces.begin(), faces.end());
  faces.erase(std::unique(faces.begin(), faces.end()), faces.end());
  return faces;
}

// What the font mapper gives for a face's name: the face it takes, as the system spells
// it (an installed face gives itself, a name not installed another face), whether that
// draws every character of the text with a glyph of its own, and its line height at an
// em of 16 pixels.
struct Coverage {
  std::wstring face;
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
  wchar_t given[LF_FACESIZE] = L"";
  ::GetTextFaceW(screen, LF_FACESIZE, given);
  Coverage found{given, draws_all(screen, text), static_cast<int>(metrics.tmHeight)};
  ::SelectObject(screen, previous);
  ::DeleteObject(font);
  ::ReleaseDC(nullptr, screen);
  return found;
}

// The Chinese the captions set among Latin letters: a face for the window must draw
// both, or "已知点A" shows a box for the A.
constexpr std::wstring_view kChineseSample = L"已知点纵横座标精度评定观测边";

bool same_face(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The first of the wanted faces that is installed, as the system spells it (宋体 for
// SimSun on a Chinese system); empty if none. Asked of the font mapper, face by face:
// no enumeration of every installed face.
std::wstring named_face(const std::vector<std::wstring>& wanted) {
  for (const std::wstring& face : wanted) {
    const std::wstring given = coverage(face, L"").face;
    if (std::any_of(wanted.begin(), wanted.end(),
                    [&](const std::wstring& name) { return same_face(name, given); }))
      return given;
  }
  return L"";
}

// Of the installed faces (not the vertical ones) that draw the sample, the one of the
// tightest lines: a text face, not a mathematical one with tall lines. Empty if none.
std::wstring tightest_face(const std::vector<std::wstring>& installed, std::wstring_view sample) {
  std::wstring best;
  int best_height = 0;
  for (const std::wstring& have : installed) {
    if (have.empty() || have.front() == L'@') continue;
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
  std::wstring face = named_face({L"宋体", L"SimSun", L"Microsoft YaHei", L"微软雅黑"});
  if (!face.empty()) return face;
  const std::vector<std::wstring> installed = installed_faces(GB2312_CHARSET);
  face = tightest_face(installed, std::wstring(kChineseSample) + std::wstring(kPrintableAscii));
  if (face.empty()) face = tightest_face(installed, kChineseSample);
  return face;
}

// The faces found at an earlier start, kept with the user's settings: finding them
// enumerates the installed faces, which costs the window's start tens of milliseconds.
// A kept face is taken again only where it is still installed and still draws what it
// was chosen for; else it is found anew and kept.
constexpr const wchar_t* kKeptFaces = L"Software\\central-polygon\\Faces";

std::wstring kept_face(const wchar_t* which) {
  wchar_t face[LF_FACESIZE] = L"";
  DWORD size = sizeof face;
  if (::RegGetValueW(HKEY_CURRENT_USER, kKeptFaces, which, RRF_RT_REG_SZ, nullptr, face, &size) !=
      ERROR_SUCCESS)
    return L"";
  return face;
}

// Whether the font mapper gives the face itself for its name, and it draws the sample.
bool still_draws(const std::wstring& face, std::wstring_view sample) {
  if (face.empty()) return false;
  const Coverage found = coverage(face, sample);
  return same_face(found.face, face) && found.all;
}

// The face kept under `which` where it still draws the sample, else the one `find` finds,
// kept for the next start.
template <typename Find>
std::wstring remembered_face(const wchar_t* which, std::wstring_view sample, Find find) {
  std::wstring face = kept_face(which);
  if (still_draws(face, sample)) return face;
  face = find();
  if (!face.empty()) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kKeptFaces, which, REG_SZ, face.c_str(),
                      static_cast<DWORD>((face.size() + 1) * sizeof(wchar_t)));
  }
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
    f.song = remembered_face(L"song", kChineseSample, chinese_face);
    f.sans = named_face({L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma"});
    f.song_draws_latin = coverage(f.song, kPrintableAscii).all;
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

// The fonts held until now leave with `other`.
FontPair& FontPair::operator=(FontPair&& other) noexcept {
  std::swap(main_, other.main_);
  std::swap(latin_, other.latin_);
  return *this;
}

FontPair::~FontPair() {
  if (main_) ::DeleteObject(main_);
  if (latin_) ::DeleteObject(latin_);
}

const std::wstring& chinese_face_name() { return faces().song; }

const std::wstring& latin_face_name() {
  static const std::wstring face = remembered_face(L"latin", kPrintableAscii, [] {
    const std::wstring named = named_face({L"Microsoft Sans Serif", L"Tahoma", L"Segoe UI",
                                           L"Arial", L"DejaVu Sans", L"Liberation Sans"});
    return named.empty() ? tightest_face(installed_faces(ANSI_CHARSET), kPrintableAscii) : named;
  });
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
