#include "survey_grade.h"

#include <cmath>

#include "constants.h"
#include "grade_check.h"

namespace cp {

const std::vector<SurveyGrade>& standard_grades() {
  static const std::vector<SurveyGrade> table = {
      {"二等", 9, 250000, 120000}, {"三等", 4.5, 150000, 70000}, {"四等", 2, 100000, 40000},
      {"一级", 1, 40000, 20000},   {"二级", 0.5, 20000, 10000},
  };
  return table;
}

std::optional<SurveyGrade> grade_named(const std::vector<SurveyGrade>& table,
                                       std::string_view name) {
  for (const SurveyGrade& grade : table)
    if (grade.name == name) return grade;
  return std::nullopt;
}

bool limit_denominator(double value) {
  constexpr double kLargestDenominator = 1e9;
  return value >= 1 && value <= kLargestDenominator && value == std::floor(value);
}

GradeVerdict judge_by_grade(const GradeCheck& check, const SurveyGrade& grade) {
  GradeVerdict verdict{.grade = grade};
  // σ/S at most 1/D is S/σ at least D: compared as a quotient, no fraction is rounded.
  for (const SideGrade& side : check.sides)
    if (side.observed * kMillimetresPerMetre / side.sigma < grade.side_denominator)
      verdict.edm_sides.push_back(side.k);
  const SideGrade* weakest = weakest_side(check);
  verdict.weakest_side_fails = weakest && weakest->T < grade.weakest_denominator;
  verdict.closure_fails = !check.pass;
  return verdict;
}

}  // namespace cp
