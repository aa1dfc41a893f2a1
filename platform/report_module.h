#pragma once

#include <optional>
#include <string>

#include "fill.h"
#include "printing.h"
#include "texts.h"

// The PDF writer and the printing system live in a module of their own, loaded at their
// first use: a text run and the window's start load none of them. On Linux the module
// holds pango, cairo and CUPS with the dozens of libraries they bring; on Windows, GDI
// and the print spooler, which the console program then never loads.
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

// The module, loaded once, from the program's own files (each system's program finds
// it where it installs it); nothing, and why, where it cannot be.
struct LoadedModule {
  const ReportModule* module = nullptr;
  std::string failure = {};
};
const LoadedModule& report_module();

// The module's functions, each loading it at its first call; where it cannot be loaded,
// a PDF or a print that fails with the reason.
inline std::string module_failure(const LoadedModule& loaded) {
  return text::fill_in(text::kModuleNotLoaded, "{reason}", loaded.failure);
}

inline PdfBytes render_pdf_on_demand(const ReportDocument& document) {
  const LoadedModule& loaded = report_module();
  if (!loaded.module) return {.bytes = {}, .failure = module_failure(loaded)};
  return loaded.module->render_pdf(document);
}

inline std::optional<std::string> default_printer_on_demand() {
  const LoadedModule& loaded = report_module();
  if (!loaded.module) return std::nullopt;
  return loaded.module->default_printer();
}

inline PrintOutcome print_on_demand(const ReportDocument& document, const std::string& printer) {
  const LoadedModule& loaded = report_module();
  if (!loaded.module) return {.done = false, .detail = module_failure(loaded)};
  return loaded.module->print(document, printer);
}

inline PrintOutcome print_on_default_on_demand(const ReportDocument& document) {
  const LoadedModule& loaded = report_module();
  if (!loaded.module) return {.done = false, .detail = module_failure(loaded)};
  return loaded.module->print_on_default(document);
}

}  // namespace cp
