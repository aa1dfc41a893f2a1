// The coordinate coefficients of the evaluated point against central finite differences
// of the program's own second solution, orientation and traverse.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "adjustment.h"
#include "network.h"
#include "precision.h"
#include "traverse.h"
#include "triangles.h"

namespace cp {
namespace {

using namespace testing_support;

struct Adjusted {
  SessionRecord record;
  Orientation orientation;
  std::vector<Leg> legs;
};

Adjusted adjusted_network(const TrueNetwork& net, Case c, std::mt19937& random) {
  Adjusted a;
  a.record = observed_record(net, c, random, 0.003);
  a.orientation = orientation_for(net, c);
  prepare_sides(a.record);
  TriangleAngles angles = first_solution(a.record.S, net.N);
  adjust_sides(a.record, angles, a.orientation.m, closure(angles.sum_gamma));
  a.legs = traverse_plan(a.orientation.m, a.orientation.angle, net.N);
  return a;
}

// X(e) and Y(e) as the program computes them from these sides.
Point evaluated(SessionRecord record, const Adjusted& a, int e) {
  const int n = triangle_count(record);
  record.S[2 * n + 1] = record.S[1];
  TriangleAngles angles = first_solution(record.S, n);
  second_solution(record.S, n, angles);
  run_traverse(a.legs, orientation_base(a.orientation), angles, record);
  return {record.X[e], record.Y[e]};
}

TEST(CoordinateCoefficients, AreThePartialDerivativesOfTheTraverse) {
  std::mt19937 random(42);
  // A millimetre step: the truncation error is far below the rounding of coordinates
  // in the hundreds of thousands of metres.
  constexpr double kStep = 1e-3;
  for (Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (int N = 3; N <= 8; ++N) {
      SCOPED_TRACE(std::string(case_name(c)) + " N=" + std::to_string(N));
      const TrueNetwork net = make_network(N, c, random);
      Adjusted a = adjusted_network(net, c, random);
      const int e = evaluated_point(a.record.N);
      TriangleAngles angles = first_solution(a.record.S, N);
      second_solution(a.record.S, N, angles);
      const auto Az = run_traverse(a.legs, orientation_base(a.orientation), angles, a.record);
      const auto f = coordinate_coefficients(a.legs, e, angles, Az, a.record, a.orientation.m);

      for (int s = 1; s <= 2 * N; ++s) {
        const bool known = (c == Case::BOnRing && s == 2 * N) || (c == Case::BAtCentre && s == 1);
        if (known) {
          EXPECT_EQ(f.fx[s], 0) << "known side " << s;
          EXPECT_EQ(f.fy[s], 0) << "known side " << s;
          continue;
        }
        SessionRecord longer = a.record;
        SessionRecord shorter = a.record;
        longer.S[s] += kStep;
        shorter.S[s] -= kStep;
        const Point plus = evaluated(longer, a, e);
        const Point minus = evaluated(shorter, a, e);
        const double dx = (plus.X - minus.X) / (2 * kStep);
        const double dy = (plus.Y - minus.Y) / (2 * kStep);
        EXPECT_NEAR(f.fx[s], dx, 1e-6 * std::max(1.0, std::fabs(dx))) << "fx(" << s << ")";
        EXPECT_NEAR(f.fy[s], dy, 1e-6 * std::max(1.0, std::fabs(dy))) << "fy(" << s << ")";
      }
      const bool outside = a.orientation.m == Configuration::OutsideAzimuth;
      EXPECT_DOUBLE_EQ(f.fx[0], outside ? -(a.record.Y[e] - a.record.Ya) / 206265 : 0);
      EXPECT_DOUBLE_EQ(f.fy[0], outside ? (a.record.X[e] - a.record.Xa) / 206265 : 0);
    }
  }
}

TEST(Precision, FiguresFromTheirParts) {
  EXPECT_EQ(unit_weight_error(0), 0.0f);
  EXPECT_EQ(unit_weight_error(0.000004), 2.0f);
  EXPECT_FLOAT_EQ(mean_square_error(2, 0.25f), 1);
  EXPECT_FLOAT_EQ(mean_square_error(2, 0.5625f), 1.5f);
  EXPECT_NEAR(position_error(1, 1.5f), 1.80, 0.005);
  EXPECT_EQ(mean_square_error(0, 0.7f), 0.0f);
  EXPECT_EQ(evaluated_point(4), 2);
  EXPECT_EQ(evaluated_point(5), 3);
  EXPECT_EQ(evaluated_point(6), 3);
  EXPECT_EQ(evaluated_point(7), 4);
}

TEST(Precision, WeightReciprocalFaults) {
  BracketTable Q{};
  EXPECT_THROW(
      {
        try {
          weight_reciprocal(Q, 2);
        } catch (const Fault& f) {
          EXPECT_EQ(f.kind, FaultKind::ZeroConditionSum);
          throw;
        }
      },
      Fault);
  Q[1][1] = 1;
  Q[1][3] = 2;
  Q[3][3] = 1;  // 1 - 4 / 1 < 0
  try {
    weight_reciprocal(Q, 3);
    ADD_FAILURE() << "no fault";
  } catch (const Fault& f) {
    EXPECT_EQ(f.kind, FaultKind::NegativeWeight);
    EXPECT_EQ(f.quantity, Quantity::WeightReciprocalY);
  }
}

}  // namespace
}  // namespace cp
