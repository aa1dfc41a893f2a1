#include "report_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "fonts.h"

namespace cp {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kLabelPoints = 7;

// Line widths and marks on paper, millimetres.
constexpr double kThinLine = 0.15;
constexpr double kSideLine = 0.3;
constexpr double kMarkSize = 1.2;

// Writes rows and places boxes down the pages, starting a new page when one fills.
class Pages {
 public:
  Pages(QPagedPaintDevice& device, QPainter& painter)
      : device_(device),
        painter_(painter),
        left_(kReportLeftMarginTwips / kTwipsPerInch * device.logicalDpiX()),
        top_(kReportTopMarginTwips / kTwipsPerInch * device.logicalDpiY()),
        bottom_(device.height() - top_),
        y_(top_) {}

  void rows(const std::vector<ReportRow>& rows) {
    for (const ReportRow& row : rows) {
      const QFont font = report_font(row.points);
      painter_.setFont(font);
      const QFontMetricsF metrics(font, &device_);
      room_for(metrics.lineSpacing());
      const double narrow = metrics.horizontalAdvance(QLatin1Char('0'));
      for (const ReportItem& item : row.items) {
        painter_.drawText(QPointF(left_ + (item.column - 1) * narrow, y_ + metrics.ascent()),
                          QString::fromStdString(item.text));
      }
      y_ += metrics.lineSpacing();
    }
  }

  void new_page() {
    device_.newPage();
    y_ = top_;
  }

  // The top left corner of a box of this height at the left margin, device units.
  QPointF box(double height) {
    room_for(height);
    const QPointF corner(left_, y_);
    y_ += height;
    return corner;
  }

  double per_millimetre() const { return device_.logicalDpiX() / kMillimetresPerInch; }

 private:
  void room_for(double height) {
    if (y_ + height > bottom_ && y_ > top_) new_page();
  }

  QPagedPaintDevice& device_;
  QPainter& painter_;
  double left_;
  double top_;
  double bottom_;
  double y_;
};

QPen pen(Stroke stroke, double per_mm) {
  switch (stroke) {
    case Stroke::Perimeter: return QPen(Qt::black, kSideLine * per_mm);
    case Stroke::Radial: return QPen(Qt::darkGray, kThinLine * per_mm);
    case Stroke::Ellipse: return QPen(Qt::red, kThinLine * per_mm);
    case Stroke::Arrow: break;
  }
  return QPen(Qt::black, kThinLine * per_mm);
}

void draw_mark(QPainter& painter, QPointF at, MarkKind kind, double s) {
  painter.setPen(QPen(Qt::black, kThinLine * s / kMarkSize));
  switch (kind) {
    case MarkKind::KnownPoint: {
      QPainterPath triangle;
      triangle.moveTo(at + QPointF(0, -s * 1.2));
      triangle.lineTo(at + QPointF(s, s * 0.7));
      triangle.lineTo(at + QPointF(-s, s * 0.7));
      triangle.closeSubpath();
      painter.drawPath(triangle);
      break;
    }
    case MarkKind::Centre:
      painter.drawEllipse(at, s * 1.3, s * 1.3);
      painter.drawEllipse(at, s * 0.6, s * 0.6);
      break;
    case MarkKind::NewPoint: painter.drawEllipse(at, s * 0.8, s * 0.8); break;
  }
}

void draw(QPainter& painter, const Drawing& d, QPointF corner, double per_mm) {
  const auto on_page = [&](PaperPoint p) { return corner + QPointF(p.x, p.y) * per_mm; };
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(pen(Stroke::Arrow, per_mm));
  painter.drawRect(QRectF(corner, QSizeF(d.width, d.height) * per_mm));
  painter.setClipRect(QRectF(corner, QSizeF(d.width, d.height) * per_mm));
  for (const DrawnLine& line : d.lines) {
    painter.setPen(pen(line.stroke, per_mm));
    painter.drawLine(on_page(line.from), on_page(line.to));
  }
  painter.setPen(pen(Stroke::Ellipse, per_mm));
  for (const DrawnEllipse& e : d.ellipses) {
    painter.save();
    painter.translate(on_page(e.centre));
    painter.rotate(e.rotation);
    painter.drawEllipse(QPointF(0, 0), e.major * per_mm, e.minor * per_mm);
    painter.restore();
  }
  for (const DrawnMark& mark : d.marks)
    draw_mark(painter, on_page(mark.at), mark.kind, kMarkSize * per_mm);
  painter.setPen(Qt::black);
  painter.setFont(report_font(kLabelPoints));
  for (const DrawnLabel& label : d.labels)
    painter.drawText(on_page(label.at), QString::fromStdString(label.text));
  painter.restore();
}

}  // namespace

bool render_report(const ReportDocument& document, QPagedPaintDevice& device) {
  device.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  if (!painter.begin(&device)) return false;  // nothing is drawn on a device that did not start
  Pages pages(device, painter);
  pages.rows(document.rows);
  pages.new_page();
  pages.rows(document.appendix_heading);
  const double per_mm = pages.per_millimetre();
  const QPointF corner = pages.box(document.drawing.height * per_mm);
  draw(painter, document.drawing, corner, per_mm);
  pages.rows(document.appendix_table);
  return painter.end();
}

}  // namespace cp
