#include <QApplication>
#include <QTimer>

#include <iostream>

#include "qt_ports.h"

#include "batch_run.h"
#include "command_line.h"
#include "main_window.h"
#include "report_pdf.h"
#include "texts.h"

namespace {

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
    case cp::CommandLine::Mode::Batch:
      // No Qt at all: a batch run works without a display, whatever the environment says.
      return cp::run_batch(line, cp::write_report_pdf, std::cout, std::cerr);
    case cp::CommandLine::Mode::Window: break;
  }
  return run_window(argc, argv, line);
}
