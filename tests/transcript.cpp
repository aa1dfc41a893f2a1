// Drives the real Calculate command from a script of answers and writes everything the
// user would see, one event per line: the golden transcripts are made and checked with it.
//
// Input (stdin): one answer per line. Output (stdout): "=== calculate" at each run,
// "? prompt", "> answer", "Control=text", "! message", then "=== report" and
// "=== record", then "=== every point". The report and every point describe the last
// complete calculation, the record the last run, as far as it got. With
// `--edm A+B` every run judges its work by that EDM precision, and "=== grade check"
// follows; `--grade G` adds the verdict by that grade of the standard's table. Exits 3 when the
// answers ran out while a prompt waited, 2 for a wrong command line.
#include <iostream>
#ifdef _WIN32
// windows.h first: shellapi.h needs its declarations.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "wide_text.h"
#endif
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calculate.h"
#include "grade_check.h"
#include "guarded_main.h"
#include "layout.h"
#include "layout_table.h"
#include "record_dump.h"

namespace {

struct AnswersRanOut : std::runtime_error {
  AnswersRanOut() : std::runtime_error("answers ran out") {}
};

class ScriptedPrompt : public cp::ModalPrompt {
 public:
  std::string ask(const std::string& text) override {
    std::cout << "? " << text << '\n';
    std::string answer;
    if (!std::getline(std::cin, answer)) throw AnswersRanOut{};
    if (!answer.empty() && answer.back() == '\r') answer.pop_back();
    std::cout << "> " << answer << '\n';
    return answer;
  }
};

class PrintedFields : public cp::FieldText {
 public:
  // The field by its original control name (Text12=…), as checks outside read it.
  void set(cp::Field field, const std::string& text) override {
    std::cout << cp::control_of(field).name << '=' << text << '\n';
  }
};

class PrintedMessage : public cp::Message {
 public:
  void show(const std::string& text) override { std::cout << "! " << text << '\n'; }
};

// The arguments as typed, in UTF-8. On Windows argv holds them in the ANSI code page,
// which has no 四等: they are taken from the wide command line.
std::vector<std::string> arguments_of(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  int count = 0;
  wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(cp::utf8_of(words[i]));
  ::LocalFree(words);
  return arguments;
#else
  return {argv + 1, argv + argc};
#endif
}

bool answers_remain() { return std::cin.peek() != std::char_traits<char>::eof(); }

int transcript(const std::vector<std::string>& arguments) {
  std::optional<cp::EdmPrecision> edm;
  std::optional<cp::SurveyGrade> grade;
  const std::size_t given = arguments.size();
  if (given >= 2 && arguments[0] == "--edm") edm = cp::read_edm_precision(arguments[1]);
  if (given == 4 && arguments[2] == "--grade")
    grade = cp::grade_named(cp::standard_grades(), arguments[3]);
  if (!(given == 0 || (given == 2 && edm) || (given == 4 && edm && grade))) {
    std::cerr << "usage: transcript [--edm A+B [--grade G]] < answers\n";
    return 2;
  }
#ifdef _WIN32
  // The transcript is the same bytes on every system: no CR before each LF.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  ScriptedPrompt prompt;
  PrintedFields fields;
  PrintedMessage message;
  cp::Session session;
  session.record.edm = edm;
  session.record.survey_grade = grade;
  bool ran_out = false;
  do {
    std::cout << "=== calculate\n";
    try {
      cp::calculate({prompt, fields, message}, session);
    } catch (const AnswersRanOut&) {
      std::cout << "# answers ran out\n";
      ran_out = true;
    }
  } while (!ran_out && answers_remain());

  std::cout << "=== report\n";
  if (const auto rows = cp::report_rows(session.last_complete)) {
    for (const auto& row : *rows) std::cout << cp::row_text(row) << '\n';
  } else {
    std::cout << "! " << cp::report_refusal() << '\n';
  }
  std::cout << "=== record\n" << cp::record_dump(session.record);
  std::cout << "=== every point\n" << cp::every_point_dump(session.last_complete);
  if (edm) std::cout << "=== grade check\n" << cp::grade_check_dump(session.last_complete);
  std::cout.flush();
  return ran_out ? 3 : 0;
}
}  // namespace

int main(int argc, char** argv) {
  return cp::guarded_main([&] { return transcript(arguments_of(argc, argv)); },
                          [](const std::string& text) { std::cerr << text << '\n'; });
}
