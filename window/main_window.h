#pragma once

#include <QHash>
#include <QWidget>

#include "qt_ports.h"
#include "qt_printer.h"
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
  QPushButton* calculate_button() const { return calculate_; }
  QPushButton* end_button() const { return end_; }
  QPushButton* print_button() const { return print_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void build();
  QPushButton** button_slot(std::string_view name);
  void calculate_clicked();
  void print_clicked();

  SessionRecord record_;
  QHash<QString, QWidget*> controls_;
  QPushButton* calculate_ = nullptr;  // Command1
  QPushButton* end_ = nullptr;        // Command2
  QPushButton* print_ = nullptr;      // Command3
  QtFieldText fields_;
  QtPrompt prompt_{this};
  QtMessage message_{this};
  QtPrinter printer_{this};
};

}  // namespace cp
