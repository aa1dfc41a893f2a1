// The coordinate coefficients of the evaluated point against central finite differences
// of the program's own second solution, orientation and traverse.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "computation.h"
#include "network.h"
#include "precision.h"
#include "traverse.h"
#include "triangles.h"

namespace cp {
namespace {

using namespace testing_support;

// The adjusted network of a run, and the plan of its traverse.
struct Adjusted {
  Observations observed;
  Computation result;
  std::vector<Leg> legs;
};

Adjusted adjusted_network(const TrueNetwork& net, Case c, std::mt19937& random) {
  Adjusted a;
  a.observed = observations_of(observed_record(net, c, random, 0.003), orientation_for(net, c));
  a.result = compute(a.observed);
  a.legs = traverse_plan(a.observed.orientation.m, a.observed.orientation.angle, net.N);
  return a;
}

// The traverse as the program computes it from these sides.
Traverse traverse_on(std::vector<double> S, const Adjusted& a) {
  const int n = a.observed.n;
  close_side_list(S, n);
  TriangleAngles angles = first_solution(S, n);
  second_solution(S, n, angles);
  Traverse traverse = traverse_from(a.observed.Xa, a.observed.Ya, n);
  run_traverse(a.legs, orientation_base(a.observed.orientation), angles, S, traverse);
  return traverse;
}

// The coefficients of every point k = 0..N+1 against central differences of its
// coordinates, side by side.
TEST(CoordinateCoefficients, AreThePartialDerivativesOfTheTraverse) {
  std::mt19937 random(42);
  // A millimetre step: the truncation error is far below the rounding of coordinates
  // in the hundreds of thousands of metres.
  constexpr double kStep = 1e-3;
  for (Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (int N = 3; N <= 8; ++N) {
      SCOPED_TRACE(std::string(case_name(c)) + " N=" + std::to_string(N));
      const TrueNetwork net = make_network(N, c, random);
      const Adjusted a = adjusted_network(net, c, random);
      ASSERT_FALSE(a.result.fault);
      const Configuration m = a.observed.orientation.m;
      const auto& S = a.result.S;
      TriangleAngles angles = first_solution(S, N);
      second_solution(S, N, angles);
      const Traverse traverse = traverse_on(S, a);
      const int last = static_cast<int>(a.legs.size());
      std::vector<CoordinateCoefficients> f;
      for (int k = 0; k <= last; ++k) {
        f.push_back(coordinate_coefficients(a.legs, k, angles, traverse, S, m));
      }

      for (int s = 1; s <= 2 * N; ++s) {
        if (s == known_side_number(m, N)) {
          for (int k = 0; k <= last; ++k) {
            EXPECT_EQ(f[k].fx[s], 0) << "known side " << s;
            EXPECT_EQ(f[k].fy[s], 0) << "known side " << s;
          }
          continue;
        }
        std::vector<double> longer = S;
        std::vector<double> shorter = S;
        longer[s] += kStep;
        shorter[s] -= kStep;
        const Traverse plus = traverse_on(longer, a);
        const Traverse minus = traverse_on(shorter, a);
        for (int k = 0; k <= last; ++k) {
          const double dx = (plus.X[k] - minus.X[k]) / (2 * kStep);
          const double dy = (plus.Y[k] - minus.Y[k]) / (2 * kStep);
          EXPECT_NEAR(f[k].fx[s], dx, 1e-6 * std::max(1.0, std::fabs(dx)))
              << "fx(" << s << ") of point " << k;
          EXPECT_NEAR(f[k].fy[s], dy, 1e-6 * std::max(1.0, std::fabs(dy)))
              << "fy(" << s << ") of point " << k;
        }
      }
      const bool outside = m == Configuration::OutsideAzimuth;
      for (int k = 0; k <= last; ++k) {
        EXPECT_DOUBLE_EQ(f[k].fx[0], outside ? -(traverse.Y[k] - a.observed.Ya) / 206265 : 0);
        EXPECT_DOUBLE_EQ(f[k].fy[0], outside ? (traverse.X[k] - a.observed.Xa) / 206265 : 0);
      }
      // The evaluated point's rows are the ones the precision figures come from.
      EXPECT_EQ(a.result.traverse.X, traverse.X);
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

TEST(Precision, ANegativeWeightReciprocalIsAFault) {
  BracketTable Q{};
  Q[1][1] = 1;
  Q[1][3] = 2;
  Q[3][3] = 1;  // 1 - 4 / 1 < 0
  try {
    weight_reciprocal(Q, 3);
    ADD_FAILURE() << "no fault";
  } catch (const Fault& f) {
    EXPECT_EQ(f.kind, FaultKind::NegativeWeight);
    EXPECT_EQ(f.quantity, Quantity::WeightReciprocalY);
    EXPECT_EQ(f.value, -3);
  }
}

}  // namespace
}  // namespace cp
