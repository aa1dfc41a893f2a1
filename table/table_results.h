#pragma once

#include <map>
#include <string>
#include <vector>

#include "session.h"
#include "sheet_grid.h"

// The results of a calculation as the data table shows them, in columns beside the data:
// for every side its correction, adjusted length and, with an EDM precision, its mean
// error and 1/T; for every point X, Y and md; the closure, its limit and the verdict on
// the first heading row; each section's result headings on its own heading row.
namespace cp {

inline constexpr int kTableResultColumns = 4;

struct TableResults {
  std::map<std::string, std::vector<std::string>> by_label;  // a side's or a point's row
  std::vector<std::string> closure, side_headings, point_headings;
  bool empty() const { return by_label.empty(); }
};

TableResults table_results(const SessionRecord& record);

// The result in one of the columns beside a row of the sheet; empty where it has none.
std::string result_cell(const TableResults& results, const SheetRow& row, int column);

}  // namespace cp
