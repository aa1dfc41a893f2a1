#include "grade_setting.h"

#include <filesystem>

#include "answers_file.h"
#include "file_messages.h"
#include "grade_table.h"
#include "polygon_sheet.h"
#include "setting_line.h"
#include "sheet_file.h"
#include "system_file.h"
#include "user_folders.h"

namespace cp {
namespace {

constexpr const char* kTableFile = "grades.csv";
constexpr const char* kGradeFile = "grade";

}  // namespace

GradeTable grade_table_in_force() {
  const auto path = user_path(UserFolder::Settings, kTableFile);
  std::error_code error;
  if (!path || !std::filesystem::exists(os::path_of(*path), error))
    return {.grades = standard_grades()};
  try {
    return {.grades = read_grade_table(read_sheet_file_text(*path))};
  } catch (const AnswersFileError& failure) {
    return {.grades = standard_grades(), .refused = answers_file_message(failure)};
  } catch (const SheetError& failure) {
    const AnswersFileError at_row(AnswersFileError::Kind::InvalidSheet, *path, failure.row,
                                  failure.message, true);
    return {.grades = standard_grades(), .refused = answers_file_message(at_row)};
  }
}

std::optional<std::string> remembered_grade() {
  constexpr std::size_t kLongestSetting = 256;
  // A file that cannot be read remembers no grade; the grade is asked again.
  SettingLine setting = read_setting_line(kGradeFile, kLongestSetting);
  if (!setting.line || setting.line->empty()) return std::nullopt;
  return setting.line;
}

void remember_grade(const std::optional<std::string>& name) {
  write_setting_line(kGradeFile, name);
}

}  // namespace cp
