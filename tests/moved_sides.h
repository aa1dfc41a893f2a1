#pragma once

#include <cstddef>
#include <vector>

#include "computation.h"
#include "network.h"

// A polygon observed with errors and judged by an EDM precision, and its computation
// again with each observed side moved: what the tests of propagated precision take
// their numerical derivatives from.
namespace cp::testing_support {

struct JudgedPolygon {
  Observations in;
  Computation base;
  int known;  // the known side, 0 for none
};

// A network of N triangles in case c, its sides observed with normal errors of
// `side_error` metres, from a generator seeded with `seed`.
JudgedPolygon judged_polygon(int n, Case c, unsigned seed, double side_error,
                             const EdmPrecision& edm);

// Observed side S(side), but not the known one, lengthened and shortened by the step:
// both computations, and the side's mean error from the EDM's precision, metres.
struct MovedSide {
  std::size_t side;
  double sigma;
  Computation up;
  Computation down;
};
std::vector<MovedSide> each_side_moved(const JudgedPolygon& polygon, double step);

}  // namespace cp::testing_support
