#include "replay_prompt.h"

#include "file_messages.h"

namespace cp {

std::string ReplayPrompt::ask(const std::string& text) {
  if (file_) {
    try {
      if (auto answer = file_->next()) return std::move(*answer);
    } catch (const AnswersFileError& error) {
      file_ = nullptr;
      if (!by_hand_) throw;
      message_->show(answers_file_message(error));
    }
    file_ = nullptr;  // run out, or not text: the rest is typed
  }
  if (!by_hand_) throw AnswersRanOut{text};
  return by_hand_->ask(text);
}

}  // namespace cp
