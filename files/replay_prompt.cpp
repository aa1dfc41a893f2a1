#include "replay_prompt.h"

#include "answers_file.h"
#include "file_messages.h"

namespace cp {

std::string ReplayPrompt::ask(const std::string& text) {
  return ask_about(text, {.kind = PromptRole::Kind::Value});
}

std::string ReplayPrompt::ask_about(const std::string& text, const PromptRole& role) {
  if (source_) {
    try {
      if (auto answer = source_->next()) return std::move(*answer);
    } catch (const AnswersFileError& error) {
      source_ = nullptr;
      if (!by_hand_) throw;
      message_->show(answers_file_message(error));
    }
    source_ = nullptr;  // run out, or not text: the rest is typed
  }
  if (!by_hand_) throw AnswersRanOut{text};
  return by_hand_->ask_about(text, role);
}

void ReplayMessage::show(const std::string& text) {
  if (!source_.holds_each_value_once()) {
    inner_.show(text);
    return;
  }
  inner_.show(source_.row_and_label() + text);
  source_.stop();
}

}  // namespace cp
