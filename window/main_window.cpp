#include "main_window.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "calculate.h"
#include "layout_table.h"
#include "print_command.h"

namespace cp {
namespace {

int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QRect rect_of(const ControlSpec& entry) {
  return {px(entry.left), px(entry.top), px(entry.width), px(entry.height)};
}

// A label shows its whole caption: where the fallback face is larger than the stored
// size allows, it grows to the right and down (labels are transparent).
QRect fitted_to_caption(const QLabel& label, QRect rect) {
  if (!label.wordWrap()) rect.setWidth(std::max(rect.width(), label.sizeHint().width()));
  rect.setHeight(std::max(rect.height(), label.fontMetrics().height()));
  return rect;
}

// A label of more than two lines' height holds a caption that wraps.
constexpr int kLabelLineTwips = 255;

QColor colour(Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

QString colour_css(Rgb rgb) { return QString("rgb(%1, %2, %3)").arg(rgb.r).arg(rgb.g).arg(rgb.b); }

}  // namespace

MainWindow::MainWindow() {
  setWindowTitle(program_title());
  setObjectName("MainWindow");
  setAutoFillBackground(true);
  QPalette palette;
  palette.setColor(QPalette::Window, colour(kWindowBackground));
  setPalette(palette);
  setFixedSize(px(kClientWidth), px(kClientHeight));
  build();
}

QPushButton** MainWindow::button_slot(std::string_view name) {
  if (name == "Command1") return &calculate_;
  if (name == "Command2") return &end_;
  Q_ASSERT_X(name == "Command3", "MainWindow::build", "a button the window does not have");
  return &print_;
}

void MainWindow::build() {
  for (const ControlSpec& entry : window_controls()) {
    QWidget* widget = nullptr;
    const QString caption = QString::fromUtf8(entry.caption);
    switch (entry.kind) {
      case Kind::Label: {
        auto* label = new QLabel(caption, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(entry.height > 2 * kLabelLineTwips);
        widget = label;
        break;
      }
      case Kind::Field: {
        auto* field = new QLineEdit(this);
        field->setReadOnly(true);  // the program never reads a field; it can still be copied
        field->setStyleSheet("QLineEdit { background: " + colour_css(entry.background) +
                             "; padding: 0px; }");
        fields_.add(entry.name, field);
        widget = field;
        break;
      }
      case Kind::Button: {
        auto* button = new QPushButton(caption, this);
        button->setStyleSheet("QPushButton { background: " + colour_css(entry.background) + "; }");
        *button_slot(entry.name) = button;
        widget = button;
        break;
      }
    }
    widget->setFont(layout_font(entry.font.face, entry.font.points, entry.font.bold));
    const auto* label = qobject_cast<QLabel*>(widget);
    widget->setGeometry(label ? fitted_to_caption(*label, rect_of(entry)) : rect_of(entry));
    if (*entry.name) {
      widget->setObjectName(entry.name);
      controls_.insert(entry.name, widget);
    }
  }
  connect(calculate_, &QPushButton::clicked, this, &MainWindow::calculate_clicked);
  connect(end_, &QPushButton::clicked, qApp, &QApplication::quit);
  connect(print_, &QPushButton::clicked, this, &MainWindow::print_clicked);
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  for (const LineSpec& line : window_lines()) {
    painter.setPen(QPen(colour(line.colour), line.width));
    painter.drawLine(px(line.x1), px(line.y1), px(line.x2), px(line.y2));
  }
}

void MainWindow::calculate_clicked() { calculate({prompt_, fields_, message_}, record_); }

void MainWindow::print_clicked() { print_report(record_, printer_, message_); }

}  // namespace cp
