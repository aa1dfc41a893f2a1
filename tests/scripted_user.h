#pragma once

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ports.h"

namespace cp::testing_support {

// Answers the prompts from a list and keeps what the command showed.
struct ScriptedUser : ModalPrompt, FieldText, Message {
  struct RanOut : std::runtime_error {
    RanOut() : std::runtime_error("the script ran out") {}
  };

  std::vector<std::string> answers;
  std::size_t next = 0;
  std::vector<std::string> prompts;
  std::vector<std::string> messages;
  std::map<Field, std::string> fields;

  explicit ScriptedUser(std::vector<std::string> script) : answers(std::move(script)) {}

  std::string ask(const std::string& text) override {
    prompts.push_back(text);
    if (next >= answers.size()) throw RanOut{};
    return answers[next++];
  }
  void set(Field field, const std::string& text) override { fields[field] = text; }
  void show(const std::string& text) override { messages.push_back(text); }

  UserPorts ports() { return {*this, *this, *this}; }
};

// The answers of an answers file, a line each.
inline std::vector<std::string> answers_in_file(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> answers;
  for (std::string line; std::getline(in, line);) answers.push_back(line);
  return answers;
}

}  // namespace cp::testing_support
