#pragma once

#include <optional>
#include <vector>

#include "printing.h"
#include "session.h"

// The adjusted network drawn to scale: every point with its name, the radial and
// perimeter sides, the known points and the centre marked, each point's error ellipse
// magnified, a north arrow along +x and a scale bar. Surveying x points north, so x is
// up the paper and y to the right, at the same scale.
namespace cp {

struct NetworkDrawing {
  Drawing drawing;
  double scale_denominator = 1;  // 1 : this, a round number
  double ellipse_factor = 1;     // how much the ellipses are magnified, a round number
  double bar_metres = 1;         // the length the scale bar stands for
};

// Fitted into a box of the given size in millimetres, for a complete record.
NetworkDrawing network_drawing(const SessionRecord& record, double width, double height);

// The CJK face's ideographs stand this share of the em above the baseline.
inline constexpr double kLabelAscent = 0.88;

// The paper a label's text covers, millimetres, y downward: its baseline starts at
// `at`, in a face whose em is `height`, a narrow character half an em wide and a wide
// one a whole em.
struct PaperBox {
  double left, top, right, bottom;
};
PaperBox label_box(const DrawnLabel& label, double height);

// Whether a straight line crosses or touches the box.
bool crosses(const DrawnLine& line, const PaperBox& box);

}  // namespace cp
