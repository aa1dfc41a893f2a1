#pragma once

#include <stdexcept>
#include <string>

#include "answer_source.h"
#include "ports.h"

namespace cp {

// The answers ran out while a prompt waited and nobody is there to type.
struct AnswersRanOut : std::runtime_error {
  explicit AnswersRanOut(std::string prompt_)
      : std::runtime_error("答案已用完"), prompt(std::move(prompt_)) {}
  std::string prompt;
};

// Answers each prompt from an answers file or a polygon sheet, as if the line had been
// typed, without showing it. When the answers run out, the prompts are shown to the
// user by hand; with nobody there (a batch run) AnswersRanOut is thrown. A line that is
// not text ends the replay too: by hand, its message is shown first; without, the
// AnswersFileError is thrown.
class ReplayPrompt : public ModalPrompt {
 public:
  ReplayPrompt(AnswerSource& source, ModalPrompt* by_hand, Message* message)
      : source_(&source), by_hand_(by_hand), message_(message) {}

  std::string ask(const std::string& text) override;
  std::string ask_about(const std::string& text, const PromptRole& role) override;

  // Whether the last answer was read from the file, not typed.
  bool from_source() const { return source_ != nullptr; }

 private:
  AnswerSource* source_;  // null once the answers have run out
  ModalPrompt* by_hand_;
  Message* message_;
};

// The messages of a replay in the window: a message about a value of a sheet (a refused
// one) names the sheet's row and label, and ends the sheet's answers, since the sheet
// holds no correction; the user types it at the prompt that follows.
class ReplayMessage : public Message {
 public:
  ReplayMessage(AnswerSource& source, Message& inner) : source_(source), inner_(inner) {}
  void show(const std::string& text) override;

 private:
  AnswerSource& source_;
  Message& inner_;
};

}  // namespace cp
