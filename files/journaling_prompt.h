#pragma once

#include <functional>
#include <memory>
#include <string>

#include "journal.h"
#include "ports.h"

namespace cp {

// Passes every prompt on and writes each answer to the journal before handing it back.
// An empty answer is held back until the dialogue asks again: it accepted a value then,
// and is written; where the empty answer ended the run instead, the program may be
// ended by the user or the system while its message shows, and the journal never
// holds it, so that a replay stops at that prompt again. A journal that cannot be
// written is let go after its first failure, which is told once through `failed`; the
// calculation goes on without it.
class JournalingPrompt : public ModalPrompt {
 public:
  // `replayed` says whether the answer the inner prompt gave last was read from a file,
  // which is on the disk already: such answers reach the disk with the next one typed
  // or at the end of the run, not one by one.
  JournalingPrompt(ModalPrompt& inner, std::unique_ptr<Journal> journal,
                   std::function<void(const JournalError&)> failed,
                   std::function<bool()> replayed = {})
      : inner_(inner),
        journal_(std::move(journal)),
        failed_(std::move(failed)),
        replayed_(std::move(replayed)) {}
  ~JournalingPrompt() override;
  JournalingPrompt(const JournalingPrompt&) = delete;
  JournalingPrompt& operator=(const JournalingPrompt&) = delete;

  std::string ask(const std::string& text) override;
  std::string ask_about(const std::string& text, const PromptRole& role) override;

  // The run went on past the last answer (it completed, or the computation failed):
  // an empty answer held back is written now.
  void keep_last_answer();
  // The run has ended: every answer is put on the disk.
  void finish();

 private:
  void guarded(const std::function<void(Journal&)>& write);

  ModalPrompt& inner_;
  std::unique_ptr<Journal> journal_;
  std::function<void(const JournalError&)> failed_;
  std::function<bool()> replayed_;
  bool empty_held_back_ = false;
  bool empty_typed_ = true;  // the empty answer held back was typed, not read from a file
};

}  // namespace cp
