#pragma once

#include <string>

#include "answers_file.h"
#include "ports.h"

namespace cp {

// The answers ran out while a prompt waited and nobody is there to type.
struct AnswersRanOut {
  std::string prompt;
};

// Answers each prompt from an answers file, as if the line had been typed, without
// showing it. When the file runs out, the prompts are shown to the user by hand; with
// nobody there (a batch run) AnswersRanOut is thrown. A line that is not text ends the
// replay too: by hand, its message is shown first; without, the AnswersFileError is
// thrown.
class ReplayPrompt : public ModalPrompt {
 public:
  ReplayPrompt(AnswersFile& file, ModalPrompt* by_hand, Message* message)
      : file_(&file), by_hand_(by_hand), message_(message) {}

  std::string ask(const std::string& text) override;

 private:
  AnswersFile* file_;  // null once the file has run out
  ModalPrompt* by_hand_;
  Message* message_;
};

}  // namespace cp
