#include "polygon_sheet.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <optional>

#include "csv.h"
#include "dms.h"
#include "exchange_texts.h"
#include "fill.h"
#include "message_quote.h"
#include "number_input.h"
#include "number_text.h"
#include "utf8.h"

namespace cp {
namespace {

namespace t = exchange_text;

// The configuration the known data give, where they give one.
std::optional<Configuration> configuration_of(std::optional<double> Xb, std::optional<double> Yb,
                                              std::optional<double> m) {
  if (!Xb || !Yb) return std::nullopt;
  if (*Xb == 0 && *Yb == 0) return Configuration::OutsideAzimuth;
  if (*Xb == 0 || *Yb == 0 || !m) return std::nullopt;
  if (*m == 1) return Configuration::BOnRing;
  if (*m == 2) return Configuration::BAtCentre;
  return std::nullopt;
}

std::string side_label(int k) {
  return text::fill_in(t::kSideLabel, "{k}", shortest_text(static_cast<double>(k)));
}

std::string typed(const std::optional<double>& value) {
  return value ? shortest_fixed_text(*value) : std::string();
}

// The names at the ends of every side: the ring P(0..N-1) and the centre.
struct SideEnds {
  std::string from;
  std::string to;
  bool radial;
};
SideEnds side_ends(const SessionRecord& r, const NetworkPoints& points, int n, int k) {
  // A point not named yet is named by its number, so that a blank sheet shows each
  // side's ends.
  const auto named = [&](int index) {
    const auto at = static_cast<std::size_t>(index);
    if (at < r.names.size() && !r.names[at].empty()) return r.names[at];
    return text::fill_in(t::kPointReference, "{k}", std::to_string(index));
  };
  const auto name = [&](int j) { return named(points.ring[static_cast<std::size_t>(j % n)]); };
  const std::string centre_name = named(points.centre);
  const int i = (k + 1) / 2;  // the triangle
  if (k % 2 == 1) return {centre_name, name(i - 1), true};
  return {name(i - 1), name(i), false};
}

// The value of side k as entered: the observed list once the computation has copied
// it, the side list before; 0 where it was not entered.
double entered_side(const SessionRecord& r, int k) {
  const auto s = static_cast<std::size_t>(k);
  if (s < r.observed.size() && r.observed[s] != 0) return r.observed[s];
  return s < r.S.size() ? r.S[s] : 0;
}

// The role of point k of the sheet: the start point A (and A again at the end of an
// outside-azimuth ring), the closing point B, the centre, or a new point.
std::string_view role_of(Configuration m, int n, int k) {
  if (k == 0 || (m == Configuration::OutsideAzimuth && k == n + 1)) return t::kRoleA;
  const NetworkPoints points = network_points(m, n);
  if (k == points.centre) return t::kRoleCentre;
  if (m == Configuration::BOnRing && k == n) return t::kRoleB;
  return t::kRoleNew;
}

// The sheet's rows; `m` is the configuration where the known data give one, or the one
// a blank sheet is made for. A blank sheet has the EDM's rows too, to be filled in or
// left empty.
std::string sheet_rows(const SessionRecord& r, std::optional<Configuration> m, bool blank) {
  const TypedInputs& in = r.typed;
  const int n = triangle_count(r);
  const bool outside_known = m == Configuration::OutsideAzimuth;
  const bool known_side_known = m && !outside_known;

  std::string out(kUtf8ByteOrderMark);
  const auto row = [&](csv::Row fields) { out += csv::row_text(fields); };
  row({std::string(t::kSheetTitle)});
  row({std::string(t::kLabelHeading), std::string(t::kValueHeading), std::string(t::kNoteHeading)});
  row({"N", n > 0 ? shortest_text(r.N) : "", std::string(t::kNoteN)});
  row({"Xa", typed(in.Xa), std::string(t::kNoteXa)});
  row({"Ya", typed(in.Ya), std::string(t::kNoteYa)});
  row({"Xb", typed(in.Xb), std::string(t::kNoteXb)});
  row({"Yb", typed(in.Yb), std::string(t::kNoteYb)});
  if (!outside_known) {
    // A blank sheet has m already: it was made for one configuration.
    std::string m_cell = typed(in.m);
    if (!in.m && m) m_cell = std::to_string(static_cast<int>(*m));
    row({"m", m_cell, std::string(t::kNoteM)});
  }
  if (!known_side_known) {
    row({"T0", typed(in.T0), std::string(t::kNoteT0)});
    row({"Q1", typed(in.Q1), std::string(t::kNoteQ1)});
    row({"Q2", typed(in.Q2), std::string(t::kNoteQ2)});
    row({"Q3", typed(in.Q3), std::string(t::kNoteQ3)});
  }
  if (r.edm || blank) {
    row({"ma", r.edm ? shortest_text(r.edm->a) : "", std::string(t::kNoteMa)});
    row({"mb", r.edm ? shortest_text(r.edm->b) : "", std::string(t::kNoteMb)});
  }
  if (n <= 0) return out;

  row({});
  row({std::string(t::kLabelHeading), std::string(t::kIndexHeading), std::string(t::kNameHeading),
       std::string(t::kRoleHeading)});
  const int last = m ? last_point(*m, n) : n;
  for (int k = 0; k <= last; ++k) {
    const bool entered = k < in.names && static_cast<std::size_t>(k) < r.names.size();
    row({std::string(t::kPointLabel), shortest_text(static_cast<double>(k)),
         entered ? csv::text_cell(r.names[static_cast<std::size_t>(k)]) : "",
         m ? std::string(role_of(*m, n, k)) : ""});
  }

  row({});
  row({std::string(t::kLabelHeading), std::string(t::kLengthHeading), std::string(t::kKindHeading),
       std::string(t::kFromHeading), std::string(t::kToHeading)});
  const int known = m ? known_side_number(*m, n) : 0;
  const NetworkPoints points = network_points(m.value_or(Configuration::OutsideAzimuth), n);
  for (int k = 1; k <= 2 * n; ++k) {
    if (k == known) continue;
    const double value = entered_side(r, k);
    const SideEnds ends = m ? side_ends(r, points, n, k) : SideEnds{"", "", k % 2 == 1};
    row({side_label(k), value > 0 ? shortest_fixed_text(value) : "",
         std::string(ends.radial ? t::kRadialSide : t::kPerimeterSide), csv::text_cell(ends.from),
         csv::text_cell(ends.to)});
  }
  return out;
}

}  // namespace

std::string sheet_text(const SessionRecord& r) {
  const TypedInputs& in = r.typed;
  return sheet_rows(r, configuration_of(in.Xb, in.Yb, in.m), false);
}

std::string sheet_template(int n, Configuration m) {
  SessionRecord blank;
  size_session_record(blank, static_cast<float>(n));
  blank.N = static_cast<float>(n);
  if (m == Configuration::OutsideAzimuth) blank.typed.Xb = blank.typed.Yb = 0.0;
  return sheet_rows(blank, m, true);
}

namespace {

// A labelled row of the sheet: the row's number and its cells after the label.
struct Entry {
  long row = 0;
  std::vector<std::string> cells;
  std::string beyond;  // the first cell past those kept that is not empty, if any
  std::string cell(std::size_t i) const { return i < cells.size() ? cells[i] : std::string(); }
};

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

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

