// The command-line program without its window: what `central-polygon` does for --batch,
// --template, --help and --version, built where the window is not (the sanitizer suite),
// so that the batch scripts run the same code under AddressSanitizer and
// UndefinedBehaviorSanitizer.
#include <iostream>

#include "batch_run.h"
#include "command_line.h"
#include "guarded_main.h"
#include "report_pdf.h"
#include "texts.h"

int main(int argc, char** argv) {
  return cp::guarded_main(
      [&] {
        cp::prepare_for_outputs();
        const cp::CommandLine line = cp::read_command_line({argv + 1, argv + argc});
        // No printer in this build: --print is the window build's to test.
        const cp::ReportDevices devices{
            cp::render_report_pdf, [](const cp::ReportDocument&) {
              return cp::PrintOutcome{.detail = std::string(cp::text::kNoPrinter)};
            }};
        if (const auto status =
                cp::run_without_window(line, CP_VERSION, devices, std::cout, std::cerr))
          return cp::close_standard_output(*status);
        std::cerr << "batch_program: no window in this build\n";
        return cp::kBatchFileError;
      },
      [](const std::string& text) { std::cerr << text << '\n'; });
}
