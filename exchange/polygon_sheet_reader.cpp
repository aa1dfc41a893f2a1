#include "polygon_sheet.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <optional>

#include "answers_by_role.h"
#include "csv.h"
#include "exchange_texts.h"
#include "fill.h"
#include "message_quote.h"
#include "number_input.h"
#include "number_text.h"
#include "sheet_grid.h"
#include "sheet_layout.h"
#include "utf8.h"

// The polygon sheet read: its rows checked one by one, then its values handed to the
// dialogue by label, in the order the dialogue asks for them.
namespace cp {

namespace t = exchange_text;
using csv::trimmed;
using sheet_layout::configuration_of;
using sheet_layout::role_of;
using sheet_layout::side_label;

namespace {

// A labelled row of the sheet: the row's number and its cells after the label.
struct Entry {
  long row = 0;
  std::vector<std::string> cells;
  std::string beyond;  // the first cell past those kept that is not empty, if any
  std::string cell(std::size_t i) const { return i < cells.size() ? cells[i] : std::string(); }
};

[[noreturn]] void fail(long row, std::string message) { throw SheetError{row, std::move(message)}; }

// The side number of a label S(k), or nothing for any other label.
std::optional<int> side_number(const std::string& label) {
  if (label.size() < 4 || !label.starts_with("S(") || label.back() != ')') return std::nullopt;
  const auto digits = label.substr(2, label.size() - 3);
  if (digits.empty() || digits.size() > 6 ||
      digits.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoi(digits);
}

class SheetReader {
 public:
  explicit SheetReader(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    // The widest section, the sides', has five columns; cells beyond are not the sheet's.
    constexpr std::size_t kWidestRow = 8;
    csv::for_each_row(text, separator_of(text), kWidestRow,
                      [this](csv::NumberedRow&& row) { read_row(std::move(row)); });
  }

  // Every value of the sheet by its row's label, as written.
  SheetValues values() const {
    SheetValues values;
    for (const auto& [label, entry] : values_) values[label] = trimmed(entry.cell(0));
    for (const auto& [k, entry] : points_) values[point_key(k)] = entry.cell(1);
    for (const auto& [k, entry] : sides_) values[side_label(k)] = trimmed(entry.cell(0));
    return values;
  }

  // The EDM's precision of the rows ma and mb, where either has a value; a missing one
  // is 0. Refused with the row where no EDM has it.
  std::optional<EdmPrecision> edm() const {
    const auto a = number("ma");
    const auto b = number("mb");
    if (!a && !b) return std::nullopt;
    const auto edm = edm_precision(a.value_or(0), b.value_or(0));
    if (!edm) {
      const long row = values_.at(a ? "ma" : "mb").row;
      fail(row, text::fill_in(t::kSheetEdmRefused, {{"{a}", shortest_text(a.value_or(0))},
                                                    {"{b}", shortest_text(b.value_or(0))}}));
    }
    return edm;
  }

  // The grade of the row 等级, where it has one: a name, checked against the table of
  // grades in force by whoever judges the work.
  std::optional<std::string> grade() const {
    const auto found = values_.find(std::string(t::kGradeLabel));
    if (found == values_.end()) return std::nullopt;
    std::string name = trimmed(found->second.cell(0));
    if (name.empty()) return std::nullopt;
    return name;
  }

  // The answers, as the dialogue asks for them: each value once, every confirmation
  // accepted, then an Enter for each point shown. They end where the dialogue refuses a
  // value, which the sheet cannot correct, or asks for a row the sheet lacks (refused).
  std::vector<SheetAnswer> answers(const DialogueRun& run) const {
    std::vector<SheetAnswer> answers;
    bool counted = false;
    answers_by_role(
        [&](const PromptRole& role) -> std::optional<std::string> {
          if (!counted && role.kind == PromptRole::Kind::Value && side_number(role.label)) {
            check_counts();
            counted = true;
          }
          answers.push_back(answer_for(role));
          return answers.back().text;
        },
        run);
    return answers;
  }

 private:
  SheetAnswer answer_for(const PromptRole& role) const {
    using Kind = PromptRole::Kind;
    switch (role.kind) {
      case Kind::Value: return value_answer(role.label);
      case Kind::Confirmation: return {"", value_answer(role.label).row, role.label};
      case Kind::PointName: return point_name(role.point);
      case Kind::NextPoint: break;
    }
    return {"", 0, ""};
  }

  // A value by its label: a known value's row, or a side's; refused where it is missing.
  SheetAnswer value_answer(const std::string& label) const {
    if (const auto k = side_number(label)) {
      const auto found = sides_.find(*k);
      if (found == sides_.end()) fail(0, text::fill_in(t::kSheetMissing, "{label}", label));
      return {trimmed(found->second.cell(0)), found->second.row, label};
    }
    const Entry& entry = value(label);
    return {trimmed(entry.cell(0)), entry.row, label};
  }

  // The configuration and the number of triangles, once the dialogue has taken them.
  std::pair<Configuration, int> network() const {
    const auto m = configuration_of(number("Xb"), number("Yb"), number("m"));
    return {m.value_or(Configuration::OutsideAzimuth), static_cast<int>(number("N").value_or(0))};
  }

  // Point k's name: its row must be there, with the role its number has.
  SheetAnswer point_name(int k) const {
    const std::string label = std::string(t::kPointLabel) + " " + shortest_text(double(k));
    const auto found = points_.find(k);
    if (found == points_.end()) fail(0, text::fill_in(t::kSheetMissing, "{label}", label));
    const auto [m, n] = network();
    check_role(found->second, m, n, k);
    return {found->second.cell(1), found->second.row, label};
  }

  // Once every point is named, before the first side is taken: no point beyond the last, and no
  // side beyond 2N or in the known side's place.
  void check_counts() const {
    const auto [m, n] = network();
    const int last = last_point(m, n);
    for (const auto& [k, entry] : points_) {
      if (k > last)
        fail(entry.row, text::fill_in(t::kSheetPointCount, "{value}", shortest_text(double(k))));
    }
    const int known = known_side_number(m, n);
    const int count = known ? 2 * n - 1 : 2 * n;
    for (const auto& [k, entry] : sides_) {
      if (k < 1 || k > 2 * n || k == known) {
        fail(entry.row, text::fill_in(t::kSheetSideCount, {{"{label}", side_label(k)},
                                                           {"{count}", std::to_string(count)}}));
      }
    }
  }

  void read_row(csv::NumberedRow&& numbered) {
    // A cell a spreadsheet would have changed was written as ="…": its text is inside.
    std::vector<std::string> cells;
    for (const std::string& field : numbered.fields) cells.push_back(csv::cell_text(field));
    while (!cells.empty() && trimmed(cells.back()).empty()) cells.pop_back();
    if (cells.empty() && trimmed(numbered.beyond).empty()) return;  // an empty row
    const std::string label = cells.empty() ? std::string() : trimmed(cells.front());
    if (label == t::kSheetTitle || label == t::kLabelHeading) return;
    const long row = numbered.line;
    Entry entry{row,
                cells.empty() ? std::vector<std::string>()
                              : std::vector(std::make_move_iterator(cells.begin() + 1),
                                            std::make_move_iterator(cells.end())),
                csv::cell_text(numbered.beyond)};
    if (label == t::kPointLabel) {
      const std::string index = trimmed(entry.cell(0));
      const auto k = read_double(index);
      // Checked for its range before it is taken as an int: 2^31 is no int.
      if (!k || *k < 0 || *k > kMostTriangles + 1 || *k != std::floor(*k))
        fail(row, not_a_number(std::string(t::kPointLabel), index));
      if (!points_.emplace(static_cast<int>(*k), std::move(entry)).second)
        repeated(row, label + " " + index);
      return;
    }
    if (const auto k = side_number(label)) {
      check_number(row, label, entry.cell(0));
      check_kind(entry, label, *k);
      if (!sides_.emplace(*k, std::move(entry)).second) repeated(row, label);
      return;
    }
    static const char* const kValues[] = {"N",  "Xa", "Ya", "Xb", "Yb", "m",
                                          "T0", "Q1", "Q2", "Q3", "ma", "mb"};
    const bool grade = label == t::kGradeLabel;  // the one value that is a name
    if (!grade && std::find(std::begin(kValues), std::end(kValues), label) == std::end(kValues)) {
      // Chinese read in the wrong character set and saved again comes back as question
      // marks or replacement characters.
      const bool garbled =
          label.find('?') != std::string::npos || label.find("\xEF\xBF\xBD") != std::string::npos;
      fail(row, text::fill_in(garbled ? t::kSheetGarbledLabel : t::kSheetUnknownLabel, "{label}",
                              quoted(label)));
    }
    if (!grade) check_number(row, label, entry.cell(0));
    check_value_cells(entry, label);
    if (!values_.emplace(label, std::move(entry)).second) repeated(row, label);
  }

  static std::string not_a_number(const std::string& label, const std::string& value) {
    return text::fill_in(t::kSheetNotANumber,
                         {{"{label}", quoted(label)}, {"{value}", quoted(value)}});
  }
  static void check_number(long row, const std::string& label, const std::string& cell) {
    const std::string value = trimmed(cell);
    if (!value.empty() && !read_double(value)) fail(row, not_a_number(label, value));
  }
  [[noreturn]] static void repeated(long row, const std::string& label) {
    fail(row, text::fill_in(t::kSheetRepeated, "{label}", quoted(label)));
  }

  // A side's 类型 cell, where there is one, says whether it is radial or perimeter: a
  // number there means the row has shifted, most often by a decimal comma.
  static void check_kind(const Entry& entry, const std::string& label, int k) {
    const std::string kind = trimmed(entry.cell(1));
    if (kind.empty()) return;
    const std::string_view expected = k % 2 == 1 ? t::kRadialSide : t::kPerimeterSide;
    if (read_double(kind)) {
      fail(entry.row,
           text::fill_in(t::kSheetShiftedSide, {{"{label}", label}, {"{value}", quoted(kind)}}));
    }
    if (kind != expected) {
      fail(entry.row, text::fill_in(t::kSheetWrongKind, {{"{label}", label},
                                                         {"{kind}", std::string(expected)},
                                                         {"{value}", quoted(kind)}}));
    }
  }

  // A value row holds its value and its 说明: a number in the 说明 cell, or a cell beyond
  // it, means the row has shifted, most often by a decimal comma (Xa,3511206,399,…).
  static void check_value_cells(const Entry& entry, const std::string& label) {
    constexpr std::size_t kValueCells = 2;  // 值 and 说明
    const std::string note = trimmed(entry.cell(1));
    if (read_double(note)) {
      fail(entry.row,
           text::fill_in(t::kSheetShiftedSide, {{"{label}", label}, {"{value}", quoted(note)}}));
    }
    const std::string extra =
        entry.cells.size() > kValueCells ? entry.cells[kValueCells] : entry.beyond;
    if (!trimmed(extra).empty()) {
      fail(entry.row, text::fill_in(t::kSheetExtraCell,
                                    {{"{label}", label}, {"{value}", quoted(trimmed(extra))}}));
    }
  }

  // A point's 类别 cell, where there is one, must be the role its number has: a centre
  // and a closing point swapped would otherwise be taken the one for the other.
  static void check_role(const Entry& entry, Configuration m, int n, int k) {
    const std::string role = trimmed(entry.cell(2));
    if (role.empty()) return;
    const std::string_view expected = role_of(m, n, k);
    // B at the centre is both the closing point and the centre.
    const bool centre_b = m == Configuration::BAtCentre && k == n && role == t::kRoleB;
    if (role == expected || centre_b) return;
    fail(entry.row, text::fill_in(t::kSheetWrongRole, {{"{k}", std::to_string(k)},
                                                       {"{role}", std::string(expected)},
                                                       {"{value}", quoted(role)}}));
  }

  // The separator of the sheet's columns, from the first row that has more than one:
  // a comma, or a tab as in Excel's "Unicode text". A semicolon, as a spreadsheet set
  // for a decimal comma saves, is refused with the way to save the sheet instead.
  static char separator_of(std::string_view text) {
    long line = 1;
    for (std::size_t start = 0; start < text.size(); ++line) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      const std::string_view row = text.substr(start, end - start);
      if (row.find(',') != std::string_view::npos) return ',';
      if (row.find('\t') != std::string_view::npos) return '\t';
      if (row.find(';') != std::string_view::npos) fail(line, std::string(t::kSheetSeparator));
      start = end + 1;
    }
    return ',';
  }

  const Entry& value(const std::string& label) const {
    const auto found = values_.find(label);
    if (found == values_.end()) fail(0, text::fill_in(t::kSheetMissing, "{label}", label));
    return found->second;
  }
  std::optional<double> number(const std::string& label) const {
    const auto found = values_.find(label);
    if (found == values_.end()) return std::nullopt;
    return read_double(trimmed(found->second.cell(0)));
  }

  std::map<std::string, Entry> values_;
  std::map<int, Entry> points_;
  std::map<int, Entry> sides_;
};

}  // namespace

SheetValues read_sheet_values(std::string_view text) { return SheetReader(text).values(); }

PolygonSheet read_polygon_sheet(std::string_view text, const DialogueRun& run) {
  SheetReader reader(text);
  std::optional<EdmPrecision> edm = reader.edm();
  return {reader.answers(run), edm, reader.grade()};
}
}  // namespace cp
