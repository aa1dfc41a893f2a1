#include "program.h"

// windows.h first: shellapi.h needs its declarations.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <iostream>

#include "batch_run.h"
#include "command_line.h"
#include "gdi_report.h"
#include "pdf_printer.h"
#include "wide_text.h"

namespace cp {

std::vector<std::string> program_arguments() {
  int count = 0;
  wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(utf8_of(words[i]));
  ::LocalFree(words);
  return arguments;
}

std::optional<int> run_in_console(const std::vector<std::string>& arguments) {
  prepare_for_outputs();
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  ::SetConsoleOutputCP(CP_UTF8);
  const CommandLine line = read_command_line(arguments);
  const ReportDevices devices{render_through_pdf_printer, print_on_default_printer};
  const auto status = run_without_window(line, CP_VERSION, devices, std::cout, std::cerr);
  if (!status) return std::nullopt;
  return close_standard_output(*status);
}

}  // namespace cp
