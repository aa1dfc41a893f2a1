#include "program.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <stdlib.h>

#include <iostream>

#include "batch_run.h"
#include "command_line.h"
#include "report_module.h"
#include "wide_text.h"

namespace cp {

std::vector<std::string> program_arguments() {
  // As the C runtime split the command line for wmain and wWinMain: no shell32 for it.
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.push_back(utf8_of(__wargv[i]));
  return arguments;
}

std::optional<int> run_in_console(const std::vector<std::string>& arguments) {
  prepare_for_outputs();
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  ::SetConsoleOutputCP(CP_UTF8);
  const CommandLine line = read_command_line(arguments);
  const ReportDevices devices{render_pdf_on_demand, print_on_default_on_demand};
  const auto status = run_without_window(line, CP_VERSION, devices, std::cout, std::cerr);
  if (!status) return std::nullopt;
  return close_standard_output(*status);
}

}  // namespace cp
