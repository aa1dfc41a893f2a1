#pragma once

#include <memory>
#include <optional>
#include <string>

#include "grade_check.h"

// Where replayed answers come from: an answers file, a line an answer, or a polygon
// sheet, a row a value.
namespace cp {

class AnswerSource {
 public:
  virtual ~AnswerSource() = default;

  // The next answer, or nothing where the answers have run out. Throws
  // AnswersFileError for a line that is not text.
  virtual std::optional<std::string> next() = 0;

  // Where the last answer came from, and where the next one would, for messages:
  // "FILE:LINE", or for a sheet "FILE:ROW: LABEL".
  virtual std::string where() const = 0;
  virtual std::string where_next() const = 0;

  // Whether another answer can be read at once, without waiting for a pipe's writer.
  virtual bool more_at_once() = 0;

  // A sheet holds each value once: a value the dialogue refuses has no correction after
  // it, so the sheet's answers end there. An answers file holds what was typed,
  // refused answers and their corrections alike, and goes on.
  virtual bool holds_each_value_once() const { return false; }
  virtual void stop() {}

  // Where side S(k) was read from, for a message about it: for a sheet its row; for
  // an answers file, which keeps no labels, where().
  virtual std::string where_of_side(int /*side*/) const { return where(); }

  // For a sheet: the row and label of the last answer, as the window says them.
  virtual std::string row_and_label() const { return {}; }

  // For a sheet: the EDM's precision its rows ma and mb give, if any.
  virtual std::optional<EdmPrecision> edm() const { return std::nullopt; }

  // For a sheet: the name of the grade its row 等级 gives, if any.
  virtual std::optional<std::string> grade() const { return std::nullopt; }
};

// Whether the file at the path is read as a polygon sheet: its name ends in .csv, in
// any letter case.
bool reads_as_sheet(const std::string& path);

// The answers of the file at the path: a polygon sheet or an answers file. Throws
// AnswersFileError.
std::unique_ptr<AnswerSource> open_answers(const std::string& path);

}  // namespace cp
