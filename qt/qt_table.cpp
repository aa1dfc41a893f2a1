#include "qt_table.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt_ports.h"
#include "table_texts.h"
#include "texts.h"

namespace cp {

namespace t = table_text;

int TableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : desk_.table().rows();
}

int TableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : desk_.table().columns();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
  const PolygonTable& table = desk_.table();
  const int row = index.row();
  const int column = index.column();
  const bool result = column >= kTableDataColumns;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return qstring(table.cell(row, column));
    case Qt::BackgroundRole:
      if (index == refused_) return QColor(255, 205, 205);
      if (result) return QColor(236, 243, 252);
      if (!table.editable(row, column)) return QColor(242, 242, 242);
      return {};
    case Qt::ForegroundRole:
      if (result && table.stale(row)) return QColor(160, 160, 160);
      return {};
    default: return {};
  }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  // Rows by the line of the sheet file that holds them, columns by letter, as a
  // spreadsheet shows the saved file.
  if (orientation == Qt::Vertical) return section + 1;
  return QString(QChar('A' + section));
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (desk_.table().editable(index.row(), index.column())) flags |= Qt::ItemIsEditable;
  return flags;
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole) return false;
  if (!desk_.commit(index.row(), index.column(), value.toString().toStdString())) {
    refused_ = index;
    emit dataChanged(index, index);
    return false;
  }
  refused_ = QPersistentModelIndex();
  refresh();
  return true;
}

bool TableModel::refresh() {
  if (rowCount() == last_rows_ && columnCount() == last_columns_) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    return false;
  }
  beginResetModel();
  endResetModel();
  last_rows_ = rowCount();
  last_columns_ = columnCount();
  return true;
}

TableDelegate::TableDelegate(TableDesk& desk, TableModel& model, QTableView& view,
                             std::function<void(bool)> edited)
    : QStyledItemDelegate(&view),
      desk_(desk),
      model_(model),
      view_(view),
      edited_(std::move(edited)) {}

void TableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  QStyledItemDelegate::setEditorData(editor, index);
  // Typing on a cell replaces its value, as in a spreadsheet; F2 edits it in place.
  if (auto* line = qobject_cast<QLineEdit*>(editor)) line->selectAll();
}

bool TableDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QLineEdit*>(object);
  if (!editor || event->type() != QEvent::KeyPress)
    return QStyledItemDelegate::eventFilter(object, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const QModelIndex at = view_.currentIndex();
  int down = 0, right = 0;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: down = 1; break;
    case Qt::Key_Tab: right = 1; break;
    case Qt::Key_Backtab: right = -1; break;
    case Qt::Key_Escape:
      model_.mark_refused(QModelIndex());
      emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
      desk_.edit_cancelled();
      edited_(false);
      return true;
    default: return QStyledItemDelegate::eventFilter(object, event);
  }
  if (!desk_.commit(at.row(), at.column(), editor->text().toStdString())) {
    // Refused: the edit stays open with the text typed, the cell marked.
    model_.mark_refused(at);
    edited_(false);
    return true;
  }
  model_.mark_refused(QModelIndex());
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
  edited_(true);
  const QModelIndex next = view_.model()->index(at.row() + down, at.column() + right);
  if (next.isValid()) view_.setCurrentIndex(next);
  return true;
}

TableView::TableView(TableDesk& desk, std::function<void(bool)> edited, QWidget* parent)
    : QTableView(parent), desk_(desk), edited_(std::move(edited)) {
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::DoubleClicked);
  setTabKeyNavigation(true);
}

bool TableView::command_key(QKeyEvent* event) {
  const QModelIndex at = currentIndex();
  if (event->matches(QKeySequence::Undo)) {
    desk_.undo();
  } else if (event->matches(QKeySequence::Redo) ||
             (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier)) {
    desk_.redo();
  } else if (event->matches(QKeySequence::Copy)) {
    copy_selection();
    return true;
  } else if (event->matches(QKeySequence::Paste)) {
    if (!at.isValid()) return true;
    const std::string lines = QApplication::clipboard()->text().toStdString();
    edited_(desk_.paste(at.row(), at.column(), lines));
    return true;
  } else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    if (!at.isValid()) return true;
    edited_(desk_.commit(at.row(), at.column(), ""));
    return true;
  } else {
    return false;
  }
  edited_(true);
  return true;
}

void TableView::keyPressEvent(QKeyEvent* event) {
  if (state() == QAbstractItemView::EditingState) return QTableView::keyPressEvent(event);
  if (command_key(event)) return;
  const QModelIndex at = currentIndex();
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && at.isValid()) {
    const QModelIndex below = model()->index(at.row() + 1, at.column());
    if (below.isValid()) setCurrentIndex(below);
    return;
  }
  // Typing on a label, a note or a heading is refused, saying why.
  const bool typing = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (typing && at.isValid() && !desk_.table().editable(at.row(), at.column())) {
    edited_(desk_.commit(at.row(), at.column(), event->text().toStdString()));
    return;
  }
  QTableView::keyPressEvent(event);
}

