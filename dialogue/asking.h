#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ports.h"

// Asking the user for values: numeric answers with their refusals, and the
// confirmation loop by which the user accepts or corrects each value.
namespace cp {

// Ends the run at once, after its message has been shown (an empty numeric answer, or a
// computation that cannot go on). Fields and record keep what was written.
struct RunEnded : std::runtime_error {
  RunEnded() : std::runtime_error("计算在空回答处结束") {}
};

// A reason to refuse a number, as the message that says so; nothing where it is fine.
using Refusal = std::function<std::optional<std::string>(double)>;

// Text with each "{k}" replaced by a number, or "{name}" by a value's name.
std::string fill(std::string_view pattern, int k);
std::string fill_name(std::string_view pattern, std::string_view name);

struct FieldWrite {
  Field field;
  std::string text;
};

// One value entered through the confirmation loop. Filled by name: most fields are texts
// or field names, which the compiler could not tell apart by position.
struct ConfirmedEntry {
  std::string name;  // how messages name the value: "Xa", "S(3)"
  std::string first_prompt;
  std::string correction_prompt;
  std::string_view confirm_first;   // the confirmation text after the first answer
  std::string_view confirm_repeat;  // and after each correction
  Field echo_field;
  std::function<std::string(double)> echo;
  std::vector<FieldWrite> after_first_answer = {};  // written before the first echo
  std::optional<Field> cleared_before_correction = std::nullopt;
  Refusal refuse = {};  // may be empty: every finite number is taken
};

class Asking {
 public:
  explicit Asking(UserPorts ports) : ports_(ports) {}

  // Shows the prompt until the answer reads as a number that is not refused. A message
  // says why an answer is not taken; an empty answer ends the run. `name` is the value's
  // label, as messages and a sheet name it.
  double number(std::string_view prompt, std::string_view name, const Refusal& refuse = {});

  // The same for a 32-bit number, the number of triangles: labelled N, named in messages
  // by `name`.
  float triangle_count(std::string_view prompt, std::string_view name, const Refusal& refuse);

  // Runs the confirmation loop; target holds every accepted answer at once, so a run
  // that ends during a correction keeps the last value typed.
  void confirmed(const ConfirmedEntry& entry, double& target);

  std::string text(std::string_view prompt, const PromptRole& role) {
    return ports_.prompt.ask_about(std::string(prompt), role);
  }
  void write(Field field, const std::string& text) { ports_.fields.set(field, text); }
  void tell(const std::string& text) { ports_.message.show(text); }

 private:
  template <typename Real, typename Reader>
  Real ask(std::string_view prompt, const PromptRole& role, std::string_view name,
           const Refusal& refuse, Reader read);

  UserPorts ports_;
};

}  // namespace cp
