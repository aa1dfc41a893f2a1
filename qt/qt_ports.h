#pragma once

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHash>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <functional>

#include "ports.h"
#include "texts.h"

namespace cp {

// A catalogue text as a QString.
inline QString qstring(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program's name, the title of every window, dialog and document.
inline QString program_title() { return qstring(text::kProgramTitle); }

// Where a prompt's frame of the given size goes on the screen, top left corner.
using PromptPlacement = std::function<QPoint(QSize)>;

// The modal prompt: the prompt text, one empty edit field with the focus, OK (Enter)
// and Cancel (Esc, and the close box), which returns empty text. Placed where the
// owner says, else centred on it.
class QtPrompt : public ModalPrompt {
 public:
  explicit QtPrompt(QWidget* owner, PromptPlacement placement = {})
      : owner_(owner), placement_(std::move(placement)) {}
  std::string ask(const std::string& text) override;

 private:
  QWidget* owner_;
  PromptPlacement placement_;
};

// Sets the text of a field of the window, showing its start; a text wider than the
// field is shown whole in the field's tooltip.
class QtFieldText : public FieldText {
 public:
  void add(Field field, QLineEdit* line) { fields_[field] = line; }
  void set(Field field, const std::string& text) override;
  QLineEdit* line(Field field) const { return fields_.at(field); }

  // The field written last, whose value a confirmation asks about; null before any.
  QLineEdit* last_written() const { return last_written_; }

 private:
  std::map<Field, QLineEdit*> fields_;
  QLineEdit* last_written_ = nullptr;
};

// The standard buttons in Chinese, whether or not Qt's own translation is installed.
void set_chinese_button_texts(QDialogButtonBox& buttons);

// Loads Qt's own Chinese translation (standard buttons, the file dialog) into the
// application, whatever the system's locale: the whole interface is Chinese. False
// where the translation file is not installed.
bool install_qt_chinese(QCoreApplication& application);

// Qt's own debug notes and warnings (a missing runtime folder, a font fallback) are not
// the surveyor's business and would bury the program's messages on stderr; what the
// program has to say it says itself. Qt's critical and fatal errors still come through.
void quiet_qt_notes();

// A modal message box with the program's title and one line.
class QtMessage : public Message {
 public:
  explicit QtMessage(QWidget* owner) : owner_(owner) {}
  void show(const std::string& text) override;

 private:
  QWidget* owner_;
};

// A modal question in one line with 确定 (yes) and 取消 (no), the answer no by default.
class QtQuestion {
 public:
  explicit QtQuestion(QWidget* owner) : owner_(owner) {}
  bool ask(const std::string& text);

 private:
  QWidget* owner_;
};

}  // namespace cp
