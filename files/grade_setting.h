#pragma once

#include <optional>
#include <string>
#include <vector>

#include "survey_grade.h"

// The grades the work may be judged by, and the grade the window remembers: beside the
// EDM precision in the settings folder, grades.csv (an office's own table, which
// replaces the standard's) and grade (one line, the grade's name).
namespace cp {

// The table in force: the office's grades.csv where there is one, else the standard's.
// An office's table that cannot be read, or has a row that is no grade, is not used:
// `refused` says why, at FILE:LINE, and the standard's table is given instead.
struct GradeTable {
  std::vector<SurveyGrade> grades;
  std::optional<std::string> refused = {};
};
GradeTable grade_table_in_force();

// The remembered grade's name; nothing where none is.
std::optional<std::string> remembered_grade();

// Remembers the grade's name, or forgets it (nothing). Throws OutputError.
void remember_grade(const std::optional<std::string>& name);

}  // namespace cp
