#include "moved_sides.h"

#include <random>

namespace cp::testing_support {

JudgedPolygon judged_polygon(int n, Case c, unsigned seed, double side_error,
                             const EdmPrecision& edm) {
  std::mt19937 random(seed);
  const auto net = make_network(n, c, random);
  Observations in =
      observations_of(observed_record(net, c, random, side_error), orientation_for(net, c));
  in.edm = edm;
  Computation base = compute(in);
  return {in, std::move(base), known_side_number(in.orientation.m, n)};
}

std::vector<MovedSide> each_side_moved(const JudgedPolygon& polygon, double step) {
  const EdmPrecision& edm = *polygon.in.edm;
  std::vector<MovedSide> moved;
  for (std::size_t j = 1; j <= static_cast<std::size_t>(2 * polygon.in.n); ++j) {
    if (static_cast<int>(j) == polygon.known) continue;
    Observations up = polygon.in;
    Observations down = polygon.in;
    up.sides[j] += step;
    down.sides[j] -= step;
    moved.push_back(
        {j, (edm.a + edm.b * polygon.base.observed[j] / 1000) / 1000, compute(up), compute(down)});
  }
  return moved;
}

}  // namespace cp::testing_support
