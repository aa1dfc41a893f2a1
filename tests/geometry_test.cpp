// The computation against the truth: central polygons made from known coordinates.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "adjustment.h"
#include "calculate.h"
#include "computation.h"
#include "constants.h"
#include "network.h"
#include "scripted_user.h"
#include "traverse.h"
#include "triangles.h"

namespace cp {
namespace {

using namespace testing_support;

constexpr Case kCases[] = {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3};

SessionRecord run(const std::vector<std::string>& answers, ScriptedUser& user) {
  SessionRecord record;
  user.answers = answers;
  calculate(user.ports(), record);
  return record;
}

TEST(Geometry, ErrorFreeSidesGiveTheTrueCoordinatesBack) {
  std::mt19937 random(20261208);
  for (int N = 3; N <= 12; ++N) {
    for (Case c : kCases) {
      SCOPED_TRACE(std::string(case_name(c)) + " N=" + std::to_string(N));
      const TrueNetwork net = make_network(N, c, random);
      ScriptedUser user({});
      const SessionRecord record = run(answers_for(net, c), user);
      ASSERT_TRUE(record.complete) << (user.messages.empty() ? "" : user.messages[0]);
      EXPECT_LT(std::fabs(record.w), 0.01);
      for (int k = 0; k <= static_cast<int>(record.L); ++k) {
        const Point truth = true_point(net, c, k);
        EXPECT_NEAR(record.X[k], truth.X, 1e-4) << "point " << k;
        EXPECT_NEAR(record.Y[k], truth.Y, 1e-4) << "point " << k;
      }
    }
  }
}

TEST(Geometry, AdjustedSidesSatisfyTheCentralCondition) {
  std::mt19937 random(7);
  for (int N = 3; N <= 12; ++N) {
    for (Case c : kCases) {
      SCOPED_TRACE(std::string(case_name(c)) + " N=" + std::to_string(N));
      const TrueNetwork net = make_network(N, c, random);
      const SessionRecord record = observed_record(net, c, random, 0.004);
      const Computation r = compute(observations_of(record, orientation_for(net, c)));
      ASSERT_FALSE(r.fault);
      const TriangleAngles adjusted = first_solution(r.S, N);
      EXPECT_NEAR((adjusted.sum_gamma - kFullTurn) * kSecondsPerDegree, 0, 0.01);
      for (int j = 1; j <= 2 * N; ++j) EXPECT_EQ(r.S[j], r.observed[j] + r.v[j]);
      EXPECT_EQ(r.S[2 * N + 1], r.S[1]);
      if (const int known = known_side_number(orientation_for(net, c).m, N)) {
        EXPECT_EQ(r.S[known], r.observed[known]);
      }
    }
  }
}

TEST(Triangles, EquilateralTriangle) {
  const std::vector<double> S{0, 100, 100, 100};
  const TriangleAngles angles = first_solution(S, 1);
  EXPECT_NEAR(angles.alpha[1], 60, 1e-8);
  EXPECT_NEAR(angles.gamma[1], 60, 1e-8);
  EXPECT_NEAR(angles.beta[1], 60, 1e-8);
  EXPECT_NEAR(angles.h[1], 86.6025, 1e-4);
  EXPECT_NEAR(angles.sum_gamma, 60, 1e-8);
}

TEST(Triangles, AngleFromCosineEdges) {
  EXPECT_NEAR(angle_from_cosine(0.0), 90, 1e-8);
  EXPECT_EQ(angle_from_cosine(-0.0), angle_from_cosine(0.0));  // -0 is a right angle too
  EXPECT_GT(angle_from_cosine(-0.5), 90);                      // obtuse, never negative
  EXPECT_NEAR(angle_from_cosine(-0.5), 120, 1e-8);
  // With the ten-decimal pi, arctan(1) reads a hair above 45 degrees.
  EXPECT_NEAR(angle_from_cosine(std::sqrt(0.5)), 45.0000000013, 1e-10);
}

TEST(Triangles, FaultsNameTheTriangleAndItsSides) {
  struct Row {
    const char* name;
    double radial_before, perimeter, radial_after;
    FaultKind kind;
  };
  for (const Row& row : {Row{"too_long", 1, 5, 1, FaultKind::NoTriangle},
                         Row{"flat_at_centre", 1, 2, 1, FaultKind::DegenerateTriangle},
                         Row{"flat_at_ring", 3, 1, 2, FaultKind::DegenerateTriangle},
                         Row{"overflow", 1, 1e200, 1, FaultKind::NotFinite}}) {
    SCOPED_TRACE(row.name);
    const std::vector<double> S{
        0, 10, 10, 10, 10, row.radial_before, row.perimeter, row.radial_after};
    try {
      first_solution(S, 3);
      ADD_FAILURE() << "no fault";
    } catch (const Fault& fault) {
      EXPECT_EQ(fault.kind, row.kind);
      EXPECT_EQ(fault.index, 3);
      EXPECT_EQ(fault.sides[1], row.perimeter);
    }
  }
}

TEST(Adjustment, ACorrectionThatLeavesNoSideEndsTheRun) {
  // Three central angles of 150 degrees: the closure of 90 degrees draws from the
  // millimetre perimeter side of the fourth triangle a correction longer than itself.
  const Observations observed{
      .n = 4,
      .sides = {0, 100, 193.185, 100, 193.185, 100, 193.185, 100, 0.001, 0},
      .orientation = {.m = Configuration::OutsideAzimuth, .angle = OrientationAngle::Q1}};
  const Computation result = compute(observed);
  ASSERT_TRUE(result.fault);
  EXPECT_EQ(result.fault->kind, FaultKind::SideNotPositive);
  EXPECT_EQ(result.fault->index, 8);
  EXPECT_EQ(result.S[8], 0.001) << "the side is left as observed";
  EXPECT_TRUE(result.w);
  EXPECT_FALSE(result.K) << "no correlate is handed on from a failed adjustment";
  EXPECT_TRUE(result.traverse.X.empty());
}

TEST(Traverse, FirstAzimuthRulesAndNormalisation) {
  TriangleAngles angles;
  angles.alpha = {0, 30, 0, 0};
  angles.beta = {0, 0, 0, 20};
  angles.gamma = {0, 0, 0, 0};
  const std::vector<double> S(8, 1.0);
  auto first_azimuth = [&](Orientation o) {
    Traverse traverse = traverse_from(0, 0, 3);
    run_traverse(traverse_plan(o.m, o.angle, 3), orientation_base(o), angles, S, traverse);
    return traverse.Az[1];
  };
  constexpr auto kOutside = Configuration::OutsideAzimuth;
  const Orientation q1{.m = kOutside, .angle = OrientationAngle::Q1, .T0 = 350, .Q1 = 20, .Q2 = 5};
  EXPECT_DOUBLE_EQ(first_azimuth(q1), 10);  // 370 wraps; rule 1 wins over Q2
  const Orientation q2{.m = kOutside, .angle = OrientationAngle::Q2, .T0 = 10, .Q2 = 10};
  EXPECT_DOUBLE_EQ(first_azimuth(q2), 350);  // (10 + 10) - 30 = -10 becomes 350
  const Orientation q3{.m = kOutside, .angle = OrientationAngle::Q3, .T0 = 80};
  EXPECT_DOUBLE_EQ(first_azimuth(q3), 30);  // Q3 = 0 is a real angle: 80 - 20 - 30
  const Orientation m1{.m = Configuration::BOnRing, .T0 = 50};
  EXPECT_DOUBLE_EQ(first_azimuth(m1), 0);  // 50 - 20 - 30
  const Orientation m2{.m = Configuration::BAtCentre, .T0 = 30};
  EXPECT_DOUBLE_EQ(first_azimuth(m2), 0);
  const Orientation full_turn{.m = Configuration::BAtCentre, .T0 = 390};
  EXPECT_DOUBLE_EQ(first_azimuth(full_turn), 0);  // exactly 360 becomes 0
}

}  // namespace
}  // namespace cp
