#pragma once

#include <functional>
#include <memory>
#include <string>

#include "journal.h"
#include "ports.h"

namespace cp {

// Passes every prompt on and writes each answer to the journal before handing it back.
// A journal that cannot be written is let go after its first failure, which is told
// once through `failed`; the calculation goes on without it.
class JournalingPrompt : public ModalPrompt {
 public:
  JournalingPrompt(ModalPrompt& inner, std::unique_ptr<Journal> journal,
                   std::function<void(const JournalError&)> failed)
      : inner_(inner), journal_(std::move(journal)), failed_(std::move(failed)) {}

  std::string ask(const std::string& text) override;

  // The run ended on the empty answer just given: take it back off the journal.
  void drop_last_answer();

 private:
  void guarded(const std::function<void(Journal&)>& write);

  ModalPrompt& inner_;
  std::unique_ptr<Journal> journal_;
  std::function<void(const JournalError&)> failed_;
};

}  // namespace cp
