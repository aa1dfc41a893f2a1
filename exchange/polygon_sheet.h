#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "answers_by_role.h"
#include "grade_check.h"
#include "session.h"
#include "sheet_grid.h"

// The polygon sheet: the inputs of a calculation as a table that Excel and WPS open and
// edit, one labelled row a value: N, Xa, Ya, Xb, Yb, then m or T0 and Q1, Q2, Q3 (DMS
// numbers), one row a point (点, its index, its name) and one row a side (S(k), its
// observed length, radial or perimeter, from and to). Read back, it becomes the answers
// the dialogue asks for, each value once and every confirmation accepted, so every rule
// and message of the dialogue applies to it unchanged.
namespace cp {

// The sheet of a run, as far as it was entered: UTF-8 with a byte-order mark, CR LF.
std::string sheet_text(const SessionRecord& record);

// A blank sheet for N triangles in the configuration: every row there, the points'
// roles and the sides' ends filled in, every value empty but m (and Xb, Yb = 0 for an
// outside azimuth).
std::string sheet_template(int n, Configuration m);

// One answer taken from the sheet, with the row and the label it stands on.
struct SheetAnswer {
  std::string text;
  long row;
  std::string label;
};

// Why a sheet cannot be read: the row concerned (0 for the sheet as a whole) and what is
// wrong, as the one line the user reads.
struct SheetError : std::runtime_error {
  SheetError(long row_, std::string message_)
      : std::runtime_error(message_), row(row_), message(std::move(message_)) {}
  long row;
  std::string message;
};

// What a sheet holds: the answers in the order the dialogue asks for them, then an
// Enter for each point shown; the EDM's precision, where its rows ma and mb give it; and
// the grade its row 等级 names.
// The order is the dialogue's own: it is run against the sheet's values (answers_by_role).
struct PolygonSheet {
  std::vector<SheetAnswer> answers;
  std::optional<EdmPrecision> edm;
  std::optional<std::string> grade = {};  // the row 等级: the grade to judge the work by
};

// Reads a sheet whose text is UTF-8. Throws SheetError for a missing or repeated label,
// a value that is not a number, sides that do not match N, an unknown label, an EDM
// precision no EDM has.
PolygonSheet read_polygon_sheet(std::string_view text, const DialogueRun& run = calculate_aside);

// The values of a sheet by label, its rows checked as read_polygon_sheet checks them one
// by one; whether they make a calculation is not asked. Throws SheetError.
SheetValues read_sheet_values(std::string_view text);

}  // namespace cp
