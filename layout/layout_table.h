#pragma once

#include <vector>

#include "faces.h"

// The main window as data: every control and every line, in twips from the top-left
// corner of the client area (15 twips to a device-independent pixel).
namespace cp {

struct Rgb {
  int r, g, b;
};

enum class Kind { Label, Field, Button };

struct FontSpec {
  Face face;
  double points;
  bool bold;
};

struct ControlSpec {
  const char* name;  // the control's name, for fields and buttons
  Kind kind;
  int left, top, width, height;
  const char* caption;  // labels and buttons
  FontSpec font;
  Rgb background;
};

struct LineSpec {
  int x1, y1, x2, y2;
  Rgb colour;
  int width;  // pixels
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 13100;  // twips
inline constexpr int kClientHeight = 9735;  // twips
inline constexpr Rgb kWindowBackground{192, 255, 255};

// The hint and echo fields of the phases: N and the orientation, the sides, the names
// and the output. A prompt of any phase leaves them all in view.
inline constexpr const char* kHintAndEchoFields[] = {"Text50", "Text1",  "Text8", "Text19",
                                                     "Text20", "Text21", "Text9"};

const std::vector<ControlSpec>& window_controls();
const std::vector<LineSpec>& window_lines();

}  // namespace cp
