#pragma once

#include <vector>

#include "session.h"
#include "triangles.h"

// The central condition: the N central angles of a closed central polygon sum to 360
// degrees. The sides are adjusted by least squares with equal weights under it.
namespace cp {

// Closure w in seconds of arc, (sum of central angles - 360) * 3600, formed in 64 bits
// and kept as a 32-bit float: K and the report read the stored value.
float closure(double sum_gamma);

struct Adjustment {
  std::vector<double> a;  // 0..2N: coefficient of side S(j), seconds of arc per metre; a(0) = 0
  double aa = 0;          // [aa], sum of a(j)^2
  double K = 0;           // correlate of the normal equation, -w / [aa]
  std::vector<double> v;  // 0..2N: correction of side S(j), metres
  double vv = 0;          // [vv], sum of v(j)^2, square metres
};

// Forms the condition coefficients from the first solution, solves for the correlate and
// corrects the sides S(1..2N), closing the list again (S(2N+1) = S(1)). The known side
// A-B is error-free: coefficient 0. A side that would not be finite, or of no positive
// length, is a Fault and is left as it was; the sides before it stay corrected.
Adjustment adjust_sides(std::vector<double>& S, const TriangleAngles& angles, Configuration m,
                        float w);

}  // namespace cp
