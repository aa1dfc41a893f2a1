#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "survey_grade.h"

// An office's own table of grades, grades.csv: the heading
//   等级,平均边长 (km),测边相对中误差,最弱边边长相对中误差
// then a row a grade, its limits written as fractions: 四等,2,1/100000,1/40000.
namespace cp {

// The grades of the table's UTF-8 text. Throws SheetError naming the row that is no
// grade: a missing or wrong heading, a name empty or repeated, a mean side length that
// is no positive number, a limit that is no fraction 1/D, an empty table.
std::vector<SurveyGrade> read_grade_table(std::string_view text);

// The names of a table's grades, parted as a list is: 二等、三等、四等…
std::string grade_names(const std::vector<SurveyGrade>& table);

}  // namespace cp
