// The precision of neighbouring points and the grade's verdict: the relative error
// ellipses of every observed side's two points against the same figures propagated
// numerically through the program's own adjustment and traverse, and the verdict at
// and beyond each of the grade's limits.
#include <gtest/gtest.h>

#include <cmath>

#include "computation.h"
#include "grade_table.h"
#include "moved_sides.h"
#include "neighbour_precision.h"
#include "network.h"
#include "polygon_sheet.h"
#include "survey_grade.h"

namespace cp {
namespace {

using testing_support::Case;

// The coordinates of points 0..last as functions of the observed sides, differentiated
// numerically; the known points A and B (or A again) stay where they are given. The
// covariance of a pair's difference is then Σ_j σ(j)² d(Δ)/dS(j) d(Δ)/dS(j)ᵀ.
//
// The propagation, like that of the adjusted sides, takes the condition's coefficients
// as fixed: it leaves out how they move with the sides, a term proportional to the
// closure. With error-free sides (w = 0) the two agree to the rounding of the numerical
// derivatives; with sides observed to a few millimetres, to a part in a thousand.
void expect_propagation_agrees(Case c, int n, const EdmPrecision& edm, double side_error = 0,
                               double tolerance = 1e-4) {
  SCOPED_TRACE(std::string(testing_support::case_name(c)) + " N=" + std::to_string(n));
  const auto polygon = testing_support::judged_polygon(
      n, c, static_cast<unsigned>(n * 11 + static_cast<int>(c)), side_error, edm);
  const Observations& in = polygon.in;
  const Computation& base = polygon.base;
  ASSERT_FALSE(base.fault);
  ASSERT_TRUE(base.grade);
  const GradeCheck& grade = *base.grade;
  const int last = last_point(in.orientation.m, n);

  constexpr double kStep = 0.01;  // metres, both ways
  const auto sides = static_cast<std::size_t>(2 * n);
  const auto points = static_cast<std::size_t>(last) + 1;
  // dX[point][j], dY[point][j]
  std::vector<std::vector<double>> dX(points, std::vector<double>(sides + 1, 0.0));
  std::vector<std::vector<double>> dY = dX;
  std::vector<double> sigma(sides + 1, 0.0);
  for (const auto& [j, side_sigma, u, d] : testing_support::each_side_moved(polygon, kStep)) {
    sigma[j] = side_sigma;
    ASSERT_FALSE(u.fault || d.fault);
    for (std::size_t k = 1; k + 1 < points; ++k) {
      dX[k][j] = (u.traverse.X[k] - d.traverse.X[k]) / (2 * kStep);
      dY[k][j] = (u.traverse.Y[k] - d.traverse.Y[k]) / (2 * kStep);
    }
  }

  const NetworkPoints network = network_points(in.orientation.m, n);
  ASSERT_EQ(grade.pairs.size(), grade.sides.size());
  double largest = 0;
  for (std::size_t p = 0; p < grade.pairs.size(); ++p) {
    const PairPrecision& pair = grade.pairs[p];
    SCOPED_TRACE("S(" + std::to_string(pair.k) + ")");
    EXPECT_EQ(pair.k, grade.sides[p].k);
    const SideEnds ends = side_ends(network, pair.k);
    EXPECT_EQ(pair.from, ends.from);
    EXPECT_EQ(pair.to, ends.to);
    const auto i = static_cast<std::size_t>(pair.from);
    const auto k = static_cast<std::size_t>(pair.to);
    double xx = 0, yy = 0, xy = 0;
    for (std::size_t j = 1; j <= sides; ++j) {
      const double gx = dX[i][j] - dX[k][j];
      const double gy = dY[i][j] - dY[k][j];
      xx += gx * gx * sigma[j] * sigma[j];
      yy += gy * gy * sigma[j] * sigma[j];
      xy += gx * gy * sigma[j] * sigma[j];
    }
    const double m = std::sqrt(xx + yy) * 1000;
    EXPECT_NEAR(pair.m, m, tolerance * m);
    const double half_difference = (xx - yy) / 2;
    const double radius = std::sqrt(half_difference * half_difference + xy * xy);
    const double E = std::sqrt((xx + yy) / 2 + radius) * 1000;
    const double F = std::sqrt(std::fmax((xx + yy) / 2 - radius, 0.0)) * 1000;
    EXPECT_NEAR(pair.E, E, tolerance * E);
    EXPECT_NEAR(pair.F, F, 10 * tolerance * E);
    if (E - F > 1000 * tolerance * E) {
      double phi = std::atan2(2 * xy, xx - yy) / 2 * 180 / 3.1415926535;
      if (phi < 0) phi += 180;
      EXPECT_NEAR(std::fmod(pair.phi - phi + 270, 180) - 90, 0, 0.05);
    }
    EXPECT_GE(pair.phi, 0);
    EXPECT_LT(pair.phi, 180);
    largest = std::max(largest, pair.m);
  }
  const auto weakest =
      std::find_if(grade.pairs.begin(), grade.pairs.end(),
                   [&](const PairPrecision& p) { return p.k == grade.weakest_pair; });
  ASSERT_NE(weakest, grade.pairs.end());
  EXPECT_EQ(weakest->m, largest);
}

TEST(NeighbourPrecisionTest, AgreesWithNumericalPropagation) {
  for (const Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (const int n : {3, 6, 12}) expect_propagation_agrees(c, n, {2, 2});
    expect_propagation_agrees(c, 12, {2, 2}, 0.004, 1e-3);
  }
  expect_propagation_agrees(Case::BOnRing, 40, {5, 0});
  expect_propagation_agrees(Case::Q2, 41, {0, 3});
  expect_propagation_agrees(Case::Q2, 40, {0, 3}, 0.004, 2e-3);
}

TEST(NeighbourPrecisionTest, TheWeakestPointIsTheFirstOfTheLargestMd) {
  std::vector<PointPrecision> points(5);
  points[0].known = true;
  EXPECT_EQ(weakest_point(points), 0);
  points[2].md = 3;
  points[3].md = 3;
  points[1].md = 2;
  EXPECT_EQ(weakest_point(points), 2);
}

// A check of two sides of 1000 m: S(1) measured with 10 mm, S(2) with 20 mm; the
// weakest side's T is given.
GradeCheck two_sides(double weakest_T, bool closure_passes) {
  GradeCheck check;
  check.pass = closure_passes;
  check.sides = {{.k = 1, .observed = 1000, .sigma = 10, .T = weakest_T * 2},
                 {.k = 2, .observed = 1000, .sigma = 20, .T = weakest_T}};
  check.weakest = 2;
  return check;
}

TEST(SurveyGradeTest, EachLimitHoldsAtItsFigureAndFailsBeyondIt) {
  const auto grade = [](const char* name) { return *grade_named(standard_grades(), name); };
  EXPECT_EQ(grade("四等").side_denominator, 100000);
  EXPECT_EQ(grade("四等").weakest_denominator, 40000);
  EXPECT_EQ(grade("二等").mean_side_km, 9);
  EXPECT_FALSE(grade_named(standard_grades(), "五等"));
  EXPECT_EQ(standard_grades().size(), 5U);

  // σ/S of 1/100000 and 1/50000, the weakest side at its limit: 一级 (1/40000) passes.
  const GradeVerdict level_1 = judge_by_grade(two_sides(20000, true), grade("一级"));
  EXPECT_TRUE(level_1.conforms());

  // 四等: S(1) exactly at 1/100000 passes, S(2) at 1/50000 fails.
  const GradeVerdict fourth = judge_by_grade(two_sides(40000, true), grade("四等"));
  EXPECT_EQ(fourth.edm_sides, std::vector<int>{2});
  EXPECT_FALSE(fourth.weakest_side_fails);
  EXPECT_FALSE(fourth.conforms());

  const GradeVerdict weak = judge_by_grade(two_sides(39999.99, false), grade("四等"));
  EXPECT_TRUE(weak.weakest_side_fails);
  EXPECT_TRUE(weak.closure_fails);

  EXPECT_TRUE(limit_denominator(40000));
  EXPECT_FALSE(limit_denominator(0.5));
  EXPECT_FALSE(limit_denominator(40000.5));
  EXPECT_FALSE(limit_denominator(1e10));
}

}  // namespace
}  // namespace cp

