#include "win32_fonts.h"

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

std::wstring first_installed(const std::vector<std::wstring>& wanted, BYTE charset,
                             bool any_of_charset) {
  const std::vector<std::wstring> installed = installed_faces(charset);
  for (const std::wstring& face : wanted) {
    for (const std::wstring& have : installed)
      if (::CompareStringOrdinal(face.c_str(), -1, have.c_str(), -1, TRUE) == CSTR_EQUAL)
        return have;
  }
  if (any_of_charset) {
    for (const std::wstring& have : installed)
      if (!have.empty() && have.front() != L'@') return have;  // not a vertical face
  }
  return L"";
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
