#pragma once

#include <random>
#include <string>
#include <vector>

#include "session.h"

// Central polygons made from known coordinates, for checking the computation against
// the truth.
namespace cp::testing_support {

struct Point {
  double X;
  double Y;
};

enum class Case { BOnRing, BAtCentre, Q1, Q2, Q3 };
const char* case_name(Case c);

struct TrueNetwork {
  int N = 0;
  std::vector<Point> ring;  // P(0) = A, P(1) .. P(N-1), clockwise about the centre
  Point centre{};
  std::vector<double> sides;  // 0..2N+1 exact lengths, S(2N+1) = S(1)

  // Outside-azimuth case: T0 and the orientation angle as typed (DMS numbers).
  double T0_dms = 0;
  double Q_dms = 0;
};

// A ring of N points about a centre at grid coordinates in the hundreds of thousands of
// metres, radii between min_radius and max_radius, turned about A so that, for the
// outside-azimuth cases, the typed T0 and Q give the right direction exactly.
TrueNetwork make_network(int N, Case c, std::mt19937& random, double min_radius = 300,
                         double max_radius = 3000);

// The answers that enter this network (sides perturbed by `errors`, if given) and
// accept every value, then step through every point.
std::vector<std::string> answers_for(const TrueNetwork& network, Case c,
                                     const std::vector<double>& errors = {});

// A record sized for the network, holding its known points and its sides as observed
// with normal errors of the given standard deviation (metres), as the dialogue leaves it.
SessionRecord observed_record(const TrueNetwork& network, Case c, std::mt19937& random,
                              double side_error);

// Where the computation should put point k of the coordinate lists.
Point true_point(const TrueNetwork& network, Case c, int k);

// The configuration and orientation that the dialogue would hand over for this case.
Orientation orientation_for(const TrueNetwork& network, Case c);

std::string number(double value);

}  // namespace cp::testing_support
