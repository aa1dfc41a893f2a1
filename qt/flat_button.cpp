#include "flat_button.h"

#include <QColor>
#include <QKeyEvent>

namespace cp {
namespace {

// How much darker the border and the pressed face are, in Qt's darker() percent.
constexpr int kBorderDarker = 160;
constexpr int kPressedDarker = 120;

QString css(const QColor& colour) { return colour.name(QColor::HexRgb); }

}  // namespace

FlatButton::FlatButton(const QString& caption, Rgb colour, QWidget* parent)
    : QPushButton(caption, parent) {
  const QColor face(colour.r, colour.g, colour.b);
  const QString border = css(face.darker(kBorderDarker));
  setStyleSheet(QString("QPushButton { background-color: %1; border: 1px solid %2; }"
                        "QPushButton:focus { border: 2px solid %2; }"
                        "QPushButton:pressed { background-color: %3; }")
                    .arg(css(face), border, css(face.darker(kPressedDarker))));
}

void FlatButton::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace cp
