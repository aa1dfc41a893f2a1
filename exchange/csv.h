#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as Excel and WPS write and read them: a field with a comma, a
// quote, a line break or blanks at its ends is quoted, quotes inside doubled.
namespace cp::csv {

using Row = std::vector<std::string>;

// One row, its fields joined by commas, ended by CR LF.
std::string row_text(const Row& row);

// A text cell that a spreadsheet shows as written: a cell it would take for a formula
// (a leading = + - @) or turn into a number or date (001, 2E3, 1.50, 3-4) is written
// as the formula ="…", whose value is the text itself. Other text is written as it is.
std::string text_cell(std::string_view text);
// The text of a cell written by text_cell: ="…" unwrapped, anything else as it is.
std::string cell_text(std::string_view cell);
// A cell's text without the blanks and tabs at its ends.
std::string trimmed(std::string_view cell);

// The rows of a whole text: LF or CR LF line ends, quoted fields that may hold the
// separator, quotes and line breaks. Each row keeps the number of the line it starts
// on, from 1. Rows are handed over one by one, so that a reader keeps only the rows it
// wants, however many there are.
//
// A row keeps its first `widest` fields up to the last that is not empty: empty fields
// at its end are not stored, however many commas a spreadsheet left there, and of the
// fields beyond the widest only the first that is not empty is kept, to be named. So
// the memory a row takes is bounded by what it holds, not by its commas.
struct NumberedRow {
  long line;
  Row fields;
  std::string beyond;  // the first field beyond the widest that is not empty, if any
};
void for_each_row(std::string_view text, char separator, std::size_t widest,
                  const std::function<void(NumberedRow&&)>& take);
// Every row of a comma-separated text, each of at most 64 fields.
std::vector<NumberedRow> rows_of(std::string_view text);

}  // namespace cp::csv
