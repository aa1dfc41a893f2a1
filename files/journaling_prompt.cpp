#include "journaling_prompt.h"

namespace cp {

void JournalingPrompt::guarded(const std::function<void(Journal&)>& write) {
  if (!journal_) return;
  try {
    write(*journal_);
  } catch (const JournalError& error) {
    journal_.reset();
    failed_(error);
  }
}

std::string JournalingPrompt::ask(const std::string& text) {
  return ask_about(text, {.kind = PromptRole::Kind::Value});
}

std::string JournalingPrompt::ask_about(const std::string& text, const PromptRole& role) {
  keep_last_answer();
  std::string answer = inner_.ask_about(text, role);
  if (answer.empty())
    empty_held_back_ = true;
  else
    guarded([&answer](Journal& journal) { journal.append(answer); });
  return answer;
}

void JournalingPrompt::keep_last_answer() {
  if (!empty_held_back_) return;
  empty_held_back_ = false;
  guarded([](Journal& journal) { journal.append(""); });
}

}  // namespace cp