void TableView::copy_selection() {
  const QModelIndexList cells = selectionModel()->selectedIndexes();
  if (cells.isEmpty()) return;
  int top = cells.front().row(), bottom = top, left = cells.front().column(), right = left;
  for (const QModelIndex& cell : cells) {
    top = std::min(top, cell.row());
    bottom = std::max(bottom, cell.row());
    left = std::min(left, cell.column());
    right = std::max(right, cell.column());
  }
  QApplication::clipboard()->setText(qstring(desk_.table().copied(top, left, bottom, right)));
}

TableWindow::TableWindow(TableDesk& desk, FileChooser*& chooser, std::function<void()> calculated)
    : QWidget(nullptr, Qt::Window),
      desk_(desk),
      chooser_(chooser),
      calculated_(std::move(calculated)) {
  setObjectName("TableWindow");
  model_ = new TableModel(desk_, this);
  view_ = new TableView(
      desk_, [this](bool taken) { edited(taken); }, this);
  view_->setObjectName("table");
  view_->setModel(model_);
  view_->setItemDelegate(
      new TableDelegate(desk_, *model_, *view_, [this](bool taken) { edited(taken); }));
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  calculate_ = new QPushButton(qstring(t::kCalculate), this);
  calculate_->setObjectName("calculate");
  connect(calculate_, &QPushButton::clicked, this, &TableWindow::calculate);
  status_ = new QLabel(this);
  status_->setObjectName("status");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(calculate_, 0, Qt::AlignLeft);
  layout->addWidget(view_, 1);
  layout->addWidget(status_);
  const auto shortcut = [this](const QKeySequence& keys, auto slot) {
    auto* action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
  };
  shortcut(QKeySequence(Qt::Key_F9), [this] { calculate(); });
  shortcut(QKeySequence::Save, [this] {
    desk_.save(*chooser_);
    refresh();
  });
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] {
    desk_.save_as(*chooser_);
    refresh();
  });
  resize(1000, 640);
  refresh();
}

void TableWindow::refresh() {
  const QModelIndex at = view_->currentIndex();
  // The columns fit their contents when the table takes a new shape, not at every edit;
  // the sheet's title spans the data's columns and widens none.
  if (model_->refresh()) {
    view_->setSpan(0, 0, 1, kTableDataColumns);
    view_->resizeColumnsToContents();
  }
  if (!view_->currentIndex().isValid()) {
    const int row = std::clamp(at.row(), 0, std::max(0, model_->rowCount() - 1));
    const int column = std::clamp(at.column(), 0, std::max(0, model_->columnCount() - 1));
    view_->setCurrentIndex(model_->index(row, column));
  }
  status_->setText(qstring(desk_.status()));
  setWindowTitle(qstring(desk_.title()));
}

void TableWindow::edited(bool taken) {
  if (taken) {
    refresh();
    return;
  }
  status_->setText(qstring(desk_.status()));
}

void TableWindow::calculate() {
  // An edit still open is committed first; refused, nothing is computed.
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (view_->editing() && editor) {
    const QModelIndex at = view_->currentIndex();
    if (!desk_.commit(at.row(), at.column(), editor->text().toStdString())) {
      model_->mark_refused(at);
      edited(false);
      return;
    }
    model_->mark_refused(QModelIndex());
    emit view_->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
  desk_.calculate();
  refresh();
  calculated_();
}

QString TableWindow::status() const { return status_->text(); }

void TableWindow::closeEvent(QCloseEvent* event) {
  if (desk_.may_close(*chooser_,
                      [this](const std::string& text) { return ask_save(this, text); })) {
    event->accept();
  } else {
    event->ignore();
  }
  refresh();
}

SaveChoice ask_save(QWidget* parent, const std::string& text) {
  QMessageBox box(QMessageBox::Question, program_title(), qstring(text), QMessageBox::NoButton,
                  parent);
  box.setObjectName("save-question");
  QPushButton* save = box.addButton(qstring(t::kSave), QMessageBox::AcceptRole);
  QPushButton* dont = box.addButton(qstring(t::kDontSave), QMessageBox::DestructiveRole);
  box.addButton(qstring(text::kCancel), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.exec();
  if (box.clickedButton() == save) return SaveChoice::Save;
  if (box.clickedButton() == dont) return SaveChoice::DontSave;
  return SaveChoice::Cancel;
}

}  // namespace cp
