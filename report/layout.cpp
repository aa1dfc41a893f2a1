#include "layout.h"

#include "display_decimals.h"
#include "display_width.h"
#include "number_text.h"
#include "report_texts.h"
#include "sheet.h"

namespace cp {
namespace {

namespace t = report_text;

// A running index carries a blank on each side: s( 3 )=
std::string indexed(std::string_view name, int i) {
  return std::string(name) + "( " + shortest_text(static_cast<double>(i)) + " )=";
}

void title(Sheet& sheet, const SessionRecord& r) {
  sheet.at(25, std::string(t::kTitle)).end_line();
  sheet.at(30, std::string(has_point_b(r) ? t::kFromKnownSide : t::kFromOutsideAzimuth)).end_line();
  sheet.blank(2);
}

void known_point(Sheet& sheet, std::string_view label, std::string_view x_name, double x,
                 std::string_view y_name, double y) {
  sheet.at(24, std::string(label))
      .at(37, std::string(x_name) + pattern_text(x, decimals::kCoordinate))
      .at(52, std::string(y_name) + pattern_text(y, decimals::kCoordinate))
      .end_line();
}

void start_data(Sheet& sheet, const SessionRecord& r) {
  sheet.at(22, std::string(t::kStartData)).end_line();
  sheet.blank();
  known_point(sheet, t::kPointA, t::kXa, r.Xa, t::kYa, r.Ya);
  if (has_point_b(r)) {
    known_point(sheet, t::kPointB, t::kXb, r.Xb, t::kYb, r.Yb);
  } else {
    sheet.at(24, std::string(t::kAzimuth))
        .at(30, std::string(t::kTa) + pattern_text(r.Ta, decimals::kAngle))
        .end_line();
    sheet.at(24, std::string(t::kOrientationAngle))
        .at(30, std::string(t::kQa) + pattern_text(r.Qa, decimals::kAngle))
        .end_line();
  }
  sheet.blank();
}

void sides(Sheet& sheet, std::string_view heading, const std::vector<double>& values, int n) {
  sheet.at(29, std::string(heading)).end_line();
  for (int i = 1; i <= 2 * n; ++i)
    sheet.at(37, indexed("s", i) + rounded_text(values[i], decimals::kReportSide)).end_line();
  sheet.blank();
}

void closure_and_correlate(Sheet& sheet, const SessionRecord& r) {
  sheet
      .at(29, std::string(t::kClosure) + rounded_text(r.w, decimals::kClosure) +
                  std::string(t::kSecondsUnit))
      .end_line();
  sheet.blank();
  sheet.at(29, std::string(t::kCorrelate) + rounded_text(r.K, decimals::kCorrelate)).end_line();
  sheet.blank(2);
}

void points(Sheet& sheet, const SessionRecord& r) {
  sheet.at(22, std::string(t::kResults)).end_line();
  const auto last = static_cast<int>(r.L);
  for (int i = 0; i <= last; ++i) {
    sheet.at(24, r.names[i] + std::string(t::kNameEnd))
        .at(30, indexed("x", i) + rounded_text(r.X[i], decimals::kCoordinate))
        .at(50, indexed("y", i) + rounded_text(r.Y[i], decimals::kCoordinate))
        .end_line();
  }
  sheet.blank();
}

void precision(Sheet& sheet, const SessionRecord& r) {
  const std::string mm(t::kMillimetresUnit);
  sheet.at(22, std::string(t::kPrecision)).end_line();
  sheet.blank();
  sheet.at(24, std::string(t::kMs) + pattern_text(r.ms, decimals::kError) + mm).end_line();
  sheet.blank();
  sheet.at(22, r.names[r.e] + std::string(t::kEvaluatedPoint)).end_line();
  sheet.blank();
  sheet.at(24, std::string(t::kPx) + pattern_text(r.Px, decimals::kWeight)).end_line();
  sheet.at(24, std::string(t::kPy) + pattern_text(r.Py, decimals::kWeight)).end_line();
  sheet.at(24, std::string(t::kMx) + rounded_text(r.mx, decimals::kError) + mm).end_line();
  sheet.at(24, std::string(t::kMy) + rounded_text(r.my, decimals::kError) + mm).end_line();
  sheet.at(24, std::string(t::kMd) + rounded_text(r.md, decimals::kError) + mm).end_line();
}

}  // namespace

std::optional<std::vector<ReportRow>> report_rows(const SessionRecord& record) {
  if (!record.complete) return std::nullopt;
  const int n = triangle_count(record);
  Sheet sheet(kReportTitlePoints);
  title(sheet, record);
  sheet.font_size(kReportBodyPoints);
  start_data(sheet, record);
  sides(sheet, t::kObservedSides, record.observed, n);
  sides(sheet, t::kAdjustedSides, record.S, n);
  closure_and_correlate(sheet, record);
  points(sheet, record);
  precision(sheet, record);
  return std::move(sheet).rows();
}

std::string report_refusal() { return std::string(report_text::kNothingToPrint); }

std::string row_text(const ReportRow& row) {
  std::string out;
  int width = 0;
  for (const auto& item : row.items) {
    if (item.column - 1 > width) {
      out.append(static_cast<std::size_t>(item.column - 1 - width), ' ');
      width = item.column - 1;
    }
    out += item.text;
    width += display_width(item.text);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace cp
