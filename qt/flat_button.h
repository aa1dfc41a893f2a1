#pragma once

#include <QPushButton>

#include "layout_table.h"

namespace cp {

// A push button in one flat colour with a thin darker border. Pressed, it darkens; with
// the focus, its border thickens. Return and Enter press it as Space does.
class FlatButton : public QPushButton {
  Q_OBJECT

 public:
  FlatButton(const QString& caption, Rgb colour, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace cp
