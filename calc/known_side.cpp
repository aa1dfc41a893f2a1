#include "known_side.h"

#include <cmath>

#include "constants.h"
#include "fault.h"

namespace cp {
namespace {

// Azimuth of A-B through the arc tangent of s / sqrt(1 - s^2), s = dy / L, in degrees
// of the program's pi. Where dx is negligible beside dy, s is ±1 and the quotient is
// ±infinity: its arc tangent is the limit ±90 degrees, which is the azimuth.
double azimuth_of(double dx, double dy, double length) {
  if (dx == 0) return dy > 0 ? kQuarterTurn : kThreeQuarterTurn;
  if (dy == 0) return dx < 0 ? kHalfTurn : 0;
  const double s = dy / length;
  const double t = std::atan(s / std::sqrt(1 - s * s)) / kDegree;
  if (dx < 0) return kHalfTurn - t;
  if (dy < 0) return t + kFullTurn;
  return t;
}

}  // namespace

KnownSide known_side(double dx, double dy) {
  const double length = std::sqrt(dx * dx + dy * dy);
  require_finite(length, Quantity::LengthAB);
  const double azimuth = azimuth_of(dx, dy, length);
  require_finite(azimuth, Quantity::AzimuthAB);
  return {length, azimuth};
}

}  // namespace cp
