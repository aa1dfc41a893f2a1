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
  JournalingPrompt(ModalPrompt& inner, std::unique_ptr<Journal> journal,
                   std::function<void(const JournalError&)> failed)
      : inner_(inner), journal_(std::move(journal)), failed_(std::move(failed)) {}

  std::string ask(const std::string& text) override;
  std::string ask_about(const std::string& text, const PromptRole& role) override;

  // The run went on past the last answer (it completed, or the computation failed):
  // an empty answer held back is written now.
  void keep_last_answer();

 private:
  void guarded(const std::function<void(Journal&)>& write);

  ModalPrompt& inner_;
  std::unique_ptr<Journal> journal_;
  std::function<void(const JournalError&)> failed_;
  bool empty_held_back_ = false;
};

}  // namespace cp
