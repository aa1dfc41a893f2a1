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

// What each system does with the printed report, its own way: draw it as a PDF file in
// memory (--pdf), and print it on the default printer (--print).
struct ReportDevices {
  std::function<PdfBytes(const ReportDocument&)> render_pdf;
  std::function<PrintOutcome(const ReportDocument&)> print;
};

// One calculation answered from an answers file with the dialogue of the window, no
// window shown: the report text goes to `out` (or to --report), the PDF to --pdf, and
// with --print the report to the default printer; every message goes to `err` with the
// line of its answer. The files of the run are written together, all or none, and the
// report is printed once they are.
int run_batch(const CommandLine& line, const ReportDevices& devices, std::ostream& out,
              std::ostream& err);

// Everything of the command line that needs no window: --help, --version, a wrong
// command line and a batch run, with the exit status; nothing where the window is asked.
std::optional<int> run_without_window(const CommandLine& line, std::string_view version,
                                      const ReportDevices& devices, std::ostream& out,
                                      std::ostream& err);

// Called first in every main: a file size limit fails a write with its reason instead of
// ending the program, a standard stream the program was started without is held, and an
// interruption removes the temporaries of the outputs being written.
void prepare_for_outputs() noexcept;

// Closes standard output at the end of a command-line run: data the system could not
// write is a failed run (exit 2, the reason on the error stream), even where every
// write before seemed to succeed. Returns the run's status, or 2.
int close_standard_output(int status);

}  // namespace cp
