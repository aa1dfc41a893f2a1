#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "session.h"

// The polygon sheet as a grid of cells: the rows a sheet file holds, and which of their
// cells the user fills in. The sheet writer and the data table both draw it from the
// values a polygon has, so that a table's row and column are the saved file's own.
namespace cp {

// The values of a polygon, by the label of the row that holds them: "N", "Xa" … "Q3",
// "ma", "mb", a point's name by "点 k" and an observed length by "S(k)"; as typed. A
// value not given has no entry (or an empty one).
using SheetValues = std::map<std::string, std::string>;

// The values a run entered, as far as it entered them, with the EDM precision in force.
SheetValues sheet_values(const SessionRecord& record);

// The label under which point k's name is kept: 点 k.
std::string point_key(int k);

// One row of the sheet. A row the user fills in has the column of its value and the
// label it is kept under; names are cells a spreadsheet must keep as text.
struct SheetRow {
  std::vector<std::string> cells;
  int value_column = -1;  // -1: a title, a heading or an empty row
  std::string key;
  std::vector<int> name_columns = {};
};

// Whether the rows ma and mb are there without a precision: in a blank sheet and a
// table, where the user may fill them in.
enum class EdmRows { WhereGiven, Always };

// The rows of the sheet of these values. The sections follow the configuration the
// known data give (or, where they give none yet, the one a blank sheet is made for) and
// the number of triangles, where N is a whole count of them.
std::vector<SheetRow> sheet_grid(const SheetValues& values, EdmRows edm_rows,
                                 std::optional<Configuration> made_for = std::nullopt);

// The grid as the file: UTF-8 with a byte-order mark, CR LF, names kept as text.
std::string sheet_file_text(const std::vector<SheetRow>& grid);

}  // namespace cp
