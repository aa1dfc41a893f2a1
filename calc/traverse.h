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

// Carries azimuths and coordinates along the legs, from X(0) = Xa and Y(0) = Ya. Returns
// the azimuths Az(0..N+1) and fills X and Y of the record point by point.
std::vector<double> run_traverse(const std::vector<Leg>& legs, double base,
                                 const TriangleAngles& angles, SessionRecord& record);

}  // namespace cp
