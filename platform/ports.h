#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fields.h"

// The small interfaces through which the program reaches the user. The Calculate
// command and the report see only these; the Qt implementations live in platform/qt,
// the scripted ones in the tests.
namespace cp {

// What a prompt asks for, beside its text: a labelled value (N, Xa, S(5)) or its
// confirmation, a point's name, or an Enter before the next point is shown. A source that
// holds values by label (a sheet) answers by it.
struct PromptRole {
  enum class Kind { Value, Confirmation, PointName, NextPoint };
  Kind kind;
  std::string label = {};  // of a value and its confirmation: "N", "Xa", "S(5)"
  int point = 0;           // of a point's name, or of the point shown next
};

// A modal prompt: shows one prompt text with an edit field, OK and Cancel, and returns
// the typed text. Cancel returns empty text.
class ModalPrompt {
 public:
  virtual ~ModalPrompt() = default;
  virtual std::string ask(const std::string& text) = 0;
  // The same, knowing what is asked: the dialogue asks every prompt so. A prompt that
  // passes its questions on passes the role with them; a screen needs only the text.
  virtual std::string ask_about(const std::string& text, const PromptRole& /*role*/) {
    return ask(text);
  }
};

// Sets the text of one of the main window's fields.
class FieldText {
 public:
  virtual ~FieldText() = default;
  virtual void set(Field field, const std::string& text) = 0;
};

// Shows one line of text to the user and waits until it is acknowledged.
class Message {
 public:
  virtual ~Message() = default;
  virtual void show(const std::string& text) = 0;
  // A message about side S(k), which a reader of a file of answers may place at the
  // line that side was read from; shown as any other by default.
  virtual void show_about_side(const std::string& text, int /*side*/) { show(text); }
};

// Asks the user which file to read or where to save one, offering a name and the
// types the dialog shows; nothing when the user declines.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  virtual std::optional<std::string> open_path(std::string_view filter) = 0;
  virtual std::optional<std::string> save_path(std::string_view suggested_name,
                                               std::string_view filter) = 0;
};

// What the Calculate command needs of its surroundings.
struct UserPorts {
  ModalPrompt& prompt;
  FieldText& fields;
  Message& message;
};

}  // namespace cp
