// Thousands of generated answer scripts, seeded and reproducible, through the real
// Calculate command and the report: whatever is typed, the run ends, nothing shown or
// kept is NaN or infinite, every refused answer is followed by a message, and a run
// that ended early leaves the report refusing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "calculate.h"
#include "layout.h"
#include "network.h"
#include "record_dump.h"
#include "scripted_user.h"
#include "texts.h"

namespace cp {
namespace {

using namespace testing_support;

// An answer of any kind a tired hand or an input method may produce.
std::string odd_answer(std::mt19937& random) {
  static const std::vector<std::string> kinds{
      "",           "0",     "-0",        "1",      "2",        "3",        "-1",   "6",   "1000",
      "1001",       "1e300", "-1e300",    "1e-300", "1e39",     "123.4530", "0.29", "abc", "12abc",
      "  ",         "１２",  "－３．５",  "　７　", "1,5",      "+",        "nan",  "inf", "0x10",
      "9999999999", "2.5",   "3.0000001", "北",     "\xff\xfe", ".5",       "5."};
  std::uniform_int_distribution<std::size_t> pick(0, kinds.size() + 1);
  const std::size_t k = pick(random);
  if (k < kinds.size()) return kinds[k];
  if (k == kinds.size()) return std::string(100000, 'x');  // a very long name or number
  return std::to_string(std::uniform_real_distribution<double>(-1e4, 1e4)(random));
}

std::vector<std::string> random_script(std::mt19937& random) {
  const int length = std::uniform_int_distribution<int>(1, 80)(random);
  std::vector<std::string> script;
  for (int i = 0; i < length; ++i) script.push_back(odd_answer(random));
  return script;
}

// A valid network with one answer replaced, or removed, or one side spoiled.
std::vector<std::string> spoiled_network(std::mt19937& random) {
  const int N = std::uniform_int_distribution<int>(3, 9)(random);
  const auto c = static_cast<Case>(std::uniform_int_distribution<int>(0, 4)(random));
  auto script = answers_for(make_network(N, c, random), c);
  std::uniform_int_distribution<std::size_t> where(0, script.size() - 1);
  switch (std::uniform_int_distribution<int>(0, 2)(random)) {
    case 0: script[where(random)] = odd_answer(random); break;
    case 1: script.erase(script.begin() + static_cast<long>(where(random))); break;
    default: script.insert(script.begin() + static_cast<long>(where(random)), odd_answer(random));
  }
  return script;
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return std::tolower(ch); });
  return text;
}

bool contains_non_finite_word(const std::string& text) {
  const std::string low = lower(text);
  return low.find("nan") != std::string::npos || low.find("inf") != std::string::npos;
}

// Whether a text shows a NaN or an infinity. A point name is any text, so answers that
// spell "nan" or "inf" themselves are taken out first.
struct NonFiniteCheck {
  std::vector<std::string> typed;

  explicit NonFiniteCheck(const std::vector<std::string>& script) {
    for (const auto& answer : script) {
      if (contains_non_finite_word(answer)) typed.push_back(lower(answer));
    }
  }

  bool operator()(const std::string& text) const {
    std::string low = lower(text);
    for (const auto& answer : typed) {
      for (auto at = low.find(answer); at != std::string::npos; at = low.find(answer))
        low.erase(at, answer.size());
    }
    return contains_non_finite_word(low);
  }
};

// Logs prompts, messages and field texts in order.
struct LoggingUser : ScriptedUser {
  using ScriptedUser::ScriptedUser;
  std::vector<std::string> events;  // "?prompt" or "!message"
  std::vector<std::string> written;
  std::string ask(const std::string& text) override {
    events.push_back("?" + text);
    return ScriptedUser::ask(text);
  }
  void show(const std::string& text) override {
    events.push_back("!" + text);
    ScriptedUser::show(text);
  }
  void set(Field field, const std::string& text) override {
    written.push_back(text);
    ScriptedUser::set(field, text);
  }
};

// Returns whether the run went to its last point.
bool check_one_run(const std::vector<std::string>& script, SessionRecord& record) {
  LoggingUser user(script);
  bool ran_out = false;
  try {
    calculate(user.ports(), record);
  } catch (const ScriptedUser::RanOut&) {
    ran_out = true;
  }
  const NonFiniteCheck shows_non_finite(script);
  for (const auto& text : user.written) EXPECT_FALSE(shows_non_finite(text)) << text.substr(0, 80);
  for (const auto& text : user.messages) EXPECT_FALSE(shows_non_finite(text)) << text;
  EXPECT_FALSE(shows_non_finite(record_dump(record)));

  // A prompt shown again straight away means its answer was refused: a message says why.
  const std::string next_point = "?" + std::string(text::kAskNextPoint);
  for (std::size_t i = 1; i < user.events.size(); ++i) {
    if (user.events[i][0] == '?' && user.events[i] == user.events[i - 1]) {
      EXPECT_EQ(user.events[i], next_point) << "refused without a message: " << user.events[i];
    }
  }
  // A run that ended before its last point said why, unless the answers ran out.
  if (!record.complete && !ran_out) {
    EXPECT_FALSE(user.messages.empty());
  }

  const auto rows = report_rows(record);
  EXPECT_EQ(rows.has_value(), record.complete);
  if (rows) {
    for (const auto& row : *rows) {
      EXPECT_FALSE(shows_non_finite(row_text(row)));
    }
  }
  return record.complete;
}

TEST(RandomDialogue, WhateverIsTypedTheRunEndsCleanly) {
  std::mt19937 random(1234);
  SessionRecord record;  // kept across runs, as the window keeps it
  int complete = 0;
  for (int i = 0; i < 3000 && !HasFailure(); ++i) {
    SCOPED_TRACE("script " + std::to_string(i));
    const auto script = i % 2 == 0 ? random_script(random) : spoiled_network(random);
    complete += check_one_run(script, record) ? 1 : 0;
  }
  EXPECT_GT(complete, 300);  // the spoiled networks reach the computation often enough
}

TEST(RandomDialogue, AbsurdNetworks) {
  // Sides that form no triangle, huge and tiny lengths, A equal to B, far-off coordinates.
  const std::vector<std::vector<std::string>> scripts{
      {"3",     "0", "",      "0", "",      "0", "",      "0", "",      "0",     "",
       "0",     "",  "0",     "",  "A",     "B", "C",     "D", "A",     "1e300", "",
       "1e300", "",  "1e300", "",  "1e300", "",  "1e300", "",  "1e300", ""},
      {"3",      "0", "",       "0", "",       "0", "",       "0", "",       "0",      "",
       "0",      "",  "0",      "",  "A",      "B", "C",      "D", "A",      "1e-300", "",
       "1e-300", "",  "1e-300", "",  "1e-300", "",  "1e-300", "",  "1e-300", ""},
      {"3", "1e300", "", "1e300", "", "-1e300", "", "-1e300", "", "1"},
      {"3", "5", "", "5", "", "5", "", "5", "", "", ""},
      {"3", "1e308", "",  "0", "", "0", "", "0", "", "1e308", "", "1e308", "", "A", "B",
       "C", "D",     "A", "1", "", "1", "", "1", "", "1",     "", "1",     "", "1", ""},
  };
  for (const auto& script : scripts) {
    SessionRecord record;
    check_one_run(script, record);
  }
}

}  // namespace
}  // namespace cp
