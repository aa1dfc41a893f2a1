#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "faces.h"

namespace cp {

// A font of the layout and, where its face has no Latin letters or digits (a Chinese
// fallback face, when no installed Chinese face draws both), a Latin font of the same
// size that draws them beside it. Owns both.
class FontPair {
 public:
  FontPair() = default;
  FontPair(HFONT main, HFONT latin) : main_(main), latin_(latin) {}
  FontPair(FontPair&& other) noexcept : main_(other.main_), latin_(other.latin_) {
    other.main_ = other.latin_ = nullptr;
  }
  FontPair& operator=(FontPair&& other) noexcept;
  FontPair(const FontPair&) = delete;
  FontPair& operator=(const FontPair&) = delete;
  ~FontPair();

  HFONT main() const { return main_; }
  HFONT latin() const { return latin_; }  // null where the main face draws the Latin letters

 private:
  HFONT main_ = nullptr;
  HFONT latin_ = nullptr;
};

// The layout's faces on Windows: the Song face 宋体 (SimSun), else Microsoft YaHei, else
// any installed Chinese face, one with Latin letters if there is one; the dialog sans
// face MS Sans Serif, else Microsoft Sans Serif, else Tahoma. Sizes in points at the
// given scale (1 at 96 dpi).
FontPair layout_fonts(Face face, double points, bool bold, double scale);

// The dialogs' face: the Song face at 9 points.
FontPair dialog_fonts(double scale);

// The Chinese face the layout's Song face stands for on this system.
const std::wstring& chinese_face_name();

// The Latin face set beside a Chinese face that has no Latin letters: Microsoft Sans
// Serif, Tahoma, Segoe UI or Arial where installed, else the installed face of the
// tightest lines that draws every printable ASCII character.
const std::wstring& latin_face_name();

// Whether the font selected into the device has a glyph of its own for every character.
bool draws_all(HDC device, std::wstring_view text);

// Every printable ASCII character: the Latin letters, digits and signs of the numbers,
// names and captions.
inline constexpr std::wstring_view kPrintableAscii =
    L" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
    L"abcdefghijklmnopqrstuvwxyz{|}~";

}  // namespace cp
