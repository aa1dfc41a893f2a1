#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The grades a trilateration network is commissioned at, with the limits the standard
// sets for each, and the verdict on a network judged by one of them.
namespace cp {

struct GradeCheck;

// One grade: its name (二等 … 二级), the mean side length it is laid out for, and its two
// limits written as the denominators of their fractions (1/100000 is 100000).
struct SurveyGrade {
  std::string name;
  double mean_side_km = 0;
  double side_denominator = 0;  // 测边相对中误差: each side's σ/S at most 1/this
  double weakest_denominator = 0;  // 最弱边边长相对中误差: the weakest side's 1/T at most 1/this
};

// The trilateration limits of the engineering survey standard, GB 50026-2007, table
// 3.4.1 (the main technical requirements of triangular networks).
const std::vector<SurveyGrade>& standard_grades();

// The grade of that name in the table; nothing where the table has none.
std::optional<SurveyGrade> grade_named(const std::vector<SurveyGrade>& table,
                                       std::string_view name);

// A denominator a grade's limit may have: a whole number from 1 to a billion, so that
// the limit is a fraction a surveyor writes and every comparison stays exact.
bool limit_denominator(double value);

// The network judged by a grade: the sides whose EDM is not good enough for it, the
// weakest side and the closure. It conforms where none of the three fails.
struct GradeVerdict {
  SurveyGrade grade;
  std::vector<int> edm_sides = {};  // sides with σ/S beyond 1/side_denominator, in side order
  bool weakest_side_fails = false;  // the weakest side's T below weakest_denominator
  bool closure_fails = false;       // the closure beyond twice its mean error
  bool conforms() const { return edm_sides.empty() && !weakest_side_fails && !closure_fails; }
};

GradeVerdict judge_by_grade(const GradeCheck& check, const SurveyGrade& grade);

}  // namespace cp
