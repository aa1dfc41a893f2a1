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
  const bool typed = !(replayed_ && replayed_());
  if (answer.empty()) {
    empty_held_back_ = true;
    empty_typed_ = typed;
  } else {
    guarded([&](Journal& journal) { journal.append(answer, typed); });
  }
  return answer;
}

void JournalingPrompt::finish() {
  guarded([](Journal& journal) { journal.sync(); });
}

JournalingPrompt::~JournalingPrompt() {
  // A run left by an exception: its answers were written, and go to the disk if they can.
  try {
    if (journal_) journal_->sync();
  } catch (const JournalError&) {
  }
}

void JournalingPrompt::keep_last_answer() {
  if (!empty_held_back_) return;
  empty_held_back_ = false;
  guarded([this](Journal& journal) { journal.append("", empty_typed_); });
}

}  // namespace cp
