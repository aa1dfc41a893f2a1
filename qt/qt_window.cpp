#include "qt_window.h"

#include <map>
#include <memory>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "calculate.h"
#include "exports.h"
#include "fill.h"
#include "flat_button.h"
#include "fonts.h"
#include "layout_table.h"
#include "print_command.h"
#include "prompt_placement.h"
#include "table_texts.h"

namespace cp {
namespace {

int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QRect rect_of(const ControlSpec& entry) {
  return {px(entry.left), px(entry.top), px(entry.width), px(entry.height)};
}

QColor colour(Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

QString colour_css(Rgb rgb) { return QString("rgb(%1, %2, %3)").arg(rgb.r).arg(rgb.g).arg(rgb.b); }

ScreenRect screen_rect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

MainWindow::MainWindow() {
  // A fixed size: no maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(program_title());
  setObjectName("MainWindow");
  setAutoFillBackground(true);
  QPalette palette;
  palette.setColor(QPalette::Window, colour(kWindowBackground));
  setPalette(palette);
  setFixedSize(px(kClientWidth), px(kClientHeight));
  setAcceptDrops(true);
  build();
  // Said once the window is shown, so that it always appears first.
  QTimer::singleShot(0, this, [this] {
    if (const auto note = desk_.take_start_note()) message_.show(*note);
    table_desk_.offer_left_table([this](const std::string& text) { return question_.ask(text); });
    if (table_desk_.table().modified()) open_table();
  });
}

QPushButton** MainWindow::button_slot(Command command) {
  switch (command) {
    case Command::Calculate: return &calculate_;
    case Command::End: return &end_;
    case Command::Print: break;
  }
  return &print_;
}

void MainWindow::build() {
  // The layout uses a handful of faces: each is resolved once.
  std::map<FaceKey, QFont> fonts;
  const auto font_of = [&fonts](const auto& wanted) -> QFont {
    auto [made, is_new] = fonts.try_emplace(wanted.key());
    if (is_new) made->second = layout_font(wanted.face, wanted.points, wanted.bold);
    return made->second;
  };
  // The fields and buttons stand on a transparent panel over the whole window. It carries
  // the buttons' face, which the fields share, so that each is built in its face at once,
  // and one style sheet for the fields, read once for all of them.
  auto* panel = new QWidget(this);
  panel->setGeometry(rect());
  const auto& panel_face = control_of(Command::Calculate).font;
  panel->setFont(font_of(panel_face));
  QString field_style = "QLineEdit { padding: 0px; }";
  for (const auto& entry : window_controls()) {
    if (entry.kind == Kind::Field)
      field_style += QString(" QLineEdit#%1 { background: %2; }")
                         .arg(QString::fromUtf8(entry.name), colour_css(entry.background));
  }
  panel->setStyleSheet(field_style);

  for (const ControlSpec& entry : window_controls()) {
    QWidget* widget = nullptr;
    const QString caption = QString::fromUtf8(entry.caption);
    const QFont font = font_of(entry.font);
    switch (entry.kind) {
      case Kind::Label:
        // A label is no widget of its own: the window draws it, as it draws the lines.
        // A hundred label widgets would cost the window's start a good part of its time.
        labels_.push_back({rect_of(entry), rect_of(entry), font, caption, caption_wraps(entry)});
        continue;
      case Kind::Field: {
        auto* field = new QLineEdit(panel);
        field->setReadOnly(true);  // the program never reads a field; it can still be copied
        fields_.add(*entry.field, field);
        widget = field;
        break;
      }
      case Kind::Button: {
        auto* button = new FlatButton(caption, entry.background, panel);
        *button_slot(*entry.command) = button;
        widget = button;
        break;
      }
    }
    if (entry.font.key() != panel_face.key()) widget->setFont(font);
    widget->setGeometry(rect_of(entry));
    if (*entry.name) {
      widget->setObjectName(entry.name);
      controls_.insert(entry.name, widget);
    }
  }
  connect(calculate_, &QPushButton::clicked, this, &MainWindow::calculate_clicked);
  connect(end_, &QPushButton::clicked, this, &QWidget::close);
  connect(print_, &QPushButton::clicked, this, &MainWindow::print_clicked);
  build_commands();
}

// The file commands, on the right-click menu and on their keys: the layout stays as it
// is. Saving the results waits for a complete calculation; the entries show, disabled.
void MainWindow::build_commands() {
  setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* open = new QAction(qstring(text::kMenuOpen), this);
  open->setObjectName("open");
  open->setShortcut(QKeySequence(QKeySequence::Open));
  connect(open, &QAction::triggered, this, [this] {
    if (desk_.running()) return;
    if (const auto path = chooser_->open_path(text::kFilterOpen))
      replay(QString::fromStdString(*path));
  });
  addAction(open);
  for (const ExportFormat& format : export_formats()) {
    auto* save = new QAction(qstring(format.menu_text), this);
    save->setObjectName(qstring(format.option.substr(2)));
    save->setShortcut(QKeySequence(qstring(format.shortcut)));
    connect(save, &QAction::triggered, this, [this, kind = format.kind] {
      if (desk_.running()) return;
      save_export(kind, desk_.session(), *chooser_, message_,
                  [this](const std::string& path) { return may_replace(path); });
    });
    addAction(save);
  }
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  addAction(separator);
  auto* table = new QAction(qstring(table_text::kMenuTable), this);
  table->setObjectName("table");
  table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(table, &QAction::triggered, this, [this] {
    if (!desk_.running()) open_table();
  });
  addAction(table);
  auto* blank = new QAction(qstring(text::kMenuNewSheet), this);
  blank->setObjectName("new-sheet");
  connect(blank, &QAction::triggered, this, [this] {
    if (!desk_.running()) desk_.new_sheet(*chooser_);
  });
  addAction(blank);
  auto* edm = new QAction(qstring(text::kMenuEdm), this);
  edm->setObjectName("edm");
  connect(edm, &QAction::triggered, this, [this] {
    if (!desk_.running()) desk_.ask_edm_precision();
  });
  addAction(edm);
  auto* grade = new QAction(qstring(text::kMenuGrade), this);
  grade->setObjectName("grade");
  connect(grade, &QAction::triggered, this, [this] {
    if (!desk_.running()) desk_.ask_grade();
  });
  addAction(grade);
  enable_commands();
}

void MainWindow::enable_commands() {
  for (const ExportFormat& format : export_formats()) {
    command(qstring(format.option.substr(2)))
        ->setEnabled(export_available(format, desk_.session()));
  }
}

QAction* MainWindow::command(const QString& name) const {
  return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

std::vector<ScreenRect> MainWindow::guarded_fields() const {
  std::vector<ScreenRect> guarded;
  const auto add = [&](const QWidget* field) {
    guarded.push_back(screen_rect(QRect(field->mapToGlobal(QPoint(0, 0)), field->size())));
  };
  for (const Field field : kHintAndEchoFields) add(fields_.line(field));
  if (const QLineEdit* confirmed = fields_.last_written()) add(confirmed);
  return guarded;
}

QPoint MainWindow::prompt_place(QSize frame) const {
  const QRect screen = this->screen()->availableGeometry();
  const ScreenRect place = place_prompt(screen_rect(screen), screen_rect(frameGeometry()),
                                        frame.width(), frame.height(), guarded_fields());
  return {place.x, place.y};
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  for (const LineSpec& line : window_lines()) {
    painter.setPen(QPen(colour(line.colour), line.width));
    painter.drawLine(px(line.x1), px(line.y1), px(line.x2), px(line.y2));
  }
  // The labels over the lines, on the window's colour as a transparent label shows.
  painter.setPen(palette().color(QPalette::WindowText));
  // A label shows its whole caption: where the face is larger than its box allows, the
  // caption runs on to the right and down (labels are transparent); one that wraps keeps
  // its box's width. Each is laid out only as it is drawn, and remembers where it
  // reached, so that a later paint of that place draws it again.
  for (Label& label : labels_) {
    if (!event->rect().intersects(label.reach)) continue;
    painter.setFont(label.font);
    QRect drawn;
    painter.drawText(
        label.box,
        Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | (label.wraps ? Qt::TextWordWrap : 0),
        label.caption, &drawn);
    label.reach = label.reach.united(drawn);
  }
}

void MainWindow::calculate_clicked() {
  desk_.calculate();
  after_run();
}

// After a calculation from the prompts, an answers file or a sheet: the table follows.
void MainWindow::after_run() {
  table_desk_.follow(desk_.session().record);
  if (table_window_) table_window_->refresh();
  enable_commands();
}

void MainWindow::open_table(const std::optional<QString>& path) {
  if (!table_window_) {
    table_window_ =
        std::make_unique<TableWindow>(table_desk_, chooser_, [this] { enable_commands(); });
  }
  if (path) table_desk_.open(path->toStdString());
  table_window_->refresh();
  table_window_->show();
  table_window_->raise();
  table_window_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Edits in the table not saved are asked about before the program ends.
  if (desk_.running() || !table_desk_.may_close(*chooser_, [this](const std::string& text) {
        return ask_save(this, text);
      })) {
    event->ignore();
    return;
  }
  if (table_window_) table_window_->hide();
  event->accept();
  QApplication::quit();
}

void MainWindow::print_clicked() {
  print_report(desk_.session().last_complete, printer_, message_,
               [this](const std::string& path) { return may_replace(path); });
}

bool MainWindow::may_replace(const std::string& path) { return desk_.may_replace(path); }

void MainWindow::replay(const QString& path) {
  desk_.replay(path.toStdString());
  after_run();
}

namespace {

// One local file dropped while no calculation asks: its answers start a calculation.
std::optional<QString> dropped_file(const QMimeData* data) {
  if (!data->hasUrls() || data->urls().size() != 1) return std::nullopt;
  const QUrl url = data->urls().first();
  if (!url.isLocalFile()) return std::nullopt;
  return url.toLocalFile();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!desk_.running() && dropped_file(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const auto path = dropped_file(event->mimeData());
  if (desk_.running() || !path) return;
  event->acceptProposedAction();
  // The calculation's prompts are modal: start it once the drop has been answered.
  QTimer::singleShot(0, this, [this, file = *path] { replay(file); });
}

}  // namespace cp
