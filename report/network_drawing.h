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

// The points of the coordinate list that are the ring P(0..N-1), clockwise from A, and
// the centre.
struct NetworkPoints {
  std::vector<int> ring;
  int centre = 0;
};
NetworkPoints network_points(Configuration m, int n);

struct NetworkDrawing {
  Drawing drawing;
  double scale_denominator = 1;  // 1 : this, a round number
  double ellipse_factor = 1;     // how much the ellipses are magnified, a round number
  double bar_metres = 1;         // the length the scale bar stands for
};

// How much the drawing magnifies the error ellipses: a round factor that draws the
// largest about a tenth of the network's size; nothing where no ellipse is large enough
// for any finite factor.
std::optional<double> ellipse_factor(const SessionRecord& record);

// Fitted into a box of the given size in millimetres, for a complete record.
NetworkDrawing network_drawing(const SessionRecord& record, double width, double height);

// The smallest and the largest of 1, 2, 5 times a power of ten at least / at most x > 0.
// Exact: the candidates are read from their decimal text, never formed by pow or
// log10, so every platform chooses the same number.
double round_at_least(double x);
double round_at_most(double x);

// The smallest scale denominator at least x > 0 of the map series 1, 1.5, 2, 2.5, 3, 4,
// 5, 6, 8 times a power of ten: a network fills at least two thirds of its box.
double scale_at_least(double x);

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
