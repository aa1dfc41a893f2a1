#pragma once

#include <algorithm>
#include <optional>
#include <vector>

#include "session.h"

// Where the adjusted network lies, and how much a figure of it magnifies the error
// ellipses: the report's drawing and the DXF export show them alike.
namespace cp {

// A network smaller than this is drawn as if it were this size, so that a network of
// points all within a millimetre still prints at a stated scale.
inline constexpr double kSmallestExtentMetres = 0.001;

// An error ellipse drawn as a closed outline of straight pieces (the DXF export, the
// printed page on Windows) has this many vertices: smooth at any size it is drawn.
inline constexpr int kEllipseOutlineVertices = 72;

// The points drawn, and the network's reach north, south, east and west, metres.
struct Extent {
  std::vector<int> all;
  double north, south, east, west;
  double size() const { return std::max({north - south, east - west, kSmallestExtentMetres}); }
};

Extent extent_of(const SessionRecord& r, const NetworkPoints& points);

// The precision of point k; none (no ellipse) where the record's list does not reach it.
PointPrecision precision_of(const SessionRecord& r, int k);

// How much the drawing magnifies the error ellipses: a round factor that draws the
// largest about a tenth of the network's size; nothing where no ellipse is large enough
// for any finite factor.
std::optional<double> ellipse_factor(const SessionRecord& record);

}  // namespace cp
