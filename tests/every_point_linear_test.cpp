// Every point's precision in one pass along the chain against the same figures formed
// point by point from each point's rows, on every golden network and on random networks
// up to a thousand triangles: they agree to 1e-9 of the point's largest variance.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>

#include "adjustment.h"
#include "asking.h"
#include "computation.h"
#include "known_data.h"
#include "names_and_sides.h"
#include "network.h"
#include "point_precision.h"
#include "scripted_user.h"

namespace cp {
namespace {

using namespace testing_support;

// The figures as the rows of each point give them, point by point: the reference.
std::vector<PointPrecision> row_by_row(const Observations& in, const Computation& result) {
  const int n = in.n;
  std::vector<double> S = in.sides;
  prepare_sides(S, n);
  TriangleAngles angles = first_solution(S, n);
  const Adjustment adjustment = adjust_sides(S, angles, in.orientation.m, *result.w);
  second_solution(S, n, angles);
  const auto legs = traverse_plan(in.orientation.m, in.orientation.angle, n);
  const CoordinateRows rows(legs, angles, result.traverse, S, in.orientation.m);
  const int last = last_point(in.orientation.m, n);
  std::vector<PointPrecision> points(static_cast<std::size_t>(last) + 1);
  for (int k = 1; k < last; ++k)
    points[k] = point_precision(bracket_table(adjustment.a, rows.of(k)), *result.ms, k);
  return points;
}

void expect_same_figures(const Observations& in, const std::string& what, double tolerance) {
  const Computation result = compute(in);
  ASSERT_FALSE(result.fault) << what;
  const auto reference = row_by_row(in, result);
  ASSERT_EQ(result.points.size(), reference.size()) << what;
  for (std::size_t k = 1; k + 1 < reference.size(); ++k) {
    const PointPrecision& got = result.points[k];
    const PointPrecision& want = reference[k];
    // Compared as variances, mm², against the point's largest: a figure near zero is the
    // square root of a difference, and no more exact in the reference than here.
    const double scale = std::max({want.E * want.E, want.md * want.md, 1e-300});
    const double figures[][2] = {
        {got.mx, want.mx}, {got.my, want.my}, {got.md, want.md}, {got.E, want.E}, {got.F, want.F}};
    for (const auto& [a, b] : figures)
      EXPECT_NEAR(a * a, b * b, tolerance * scale) << what << " point " << k;
    // The axis is defined only where the ellipse is no circle.
    if (want.E - want.F > 1e-6 * want.E) {
      EXPECT_NEAR(got.phi, want.phi, tolerance * 180) << what << " point " << k;
    }
  }
}

TEST(EveryPointLinear, AgreesWithRowByRowOnEveryGolden) {
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(GOLDEN_DIR)) {
    if (entry.path().extension() != ".answers") continue;
    ScriptedUser user(answers_in_file(entry.path().string()));
    Asking asking(user.ports());
    SessionRecord record;
    try {
      const Orientation orientation = ask_known_data(asking, record);
      ask_point_names(asking, record, orientation.m);
      ask_observed_sides(asking, record, orientation.m);
      const Observations in = observations_of(record, orientation);
      if (compute(in).fault) continue;
      expect_same_figures(in, entry.path().filename().string(), 1e-9);
      ++compared;
    } catch (const RunEnded&) {
    } catch (const ScriptedUser::RanOut&) {
    }
  }
  EXPECT_GE(compared, 9);
}

TEST(EveryPointLinear, AgreesWithRowByRowOnRandomNetworks) {
  std::mt19937 random(13);
  for (const Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (const int N : {3, 4, 5, 7, 12, 40, 200, 1000}) {
      const TrueNetwork net = make_network(N, c, random, 1000, 1200);
      const Observations in =
          observations_of(observed_record(net, c, random, 0.003), orientation_for(net, c));
      // After a thousand legs the points beside A are held by the central condition:
      // [ff] - [af]^2 / [aa] cancels some 1e4 of [ff] there, in the reference as much as
      // here, so the two agree to a few ulps of [ff], about 1e-8 of the point's error.
      const double tolerance = N < 1000 ? 1e-9 : 1e-8;
      expect_same_figures(in, std::string(case_name(c)) + " N=" + std::to_string(N), tolerance);
    }
  }
}

}  // namespace
}  // namespace cp
