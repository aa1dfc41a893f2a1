#pragma once

#include <vector>

#include "grade_check.h"
#include "precision.h"
#include "session.h"

// How well each point is placed relative to its neighbours: for the two points of every
// observed side, the mean error of one relative to the other and its error ellipse,
// from the EDM's precision of every observed side carried through the adjustment and
// the traverse, as the adjusted sides' mean errors are.
namespace cp {

// Fills check.pairs and check.weakest_pair, for the observed sides of check.sides.
// `observed` holds the sides as observed, `a` the condition coefficients, both 0..2N.
void judge_neighbours(GradeCheck& check, const CoordinateRows& rows, const std::vector<double>& a,
                      const std::vector<double>& observed, Configuration m, int n);

// The point of the largest md, the first of equals; 0 where every point is known.
int weakest_point(const std::vector<PointPrecision>& points);

}  // namespace cp
