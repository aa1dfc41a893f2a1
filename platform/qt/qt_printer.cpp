#include "qt_printer.h"

#include <QFileDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "output_file.h"
#include "qt_ports.h"
#include "report_painter.h"
#include "texts.h"

namespace cp {

PrintOutcome write_report_pdf(const ReportDocument& document, const std::string& path) {
  try {
    OutputFile file(path);
    {
      QPdfWriter writer(QString::fromStdString(file.temporary_path()));
      writer.setTitle(program_title());
      writer.setResolution(1200);
      writer.setPageSize(QPageSize(QPageSize::A4));
      if (!render_report(document, writer)) return {.detail = std::string(text::kPdfNotStarted)};
    }
    file.commit();
    return {.done = true};
  } catch (const OutputError& error) {
    return {.detail = error.reason};
  }
}

bool QtPrinter::has_default_printer() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

PrintOutcome QtPrinter::print(const ReportDocument& document) {
  QPrinter printer(QPrinterInfo::defaultPrinter());
  printer.setDocName(program_title());
  printer.setFullPage(true);  // the margins are measured from the edge of the paper
  render_report(document, printer);
  return {.done = printer.printerState() != QPrinter::Error};
}

std::optional<std::string> QtPrinter::choose_pdf_path(std::string_view suggested_name) {
  const QString path = QFileDialog::getSaveFileName(
      owner_, program_title(), qstring(suggested_name), qstring(text::kPdfFilter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

PrintOutcome QtPrinter::write_pdf(const ReportDocument& document, const std::string& path) {
  return write_report_pdf(document, path);
}

}  // namespace cp
