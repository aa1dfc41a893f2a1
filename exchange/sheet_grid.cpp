#include "sheet_grid.h"

#include <optional>

#include "csv.h"
#include "exchange_texts.h"
#include "fill.h"
#include "number_input.h"
#include "number_text.h"
#include "sheet_layout.h"
#include "utf8.h"

namespace cp {
namespace {

namespace t = exchange_text;
using sheet_layout::configuration_of;
using sheet_layout::role_of;
using sheet_layout::side_label;

std::string typed(const std::optional<double>& value) {
  return value ? shortest_fixed_text(*value) : std::string();
}

// The value of side k as entered: the observed list once the computation has copied
// it, the side list before; 0 where it was not entered.
double entered_side(const SessionRecord& r, int k) {
  const auto s = static_cast<std::size_t>(k);
  if (s < r.observed.size() && r.observed[s] != 0) return r.observed[s];
  return s < r.S.size() ? r.S[s] : 0;
}

class GridWriter {
 public:
  GridWriter(const SheetValues& values, EdmRows edm_rows) : values_(values), edm_rows_(edm_rows) {}

  std::vector<SheetRow> rows(std::optional<Configuration> made_for) {
    auto m = configuration_of(number("Xb"), number("Yb"), number("m"));
    if (!m) m = made_for;
    const auto n_value = number("N");
    const int n = n_value && whole_triangle_count(*n_value) ? static_cast<int>(*n_value) : 0;
    const bool outside_known = m == Configuration::OutsideAzimuth;
    const bool known_side_known = m && !outside_known;

    fixed({std::string(t::kSheetTitle)});
    fixed({std::string(t::kLabelHeading), std::string(t::kValueHeading),
           std::string(t::kNoteHeading)});
    value_row("N", t::kNoteN);
    value_row("Xa", t::kNoteXa);
    value_row("Ya", t::kNoteYa);
    value_row("Xb", t::kNoteXb);
    value_row("Yb", t::kNoteYb);
    if (!outside_known) value_row("m", t::kNoteM);
    if (!known_side_known) {
      value_row("T0", t::kNoteT0);
      value_row("Q1", t::kNoteQ1);
      value_row("Q2", t::kNoteQ2);
      value_row("Q3", t::kNoteQ3);
    }
    if (edm_rows_ == EdmRows::Always || given("ma") || given("mb")) {
      value_row("ma", t::kNoteMa);
      value_row("mb", t::kNoteMb);
    }
    if (given(std::string(t::kGradeLabel))) value_row(std::string(t::kGradeLabel), t::kNoteGrade);
    if (n > 0) {
      point_rows(m, n);
      side_rows(m, n);
    }
    return std::move(rows_);
  }

 private:
  void point_rows(std::optional<Configuration> m, int n) {
    fixed({});
    fixed({std::string(t::kLabelHeading), std::string(t::kIndexHeading),
           std::string(t::kNameHeading), std::string(t::kRoleHeading)});
    const int last = m ? last_point(*m, n) : n;
    for (int k = 0; k <= last; ++k) {
      rows_.push_back({{std::string(t::kPointLabel), shortest_text(static_cast<double>(k)),
                        value_of(point_key(k)), m ? std::string(role_of(*m, n, k)) : ""},
                       2,
                       point_key(k),
                       {2}});
    }
  }

  void side_rows(std::optional<Configuration> m, int n) {
    fixed({});
    fixed({std::string(t::kLabelHeading), std::string(t::kLengthHeading),
           std::string(t::kKindHeading), std::string(t::kFromHeading), std::string(t::kToHeading)});
    const int known = m ? known_side_number(*m, n) : 0;
    const NetworkPoints points = network_points(m.value_or(Configuration::OutsideAzimuth), n);
    // A point not named yet is named by its number, so that a blank sheet shows each
    // side's ends: the ring P(0..N-1) and the centre.
    const auto named = [&](int index) {
      const std::string name = value_of(point_key(index));
      return name.empty() ? point_key(index) : name;
    };
    for (int k = 1; k <= 2 * n; ++k) {
      if (k == known) continue;
      const bool radial = k % 2 == 1;
      std::string from, to;
      if (m) {
        const SideEnds ends = side_ends(points, k);
        from = named(ends.from);
        to = named(ends.to);
      }
      rows_.push_back({{side_label(k), value_of(side_label(k)),
                        std::string(radial ? t::kRadialSide : t::kPerimeterSide), from, to},
                       1,
                       side_label(k),
                       {3, 4}});
    }
  }

  void fixed(std::vector<std::string> cells) { rows_.push_back({std::move(cells), -1, "", {}}); }
  void value_row(const std::string& label, std::string_view note) {
    rows_.push_back({{label, value_of(label), std::string(note)}, 1, label, {}});
  }
  std::string value_of(const std::string& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? std::string() : found->second;
  }
  bool given(const std::string& key) const { return !value_of(key).empty(); }
  std::optional<double> number(const std::string& key) const { return read_double(value_of(key)); }

  const SheetValues& values_;
  EdmRows edm_rows_;
  std::vector<SheetRow> rows_;
};

}  // namespace

std::vector<SheetRow> sheet_grid(const SheetValues& values, EdmRows edm_rows,
                                 std::optional<Configuration> made_for) {
  return GridWriter(values, edm_rows).rows(made_for);
}

std::string point_key(int k) { return text::fill_in(t::kPointReference, "{k}", std::to_string(k)); }

SheetValues sheet_values(const SessionRecord& r) {
  const TypedInputs& in = r.typed;
  SheetValues values;
  const int n = triangle_count(r);
  if (n > 0) values["N"] = shortest_text(r.N);
  const std::pair<const char*, const std::optional<double>*> known[] = {
      {"Xa", &in.Xa}, {"Ya", &in.Ya}, {"Xb", &in.Xb}, {"Yb", &in.Yb}, {"m", &in.m},
      {"T0", &in.T0}, {"Q1", &in.Q1}, {"Q2", &in.Q2}, {"Q3", &in.Q3}};
  for (const auto& [label, value] : known) {
    if (*value) values[label] = typed(*value);
  }
  if (r.edm) {
    values["ma"] = shortest_text(r.edm->a);
    values["mb"] = shortest_text(r.edm->b);
  }
  if (r.survey_grade) values[std::string(t::kGradeLabel)] = r.survey_grade->name;
  for (int k = 0; k < in.names && static_cast<std::size_t>(k) < r.names.size(); ++k)
    values[point_key(k)] = r.names[static_cast<std::size_t>(k)];
  for (int k = 1; k <= 2 * n; ++k) {
    const double side = entered_side(r, k);
    if (side > 0) values[side_label(k)] = shortest_fixed_text(side);
  }
  return values;
}

std::string sheet_file_text(const std::vector<SheetRow>& grid) {
  std::string out(kUtf8ByteOrderMark);
  for (const SheetRow& row : grid) {
    csv::Row cells = row.cells;
    for (const int column : row.name_columns)
      cells[static_cast<std::size_t>(column)] =
          csv::text_cell(cells[static_cast<std::size_t>(column)]);
    out += csv::row_text(cells);
  }
  return out;
}

}  // namespace cp
