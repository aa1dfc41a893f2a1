#pragma once

#include <vector>

#include "fault.h"
#include "session.h"

// Triangle solution. Triangle i (1..N) is the centre with the perimeter points P(i-1)
// and P(i); its sides are the radial side S(2i-1), the perimeter side S(2i) and the
// radial side S(2i+1), S(2N+1) being S(1) again. All angles are decimal degrees.
namespace cp {

struct TriangleAngles {
  std::vector<double> alpha;  // 1..N:   angle of triangle i at P(i-1), opposite S(2i+1)
  std::vector<double> beta;   // 0..N:   angle at P(i), opposite S(2i-1); beta(0) = beta(N)
  std::vector<double> gamma;  // 0..N:   central angle, opposite S(2i)
  std::vector<double> h;      // 0..N:   height from the centre onto S(2i); h(0) = h(N)
  double sum_gamma = 0;       // sum of the central angles of the first solution
};

// Closes the side list S(0..2N+1) (S(2N+1) = S(1)) and returns the sides as observed,
// S(0..2N), for the report.
std::vector<double> prepare_sides(std::vector<double>& S, int n);

// An angle in decimal degrees from its cosine: arctan(sqrt(1 - c^2) / c), plus 180 for
// a negative cosine. Throws a Fault for |c| > 1 and for c = ±1 (an angle of 0 or 180
// degrees: the triangle is degenerate); the caller fills in which triangle it was.
double angle_from_cosine(double c);

// Solves all N triangles on the observed sides: angles, heights and the sum of the
// central angles. Sets beta(0) = beta(N) and h(0) = h(N), through which triangle N
// stands before triangle 1 in the condition coefficients of S(1).
TriangleAngles first_solution(const std::vector<double>& S, int n);

// Solves them again on the adjusted sides, replacing alpha, gamma and beta for 1..N
// only: the heights, the sum of the central angles and beta(0) keep their first values.
void second_solution(const std::vector<double>& S, int n, TriangleAngles& angles);

}  // namespace cp
