#include "qt_printer.h"

#include <QFileDialog>

#include "cups_printer.h"
#include "output_file.h"
#include "qt_ports.h"
#include "report_pdf.h"
#include "texts.h"

namespace cp {

std::optional<std::string> QtPrinter::default_printer() { return cups_default_printer(); }

PrintOutcome QtPrinter::print(const ReportDocument& document, const std::string& printer) {
  return cups_print(document, printer);
}

std::optional<std::string> QtFileChooser::open_path(std::string_view filter) {
  const QString path =
      QFileDialog::getOpenFileName(owner_, program_title(), QString(), qstring(filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtFileChooser::save_path(std::string_view suggested_name,
                                                    std::string_view filter) {
  const QString path = QFileDialog::getSaveFileName(owner_, program_title(),
                                                    qstring(suggested_name), qstring(filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtPrinter::choose_pdf_path(std::string_view suggested_name) {
  return files_.save_path(suggested_name, text::kPdfFilter);
}

PrintOutcome QtPrinter::write_pdf(const ReportDocument& document, const std::string& path) {
  return write_pdf_file(render_report_pdf(document), path);
}

}  // namespace cp
