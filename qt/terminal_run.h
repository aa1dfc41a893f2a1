#pragma once

#include <iostream>
#include <optional>

#include "batch_run.h"
#include "command_line.h"
#include "report_module.h"

// What both Linux programs run in the terminal, without a window: a batch run,
// --template, --help, --version, with the exit status; the PDF writer and the printer
// are loaded only where pages are written or printed. Nothing where the window is asked.
namespace cp {

inline std::optional<int> run_in_terminal(const CommandLine& line) {
  const ReportDevices devices{render_pdf_on_demand, print_on_default_on_demand};
  if (const auto status = run_without_window(line, CP_VERSION, devices, std::cout, std::cerr))
    return close_standard_output(*status);
  return std::nullopt;
}

}  // namespace cp
