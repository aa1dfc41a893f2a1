#pragma once

#include <QHash>
#include <QWidget>

#include "qt_ports.h"
#include "session.h"

class QPushButton;

namespace cp {

// The one window of the program: the sketches, the panel of fields and the three
// buttons, built from the layout table. It owns the session record.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow();

  const SessionRecord& record() const { return record_; }
  QWidget* control(const QString& name) const { return controls_.value(name); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void build();
  void calculate_clicked();
  void print_clicked();

  SessionRecord record_;
  QHash<QString, QWidget*> controls_;
  QtFieldText fields_;
  QtPrompt prompt_{this};
  QtMessage message_{this};
};

}  // namespace cp
