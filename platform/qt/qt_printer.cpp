#include "qt_printer.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "fonts.h"
#include "output_file.h"
#include "qt_ports.h"
#include "texts.h"

namespace cp {
namespace {

constexpr double kTwipsPerInch = 1440;

}  // namespace

bool render_report(const std::vector<ReportRow>& rows, QPagedPaintDevice& device) {
  device.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  if (!painter.begin(&device)) return false;  // nothing is drawn on a device that did not start
  const double left = kReportLeftMarginTwips / kTwipsPerInch * device.logicalDpiX();
  const double top = kReportTopMarginTwips / kTwipsPerInch * device.logicalDpiY();
  const double bottom = device.height() - top;
  double y = top;
  for (const ReportRow& row : rows) {
    const QFont font = report_font(row.points);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    if (y + metrics.lineSpacing() > bottom && y > top) {
      device.newPage();
      y = top;
    }
    const double narrow = metrics.horizontalAdvance(QLatin1Char('0'));
    for (const ReportItem& item : row.items) {
      painter.drawText(QPointF(left + (item.column - 1) * narrow, y + metrics.ascent()),
                       QString::fromStdString(item.text));
    }
    y += metrics.lineSpacing();
  }
  return painter.end();
}

PrintOutcome write_report_pdf(const std::vector<ReportRow>& rows, const std::string& path) {
  try {
    OutputFile file(path);
    {
      QPdfWriter writer(QString::fromStdString(file.temporary_path()));
      writer.setTitle(program_title());
      writer.setResolution(1200);
      writer.setPageSize(QPageSize(QPageSize::A4));
      if (!render_report(rows, writer)) return {.detail = std::string(text::kPdfNotStarted)};
    }
    file.commit();
    return {.done = true};
  } catch (const OutputError& error) {
    return {.detail = error.reason};
  }
}

bool QtPrinter::has_default_printer() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

PrintOutcome QtPrinter::print(const std::vector<ReportRow>& rows) {
  QPrinter printer(QPrinterInfo::defaultPrinter());
  printer.setDocName(program_title());
  printer.setFullPage(true);  // the margins are measured from the edge of the paper
  render_report(rows, printer);
  return {.done = printer.printerState() != QPrinter::Error};
}

std::optional<std::string> QtPrinter::choose_pdf_path(std::string_view suggested_name) {
  const QString path = QFileDialog::getSaveFileName(
      owner_, program_title(), qstring(suggested_name), qstring(text::kPdfFilter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

PrintOutcome QtPrinter::write_pdf(const std::vector<ReportRow>& rows, const std::string& path) {
  return write_report_pdf(rows, path);
}

}  // namespace cp
