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
    throw Fault{.kind = FaultKind::NegativeWeight,
                .quantity = quantity,
                .solution = Solution::Adjusted,
                .value = P};
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
