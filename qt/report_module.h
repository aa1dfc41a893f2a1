#pragma once

#include <optional>
#include <string>

#include "printing.h"

// The PDF writer and the printing system (pango, cairo and CUPS, with the dozens of
// libraries they bring) live in a module of their own, loaded at their first use: a text
// run and the window's start load none of them.
namespace cp {

// What the module gives, as the one program's own functions.
struct ReportModule {
  PdfBytes (*render_pdf)(const ReportDocument& document);
  std::optional<std::string> (*default_printer)();
  PrintOutcome (*print)(const ReportDocument& document, const std::string& printer);
  PrintOutcome (*print_on_default)(const ReportDocument& document);
};

// The name of the module's one entry, which returns its ReportModule.
inline constexpr const char* kReportModuleEntry = "central_polygon_report_module";

// The module, loaded once, from beside the program or from its private folder; nothing,
// and why, where it cannot be.
struct LoadedModule {
  const ReportModule* module = nullptr;
  std::string failure = {};
};
const LoadedModule& report_module();

// A file of the program's own: beside the program (the build's folder), else in its
// private folder under the installation (lib/central-polygon); nothing where neither
// holds it.
std::optional<std::string> private_file(const std::string& name);

// The module's functions, each loading it at its first call; where it cannot be loaded,
// a PDF or a print that fails with the reason.
PdfBytes render_pdf_on_demand(const ReportDocument& document);
std::optional<std::string> default_printer_on_demand();
PrintOutcome print_on_demand(const ReportDocument& document, const std::string& printer);
PrintOutcome print_on_default_on_demand(const ReportDocument& document);

}  // namespace cp