  std::vector<SheetAnswer> answers() {
    const auto N = number("N");
    answer("N");
    for (const char* label : {"Xa", "Ya", "Xb", "Yb"}) confirmed(label);
    const auto m = configuration_of(number("Xb"), number("Yb"), number("m"));
    const bool whole_n = N && whole_triangle_count(*N);
    if (!m) {
      // Incomplete known data: the dialogue refuses them and asks again, which a sheet
      // cannot answer; its answers end there.
      const auto Xb = number("Xb");
      const auto Yb = number("Yb");
      if (Xb && Yb && *Xb != 0 && *Yb != 0) answer("m");
      return std::move(answers_);
    }
    if (*m == Configuration::OutsideAzimuth) {
      confirmed("T0");
      confirmed("Q1");
      if (angle("Q1") == 0) {
        confirmed("Q2");
        if (angle("Q2") == 0) confirmed("Q3");
      }
    } else {
      answer("m");
    }
    if (!whole_n) return std::move(answers_);
    const int n = static_cast<int>(*N);
    const int last = last_point(*m, n);
    for (int k = 0; k <= last; ++k) {
      const auto found = points_.find(k);
      if (found == points_.end())
        fail(0, text::fill_in(t::kSheetMissing, "{label}",
                              std::string(t::kPointLabel) + " " + shortest_text(double(k))));
      check_role(found->second, *m, n, k);
      answers_.push_back({found->second.cell(1), found->second.row,
                          std::string(t::kPointLabel) + " " + shortest_text(double(k))});
    }
    for (const auto& [k, entry] : points_) {
      if (k > last)
        fail(entry.row, text::fill_in(t::kSheetPointCount, "{value}", shortest_text(double(k))));
    }
    const int known = known_side_number(*m, n);
    const int count = known ? 2 * n - 1 : 2 * n;
    for (const auto& [k, entry] : sides_) {
      if (k < 1 || k > 2 * n || k == known) {
        fail(entry.row, text::fill_in(t::kSheetSideCount, {{"{label}", side_label(k)},
                                                           {"{count}", std::to_string(count)}}));
      }
    }
    for (int k = 1; k <= 2 * n; ++k) {
      if (k == known) continue;
      const auto found = sides_.find(k);
      if (found == sides_.end()) fail(0, text::fill_in(t::kSheetMissing, "{label}", side_label(k)));
      const long row = found->second.row;
      answers_.push_back({trimmed(found->second.cell(0)), row, side_label(k)});
      answers_.push_back({"", row, side_label(k)});
    }
    for (int k = 0; k <= last; ++k) answers_.push_back({"", 0, ""});
    return std::move(answers_);
  }

 private:
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
    if (std::find(std::begin(kValues), std::end(kValues), label) == std::end(kValues)) {
      // Chinese read in the wrong character set and saved again comes back as question
      // marks or replacement characters.
      const bool garbled =
          label.find('?') != std::string::npos || label.find("\xEF\xBF\xBD") != std::string::npos;
      fail(row, text::fill_in(garbled ? t::kSheetGarbledLabel : t::kSheetUnknownLabel, "{label}",
                              quoted(label)));
    }
    check_number(row, label, entry.cell(0));
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
  double angle(const std::string& label) const {
    const auto typed = number(label);
    return typed ? dms_to_degrees(*typed) : 1;  // no number: the dialogue refuses it
  }

  void answer(const std::string& label) {
    const Entry& entry = value(label);
    answers_.push_back({trimmed(entry.cell(0)), entry.row, label});
  }
  void confirmed(const std::string& label) {
    answer(label);
    answers_.push_back({"", answers_.back().row, label});
  }

  std::map<std::string, Entry> values_;
  std::map<int, Entry> points_;
  std::map<int, Entry> sides_;
  std::vector<SheetAnswer> answers_;
};

}  // namespace

PolygonSheet read_polygon_sheet(std::string_view text) {
  SheetReader reader(text);
  std::optional<EdmPrecision> edm = reader.edm();
  return {reader.answers(), edm};
}

}  // namespace cp
