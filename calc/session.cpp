#include "session.h"

#include <cmath>

namespace cp {
namespace {

// List sizes from their upper bound: each bound is rounded to the nearest whole number,
// ties to even, after the addition.
std::size_t size_for_bound(float upper_bound) {
  return static_cast<std::size_t>(std::nearbyint(upper_bound)) + 1;
}

}  // namespace

void size_session_record(SessionRecord& record, float N) {
  const auto points = size_for_bound(N + 1);
  record.names.assign(points, std::string());
  record.X.assign(points, 0.0);
  record.Y.assign(points, 0.0);
  record.S.assign(size_for_bound(2 * N + 1), 0.0);
  record.observed.assign(size_for_bound(2 * N), 0.0);
  record.points.clear();
  record.grade.reset();
  record.typed = {};
}

NetworkPoints network_points(Configuration m, int n) {
  NetworkPoints points;
  for (int j = 0; j < n; ++j) points.ring.push_back(j);
  points.centre = n;
  if (m == Configuration::BOnRing) {  // the centre is listed before B = P(N-1)
    points.ring.back() = n;
    points.centre = n - 1;
  }
  return points;
}

SideEnds side_ends(const NetworkPoints& points, int k) {
  const auto n = points.ring.size();
  const auto ring = [&](int j) { return points.ring[static_cast<std::size_t>(j) % n]; };
  const int i = (k + 1) / 2;  // the triangle
  if (k % 2 == 1) return {points.centre, ring(i - 1)};
  return {ring(i - 1), ring(i)};
}

}  // namespace cp
