#include "point_precision.h"

#include <cmath>

#include "constants.h"
#include "fault.h"

namespace cp {
namespace {

// Rounding can leave a cofactor of an almost error-free point a little below zero.
constexpr double kCofactorRounding = 1e-12;

Brackets brackets(const std::vector<double>& a, const CoordinateCoefficients& f) {
  Brackets b;
  for (std::size_t s = 0; s < a.size(); ++s) {
    b.af_x = b.af_x + a[s] * f.fx[s];
    b.af_y = b.af_y + a[s] * f.fy[s];
    b.fxfx = b.fxfx + f.fx[s] * f.fx[s];
    b.fyfy = b.fyfy + f.fy[s] * f.fy[s];
    b.fxfy = b.fxfy + f.fx[s] * f.fy[s];
  }
  return b;
}

// A cofactor that may be negative only by rounding, made 0; beyond rounding, a fault.
double non_negative(double q, double scale, int point) {
  if (q >= 0) return q;
  if (-q > kCofactorRounding * scale) {
    throw Fault{.kind = FaultKind::NegativeWeight,
                .quantity = Quantity::PointPrecision,
                .index = point,
                .solution = Solution::Adjusted,
                .value = q};
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

PointPrecision point_precision(const Brackets& b, double aa, double ms, int k) {
  PointPrecision p;
  p.Qxx = non_negative(finite(b.fxfx - b.af_x * b.af_x / aa, k), b.fxfx, k);
  p.Qyy = non_negative(finite(b.fyfy - b.af_y * b.af_y / aa, k), b.fyfy, k);
  p.Qxy = finite(b.fxfy - b.af_x * b.af_y / aa, k);
  const double half_sum = (p.Qxx + p.Qyy) / 2;
  const double half_difference = (p.Qxx - p.Qyy) / 2;
  const double radius = std::sqrt(half_difference * half_difference + p.Qxy * p.Qxy);
  const double major = half_sum + radius;
  const double minor = non_negative(half_sum - radius, b.fxfx + b.fyfy, k);
  p.mx = finite(ms * std::sqrt(p.Qxx), k);
  p.my = finite(ms * std::sqrt(p.Qyy), k);
  p.md = finite(std::sqrt(p.mx * p.mx + p.my * p.my), k);
  p.E = finite(ms * std::sqrt(major), k);
  p.F = finite(ms * std::sqrt(minor), k);
  p.phi = finite(major_axis_azimuth(p.Qxx, p.Qyy, p.Qxy), k);
  return p;
}

std::vector<PointPrecision> every_point_precision(const CoordinateRows& rows,
                                                  const std::vector<double>& a, float ms,
                                                  int last) {
  double aa = 0;
  for (const double coefficient : a) aa = aa + coefficient * coefficient;
  std::vector<PointPrecision> points(static_cast<std::size_t>(last) + 1);
  points.front().known = true;
  points.back().known = true;
  for (int k = 1; k < last; ++k)
    points[static_cast<std::size_t>(k)] = point_precision(brackets(a, rows.of(k)), aa, ms, k);
  return points;
}

}  // namespace cp
