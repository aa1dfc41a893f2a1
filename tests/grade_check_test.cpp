// The grade check: the EDM precision as typed, and the closure's mean error and every
// adjusted side's mean error in closed form against the same figures propagated
// numerically through the program's own adjustment.
#include <gtest/gtest.h>

#include <cmath>

#include "computation.h"
#include "grade_check.h"
#include "moved_sides.h"
#include "network.h"

namespace cp {
namespace {

using testing_support::Case;

struct EdmRow {
  const char* name;
  const char* text;
  std::optional<EdmPrecision> expected;
};

TEST(EdmPrecisionTest, ReadsWhatASurveyorTypesAndRefusesTheRest) {
  const EdmRow rows[] = {
      {"a and b", "2+2", EdmPrecision{2, 2}},
      {"a alone", "3", EdmPrecision{3, 0}},
      {"blanks", " 1.5 + 1 ", EdmPrecision{1.5, 1}},
      {"full-width", "\xEF\xBC\x92\xEF\xBC\x8B\xEF\xBC\x92", EdmPrecision{2, 2}},
      {"b alone", "0+2", EdmPrecision{0, 2}},
      {"the largest", "1000+1000", EdmPrecision{1000, 1000}},
      {"both zero", "0+0", std::nullopt},
      {"zero", "0", std::nullopt},
      {"negative a", "-1+2", std::nullopt},
      {"negative b", "2+-1", std::nullopt},
      {"no b after the plus", "2+", std::nullopt},
      {"no a", "+2", std::nullopt},
      {"three terms", "2+2+2", std::nullopt},
      {"words", "2mm+2ppm", std::nullopt},
      {"beyond any EDM", "1001+0", std::nullopt},
      {"the finest", "0.001+0.001", EdmPrecision{0.001, 0.001}},
      {"finer than any EDM", "0.0009", std::nullopt},
      {"finer than any EDM in ppm", "2+1e-160", std::nullopt},
      {"far finer than any EDM", "1e-160", std::nullopt},
      {"a signed b", "2++2", std::nullopt},
      {"a signed b after blanks", "2+ +2", std::nullopt},
      {"a full-width signed b",
       "2\xEF\xBC\x8B\xEF\xBC\x8B"
       "2",
       std::nullopt},
      {"empty", "", std::nullopt},
  };
  for (const EdmRow& row : rows) {
    const auto got = read_edm_precision(row.text);
    ASSERT_EQ(got.has_value(), row.expected.has_value()) << row.name;
    if (!got) continue;
    EXPECT_EQ(got->a, row.expected->a) << row.name;
    EXPECT_EQ(got->b, row.expected->b) << row.name;
    EXPECT_EQ(read_edm_precision(edm_precision_text(*got))->a, got->a) << row.name;
    EXPECT_EQ(read_edm_precision(edm_precision_text(*got))->b, got->b) << row.name;
  }
}

// The adjusted sides and the closure as functions of the observed sides, differentiated
// numerically: dŜ(k)/dS(j) is P(k, j) and dw/dS(j) is a(j). Then m_w² = Σ (a(j)σ(j))²
// and var(Ŝ(k)) = Σ_j P(k, j)² σ(j)² are what the closed forms must give.
void expect_closed_forms_agree(Case c, int n, const EdmPrecision& edm) {
  SCOPED_TRACE(std::string(testing_support::case_name(c)) + " N=" + std::to_string(n));
  const auto polygon = testing_support::judged_polygon(
      n, c, static_cast<unsigned>(n * 7 + static_cast<int>(c)), 0.004, edm);
  const Computation& base = polygon.base;
  ASSERT_FALSE(base.fault);
  ASSERT_TRUE(base.grade);
  const GradeCheck& grade = *base.grade;
  const int known = polygon.known;

  constexpr double kStep = 0.01;  // metres, both ways
  const auto sides = static_cast<std::size_t>(2 * n);
  std::vector<std::vector<double>> P(sides + 1, std::vector<double>(sides + 1, 0.0));
  std::vector<double> a(sides + 1, 0.0);
  std::vector<double> sigma(sides + 1, 0.0);
  for (const auto& [j, side_sigma, u, d] : testing_support::each_side_moved(polygon, kStep)) {
    sigma[j] = side_sigma;
    ASSERT_FALSE(u.fault || d.fault);
    a[j] = (static_cast<double>(*u.w) - static_cast<double>(*d.w)) / (2 * kStep);
    for (std::size_t k = 1; k <= sides; ++k) P[k][j] = (u.S[k] - d.S[k]) / (2 * kStep);
  }

  double mw2 = 0;
  for (std::size_t j = 1; j <= sides; ++j) mw2 += a[j] * sigma[j] * a[j] * sigma[j];
  EXPECT_NEAR(grade.m_w, std::sqrt(mw2), 1e-4 * grade.m_w);
  EXPECT_EQ(grade.limit, 2 * grade.m_w);
  EXPECT_EQ(grade.pass, std::fabs(grade.w) <= grade.limit);

  ASSERT_EQ(grade.sides.size(), static_cast<std::size_t>(known ? 2 * n - 1 : 2 * n));
  double smallest_T = HUGE_VAL;
  for (const SideGrade& side : grade.sides) {
    const auto k = static_cast<std::size_t>(side.k);
    EXPECT_NE(side.k, known);
    double var = 0;
    for (std::size_t j = 1; j <= sides; ++j) var += P[k][j] * P[k][j] * sigma[j] * sigma[j];
    EXPECT_NEAR(side.m, std::sqrt(var) * 1000, 1e-3 * side.m) << "S(" << side.k << ")";
    EXPECT_EQ(side.S_hat, base.S[k]);
    EXPECT_DOUBLE_EQ(side.T, side.S_hat / (side.m / 1000));
    smallest_T = std::min(smallest_T, side.T);
  }
  const auto weakest = std::find_if(grade.sides.begin(), grade.sides.end(),
                                    [&](const SideGrade& s) { return s.k == grade.weakest; });
  ASSERT_NE(weakest, grade.sides.end());
  EXPECT_EQ(weakest->T, smallest_T);
}

TEST(GradeCheckTest, ClosedFormsAgreeWithNumericalPropagation) {
  for (const Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (const int n : {3, 6, 12}) expect_closed_forms_agree(c, n, {2, 2});
  }
  expect_closed_forms_agree(Case::BOnRing, 8, {5, 0});
  expect_closed_forms_agree(Case::Q2, 8, {0, 3});
}

TEST(GradeCheckTest, EqualPrecisionGivesTheTextbookForm) {
  // With the same σ for every side, var(Ŝ(k)) = σ²(1 − a(k)²/[aa]) and m_w = σ·√[aa].
  const std::vector<double> a{0, -3, 2, 1, 0.5};
  const std::vector<double> S{0, 100, 200, 300, 400};
  const GradeCheck g = grade_check(a, S, S, 1.5f, 0, {4, 0});
  const double aa = 9 + 4 + 1 + 0.25;
  EXPECT_DOUBLE_EQ(g.m_w, 0.004 * std::sqrt(aa));
  for (const SideGrade& side : g.sides) {
    const double ak = a[static_cast<std::size_t>(side.k)];
    EXPECT_NEAR(side.m, 4 * std::sqrt(1 - ak * ak / aa), 1e-12) << side.k;
  }
  EXPECT_EQ(g.weakest, 1);  // the shortest side, and the one the condition corrects most
}

TEST(GradeCheckTest, TheKnownSideIsLeftOutAndTheVerdictFollowsTheLimit) {
  const std::vector<double> a{0, -3, 2, 1, 0};
  const std::vector<double> S{0, 100, 200, 300, 400};
  const GradeCheck within = grade_check(a, S, S, 0.001f, 4, {1, 0});
  EXPECT_EQ(within.sides.size(), 3u);
  EXPECT_TRUE(within.pass);
  const GradeCheck beyond = grade_check(a, S, S, -1.0f, 4, {1, 0});
  EXPECT_FALSE(beyond.pass);  // 2·0.001·√14 ≈ 0.0075″ against 1″
  EXPECT_DOUBLE_EQ(beyond.limit, 2 * 0.001 * std::sqrt(14.0));
}

}  // namespace
}  // namespace cp
