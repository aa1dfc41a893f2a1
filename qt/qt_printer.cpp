#include "qt_printer.h"

#include <QFileDialog>

#include "output_file.h"
#include "qt_ports.h"
#include "report_module.h"
#include "texts.h"

namespace cp {

std::optional<std::string> QtPrinter::default_printer() { return default_printer_on_demand(); }

PrintOutcome QtPrinter::print(const ReportDocument& document, const std::string& printer) {
  return print_on_demand(document, printer);
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
  return write_pdf_file(render_pdf_on_demand(document), path);
}

}  // namespace cp
