#include "traverse.h"

#include <cmath>

#include "constants.h"
#include "fault.h"

namespace cp {
namespace {

double wrapped(double azimuth, Wrap wrap) {
  switch (wrap) {
    case Wrap::BelowThenAtOrAbove:
      if (azimuth < 0) azimuth = azimuth + kFullTurn;
      if (azimuth >= kFullTurn) azimuth = azimuth - kFullTurn;
      break;
    case Wrap::AboveThenBelow:
      if (azimuth > kFullTurn) azimuth = azimuth - kFullTurn;
      if (azimuth < 0) azimuth = azimuth + kFullTurn;
      break;
    case Wrap::AtOrAboveOnly:
      if (azimuth >= kFullTurn) azimuth = azimuth - kFullTurn;
      break;
  }
  return azimuth;
}

// The first leg, A to P(1) along S(2): from T0 (and the orientation angle) back by the
// angles at A that lie between the known direction and S(2). From the direction of
// S(2N), turning back by beta(N) gives S(1), and turning back by alpha(1) gives S(2).
Leg first_leg(Configuration m, OrientationAngle angle, int n) {
  const Turn back_beta_n{-1, Corner::Beta, n};
  const Turn back_alpha_1{-1, Corner::Alpha, 1};
  Leg leg{2, {}, false, Wrap::BelowThenAtOrAbove};
  const bool from_s2n = m == Configuration::BOnRing ||
                        (m == Configuration::OutsideAzimuth && angle == OrientationAngle::Q3);
  const bool from_s1 = m == Configuration::BAtCentre ||
                       (m == Configuration::OutsideAzimuth && angle == OrientationAngle::Q2);
  if (from_s2n)
    leg.turns = {back_beta_n, back_alpha_1};
  else if (from_s1)
    leg.turns = {back_alpha_1};
  return leg;
}

double angle_of(const TriangleAngles& angles, Corner corner, int triangle) {
  switch (corner) {
    case Corner::Alpha: return angles.alpha[triangle];
    case Corner::Beta: return angles.beta[triangle];
    case Corner::Gamma: return angles.gamma[triangle];
  }
  return 0;
}

}  // namespace

std::vector<Leg> traverse_plan(Configuration m, OrientationAngle angle, int n) {
  std::vector<Leg> legs{first_leg(m, angle, n)};
  // Along the ring: the interior angle at P(i-1) is beta(i-1) + alpha(i).
  for (int i = 2; i <= n - 2; ++i) {
    legs.push_back(
        {2 * i, {{-1, Corner::Beta, i - 1}, {-1, Corner::Alpha, i}}, true, Wrap::AboveThenBelow});
  }
  switch (m) {
    case Configuration::BOnRing:
      // P(N-2) to the centre, then about the centre to B = P(N-1).
      legs.push_back({2 * n - 3, {{-1, Corner::Beta, n - 2}}, true, Wrap::AtOrAboveOnly});
      legs.push_back({2 * n - 1, {{+1, Corner::Gamma, n - 1}}, true, Wrap::AtOrAboveOnly});
      break;
    case Configuration::BAtCentre:
      // P(N-2) to P(N-1), then to the centre B.
      legs.push_back({2 * n - 2,
                      {{-1, Corner::Beta, n - 2}, {-1, Corner::Alpha, n - 1}},
                      true,
                      Wrap::AtOrAboveOnly});
      legs.push_back({2 * n - 1, {{-1, Corner::Beta, n - 1}}, true, Wrap::AtOrAboveOnly});
      break;
    case Configuration::OutsideAzimuth:
      // P(N-2) to P(N-1), to the centre, and about the centre back to A.
      legs.push_back({2 * n - 2,
                      {{-1, Corner::Beta, n - 2}, {-1, Corner::Alpha, n - 1}},
                      true,
                      Wrap::BelowThenAtOrAbove});
      legs.push_back({2 * n - 1, {{-1, Corner::Beta, n - 1}}, true, Wrap::BelowThenAtOrAbove});
      legs.push_back({1, {{+1, Corner::Gamma, n}}, true, Wrap::AtOrAboveOnly});
      break;
  }
  return legs;
}

double orientation_base(const Orientation& orientation) {
  if (orientation.m != Configuration::OutsideAzimuth) return orientation.T0;
  switch (orientation.angle) {
    case OrientationAngle::Q1: return orientation.T0 + orientation.Q1;
    case OrientationAngle::Q2: return orientation.T0 + orientation.Q2;
    case OrientationAngle::Q3: return orientation.T0 + orientation.Q3;
    case OrientationAngle::None: break;
  }
  return orientation.T0;
}

Traverse traverse_from(double Xa, double Ya, int n) {
  const auto points = static_cast<std::size_t>(n + 2);
  Traverse traverse{std::vector<double>(points, 0.0), std::vector<double>(points, 0.0),
                    std::vector<double>(points, 0.0)};
  traverse.X[0] = Xa;
  traverse.Y[0] = Ya;
  return traverse;
}

void run_traverse(const std::vector<Leg>& legs, double base, const TriangleAngles& angles,
                  const std::vector<double>& S, Traverse& traverse) {
  auto& [Az, X, Y] = traverse;
  for (std::size_t k = 1; k <= legs.size(); ++k) {
    const Leg& leg = legs[k - 1];
    double azimuth = leg.back_azimuth ? Az[k - 1] : base;
    for (const Turn& turn : leg.turns) {
      const double angle = angle_of(angles, turn.corner, turn.triangle);
      azimuth = turn.sign < 0 ? azimuth - angle : azimuth + angle;
    }
    if (leg.back_azimuth) azimuth = azimuth + kHalfTurn;
    Az[k] = wrapped(azimuth, leg.wrap);
    const auto point = static_cast<int>(k);
    require_finite(Az[k], Quantity::Azimuth, point);
    const double side = S[static_cast<std::size_t>(leg.side)];
    const double x = std::cos(Az[k] * kDegree) * side + X[k - 1];
    const double y = std::sin(Az[k] * kDegree) * side + Y[k - 1];
    require_finite(x, Quantity::Coordinate, point);
    require_finite(y, Quantity::Coordinate, point);
    X[k] = x;
    Y[k] = y;
  }
}

}  // namespace cp
