// The module of the PDF writer and the printing system: its one entry gives the
// program its functions.
#include "cups_printer.h"
#include "report_module.h"
#include "report_pdf.h"

extern "C" __attribute__((visibility("default"))) const cp::ReportModule*
central_polygon_report_module() {
  static const cp::ReportModule module{cp::render_report_pdf, cp::cups_default_printer,
                                       cp::cups_print, cp::print_on_default_printer};
  return &module;
}
