#include "qt_ports.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

namespace cp {

std::string QtPrompt::ask(const std::string& text) {
  QDialog dialog(owner_);
  dialog.setObjectName("prompt");
  dialog.setWindowTitle(program_title());
  dialog.setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(QString::fromStdString(text), &dialog);
  label->setWordWrap(true);
  label->setMinimumWidth(420);
  auto* edit = new QLineEdit(&dialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  layout->addWidget(label);
  layout->addWidget(edit);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  edit->setFocus();
  if (owner_) {
    dialog.adjustSize();
    dialog.move(owner_->geometry().center() - dialog.rect().center());
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return edit->text().toStdString();
}

void QtFieldText::set(std::string_view control, const std::string& text) {
  const auto found = fields_.find(qstring(control));
  // A name the window does not have is a slip of the program, never of the user.
  Q_ASSERT_X(found != fields_.end(), "QtFieldText::set", "no field of that name");
  if (found != fields_.end()) found.value()->setText(QString::fromStdString(text));
}

void QtMessage::show(const std::string& text) {
  QMessageBox box(QMessageBox::Information, program_title(), QString::fromStdString(text),
                  QMessageBox::Ok, owner_);
  box.exec();
}

}  // namespace cp
