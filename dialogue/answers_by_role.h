#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports.h"

// The answers a calculation takes from a source that holds its values by label (a polygon
// sheet, a table): the dialogue itself is run against the source, so that the order of
// its prompts and their branches (Q2 asked only after Q1 = 0, m only with a point B) are
// written in one place, the dialogue, and every such source follows them.
namespace cp {

struct RoleAnswer {
  std::string text;
  PromptRole role;
  // Where the dialogue refused this answer and asked for the value again: the message
  // that said why. Empty where the answer was taken.
  std::string refusal = {};
};

// Answers one prompt by its role; nothing where the source has no answer, which ends the
// answers there (the source has no second answer for a value the dialogue refused).
using AnswerByRole = std::function<std::optional<std::string>(const PromptRole&)>;

// Runs a dialogue on the ports, as the Calculate command does on a window.
using DialogueRun = std::function<void(UserPorts)>;

// The Calculate command on a session of its own, its fields and messages going nowhere.
void calculate_aside(UserPorts ports);

// The answers, in the order the dialogue asks for them, up to the first prompt `answer`
// has nothing for or the end of the run. Each role is answered once: a value asked again
// (refused) ends the answers there.
std::vector<RoleAnswer> answers_by_role(const AnswerByRole& answer,
                                        const DialogueRun& run = calculate_aside);

}  // namespace cp
