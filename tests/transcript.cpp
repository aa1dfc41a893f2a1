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
#include <fcntl.h>
#include <io.h>
#endif
#include <optional>
#include <stdexcept>
#include <string>

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

bool answers_remain() { return std::cin.peek() != std::char_traits<char>::eof(); }

int transcript(int argc, char** argv) {
  std::optional<cp::EdmPrecision> edm;
  std::optional<cp::SurveyGrade> grade;
  if (argc >= 3 && std::string(argv[1]) == "--edm") edm = cp::read_edm_precision(argv[2]);
  if (argc == 5 && std::string(argv[3]) == "--grade")
    grade = cp::grade_named(cp::standard_grades(), argv[4]);
  if (!(argc == 1 || (argc == 3 && edm) || (argc == 5 && edm && grade))) {
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
  return cp::guarded_main([&] { return transcript(argc, argv); },
                          [](const std::string& text) { std::cerr << text << '\n'; });
}
