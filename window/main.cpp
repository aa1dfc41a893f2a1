#include <QApplication>

#include "main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(cp::program_title());
  cp::MainWindow window;
  window.show();
  return QApplication::exec();
}
