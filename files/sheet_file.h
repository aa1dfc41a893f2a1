#pragma once

#include <string>
#include <vector>

#include "answer_source.h"
#include "answers_file.h"
#include "polygon_sheet.h"

namespace cp {

// A polygon sheet read as answers: the whole file is read at once (a sheet is small),
// as UTF-8 with or without a byte-order mark, or as GBK, which is what Excel and WPS
// save as CSV on Chinese Windows.
// The text of a sheet file as UTF-8, however an office program saved it. Throws
// AnswersFileError.
std::string read_sheet_file_text(const std::string& path);

class SheetFile : public AnswerSource {
 public:
  // No polygon's sheet is that large: a file beyond it is no sheet.
  static constexpr std::size_t kLargestSheet = 1 << 24;

  // Reads and checks the sheet; throws AnswersFileError where it cannot.
  explicit SheetFile(std::string path);
  // The answers of a sheet already read, named for messages as a file would be: the
  // data table's.
  SheetFile(std::string name, PolygonSheet sheet);

  std::optional<std::string> next() override;
  std::string where() const override;
  std::string where_next() const override;
  bool more_at_once() override { return false; }
  bool holds_each_value_once() const override { return true; }
  void stop() override { next_ = answers_.size(); }
  std::string row_and_label() const override;
  std::string where_of_side(int side) const override;
  std::optional<EdmPrecision> edm() const override { return edm_; }
  std::optional<std::string> grade() const override { return grade_; }

 private:
  std::string path_;
  std::vector<SheetAnswer> answers_;
  std::size_t next_ = 0;
  std::optional<EdmPrecision> edm_;
  std::optional<std::string> grade_;
};

}  // namespace cp
