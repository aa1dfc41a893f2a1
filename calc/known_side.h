#pragma once

// The known side A-B of the known-side case: its length and its azimuth.
namespace cp {

struct KnownSide {
  double length;   // metres
  double azimuth;  // decimal degrees, 0 to below 360
};

// From the coordinate differences dx = Xb - Xa, dy = Yb - Ya. Throws a Fault when the
// length is not finite (absurd coordinates).
KnownSide known_side(double dx, double dy);

}  // namespace cp
