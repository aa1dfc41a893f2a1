#include "grade_table.h"

#include <algorithm>

#include "csv.h"
#include "exchange_texts.h"
#include "fill.h"
#include "message_quote.h"
#include "number_input.h"
#include "polygon_sheet.h"
#include "utf8.h"

namespace cp {
namespace {

namespace t = exchange_text;

[[noreturn]] void fail(long row, std::string message) { throw SheetError{row, std::move(message)}; }

// The denominator D of a limit written 1/D; nothing where it is not that.
std::optional<double> denominator(const std::string& cell) {
  const std::string text = csv::trimmed(cell);
  if (!text.starts_with("1/")) return std::nullopt;
  const auto d = read_double(std::string_view(text).substr(2));
  if (!d || !limit_denominator(*d)) return std::nullopt;
  return d;
}

}  // namespace

std::vector<SurveyGrade> read_grade_table(std::string_view text) {
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  constexpr std::size_t kColumns = 4;
  std::vector<SurveyGrade> table;
  bool heading = false;
  csv::for_each_row(text, ',', kColumns, [&](csv::NumberedRow&& numbered) {
    std::vector<std::string> cells;
    for (const std::string& field : numbered.fields) cells.push_back(csv::trimmed(field));
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    if (cells.empty() && csv::trimmed(numbered.beyond).empty()) return;  // an empty row
    const long row = numbered.line;
    cells.resize(kColumns);
    if (!heading) {
      const std::vector<std::string> expected(std::begin(t::kGradeHeadings),
                                              std::end(t::kGradeHeadings));
      if (cells != expected) fail(row, std::string(t::kGradeTableHeading));
      heading = true;
      return;
    }
    if (!csv::trimmed(numbered.beyond).empty())
      fail(row, text::fill_in(t::kGradeExtraCell, "{value}", quoted(numbered.beyond)));
    const std::string& name = cells[0];
    if (name.empty()) fail(row, std::string(t::kGradeNoName));
    if (grade_named(table, name)) fail(row, text::fill_in(t::kGradeRepeated, "{grade}", name));
    const auto mean_side = read_double(cells[1]);
    if (!mean_side || !(*mean_side > 0) || *mean_side > 1e6)
      fail(row,
           text::fill_in(t::kGradeMeanSide, {{"{grade}", name}, {"{value}", quoted(cells[1])}}));
    const auto side = denominator(cells[2]);
    const auto weakest = denominator(cells[3]);
    for (const auto& [limit, cell] : {std::pair{side, &cells[2]}, std::pair{weakest, &cells[3]}}) {
      if (!limit)
        fail(row, text::fill_in(t::kGradeLimit, {{"{grade}", name}, {"{value}", quoted(*cell)}}));
    }
    table.push_back({name, *mean_side, *side, *weakest});
  });
  if (table.empty()) fail(0, std::string(t::kGradeTableEmpty));
  return table;
}

std::string grade_names(const std::vector<SurveyGrade>& table) {
  std::string names;
  for (const SurveyGrade& grade : table) {
    if (!names.empty()) names += t::kNameSeparator;
    names += grade.name;
  }
  return names;
}

}  // namespace cp
