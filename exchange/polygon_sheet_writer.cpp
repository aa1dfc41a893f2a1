#include "polygon_sheet.h"

#include "csv.h"
#include "exchange_texts.h"
#include "fill.h"
#include "number_text.h"
#include "sheet_layout.h"
#include "utf8.h"

// The polygon sheet written: the inputs of a run as far as they were entered, or a blank
// sheet for a configuration.
namespace cp {
namespace {

namespace t = exchange_text;
using sheet_layout::configuration_of;
using sheet_layout::role_of;
using sheet_layout::side_label;

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

}  // namespace cp
