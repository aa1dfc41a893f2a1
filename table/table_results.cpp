#include "table_results.h"

#include "display_decimals.h"
#include "exchange_texts.h"
#include "fill.h"
#include "number_text.h"
#include "report_texts.h"
#include "sheet_layout.h"
#include "table_texts.h"

namespace cp {
namespace {

namespace t = table_text;

std::vector<std::string> side_results(const SessionRecord& r, int k) {
  const auto s = static_cast<std::size_t>(k);
  constexpr double kMillimetresPerMetre = 1000;
  const double v = (r.S[s] - r.observed[s]) * kMillimetresPerMetre;
  std::vector<std::string> cells = {rounded_text(v, decimals::kError),
                                    rounded_text(r.S[s], decimals::kReportSide)};
  if (!r.grade) return cells;
  for (const SideGrade& side : r.grade->sides) {
    if (side.k != k) continue;
    cells.push_back(rounded_text(side.m, decimals::kError));
    cells.push_back(
        text::fill_in(report_text::kRelativeError, "{T}", relative_error_denominator(side.T)));
  }
  return cells;
}

std::vector<std::string> point_results(const SessionRecord& r, int k) {
  const auto p = static_cast<std::size_t>(k);
  std::vector<std::string> cells = {rounded_text(r.X[p], decimals::kCoordinate),
                                    rounded_text(r.Y[p], decimals::kCoordinate)};
  if (p < r.points.size()) {
    const PointPrecision& precision = r.points[p];
    cells.push_back(precision.known ? std::string(report_text::kKnownPoint)
                                    : rounded_text(precision.md, decimals::kError));
  }
  return cells;
}

std::vector<std::string> closure(const SessionRecord& r) {
  const auto seconds = [](double value) { return rounded_text(value, decimals::kClosure); };
  std::vector<std::string> cells = {"w = " + seconds(r.w) + " 秒"};
  if (r.grade) {
    cells.push_back("2m_w = " + seconds(r.grade->limit) + " 秒");
    cells.push_back(std::string(r.grade->pass ? report_text::kGradePass : report_text::kGradeFail));
  }
  return cells;
}

}  // namespace

TableResults table_results(const SessionRecord& r) {
  TableResults results;
  if (!r.complete) return results;
  const int n = triangle_count(r);
  for (int k = 1; k <= 2 * n; ++k) {
    if (static_cast<std::size_t>(k) < r.observed.size() &&
        r.observed[static_cast<std::size_t>(k)] > 0)
      results.by_label[sheet_layout::side_label(k)] = side_results(r, k);
  }
  for (int k = 0; k <= static_cast<int>(r.L) && static_cast<std::size_t>(k) < r.X.size(); ++k)
    results.by_label[point_key(k)] = point_results(r, k);
  results.closure = closure(r);
  results.side_headings = {std::string(t::kCorrectionHeading), std::string(t::kAdjustedHeading)};
  if (r.grade) {
    results.side_headings.emplace_back(t::kSideErrorHeading);
    results.side_headings.emplace_back(t::kRelativeHeading);
  }
  results.point_headings = {std::string(t::kXHeading), std::string(t::kYHeading),
                            std::string(t::kMdHeading)};
  return results;
}

std::string result_cell(const TableResults& results, const SheetRow& row, int column) {
  const std::vector<std::string>* cells = nullptr;
  if (!row.key.empty()) {
    const auto found = results.by_label.find(row.key);
    if (found != results.by_label.end()) cells = &found->second;
  } else if (row.cells.size() > 1 && row.cells[0] == exchange_text::kLabelHeading) {
    const std::string& second = row.cells[1];
    if (second == exchange_text::kValueHeading) cells = &results.closure;
    if (second == exchange_text::kIndexHeading) cells = &results.point_headings;
    if (second == exchange_text::kLengthHeading) cells = &results.side_headings;
  }
  const auto c = static_cast<std::size_t>(column);
  if (!cells || c >= cells->size()) return {};
  return (*cells)[c];
}

}  // namespace cp
