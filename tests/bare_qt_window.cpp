// The smallest Qt window there is, titled "bare-window-probe", of the program's own
// window's size: the yardstick the Linux suite times that window against, started the
// same way on the same screen.
#include <QApplication>
#include <QWidget>

#include "layout_table.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("bare-window-probe");
  window.setFixedSize(cp::kClientWidth / cp::kTwipsPerPixel,
                      cp::kClientHeight / cp::kTwipsPerPixel);
  window.show();
  return QApplication::exec();
}
