#pragma once

#include <QHash>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include "ports.h"
#include "texts.h"

namespace cp {

// A catalogue text as a QString.
inline QString qstring(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program's name, the title of every window, dialog and document.
inline QString program_title() { return qstring(text::kProgramTitle); }

// The modal prompt: the prompt text, one empty edit field with the focus, OK (Enter)
// and Cancel (Esc, and the close box), which returns empty text.
class QtPrompt : public ModalPrompt {
 public:
  explicit QtPrompt(QWidget* owner) : owner_(owner) {}
  std::string ask(const std::string& text) override;

 private:
  QWidget* owner_;
};

// Sets the text of a named field of the window.
class QtFieldText : public FieldText {
 public:
  void add(const QString& name, QLineEdit* field) { fields_.insert(name, field); }
  void set(std::string_view control, const std::string& text) override;

 private:
  QHash<QString, QLineEdit*> fields_;
};

// A modal message box with the program's title and one line.
class QtMessage : public Message {
 public:
  explicit QtMessage(QWidget* owner) : owner_(owner) {}
  void show(const std::string& text) override;

 private:
  QWidget* owner_;
};

}  // namespace cp
