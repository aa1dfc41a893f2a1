#include "qt_ports.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <iostream>

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
  set_chinese_button_texts(*buttons);
  layout->addWidget(label);
  layout->addWidget(edit);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  edit->setFocus();
  dialog.adjustSize();
  if (placement_ && owner_) {
    // The prompt's frame is not known before it shows: take the owner's.
    const QSize frame = owner_->frameGeometry().size() - owner_->geometry().size();
    dialog.move(placement_(dialog.size() + frame));
  } else if (owner_) {
    dialog.move(owner_->geometry().center() - dialog.rect().center());
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return edit->text().toStdString();
}

void QtFieldText::set(Field role, const std::string& text) {
  QLineEdit* field = fields_.at(role);
  const QString shown = QString::fromStdString(text);
  field->setText(shown);
  field->setCursorPosition(0);
  const int room =
      field->contentsRect().width() - field->textMargins().left() - field->textMargins().right();
  field->setToolTip(field->fontMetrics().horizontalAdvance(shown) > room ? shown : QString());
  last_written_ = field;
}

void set_chinese_button_texts(QDialogButtonBox& buttons) {
  if (QPushButton* ok = buttons.button(QDialogButtonBox::Ok)) ok->setText(qstring(text::kOk));
  if (QPushButton* cancel = buttons.button(QDialogButtonBox::Cancel))
    cancel->setText(qstring(text::kCancel));
}

bool install_qt_chinese(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

void quiet_qt_notes() {
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::cerr << text.toLocal8Bit().constData() << '\n';
  });
}

void QtMessage::show(const std::string& text) {
  QMessageBox box(QMessageBox::Information, program_title(), QString::fromStdString(text),
                  QMessageBox::Ok, owner_);
  box.button(QMessageBox::Ok)->setText(qstring(text::kOk));
  box.exec();
}

bool QtQuestion::ask(const std::string& text) {
  QMessageBox box(QMessageBox::Question, program_title(), QString::fromStdString(text),
                  QMessageBox::Ok | QMessageBox::Cancel, owner_);
  box.setObjectName("question");
  box.button(QMessageBox::Ok)->setText(qstring(text::kOk));
  box.button(QMessageBox::Cancel)->setText(qstring(text::kCancel));
  box.setDefaultButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

}  // namespace cp
