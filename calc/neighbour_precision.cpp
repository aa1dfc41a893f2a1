#include "neighbour_precision.h"

#include <cmath>

#include "constants.h"
#include "point_precision.h"

namespace cp {

void judge_neighbours(GradeCheck& check, const CoordinateRows& rows, const std::vector<double>& a,
                      const std::vector<double>& observed, Configuration m, int n) {
  const NetworkPoints points = network_points(m, n);
  std::vector<std::pair<int, int>> ends;
  for (const SideGrade& side : check.sides) {
    const SideEnds e = side_ends(points, side.k);
    ends.emplace_back(e.from, e.to);
  }
  std::vector<double> variance =
      side_mean_errors(observed, 2 * n, known_side_number(m, n), check.edm);
  for (double& sigma : variance) sigma = sigma * sigma;
  const auto covariances = rows.pair_covariances(a, variance, ends, last_point(m, n));

  check.pairs.clear();
  std::size_t weakest = 0;
  for (std::size_t p = 0; p < ends.size(); ++p) {
    const CoordinateRows::PairCovariance& c = covariances[p];
    const int k = check.sides[p].k;
    // Rounding can leave the variance of two almost error-free points a little below 0.
    const double xx = std::fmax(c.xx, 0.0);
    const double yy = std::fmax(c.yy, 0.0);
    const ErrorEllipse ellipse = error_ellipse(xx, yy, c.xy, kMillimetresPerMetre, xx + yy, k);
    check.pairs.push_back({.k = k,
                           .from = ends[p].first,
                           .to = ends[p].second,
                           .m = std::sqrt(xx + yy) * kMillimetresPerMetre,
                           .E = ellipse.E,
                           .F = ellipse.F,
                           .phi = ellipse.phi});
    if (check.pairs[p].m > check.pairs[weakest].m) weakest = p;
  }
  check.weakest_pair = check.pairs.empty() ? 0 : check.pairs[weakest].k;
}

int weakest_point(const std::vector<PointPrecision>& points) {
  int weakest = 0;
  for (std::size_t k = 0; k < points.size(); ++k)
    if (points[k].md > points[static_cast<std::size_t>(weakest)].md) weakest = static_cast<int>(k);
  return weakest;
}

}  // namespace cp
