#include "point_precision.h"

#include <cmath>

#include "constants.h"
#include "fault.h"

namespace cp {
namespace {

// Rounding can leave a cofactor of an almost error-free point a little below zero.
constexpr double kCofactorRounding = 1e-12;

// A cofactor that may be negative only by rounding, made 0; beyond rounding, a fault.
double non_negative(double q, double scale, int point) {
  if (q >= 0) return q;
  if (-q > kCofactorRounding * scale) {
    throw Fault({.kind = FaultKind::NegativeWeight,
                 .quantity = Quantity::PointPrecision,
                 .index = point,
                 .solution = Solution::Adjusted,
                 .value = q});
  }
  return 0;
}

double finite(double value, int point) {
  require_finite(value, Quantity::PointPrecision, point);
  return value;
}

// Azimuth of the major axis, from x toward y, in [0, 180): half the angle of the
// direction (Qxx - Qyy, 2 Qxy), at most 90 and a few 1e-9 degrees.
double major_axis_azimuth(double Qxx, double Qyy, double Qxy) {
  double phi = std::atan2(2 * Qxy, Qxx - Qyy) / 2 / kDegree;
  if (phi < 0) phi = phi + 180;
  return phi == 0 ? 0 : phi;  // no negative zero
}

}  // namespace

ErrorEllipse error_ellipse(double Qxx, double Qyy, double Qxy, double scale, double size, int k) {
  const double half_sum = (Qxx + Qyy) / 2;
  const double half_difference = (Qxx - Qyy) / 2;
  const double radius = std::sqrt(half_difference * half_difference + Qxy * Qxy);
  const double major = half_sum + radius;
  const double minor = non_negative(half_sum - radius, size, k);
  return {finite(scale * std::sqrt(major), k), finite(scale * std::sqrt(minor), k),
          finite(major_axis_azimuth(Qxx, Qyy, Qxy), k)};
}

PointPrecision point_precision(const BracketTable& Q, double ms, int k) {
  // Rows 1 to 3 of the table: the condition, then fx and fy.
  const double aa = Q[1][1];
  PointPrecision p;
  p.Qxx = non_negative(finite(Q[2][2] - Q[1][2] * Q[1][2] / aa, k), Q[2][2], k);
  p.Qyy = non_negative(finite(Q[3][3] - Q[1][3] * Q[1][3] / aa, k), Q[3][3], k);
  p.Qxy = finite(Q[2][3] - Q[1][2] * Q[1][3] / aa, k);
  p.mx = finite(ms * std::sqrt(p.Qxx), k);
  p.my = finite(ms * std::sqrt(p.Qyy), k);
  p.md = finite(std::sqrt(p.mx * p.mx + p.my * p.my), k);
  const ErrorEllipse ellipse = error_ellipse(p.Qxx, p.Qyy, p.Qxy, ms, Q[2][2] + Q[3][3], k);
  p.E = ellipse.E;
  p.F = ellipse.F;
  p.phi = ellipse.phi;
  return p;
}

std::vector<PointPrecision> every_point_precision(const CoordinateRows& rows,
                                                  const std::vector<double>& a, float ms,
                                                  int last) {
  std::vector<PointPrecision> points(static_cast<std::size_t>(last) + 1);
  points.front().known = true;
  points.back().known = true;
  const std::vector<BracketTable> tables = rows.every_bracket_table(a, last);
  for (int k = 1; k < last; ++k)
    points[static_cast<std::size_t>(k)] =
        point_precision(tables[static_cast<std::size_t>(k)], ms, k);
  return points;
}

}  // namespace cp
