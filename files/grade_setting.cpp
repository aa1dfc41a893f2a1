#include "grade_setting.h"

#include <filesystem>

#include "answers_file.h"
#include "file_messages.h"
#include "grade_table.h"
#include "output_file.h"
#include "polygon_sheet.h"
#include "sheet_file.h"
#include "system_file.h"
#include "texts.h"
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
  const auto path = user_path(UserFolder::Settings, kGradeFile);
  if (!path) return std::nullopt;
  std::optional<std::string> text;
  try {
    text = os::read_setting_file(*path, kLongestSetting);
  } catch (const os::Failure&) {
    return std::nullopt;
  }
  if (!text) return std::nullopt;
  while (!text->empty() && (text->back() == '\n' || text->back() == '\r')) text->pop_back();
  if (text->empty()) return std::nullopt;
  return text;
}

void remember_grade(const std::optional<std::string>& name) {
  const auto path = user_path(UserFolder::Settings, kGradeFile);
  if (!path) throw OutputError{std::string(text::kEdmSettingDefault), std::string(text::kNoHome)};
  std::error_code error;
  std::filesystem::create_directories(os::path_of(*path).parent_path(), error);
  if (error) throw OutputError{*path, error.message()};
  write_whole_file(*path, name ? *name + "\n" : std::string());
}

}  // namespace cp
