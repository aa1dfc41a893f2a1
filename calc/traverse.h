#pragma once

#include <vector>

#include "session.h"
#include "triangles.h"

// The traverse around the ring: from A, leg by leg, each leg's azimuth is the arriving
// azimuth turned by angles of the triangles, and its end point is the start point plus
// the side along that azimuth. The chain is one list of legs for every configuration;
// leg k ends at point k and starts at point k-1.
namespace cp {

enum class Corner { Alpha, Beta, Gamma };

// An angle of a triangle added to (+1) or taken from (-1) the azimuth.
struct Turn {
  int sign;
  Corner corner;
  int triangle;
};

// Which normalisation an azimuth gets; only these tests are made, in this order.
enum class Wrap {
  BelowThenAtOrAbove,  // below 0: add 360; then at or above 360: subtract 360
  AboveThenBelow,      // above 360 (360 itself stays): subtract 360; then below 0: add 360
  AtOrAboveOnly,       // at or above 360: subtract 360
};

struct Leg {
  int side;                 // the side the leg runs along
  std::vector<Turn> turns;  // applied in order to the arriving azimuth
  bool back_azimuth;        // 180 is added after the turns: the leg leaves where one arrived
  Wrap wrap;
};

// The legs for N triangles in configuration m, oriented by the given angle at A
// (ignored for m = 1 and m = 2, which are oriented on the known side A-B).
std::vector<Leg> traverse_plan(Configuration m, OrientationAngle angle, int n);

// The azimuth the first leg starts from: T0, plus the orientation angle where one is used.
double orientation_base(const Orientation& orientation);

// The traverse of a run: the azimuth of the leg that ends at point k, and the point's
// coordinates, k = 0..N+1.
struct Traverse {
  std::vector<double> Az;  // decimal degrees
  std::vector<double> X;   // northing, metres
  std::vector<double> Y;   // easting, metres
};

// Sized for N triangles, every value 0 but point 0, which is A.
Traverse traverse_from(double Xa, double Ya, int n);

// Carries azimuths and coordinates along the legs on the sides S, from point 0. Fills
// the points one by one: a Fault leaves those before it.
void run_traverse(const std::vector<Leg>& legs, double base, const TriangleAngles& angles,
                  const std::vector<double>& S, Traverse& traverse);

}  // namespace cp
