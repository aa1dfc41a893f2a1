// central-polygon, the program on the PATH: a batch run, a blank sheet, --help and
// --version need no window, so this program links none. For the window it hands its
// command line, unchanged and in the same process, to the window program in its
// private folder; the PDF writer and the printer it loads when a run writes or prints
// pages.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "batch_run.h"
#include "command_line.h"
#include "fill.h"
#include "guarded_main.h"
#include "private_file.h"
#include "terminal_run.h"
#include "texts.h"

int main(int argc, char** argv) {
  return cp::guarded_main(
      [&] {
        cp::prepare_for_outputs();
        const cp::CommandLine line = cp::read_command_line({argv + 1, argv + argc});
        if (const auto status = cp::run_in_terminal(line)) return *status;
        const auto window = cp::private_file(CP_WINDOW_PROGRAM);
        if (window) ::execv(window->c_str(), argv);
        std::cerr << cp::text::fill_in(
                         cp::text::kWindowNotStarted,
                         {{"{program}", window.value_or(CP_WINDOW_PROGRAM)},
                          {"{reason}", window ? std::strerror(errno) : std::strerror(ENOENT)}})
                  << '\n';
        return 2;
      },
      [](const std::string& text) { std::cerr << text << '\n'; });
}
