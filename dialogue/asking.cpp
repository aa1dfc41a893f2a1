#include "asking.h"

#include "fill.h"
#include "number_input.h"
#include "number_text.h"
#include "texts.h"

namespace cp {
std::string fill(std::string_view pattern, int k) {
  return text::fill_in(pattern, "{k}", shortest_text(static_cast<double>(k)));
}

std::string fill_name(std::string_view pattern, std::string_view name) {
  return text::fill_in(pattern, "{name}", name);
}

template <typename Real, typename Reader>
Real Asking::ask(std::string_view prompt, const PromptRole& role, std::string_view name,
                 const Refusal& refuse, Reader read) {
  for (;;) {
    const std::string answer = text(prompt, role);
    if (answer.empty()) {
      tell(fill_name(text::kEmptyAnswer, name));
      throw RunEnded{};
    }
    const std::optional<Real> value = read(answer);
    if (!value) {
      tell(fill_name(text::kNotANumber, name));
      continue;
    }
    if (refuse) {
      if (const auto reason = refuse(*value)) {
        tell(*reason);
        continue;
      }
    }
    return *value;
  }
}

double Asking::number(std::string_view prompt, std::string_view name, const Refusal& refuse) {
  const PromptRole role{.kind = PromptRole::Kind::Value, .label = std::string(name)};
  return ask<double>(prompt, role, name, refuse, read_double);
}

float Asking::triangle_count(std::string_view prompt, std::string_view name,
                             const Refusal& refuse) {
  const PromptRole role{.kind = PromptRole::Kind::Value, .label = "N"};
  return ask<float>(prompt, role, name, refuse, read_float);
}

void Asking::confirmed(const ConfirmedEntry& entry, double& target) {
  target = number(entry.first_prompt, entry.name, entry.refuse);
  for (const auto& write_after : entry.after_first_answer)
    write(write_after.field, write_after.text);
  write(entry.echo_field, entry.echo(target));
  const PromptRole confirmation{.kind = PromptRole::Kind::Confirmation, .label = entry.name};
  std::string answer = text(entry.confirm_first, confirmation);
  while (means_wrong(answer)) {
    if (entry.cleared_before_correction) write(*entry.cleared_before_correction, "");
    target = number(entry.correction_prompt, entry.name, entry.refuse);
    write(entry.echo_field, entry.echo(target));
    answer = text(entry.confirm_repeat, confirmation);
  }
  write(entry.echo_field, entry.echo(target));
}

}  // namespace cp
