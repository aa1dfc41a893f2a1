#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "command_line.h"
#include "printing.h"

namespace cp {

// Exit statuses of a batch run.
inline constexpr int kBatchComplete = 0;     // the calculation completed
inline constexpr int kBatchEndedEarly = 1;   // it ended early, faulted, or the answers ran out
inline constexpr int kBatchFileError = 2;    // usage, answers file or output file error
inline constexpr int kBatchBeyondLimit = 3;  // complete, but the closure is beyond its limit

// Draws the document as a PDF file in memory: each system has its own way.
using PdfRenderer = std::function<PdfBytes(const ReportDocument&)>;

// One calculation answered from an answers file with the dialogue of the window, no
// window shown: the report text goes to `out` (or to --report), the PDF drawn by the
// renderer to --pdf; every message goes to `err` with the line of its answer. The files
// of the run are written together, all or none.
int run_batch(const CommandLine& line, const PdfRenderer& render_pdf, std::ostream& out,
              std::ostream& err);

// Everything of the command line that needs no window: --help, --version, a wrong
// command line and a batch run, with the exit status; nothing where the window is asked.
std::optional<int> run_without_window(const CommandLine& line, std::string_view version,
                                      const PdfRenderer& render_pdf, std::ostream& out,
                                      std::ostream& err);

}  // namespace cp
