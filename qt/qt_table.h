#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWidget>
#include <functional>

#include "ports.h"
#include "table_desk.h"

class QLabel;
class QPushButton;

namespace cp {

// The table as Qt's views read it: the table desk's cells, editable where the sheet's
// are, results beside them greyed while stale, a refused cell marked.
class TableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TableModel(TableDesk& desk, QObject* parent)
      : QAbstractTableModel(parent), desk_(desk) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // After a change of the table: rows and columns drawn again; whether its shape changed.
  bool refresh();
  void mark_refused(const QModelIndex& index) { refused_ = index; }

 private:
  TableDesk& desk_;
  QPersistentModelIndex refused_;
  int last_rows_ = 0, last_columns_ = 0;
};

// The cell editor: Enter commits and moves down, Tab commits and moves right, Esc gives
// the old value back; a value refused keeps the edit open with the text typed.
class TableDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // `edited` runs after each commit, with whether the table took it.
  TableDelegate(TableDesk& desk, TableModel& model, QTableView& view,
                std::function<void(bool taken)> edited);
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* editor, QEvent* event) override;

 private:
  TableDesk& desk_;
  TableModel& model_;
  QTableView& view_;
  std::function<void(bool)> edited_;
};

// The table's keys as in a spreadsheet: arrows, Ctrl+Home, typing replaces, F2 edits,
// Enter moves down, Delete clears, Ctrl+Z/Ctrl+Y, Ctrl+C copies and Ctrl+V pastes
// tab-separated lines.
class TableView : public QTableView {
  Q_OBJECT

 public:
  TableView(TableDesk& desk, std::function<void(bool taken)> edited, QWidget* parent);
  bool editing() const { return state() == QAbstractItemView::EditingState; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool command_key(QKeyEvent* event);
  void copy_selection();
  TableDesk& desk_;
  std::function<void(bool)> edited_;
};

// The data table's window, one per main window.
class TableWindow : public QWidget {
  Q_OBJECT

 public:
  // `calculated` runs after each calculation from the table, for the main window.
  TableWindow(TableDesk& desk, FileChooser*& chooser, std::function<void()> calculated);

  // Draws the table again after the desk changed it (an edit taken, a calculation
  // followed, a file opened), and the status line and title with it.
  void refresh();
  void calculate();
  TableView* view() const { return view_; }
  QString status() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void edited(bool taken);

  TableDesk& desk_;
  FileChooser*& chooser_;
  std::function<void()> calculated_;
  TableModel* model_ = nullptr;
  TableView* view_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* calculate_ = nullptr;
};

// Asks 保存 / 不保存 / 取消 about a table with edits not saved.
SaveChoice ask_save(QWidget* parent, const std::string& text);

}  // namespace cp
