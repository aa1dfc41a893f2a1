#include "printed_pages.h"

namespace cp {
namespace {

// Lines and marks on paper, millimetres.
constexpr double kThinLine = 0.15;
constexpr double kSideLine = 0.3;
constexpr double kMarkSize = 1.2;
constexpr int kRadialGrey = 102;  // 0.4 of full

// Places rows and boxes down the pages, starting a new page when one fills.
class PageFiller {
 public:
  void rows(const std::vector<ReportRow>& rows, const std::vector<ReportRow>* heading = nullptr) {
    for (const ReportRow& row : rows) {
      const double pitch = page::em(row.points) * page::kRowPitch;
      if (!room_for(pitch) && heading) this->rows(*heading);
      pages_.back().rows.push_back({&row, y_});
      y_ += pitch;
    }
  }

  void new_page() {
    pages_.emplace_back();
    y_ = page::kTopMargin;
  }

  void box(double height) {
    room_for(height);
    pages_.back().drawing = PaperPoint{page::kLeftMargin, y_};
    y_ += height;
  }

  std::vector<PrintedPage> pages() && { return std::move(pages_); }

 private:
  // False when a new page had to be started for it: a page's first row always fits.
  bool room_for(double height) {
    if (y_ + height <= page::kBottom || y_ <= page::kTopMargin) return true;
    new_page();
    return false;
  }

  std::vector<PrintedPage> pages_{PrintedPage{}};
  double y_ = page::kTopMargin;
};

}  // namespace

std::vector<PrintedPage> printed_pages(const ReportDocument& document) {
  PageFiller filler;
  filler.rows(document.rows);
  filler.new_page();
  filler.rows(document.appendix_heading);
  filler.box(document.drawing.height);
  filler.rows(document.grade_check);
  filler.rows(document.appendix_table_heading);
  filler.rows(document.appendix_table, &document.appendix_table_heading);
  return std::move(filler).pages();
}

StrokeStyle stroke_style(Stroke stroke) {
  switch (stroke) {
    case Stroke::Perimeter: return {kSideLine, 0, 0, 0};
    case Stroke::Radial: return {kThinLine, kRadialGrey, kRadialGrey, kRadialGrey};
    case Stroke::Ellipse: return {kThinLine, 255, 0, 0};
    case Stroke::Arrow: break;
  }
  return {kThinLine, 0, 0, 0};
}

MarkShape mark_shape(MarkKind kind) {
  const double s = kMarkSize;
  switch (kind) {
    case MarkKind::KnownPoint:
      return {.outline = {{0, -s * 1.2}, {s, s * 0.7}, {-s, s * 0.7}}, .rings = {}};
    case MarkKind::Centre: return {.outline = {}, .rings = {s * 1.3, s * 0.6}};
    case MarkKind::NewPoint: break;
  }
  return {.outline = {}, .rings = {s * 0.8}};
}

}  // namespace cp
