#include "print_report.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "fonts.h"
#include "qt_ports.h"

namespace cp {
namespace {

constexpr double kTwipsPerInch = 1440;

const QString kPdfName = QStringLiteral("中心多边形三边平差.pdf");
const std::string kPrinterFailed = "打印机无法打印报告，请检查打印机后重新打印";
const std::string kPdfFailed = "报告无法写入所选的 PDF 文件";

}  // namespace

void render_report(const std::vector<ReportRow>& rows, QPagedPaintDevice& device) {
  device.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter(&device);
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
}

bool write_report_pdf(const std::vector<ReportRow>& rows, const QString& path) {
  QPdfWriter writer(path);
  writer.setTitle(kProgramTitle);
  writer.setResolution(1200);
  writer.setPageSize(QPageSize(QPageSize::A4));
  render_report(rows, writer);
  return QFile::exists(path);
}

void print_report(const SessionRecord& record, QWidget* owner, Message& message) {
  const auto rows = report_rows(record);
  if (!rows) {
    message.show(report_refusal());
    return;
  }
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
    QPrinter printer(QPrinterInfo::defaultPrinter());
    printer.setDocName(kProgramTitle);
    printer.setFullPage(true);  // the margins are measured from the edge of the paper
    render_report(*rows, printer);
    if (printer.printerState() == QPrinter::Error) message.show(kPrinterFailed);
    return;
  }
  const QString path =
      QFileDialog::getSaveFileName(owner, kProgramTitle, kPdfName, QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  if (!write_report_pdf(*rows, path)) message.show(kPdfFailed);
}

}  // namespace cp
