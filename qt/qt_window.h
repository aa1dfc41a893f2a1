#pragma once

#include <QFont>
#include <QHash>
#include <QWidget>

#include <memory>

#include "desk_session.h"
#include "prompt_placement.h"
#include "qt_ports.h"
#include "qt_printer.h"
#include "qt_table.h"
#include "session.h"
#include "table_desk.h"

class QAction;
class QPushButton;

namespace cp {

// The one window of the program: the sketches, the panel of fields and the three
// buttons, built from the layout table. It owns the session: the record of the last
// run and the last complete one, which the report prints. Every answer of a run is
// kept in the journal; an answers file, named on the command line or dropped onto the
// window, answers the prompts of a run until it runs out.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow();

  const SessionRecord& record() const { return desk_.session().record; }
  const SessionRecord& last_complete() const { return desk_.session().last_complete; }
  QWidget* control(const QString& name) const { return controls_.value(name); }
  QPushButton* calculate_button() const { return calculate_; }
  QPushButton* end_button() const { return end_; }
  QPushButton* print_button() const { return print_; }

  // Runs a calculation answered from the file, then by hand once the file runs out.
  void replay(const QString& path);

  // The fields a prompt must leave visible, in screen pixels: the hints and echoes of
  // every phase and the field written last, whose value a confirmation asks about.
  std::vector<ScreenRect> guarded_fields() const;

  // Where a prompt's frame of this size goes.
  QPoint prompt_place(QSize frame) const;

  // Whether a file chosen in a save dialog may be written over: the user is asked where
  // it is an answers file replayed or a journal written in this program run.
  bool may_replace(const std::string& path);

  // Where the open and save commands ask for files; the system's dialogs unless set.
  void set_file_chooser(FileChooser* chooser) { chooser_ = chooser; }

  // The commands of the right-click menu and their keys, by their object names:
  // "open", then "sheet", "coordinates", "dat", "dxf", "gama", "table", "new-sheet" and
  // "edm".
  QAction* command(const QString& name) const;

  // The EDM precision in force, if any.
  const std::optional<EdmPrecision>& desk_edm() const { return desk_.edm(); }
  const std::optional<std::string>& desk_grade() const { return desk_.grade(); }

  // Shows the data table, filled from the sheet file where one is given.
  void open_table(const std::optional<QString>& path = std::nullopt);
  TableWindow* table_window() const { return table_window_.get(); }

  // The journals this program run has written, the newest last.
  const std::vector<std::string>& journals() const { return desk_.journals(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void build();
  QPushButton** button_slot(Command command);
  void calculate_clicked();
  void print_clicked();
  void build_commands();
  void enable_commands();
  void after_run();

  QHash<QString, QWidget*> controls_;
  // A label the window draws: its box in the layout, the place its caption reached when
  // last drawn, its face, its caption, whether it wraps.
  struct Label {
    QRect box;
    QRect reach;
    QFont font;
    QString caption;
    bool wraps;
  };
  std::vector<Label> labels_;
  QPushButton* calculate_ = nullptr;  // Command1
  QPushButton* end_ = nullptr;        // Command2
  QPushButton* print_ = nullptr;      // Command3
  QtFieldText fields_;
  QtPrompt prompt_{this, [this](QSize frame) { return prompt_place(frame); }};
  QtMessage message_{this};
  QtQuestion question_{this};
  QtPrinter printer_{this};
  QtFileChooser files_{this};
  FileChooser* chooser_ = &files_;
  DeskSession desk_{prompt_, fields_, message_,
                    [this](const std::string& text) { return question_.ask(text); }};
  TableDesk table_desk_{desk_, message_};
  std::unique_ptr<TableWindow> table_window_;
};

}  // namespace cp
