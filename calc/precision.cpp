#include "precision.h"

#include <algorithm>
#include <cmath>

#include "constants.h"
#include "fault.h"

namespace cp {
namespace {

float stored_single(double value, Quantity quantity) {
  const auto single = static_cast<float>(value);
  require_finite(single, quantity);
  return single;
}

// How an angle of triangle k moves when each of its three sides lengthens by one metre,
// in radians per metre, as sides S(2k-1), S(2k), S(2k+1). The heights are those onto
// the radial sides: h_alpha = S(2k) sin alpha, h_beta = S(2k) sin beta.
struct SideRates {
  double radial_before;
  double perimeter;
  double radial_after;
};

SideRates angle_rates(const TriangleAngles& angles, const std::vector<double>& S, Corner corner,
                      int k) {
  const double alpha = angles.alpha[k] * kDegree;
  const double beta = angles.beta[k] * kDegree;
  const double gamma = angles.gamma[k] * kDegree;
  const double h_alpha = std::sin(alpha) * S[2 * k];
  const double h_beta = std::sin(beta) * S[2 * k];
  const SideRates d_alpha{-std::cos(gamma) / h_beta, -std::cos(beta) / h_beta, 1 / h_beta};
  const SideRates d_beta{1 / h_alpha, -std::cos(alpha) / h_alpha, -std::cos(gamma) / h_alpha};
  switch (corner) {
    case Corner::Alpha: return d_alpha;
    case Corner::Beta: return d_beta;
    case Corner::Gamma: break;
  }
  // gamma = 180 - alpha - beta
  return {-d_alpha.radial_before - d_beta.radial_before, -d_alpha.perimeter - d_beta.perimeter,
          -d_alpha.radial_after - d_beta.radial_after};
}

}  // namespace

float unit_weight_error(double vv) {
  return stored_single(std::sqrt(vv) * kMillimetresPerMetre, Quantity::Precision);
}

int evaluated_point(float N) { return static_cast<int>(std::floor((N + 1) / 2)); }

CoordinateRows::CoordinateRows(const std::vector<Leg>& legs, const TriangleAngles& angles,
                               const Traverse& traverse, const std::vector<double>& S,
                               Configuration m)
    : X_(traverse.X), Y_(traverse.Y), n_(static_cast<int>(angles.gamma.size()) - 1), m_(m) {
  const std::size_t reached = std::min(legs.size(), traverse.Az.size() - 1);
  legs_.reserve(reached);
  for (std::size_t k = 1; k <= reached; ++k) {
    const Leg& leg = legs[k - 1];
    const double azimuth = traverse.Az[k] * kDegree;
    LegRates rates{leg.side, std::cos(azimuth), std::sin(azimuth), {}};
    for (const Turn& turn : leg.turns) {
      const SideRates by = angle_rates(angles, S, turn.corner, turn.triangle);
      const double by_side[3] = {by.radial_before, by.perimeter, by.radial_after};
      TurnRates signed_rates{2 * turn.triangle - 1, {}};
      for (int j = 0; j < 3; ++j) signed_rates.rate[j] = turn.sign * by_side[j];
      rates.turns.push_back(signed_rates);
    }
    legs_.push_back(std::move(rates));
  }
}

CoordinateCoefficients CoordinateRows::of(int point) const {
  const int n = n_;
  const auto entries = static_cast<std::size_t>(2 * n + 2);
  // Entries over s = 0..2N+1; S(2N+1) is S(1), so its entry is added to entry 1 at the end.
  CoordinateCoefficients f{std::vector<double>(entries, 0.0), std::vector<double>(entries, 0.0)};

  // P(e) is reached by legs 1..e. Lengthening the side of leg k moves P(e) along that
  // leg; a turn of the chain at the start point P(k-1) of leg k swings every later leg
  // about P(k-1), moving P(e) by the turn times the vector from P(k-1) to P(e), rotated:
  // dX(e) = -dY(k-1, e) * turn, dY(e) = dX(k-1, e) * turn.
  const int e = point;
  for (int k = 1; k <= e; ++k) {
    const LegRates& leg = legs_[static_cast<std::size_t>(k - 1)];
    f.fx[leg.side] += leg.cos_azimuth;
    f.fy[leg.side] += leg.sin_azimuth;
    const double dX = X_[e] - X_[k - 1];
    const double dY = Y_[e] - Y_[k - 1];
    for (const TurnRates& turn : leg.turns) {
      for (int j = 0; j < 3; ++j) {
        f.fx[turn.first_side + j] += -dY * turn.rate[j];
        f.fy[turn.first_side + j] += dX * turn.rate[j];
      }
    }
  }
  f.fx[1] += f.fx[2 * n + 1];
  f.fy[1] += f.fy[2 * n + 1];
  f.fx.resize(entries - 1);
  f.fy.resize(entries - 1);

  if (const int known = known_side_number(m_, n)) {
    f.fx[known] = 0;
    f.fy[known] = 0;
  } else {
    f.fx[0] = -(Y_[e] - Y_[0]) / kRho;
    f.fy[0] = (X_[e] - X_[0]) / kRho;
  }
  for (int s = 0; s <= 2 * n; ++s) {
    require_finite(f.fx[s], Quantity::CoordinateCoefficient, s);
    require_finite(f.fy[s], Quantity::CoordinateCoefficient, s);
  }
  return f;
}

namespace {

// Point e's running sums over one side: P, Q and R as every_bracket_table defines them.
struct SideSums {
  double P = 0, Q = 0, R = 0;
};

// The sums over all sides that the brackets are made of, in extended precision, since
// the brackets of a far point are small differences of them.
struct BracketSums {
  long double aP = 0, aQ = 0, aR = 0, PP = 0, QQ = 0, RR = 0, PQ = 0, PR = 0, QR = 0;
  void add(long double sign, long double as, const SideSums& t) {
    aP = aP + sign * as * t.P;
    aQ = aQ + sign * as * t.Q;
    aR = aR + sign * as * t.R;
    PP = PP + sign * t.P * t.P;
    QQ = QQ + sign * t.Q * t.Q;
    RR = RR + sign * t.R * t.R;
    PQ = PQ + sign * t.P * t.Q;
    PR = PR + sign * t.P * t.R;
    QR = QR + sign * t.Q * t.R;
  }
};

// The bracket table of the point at (x, y) from the network's centroid, with [aa] and
// the orientation's entries fx0, fy0.
BracketTable bracket_table(const BracketSums& total, double aa, long double x, long double y,
                           double fx0, double fy0) {
  BracketTable Q{};
  Q[1][1] = aa;
  Q[1][2] = Q[2][1] = static_cast<double>(total.aP - y * total.aR);
  Q[1][3] = Q[3][1] = static_cast<double>(total.aQ + x * total.aR);
  Q[2][2] = static_cast<double>((total.PP - 2 * y * total.PR + y * y * total.RR) + fx0 * fx0);
  Q[3][3] = static_cast<double>((total.QQ + 2 * x * total.QR + x * x * total.RR) + fy0 * fy0);
  Q[2][3] = Q[3][2] =
      static_cast<double>((total.PQ + x * total.PR - y * total.QR - x * y * total.RR) + fx0 * fy0);
  return Q;
}

}  // namespace

double CoordinateRows::centroid(const std::vector<double>& coordinates, int last) {
  double sum = 0;
  for (int k = 0; k <= last; ++k) sum = sum + coordinates[static_cast<std::size_t>(k)];
  return sum / (last + 1);
}

std::vector<BracketTable> CoordinateRows::every_bracket_table(const std::vector<double>& a,
                                                              int last) const {
  // Point e's row entry of side s gathers, over the legs k <= e, cos Az(k) / sin Az(k)
  // where the leg runs along s, and a turn rate r times the swing of P(e) about the
  // leg's start P(k-1):
  //   fx(s) = P(s) - Y(e) R(s),  fy(s) = Q(s) + X(e) R(s),
  //   P = sum (cos Az + Y(k-1) r),  Q = sum (sin Az - X(k-1) r),  R = sum r.
  // So every bracket of point e follows from nine running sums over the sides and
  // P(e)'s coordinates, and walking e along the chain adds each leg's few terms once.
  // Coordinates are taken from the network's centroid, so the sums hold lengths of the
  // network's size, not of the grid's.
  const int n = n_;
  const int known = known_side_number(m_, n);
  const double X0 = centroid(X_, last);
  const double Y0 = centroid(Y_, last);
  std::vector<SideSums> side(static_cast<std::size_t>(2 * n + 1));
  BracketSums total;
  const auto add_to_side = [&](int s, double p, double q, double r) {
    if (s == 2 * n + 1) s = 1;  // S(2N+1) is S(1)
    if (s == known) return;     // the known side A-B is error-free
    SideSums& t = side[static_cast<std::size_t>(s)];
    total.add(-1, a[s], t);
    t.P = t.P + p;
    t.Q = t.Q + q;
    t.R = t.R + r;
    total.add(+1, a[s], t);
  };

  double aa = 0;
  for (const double as : a) aa = aa + as * as;
  std::vector<BracketTable> tables(static_cast<std::size_t>(last) + 1);
  for (int e = 1; e < last; ++e) {
    const LegRates& leg = legs_[static_cast<std::size_t>(e - 1)];
    add_to_side(leg.side, leg.cos_azimuth, leg.sin_azimuth, 0);
    const double x_start = X_[e - 1] - X0;
    const double y_start = Y_[e - 1] - Y0;
    for (const TurnRates& turn : leg.turns) {
      for (int j = 0; j < 3; ++j) {
        const double r = turn.rate[j];
        add_to_side(turn.first_side + j, y_start * r, -x_start * r, r);
      }
    }
    // Entry 0 (outside azimuth): an error of the orientation swings P(e) about A.
    const double fx0 = known ? 0 : -(Y_[e] - Y_[0]) / kRho;
    const double fy0 = known ? 0 : (X_[e] - X_[0]) / kRho;
    BracketTable& Q = tables[static_cast<std::size_t>(e)];
    Q = bracket_table(total, aa, X_[e] - X0, Y_[e] - Y0, fx0, fy0);
    for (int i = 1; i <= 3; ++i)
      for (int j = 1; j <= 3; ++j) require_finite(Q[i][j], Quantity::PointPrecision, e);
  }
  return tables;
}

CoordinateCoefficients coordinate_coefficients(const std::vector<Leg>& legs, int point,
                                               const TriangleAngles& angles,
                                               const Traverse& traverse,
                                               const std::vector<double>& S, Configuration m) {
  return CoordinateRows(legs, angles, traverse, S, m).of(point);
}

BracketTable bracket_table(const std::vector<double>& a, const CoordinateCoefficients& f) {
  const std::vector<double>* rows[4] = {nullptr, &a, &f.fx, &f.fy};
  BracketTable Q{};
  for (int i = 1; i <= 3; ++i) {
    for (int j = i; j <= 3; ++j) {
      double sum = 0;
      for (std::size_t s = 0; s < a.size(); ++s) sum = sum + (*rows[i])[s] * (*rows[j])[s];
      Q[i][j] = sum;
      Q[j][i] = sum;
    }
  }
  return Q;
}

float weight_reciprocal(const BracketTable& Q, int row) {
  const Quantity quantity = row == 2 ? Quantity::WeightReciprocalX : Quantity::WeightReciprocalY;
  const float P = stored_single(Q[row][row] - Q[1][row] * Q[1][row] / Q[1][1], quantity);
  if (P < 0) {
    throw Fault({.kind = FaultKind::NegativeWeight,
                 .quantity = quantity,
                 .solution = Solution::Adjusted,
                 .value = P});
  }
  return P;
}

float mean_square_error(float ms, float P) {
  return stored_single(static_cast<double>(ms) * std::sqrt(static_cast<double>(P)),
                       Quantity::Precision);
}

float position_error(float mx, float my) {
  const double x = mx;
  const double y = my;
  return stored_single(std::sqrt(y * y + x * x), Quantity::Precision);
}

}  // namespace cp
