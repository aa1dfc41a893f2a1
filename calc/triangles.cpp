#include "triangles.h"

#include <cmath>

#include "constants.h"

namespace cp {
namespace {

// Law of cosines for the angle between sides b and c, opposite side a. The squares are
// exact products, the first two summed before the third is taken off, as written.
double cosine_between(double b, double c, double a) {
  return ((b * b + c * c) - a * a) / ((2 * b) * c);
}

struct Angles {
  double alpha;
  double gamma;
  double beta;
};

Angles solve_triangle(const std::vector<double>& S, int i, Solution solution) {
  const double radial_before = S[2 * i - 1];
  const double perimeter = S[2 * i];
  const double radial_after = S[2 * i + 1];
  try {
    const double c_alpha = cosine_between(radial_before, perimeter, radial_after);
    const double c_gamma = cosine_between(radial_before, radial_after, perimeter);
    require_finite(c_alpha, Quantity::TriangleCosine);
    require_finite(c_gamma, Quantity::TriangleCosine);
    const double alpha = angle_from_cosine(c_alpha);
    const double gamma = angle_from_cosine(c_gamma);
    // The third angle is derived, so the three angles of a triangle sum to 180.
    return {alpha, gamma, (kHalfTurn - alpha) - gamma};
  } catch (Fault& fault) {
    fault.index = i;
    fault.solution = solution;
    fault.sides = {radial_before, perimeter, radial_after};
    throw;
  }
}

}  // namespace

std::vector<double> prepare_sides(std::vector<double>& S, int n) {
  close_side_list(S, n);
  return {S.begin(), S.begin() + 2 * n + 1};
}

double angle_from_cosine(double c) {
  if (std::fabs(c) > 1) throw Fault({.kind = FaultKind::NoTriangle});
  if (std::fabs(c) == 1) throw Fault({.kind = FaultKind::DegenerateTriangle});
  c = c + 0.0;  // -0 counts as 0: a right angle, arctan(+infinity) = 90 degrees
  const double t = std::atan(std::sqrt(1 - c * c) / c) / kDegree;
  return c < 0 ? t + kHalfTurn : t;
}

TriangleAngles first_solution(const std::vector<double>& S, int n) {
  TriangleAngles angles;
  angles.alpha.assign(n + 1, 0.0);
  angles.beta.assign(n + 1, 0.0);
  angles.gamma.assign(n + 1, 0.0);
  angles.h.assign(n + 1, 0.0);
  for (int i = 1; i <= n; ++i) {
    const Angles solved = solve_triangle(S, i, Solution::Observed);
    angles.alpha[i] = solved.alpha;
    angles.gamma[i] = solved.gamma;
    angles.beta[i] = solved.beta;
    angles.h[i] = std::sin(solved.alpha * kDegree) * S[2 * i - 1];
    angles.sum_gamma = angles.sum_gamma + solved.gamma;
  }
  angles.beta[0] = angles.beta[n];
  angles.h[0] = angles.h[n];
  return angles;
}

void second_solution(const std::vector<double>& S, int n, TriangleAngles& angles) {
  for (int i = 1; i <= n; ++i) {
    const Angles solved = solve_triangle(S, i, Solution::Adjusted);
    angles.alpha[i] = solved.alpha;
    angles.gamma[i] = solved.gamma;
    angles.beta[i] = solved.beta;
  }
}

}  // namespace cp
