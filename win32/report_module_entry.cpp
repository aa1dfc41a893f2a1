// central-polygon-report.dll, the module of the PDF writer and the printers: its one
// entry gives the programs its functions.
#include "gdi_report.h"
#include "pdf_printer.h"
#include "report_module.h"
#include "wide_text.h"

extern "C" __attribute__((dllexport)) const cp::ReportModule* central_polygon_report_module() {
  static const cp::ReportModule module{
      cp::render_through_pdf_printer, cp::gdi_default_printer,
      [](const cp::ReportDocument& document, const std::string& printer) {
        return cp::print_job(cp::wide_of(printer), document);
      },
      cp::print_on_default_printer};
  return &module;
}
