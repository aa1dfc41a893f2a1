#include "desk_session.h"

#include <ctime>
#include <memory>
#include <optional>

#include "answer_source.h"
#include "answers_file.h"
#include "file_messages.h"
#include "fill.h"
#include "journaling_prompt.h"
#include "replay_prompt.h"
#include "same_file.h"
#include "texts.h"

namespace cp {

RunEnd DeskSession::calculate() { return run(nullptr); }

void DeskSession::replay(const std::string& path) {
  try {
    const std::unique_ptr<AnswerSource> answers = open_answers(path);
    replayed_.push_back(path);
    run(answers.get());
  } catch (const AnswersFileError& error) {
    message_.show(answers_file_message(error));
  }
}

bool DeskSession::may_replace(const std::string& path) {
  for (const auto& [kept, what] :
       {std::pair{&replayed_, text::kReplayedFile}, std::pair{&journals_, text::kJournalFile}}) {
    for (const std::string& input : *kept) {
      if (!same_file(path, input)) continue;
      return question_(text::fill_in(text::kReplaceInput, {{"{path}", path}, {"{what}", what}}));
    }
  }
  return true;
}

RunEnd DeskSession::run(AnswerSource* answers) {
  auto journal_failed = [this](const JournalError& error) {
    if (journal_failure_told_) return;
    journal_failure_told_ = true;
    message_.show(journal_message(error));
  };
  std::unique_ptr<Journal> journal;
  try {
    const auto folder = journal_folder();
    if (!folder)
      throw JournalError{std::string(text::kJournalFolderDefault), std::string(text::kNoHome)};
    journal = std::make_unique<Journal>(*folder, std::time(nullptr), journals_);
    journals_.push_back(journal->path());
  } catch (const JournalError& error) {
    journal_failed(error);
  }
  std::optional<ReplayPrompt> replayed;
  std::optional<ReplayMessage> replay_message;
  if (answers) {
    replayed.emplace(*answers, &by_hand_, &message_);
    replay_message.emplace(*answers, message_);
  }
  JournalingPrompt prompt(replayed ? static_cast<ModalPrompt&>(*replayed) : by_hand_,
                          std::move(journal), journal_failed);
  Message& message = replay_message ? static_cast<Message&>(*replay_message) : message_;
  running_ = true;
  struct NotRunning {
    bool& running;
    ~NotRunning() { running = false; }
  } not_running{running_};
  const RunEnd end = cp::calculate({prompt, fields_, message}, session_);
  if (end != RunEnd::Ended) prompt.keep_last_answer();
  return end;
}

}  // namespace cp
