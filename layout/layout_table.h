#pragma once

#include <optional>
#include <tuple>
#include <vector>

#include "faces.h"
#include "fields.h"

// The main window as data: every control and every line, in twips from the top-left
// corner of the client area (15 twips to a device-independent pixel).
namespace cp {

struct Rgb {
  int r, g, b;
};

enum class Kind { Label, Field, Button };

// A layout font as a key: its face, size and weight.
using FaceKey = std::tuple<Face, double, bool>;

struct FontSpec {
  Face face;
  double points;
  bool bold;

  FaceKey key() const { return {face, points, bold}; }
};

struct ControlSpec {
  const char* name;  // the control's original name, for fields and buttons
  Kind kind;
  int left, top, width, height;
  const char* caption;  // labels and buttons
  FontSpec font;
  Rgb background;
  std::optional<Field> field = std::nullopt;      // what a field holds
  std::optional<Command> command = std::nullopt;  // what a button does
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
inline constexpr Field kHintAndEchoFields[] = {
    Field::TriangleCount, Field::Orientation, Field::SideHint, Field::OddSide,
    Field::EvenSide,      Field::PointHint,   Field::PointName};

const std::vector<ControlSpec>& window_controls();
const std::vector<LineSpec>& window_lines();

// Whether a label's caption wraps: a label of more than two lines' height holds one that
// does, and keeps its width; any other grows to its caption's width.
bool caption_wraps(const ControlSpec& label);

// The row of a field or a button; every one has exactly one.
const ControlSpec& control_of(Field field);
const ControlSpec& control_of(Command command);

}  // namespace cp
