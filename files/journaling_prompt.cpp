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
  std::string answer = inner_.ask(text);
  guarded([&answer](Journal& journal) { journal.append(answer); });
  return answer;
}

void JournalingPrompt::drop_last_answer() {
  guarded([](Journal& journal) { journal.drop_last(); });
}

}  // namespace cp
