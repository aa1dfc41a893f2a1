#include "answers_by_role.h"

#include <set>
#include <stdexcept>
#include <string>
#include <tuple>

#include "calculate.h"

namespace cp {
namespace {

// Where the source has no answer: the answers end, and the run with them.
struct NoAnswer : std::runtime_error {
  NoAnswer() : std::runtime_error("数据源没有这一回答") {}
};

class AnswerRecorder : public ModalPrompt, public FieldText, public Message {
 public:
  explicit AnswerRecorder(const AnswerByRole& answer) : answer_(answer) {}

  std::string ask(const std::string&) override { throw NoAnswer{}; }
  std::string ask_about(const std::string&, const PromptRole& role) override {
    const bool asked_before = !asked_.emplace(role.kind, role.label, role.point).second;
    if (asked_before) {
      if (!answers.empty()) answers.back().refusal = last_message_;
      throw NoAnswer{};
    }
    last_message_.clear();
    std::optional<std::string> text = answer_(role);
    if (!text) throw NoAnswer{};
    answers.push_back({*text, role});
    return std::move(*text);
  }
  void set(Field, const std::string&) override {}
  void show(const std::string& text) override { last_message_ = text; }

  std::vector<RoleAnswer> answers;

 private:
  const AnswerByRole& answer_;
  std::set<std::tuple<PromptRole::Kind, std::string, int>> asked_;
  std::string last_message_;  // shown since the last prompt
};

}  // namespace

void calculate_aside(UserPorts ports) {
  Session session;
  calculate(ports, session);
}

std::vector<RoleAnswer> answers_by_role(const AnswerByRole& answer, const DialogueRun& run) {
  AnswerRecorder recorder(answer);
  try {
    run({recorder, recorder, recorder});
  } catch (const NoAnswer&) {
  }
  return std::move(recorder.answers);
}

}  // namespace cp