namespace cp {
namespace {

const std::string kHeading = "等级,平均边长 (km),测边相对中误差,最弱边边长相对中误差\r\n";

TEST(GradeTableTest, AnOfficesTableIsReadAsSpreadsheetsSaveIt) {
  const auto table =
      read_grade_table("\xEF\xBB\xBF" + kHeading +
                       "\r\n\"甲级\",\" 1.5 \",1/300000,1/150000,,\r\n四等,2,1/100000,1/40000\r\n");
  ASSERT_EQ(table.size(), 2U);
  EXPECT_EQ(table[0].name, "甲级");
  EXPECT_EQ(table[0].mean_side_km, 1.5);
  EXPECT_EQ(table[0].side_denominator, 300000);
  EXPECT_EQ(table[0].weakest_denominator, 150000);
  EXPECT_EQ(grade_names(table), "甲级、四等");
}

TEST(GradeTableTest, ARowThatIsNoGradeIsRefusedAtItsLine) {
  struct Case {
    const char* name;
    std::string text;
    long row;
  };
  const std::string good = "四等,2,1/100000,1/40000\r\n";
  const Case cases[] = {
      {"no heading", good, 1},
      {"a heading of other columns", "等级,边长,限差\r\n" + good, 1},
      {"no grade", kHeading, 0},
      {"no name", kHeading + ",2,1/100000,1/40000\r\n", 2},
      {"a name twice", kHeading + good + good, 3},
      {"a mean side that is no number", kHeading + "四等,两公里,1/100000,1/40000\r\n", 2},
      {"a mean side of 0", kHeading + "四等,0,1/100000,1/40000\r\n", 2},
      {"a limit as a plain number", kHeading + "四等,2,100000,1/40000\r\n", 2},
      {"a limit with a colon", kHeading + "四等,2,1:100000,1/40000\r\n", 2},
      {"a limit of 1/0", kHeading + "四等,2,1/0,1/40000\r\n", 2},
      {"a limit with a fraction below", kHeading + "四等,2,1/2.5,1/40000\r\n", 2},
      {"a limit missing", kHeading + "\r\n四等,2,1/100000\r\n", 3},
      {"a fifth cell", kHeading + "四等,2,1/100000,1/40000,1/20000\r\n", 2},
  };
  for (const Case& c : cases) {
    try {
      read_grade_table(c.text);
      ADD_FAILURE() << c.name << ": taken";
    } catch (const SheetError& error) {
      EXPECT_EQ(error.row, c.row) << c.name << ": " << error.message;
    }
  }
}

}  // namespace
}  // namespace cp
