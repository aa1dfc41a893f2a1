#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as Excel and WPS write and read them: a field with a comma, a
// quote, a line break or blanks at its ends is quoted, quotes inside doubled.
namespace cp::csv {

using Row = std::vector<std::string>;

// One row, its fields joined by commas, ended by CR LF.
std::string row_text(const Row& row);

// The rows of a whole text: LF or CR LF line ends, quoted fields that may hold commas,
// quotes and line breaks. Each row keeps the number of the line it starts on, from 1.
struct NumberedRow {
  long line;
  Row fields;
};
std::vector<NumberedRow> rows_of(std::string_view text);

}  // namespace cp::csv
