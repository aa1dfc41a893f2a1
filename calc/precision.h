#pragma once

#include <array>
#include <utility>
#include <vector>

#include "session.h"
#include "traverse.h"
#include "triangles.h"

// Precision of the adjusted network: the mean square error of a side of unit weight,
// and the weight reciprocals and mean square errors of the evaluated point P(e).
namespace cp {

// ms = sqrt([vv]) * 1000, in millimetres, kept as a 32-bit float.
float unit_weight_error(double vv);

// e = Int((N + 1) / 2), halved in single precision: the middle of the chain.
int evaluated_point(float N);

// Coefficients of X(k) and Y(k) of one point as linear functions of the sides, over
// s = 0..2N, metres per metre: the exact partial derivatives of the program's own
// traverse, second triangle solution and orientation rule. For the evaluated point e
// they are rows 2 and 3 of the coefficient table.
//
// The known side A-B is error-free and gets 0. For m = 3, entry 0 carries an error of
// the orientation itself, per second of arc.
struct CoordinateCoefficients {
  std::vector<double> fx;
  std::vector<double> fy;
};

// Q(i, j) = sum over s = 0..2N of A(i, s) * A(j, s), rows 1 to 3 of the coefficient
// table: the condition coefficients, then fx and fy. Index 0 is not used.
using BracketTable = std::array<std::array<double, 4>, 4>;

// The rows of any point of one run. The rates of every turn of the chain are found once,
// so the rows of all points together cost one pass along the chain per point.
class CoordinateRows {
 public:
  CoordinateRows(const std::vector<Leg>& legs, const TriangleAngles& angles,
                 const Traverse& traverse, const std::vector<double>& S, Configuration m);

  CoordinateCoefficients of(int point) const;

  // The bracket tables (rows a, fx, fy) of points 1 .. last - 1, entry k for point k,
  // from one pass along the chain: linear in N for all points together. Entries 0 and
  // last, the known points, stay empty.
  std::vector<BracketTable> every_bracket_table(const std::vector<double>& a, int last) const;

  // The covariance, square metres, of the coordinate differences of each pair of points
  // (by their numbers, 0..last; 0 and last are known and error-free), when the observed
  // sides have the variances `variance` (0..2N, square metres; 0 for the known side) and
  // the adjustment makes them Ŝ = (I - a·aᵀ/[aa])·S. One pass along the chain: linear
  // in N for all pairs together, as long as pairs that are not neighbours on the chain
  // share their later point (the centre).
  struct PairCovariance {
    double xx = 0, yy = 0, xy = 0;
  };
  std::vector<PairCovariance> pair_covariances(const std::vector<double>& a,
                                               const std::vector<double>& variance,
                                               const std::vector<std::pair<int, int>>& pairs,
                                               int last) const;

 private:
  // A turn of the chain: how the azimuth moves per metre of the three sides of its
  // triangle, S(first_side), S(first_side + 1), S(first_side + 2), signed as applied.
  struct TurnRates {
    int first_side;
    std::array<double, 3> rate;
  };
  struct LegRates {
    int side;
    double cos_azimuth;
    double sin_azimuth;
    std::vector<TurnRates> turns;
  };

  // The mean of the coordinates of points 0..last: the origin the sums are taken from,
  // so that they hold lengths of the network's size, not of the grid's.
  static double centroid(const std::vector<double>& coordinates, int last);

  std::vector<LegRates> legs_;
  std::vector<double> X_;
  std::vector<double> Y_;
  int n_;
  Configuration m_;
};

// The rows of one point, built as CoordinateRows builds them.
CoordinateCoefficients coordinate_coefficients(const std::vector<Leg>& legs, int point,
                                               const TriangleAngles& angles,
                                               const Traverse& traverse,
                                               const std::vector<double>& S, Configuration m);

BracketTable bracket_table(const std::vector<double>& a, const CoordinateCoefficients& f);

// Weight reciprocal of the function in row 2 (X) or 3 (Y) under the central condition,
// Q(r, r) - Q(1, r)^2 / Q(1, 1), kept as a 32-bit float. Q(1, 1) is [aa], which the
// adjustment has already found non-zero.
float weight_reciprocal(const BracketTable& Q, int row);

// ms * sqrt(P), kept as a 32-bit float.
float mean_square_error(float ms, float P);

// sqrt(my^2 + mx^2) from the stored 32-bit figures, kept as a 32-bit float.
float position_error(float mx, float my);

}  // namespace cp
