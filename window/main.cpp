#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>

#include "qt_ports.h"

#include "batch_run.h"
#include "command_line.h"
#include "main_window.h"
#include "texts.h"

namespace {

// A batch run needs no display: without one, Qt draws offscreen.
void choose_platform_for_batch() {
  const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
  if (!display && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

int run_window(int argc, char** argv, const cp::CommandLine& line) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(cp::program_title());
  cp::install_qt_chinese(application);  // without it the prompt's buttons still read 确定/取消
  cp::MainWindow window;
  window.show();
  if (line.answers) {
    const QString path = QString::fromLocal8Bit(line.answers->c_str());
    QTimer::singleShot(0, &window, [&window, path] { window.replay(path); });
  }
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  cp::quiet_qt_notes();
  const cp::CommandLine line = cp::read_command_line({argv + 1, argv + argc});
  switch (line.mode) {
    case cp::CommandLine::Mode::Help: std::cout << cp::text::kUsage; return 0;
    case cp::CommandLine::Mode::Version: std::cout << "central-polygon " CP_VERSION "\n"; return 0;
    case cp::CommandLine::Mode::Wrong:
      std::cerr << "central-polygon: " << line.wrong << '\n' << cp::text::kTryHelp << '\n';
      return cp::kBatchFileError;
    case cp::CommandLine::Mode::Batch: {
      choose_platform_for_batch();
      QGuiApplication application(argc, argv);
      cp::QtPrinter pdf(nullptr);
      return cp::run_batch(line, pdf, std::cout, std::cerr);
    }
    case cp::CommandLine::Mode::Window: break;
  }
  return run_window(argc, argv, line);
}
