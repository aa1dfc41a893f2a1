// central-polygon-window, the window program: central-polygon hands it the command line
// of a window (none, an answers file or sheet to replay, --table). A command line that
// needs no window is still run here as there.
#include <QApplication>
#include <QTimer>

#include <iostream>
#include <thread>

#include <fontconfig/fontconfig.h>

#include "qt_ports.h"

#include "batch_run.h"
#include "command_line.h"
#include "guarded_main.h"
#include "qt_window.h"
#include "terminal_run.h"

namespace {

int run_window(int argc, char** argv, const cp::CommandLine& line) {
  // The system's font configuration, which the window's first face needs, is read on a
  // second core while the display is opened; fontconfig keeps it for Qt to find.
  std::jthread font_configuration([] { FcInit(); });
  QApplication application(argc, argv);
  font_configuration.join();
  QApplication::setApplicationDisplayName(cp::program_title());
  cp::install_qt_chinese(application);  // without it the prompt's buttons still read 确定/取消
  cp::MainWindow window;
  window.show();
  if (line.table) {
    // The table, filled from the file where one is named; nothing is calculated.
    std::optional<QString> path;
    if (line.answers) path = QString::fromLocal8Bit(line.answers->c_str());
    QTimer::singleShot(0, &window, [&window, path] { window.open_table(path); });
  } else if (line.answers) {
    const QString path = QString::fromLocal8Bit(line.answers->c_str());
    QTimer::singleShot(0, &window, [&window, path] { window.replay(path); });
  }
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  return cp::guarded_main(
      [&] {
        cp::prepare_for_outputs();
        cp::quiet_qt_notes();
        const cp::CommandLine line = cp::read_command_line({argv + 1, argv + argc});
        // No Qt at all without the window: a batch run works without a display, whatever
        // the environment says.
        if (const auto status = cp::run_in_terminal(line)) return *status;
        return run_window(argc, argv, line);
      },
      [](const std::string& text) { std::cerr << text << '\n'; });
}
