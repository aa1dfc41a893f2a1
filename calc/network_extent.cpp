#include "network_extent.h"

#include <algorithm>
#include <cmath>

#include "constants.h"
#include "round_numbers.h"

namespace cp {
namespace {

// The largest ellipse is drawn about this share of the network's size.
constexpr double kEllipseShare = 0.1;

}  // namespace

PointPrecision precision_of(const SessionRecord& r, int k) {
  const auto i = static_cast<std::size_t>(k);
  return i < r.points.size() ? r.points[i] : PointPrecision{};
}

Extent extent_of(const SessionRecord& r, const NetworkPoints& points) {
  std::vector<int> all = points.ring;
  all.push_back(points.centre);
  const auto [low_x, high_x] =
      std::minmax_element(all.begin(), all.end(), [&](int a, int b) { return r.X[a] < r.X[b]; });
  const auto [low_y, high_y] =
      std::minmax_element(all.begin(), all.end(), [&](int a, int b) { return r.Y[a] < r.Y[b]; });
  return {all, r.X[*high_x], r.X[*low_x], r.Y[*high_y], r.Y[*low_y]};
}

std::optional<double> ellipse_factor(const SessionRecord& r) {
  const Extent e = extent_of(r, network_points(r.m, triangle_count(r)));
  double largest = 0;
  for (const int k : e.all) largest = std::max(largest, precision_of(r, k).E);
  // Ellipses too small for any finite magnification are not drawn, as zero ones are not.
  const double wanted = e.size() * kEllipseShare * kMillimetresPerMetre / largest;
  if (largest > 0 && std::isfinite(wanted)) return round_at_most(wanted);
  return std::nullopt;
}

}  // namespace cp
