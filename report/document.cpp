#include "document.h"

#include <algorithm>
#include <array>
#include <ctime>

#include "display_decimals.h"
#include "display_width.h"
#include "fill.h"
#include "layout.h"
#include "neighbour_precision.h"
#include "network_drawing.h"
#include "number_text.h"
#include "report_texts.h"
#include "sheet.h"

namespace cp {
namespace {

namespace t = report_text;

// The table's columns: the name, then six figures right-aligned in fields this wide.
constexpr int kNameColumn = 4;
constexpr int kFirstFigureColumn = 22;
constexpr int kFigureWidth = 9;
// A relative mean error 1/T is given with T to three significant digits.

std::string right_aligned(std::string_view text) {
  const int width = display_width(text);
  std::string out(static_cast<std::size_t>(std::max(0, kFigureWidth - width)), ' ');
  return out + std::string(text);
}

int figure_column(int i) { return kFirstFigureColumn + i * (kFigureWidth + 1); }

void figures_row(Sheet& sheet, std::string name, const std::array<std::string, 6>& figures) {
  sheet.at(kNameColumn, std::move(name));
  for (int i = 0; i < 6; ++i) {
    if (!figures[i].empty()) sheet.at(figure_column(i), right_aligned(figures[i]));
  }
  sheet.end_line();
}

// The local date and time of the calculation.
std::string local_time(std::int64_t seconds) {
  const auto time = static_cast<std::time_t>(seconds);
  const std::tm* local = std::localtime(&time);
  char text[32] = "";
  if (local) std::strftime(text, sizeof text, std::string(t::kTimeFormat).c_str(), local);
  return text;
}

std::vector<ReportRow> heading(const SessionRecord& r, const NetworkDrawing& drawing) {
  Sheet sheet(kReportTitlePoints);
  sheet.at(28, std::string(t::kAppendixTitle)).end_line();
  sheet.font_size(kReportBodyPoints);
  sheet.blank();
  sheet.at(kNameColumn, text::fill_in(t::kCalculatedAt, "{time}", local_time(r.calculated_at)))
      .end_line();
  sheet.at(kNameColumn, std::string(t::kSignatures)).end_line();
  sheet.blank();
  sheet
      .at(kNameColumn, text::fill_in(t::kDrawingScale,
                                     {{"{scale}", shortest_fixed_text(drawing.scale_denominator)},
                                      {"{factor}", shortest_fixed_text(drawing.ellipse_factor)}}))
      .end_line();
  sheet.at(kNameColumn, std::string(t::kLegend)).end_line();
  return std::move(sheet).rows();
}

std::vector<ReportRow> table_heading() {
  Sheet sheet(kReportBodyPoints);
  const std::string mm(t::kMillimetresColumn);
  figures_row(sheet, std::string(t::kPointName),
              {std::string(t::kMxColumn), std::string(t::kMyColumn), std::string(t::kMdColumn),
               std::string(t::kEColumn), std::string(t::kFColumn), std::string(t::kPhiColumn)});
  figures_row(sheet, "", {mm, mm, mm, mm, mm, std::string(t::kDegreesColumn)});
  return std::move(sheet).rows();
}

std::vector<ReportRow> table(const SessionRecord& r) {
  Sheet sheet(kReportBodyPoints);
  for (std::size_t k = 0; k < r.points.size(); ++k) {
    const PointPrecision& p = r.points[k];
    if (p.known) {
      figures_row(sheet, r.names[k], {std::string(t::kKnownPoint), "", "", "", "", ""});
      continue;
    }
    const auto error = [](double value) { return rounded_text(value, decimals::kError); };
    figures_row(sheet, r.names[k],
                {error(p.mx), error(p.my), error(p.md), error(p.E), error(p.F),
                 rounded_text(p.phi, decimals::kAxisAzimuth)});
  }
  if (r.grade && !r.points.empty()) {
    const auto k = static_cast<std::size_t>(weakest_point(r.points));
    sheet.blank();
    sheet
        .at(kNameColumn, text::fill_in(t::kWeakestPoint,
                                       {{"{name}", r.names[k]},
                                        {"{md}", rounded_text(r.points[k].md, decimals::kError)}}))
        .end_line();
  }
  return std::move(sheet).rows();
}

// The grade check's side table: the side, then five figures right-aligned, each ending
// at its column's right edge, and the weakest side marked after them.
constexpr std::array<int, 5> kGradeColumnEnds = {21, 33, 46, 56, 67};
constexpr int kWeakestColumn = 69;

void grade_row(Sheet& sheet, std::string side, const std::array<std::string, 5>& figures,
               bool weakest = false) {
  sheet.at(kNameColumn, std::move(side));
  for (std::size_t i = 0; i < figures.size(); ++i) {
    const int width = display_width(figures[i]);
    if (!figures[i].empty()) sheet.at(kGradeColumnEnds[i] - width + 1, figures[i]);
  }
  if (weakest) sheet.at(kWeakestColumn, std::string(t::kWeakestMark));
  sheet.end_line();
}

// The table of neighbouring points: the side, its two points, then m, E, F and φ
// right-aligned, each ending at its column's right edge, and the weakest pair marked.
constexpr int kFromColumn = 11;
constexpr int kToColumn = 21;
constexpr std::array<int, 4> kPairColumnEnds = {37, 45, 53, 61};
constexpr int kWeakestPairColumn = 63;

void pair_row(Sheet& sheet, std::string side, std::string from, std::string to,
              const std::array<std::string, 4>& figures, bool weakest = false) {
  sheet.at(kNameColumn, std::move(side));
  if (!from.empty()) sheet.at(kFromColumn, std::move(from));
  if (!to.empty()) sheet.at(kToColumn, std::move(to));
  for (std::size_t i = 0; i < figures.size(); ++i) {
    const int width = display_width(figures[i]);
    if (!figures[i].empty()) sheet.at(kPairColumnEnds[i] - width + 1, figures[i]);
  }
  if (weakest) sheet.at(kWeakestPairColumn, std::string(t::kWeakestPairMark));
  sheet.end_line();
}

void pairs_table(Sheet& sheet, const SessionRecord& r, const GradeCheck& g) {
  const auto millimetres = [](double value) { return rounded_text(value, decimals::kError); };
  const auto name = [&](int k) { return r.names[static_cast<std::size_t>(k)]; };
  sheet.blank();
  sheet.at(kNameColumn, std::string(t::kPairsTitle)).end_line();
  pair_row(sheet, std::string(t::kSideColumn), std::string(t::kFromColumn),
           std::string(t::kToColumn),
           {std::string(t::kPairErrorColumn), std::string(t::kEColumn), std::string(t::kFColumn),
            std::string(t::kPhiColumn)});
  const std::string mm(t::kMillimetresColumn);
  pair_row(sheet, "", "", "", {mm, mm, mm, std::string(t::kDegreesColumn)});
  const PairPrecision* weakest = nullptr;
  for (const PairPrecision& pair : g.pairs) {
    if (pair.k == g.weakest_pair) weakest = &pair;
    pair_row(sheet, text::fill_in(t::kSideName, "{k}", std::to_string(pair.k)), name(pair.from),
             name(pair.to),
             {millimetres(pair.m), millimetres(pair.E), millimetres(pair.F),
              rounded_text(pair.phi, decimals::kAxisAzimuth)},
             pair.k == g.weakest_pair);
  }
  if (weakest) {
    sheet.blank();
    sheet
        .at(kNameColumn, text::fill_in(t::kWeakestPair, {{"{from}", name(weakest->from)},
                                                         {"{to}", name(weakest->to)},
                                                         {"{k}", std::to_string(weakest->k)},
                                                         {"{m}", millimetres(weakest->m)}}))
        .end_line();
  }
}

// The grade's limits, each check against them and the verdict.
void grade_verdict(Sheet& sheet, const GradeCheck& g, const GradeVerdict& v) {
  const auto whole = [](double d) { return shortest_fixed_text(d); };
  const auto verdict = [](bool fails) {
    return std::string(fails ? t::kGradeFail : t::kGradePass);
  };
  sheet.blank();
  sheet
      .at(kNameColumn,
          text::fill_in(t::kGradeStandard, {{"{grade}", v.grade.name},
                                            {"{side}", whole(v.grade.side_denominator)},
                                            {"{weakest}", whole(v.grade.weakest_denominator)}}))
      .end_line();
  std::string edm_line = text::fill_in(
      t::kGradeEdmSides,
      {{"{side}", whole(v.grade.side_denominator)}, {"{verdict}", verdict(!v.edm_sides.empty())}});
  if (!v.edm_sides.empty()) {
    std::string sides;
    for (const int k : v.edm_sides) {
      if (!sides.empty()) sides += t::kListSeparator;
      sides += text::fill_in(t::kSideName, "{k}", std::to_string(k));
    }
    edm_line += text::fill_in(t::kGradeEdmSidesFailing, "{sides}", sides);
  }
  sheet.at(kNameColumn, edm_line).end_line();
  if (const SideGrade* side = weakest_side(g)) {
    sheet
        .at(kNameColumn,
            text::fill_in(t::kGradeWeakestSide, {{"{k}", std::to_string(side->k)},
                                                 {"{T}", relative_error_denominator(side->T)},
                                                 {"{weakest}", whole(v.grade.weakest_denominator)},
                                                 {"{verdict}", verdict(v.weakest_side_fails)}}))
        .end_line();
  }
  sheet.at(kNameColumn, text::fill_in(t::kGradeClosureCheck, "{verdict}", verdict(v.closure_fails)))
      .end_line();
  std::string failed;
  const auto name_failed = [&](bool fails, std::string_view what) {
    if (!fails) return;
    if (!failed.empty()) failed += t::kListSeparator;
    failed += what;
  };
  name_failed(!v.edm_sides.empty(), t::kFailedEdm);
  name_failed(v.weakest_side_fails, t::kFailedWeakestSide);
  name_failed(v.closure_fails, t::kFailedClosure);
  sheet
      .at(kNameColumn, v.conforms()
                           ? text::fill_in(t::kGradeConforms, "{grade}", v.grade.name)
                           : text::fill_in(t::kGradeDoesNotConform,
                                           {{"{grade}", v.grade.name}, {"{failed}", failed}}))
      .end_line();
}

std::vector<ReportRow> grade_check(const SessionRecord& r) {
  const GradeCheck& g = *r.grade;
  const auto seconds = [](double value) { return rounded_text(value, decimals::kClosure); };
  const auto millimetres = [](double value) { return rounded_text(value, decimals::kError); };
  const auto relative = [](double T) {
    return text::fill_in(t::kRelativeError, "{T}", relative_error_denominator(T));
  };
  const auto side_name = [](int k) {
    return text::fill_in(t::kSideName, "{k}", std::to_string(k));
  };
  Sheet sheet(kReportBodyPoints);
  sheet.blank();
  sheet.at(kNameColumn, std::string(t::kGradeTitle)).end_line();
  sheet
      .at(kNameColumn, text::fill_in(t::kGradeEdm, {{"{a}", shortest_text(g.edm.a)},
                                                    {"{b}", shortest_text(g.edm.b)}}))
      .end_line();
  sheet
      .at(kNameColumn,
          text::fill_in(t::kGradeClosure,
                        {{"{w}", seconds(g.w)},
                         {"{m_w}", seconds(g.m_w)},
                         {"{limit}", seconds(g.limit)},
                         {"{verdict}", std::string(g.pass ? t::kGradePass : t::kGradeFail)}}))
      .end_line();
  sheet.blank();
  grade_row(sheet, std::string(t::kSideColumn),
            {std::string(t::kObservedColumn), std::string(t::kCorrectionColumn),
             std::string(t::kAdjustedColumn), std::string(t::kSideErrorColumn),
             std::string(t::kRelativeErrorColumn)});
  grade_row(sheet, "",
            {std::string(t::kMetresColumn), std::string(t::kMillimetresColumn),
             std::string(t::kMetresColumn), std::string(t::kMillimetresColumn),
             std::string(t::kRelativeErrorUnit)});
  for (const SideGrade& side : g.sides) {
    grade_row(
        sheet, side_name(side.k),
        {rounded_text(side.observed, decimals::kCoordinate), millimetres(side.v),
         rounded_text(side.S_hat, decimals::kCoordinate), millimetres(side.m), relative(side.T)},
        side.k == g.weakest);
  }
  if (const SideGrade* weakest = weakest_side(g)) {
    sheet.blank();
    sheet
        .at(kNameColumn,
            text::fill_in(t::kWeakestSide, {{"{k}", std::to_string(weakest->k)},
                                            {"{T}", relative_error_denominator(weakest->T)}}))
        .end_line();
  }
  if (g.verdict) grade_verdict(sheet, g, *g.verdict);
  pairs_table(sheet, r, g);
  sheet.blank();
  return std::move(sheet).rows();
}

}  // namespace

std::optional<std::vector<ReportRow>> report_text_rows(const SessionRecord& record) {
  auto rows = report_rows(record);
  if (!rows) return std::nullopt;
  if (record.grade) {
    const std::vector<ReportRow> grade = grade_check(record);
    rows->insert(rows->end(), grade.begin(), grade.end());
  }
  return rows;
}

std::optional<ReportDocument> report_document(const SessionRecord& record) {
  auto rows = report_rows(record);
  if (!rows) return std::nullopt;
  NetworkDrawing drawing = network_drawing(record, kDrawingWidth, kDrawingHeight);
  return ReportDocument{
      .rows = std::move(*rows),
      .appendix_heading = heading(record, drawing),
      .drawing = std::move(drawing.drawing),
      .grade_check = record.grade ? grade_check(record) : std::vector<ReportRow>{},
      .appendix_table_heading = table_heading(),
      .appendix_table = table(record)};
}

}  // namespace cp
