#include "desk_session.h"

#include <ctime>
#include <memory>
#include <optional>
#include <utility>

#include "answer_source.h"
#include "answers_file.h"
#include "csv.h"
#include "edm_setting.h"
#include "file_messages.h"
#include "fill.h"
#include "grade_setting.h"
#include "grade_table.h"
#include "journaling_prompt.h"
#include "number_input.h"
#include "output_file.h"
#include "polygon_sheet.h"
#include "replay_prompt.h"
#include "same_file.h"
#include "sheet_file.h"
#include "texts.h"

namespace cp {

DeskSession::DeskSession(ModalPrompt& by_hand, FieldText& fields, Message& message,
                         Question question)
    : by_hand_(by_hand), fields_(fields), message_(message), question_(std::move(question)) {
  RememberedEdm remembered = remembered_edm();
  edm_ = remembered.edm;
  grade_ = remembered_grade();
  start_note_ = std::move(remembered.ignored);
}

RunEnd DeskSession::calculate() { return run(nullptr); }

void DeskSession::new_sheet(FileChooser& chooser) {
  const std::string n_answer = by_hand_.ask(std::string(text::kAskSheetN));
  if (n_answer.empty()) return;
  const auto n = read_double(n_answer);
  if (!n || !whole_triangle_count(*n)) {
    message_.show(text::fill_in(text::kSheetNRefused, "{value}", n_answer));
    return;
  }
  const std::string m_answer = by_hand_.ask(std::string(text::kAskSheetM));
  if (m_answer.empty()) return;
  const auto m = read_double(m_answer);
  if (!m || (*m != 1 && *m != 2 && *m != 3)) {
    message_.show(text::fill_in(text::kSheetMRefused, "{value}", m_answer));
    return;
  }
  const auto path =
      chooser.save_path(std::string(text::kProgramTitle) + ".csv", text::kFilterSheet);
  if (!path || !may_replace(*path)) return;
  try {
    write_whole_file(*path, sheet_template(static_cast<int>(*n), static_cast<Configuration>(*m)));
  } catch (const OutputError& error) {
    message_.show(
        text::fill_in(text::kExportFailed, {{"{path}", *path}, {"{reason}", error.reason}}));
  }
}

void DeskSession::ask_edm_precision() {
  const std::string current = edm_ ? edm_precision_text(*edm_) : std::string(text::kEdmNone);
  const std::string answer = by_hand_.ask(text::fill_in(text::kAskEdm, "{current}", current));
  if (answer.empty()) return;
  std::optional<EdmPrecision> chosen = read_edm_precision(answer);
  if (!chosen) {
    const auto number = read_double(answer);
    if (!number || *number != 0) {
      message_.show(text::fill_in(text::kEdmRefused, "{value}", answer));
      return;
    }
  }
  edm_ = chosen;
  try {
    remember_edm(edm_);
  } catch (const OutputError& error) {
    message_.show(text::fill_in(text::kEdmNotRemembered,
                                {{"{path}", error.path}, {"{reason}", error.reason}}));
  }
}

std::vector<SurveyGrade> DeskSession::grade_table() {
  GradeTable table = grade_table_in_force();
  if (table.refused && !std::exchange(grade_table_refusal_told_, true))
    message_.show(text::fill_in(text::kGradeTableRefused, "{reason}", *table.refused));
  return std::move(table.grades);
}

void DeskSession::ask_grade() {
  const std::vector<SurveyGrade> table = grade_table();
  const std::string current = grade_ ? *grade_ : std::string(text::kEdmNone);
  const std::string answer = by_hand_.ask(
      text::fill_in(text::kAskGrade, {{"{names}", grade_names(table)}, {"{current}", current}}));
  const std::string name = csv::trimmed(answer);
  if (name.empty()) return;
  const auto number = read_double(name);
  if (number && *number == 0) {
    grade_.reset();
  } else if (grade_named(table, name)) {
    grade_ = name;
  } else {
    message_.show(
        text::fill_in(text::kGradeRefused, {{"{grade}", name}, {"{names}", grade_names(table)}}));
    return;
  }
  try {
    remember_grade(grade_);
  } catch (const OutputError& error) {
    message_.show(text::fill_in(text::kGradeNotRemembered,
                                {{"{path}", error.path}, {"{reason}", error.reason}}));
  }
}

std::optional<SurveyGrade> DeskSession::grade_of_run(const AnswerSource* answers) {
  const std::optional<std::string> sheet_grade = answers ? answers->grade() : std::nullopt;
  const std::optional<std::string>& name = sheet_grade ? sheet_grade : grade_;
  if (!name) return std::nullopt;
  if (!session_.record.edm) {
    if (!std::exchange(grade_without_edm_told_, true))
      message_.show(text::fill_in(text::kGradeWithoutEdmInWindow, "{grade}", *name));
    return std::nullopt;
  }
  const std::vector<SurveyGrade> table = grade_table();
  auto grade = grade_named(table, *name);
  if (!grade) {
    message_.show(text::fill_in(text::kGradeUnknownInWindow,
                                {{"{grade}", *name}, {"{names}", grade_names(table)}}));
  }
  return grade;
}

void DeskSession::replay(const std::string& path) {
  try {
    const std::unique_ptr<AnswerSource> answers = open_answers(path);
    replayed_.push_back(path);
    run(answers.get());
  } catch (const AnswersFileError& error) {
    message_.show(answers_file_message(error));
  }
}

RunEnd DeskSession::calculate_from(const std::string& name, PolygonSheet sheet) {
  SheetFile answers(name, std::move(sheet));
  return run(&answers);
}

bool DeskSession::may_replace(const std::string& path) {
  for (const auto& [kept, what] :
       {std::pair{&replayed_, text::kReplayedFile}, std::pair{&journals_, text::kJournalFile}}) {
    for (const std::string& input : *kept) {
      if (!same_file(path, input)) continue;
      return question_(text::fill_in(text::kReplaceInput, {{"{path}", path}, {"{what}", what}}));
    }
  }
  return true;
}

RunEnd DeskSession::run(AnswerSource* answers) {
  auto journal_failed = [this](const JournalError& error) {
    if (journal_failure_told_) return;
    journal_failure_told_ = true;
    message_.show(journal_message(error));
  };
  std::unique_ptr<Journal> journal;
  try {
    const auto folder = journal_folder();
    if (!folder)
      throw JournalError{std::string(text::kJournalFolderDefault), std::string(text::kNoHome)};
    journal = std::make_unique<Journal>(*folder, std::time(nullptr), journals_);
    journals_.push_back(journal->path());
  } catch (const JournalError& error) {
    journal_failed(error);
  }
  std::optional<ReplayPrompt> replayed;
  std::optional<ReplayMessage> replay_message;
  if (answers) {
    replayed.emplace(*answers, &by_hand_, &message_);
    replay_message.emplace(*answers, message_);
  }
  JournalingPrompt prompt(replayed ? static_cast<ModalPrompt&>(*replayed) : by_hand_,
                          std::move(journal), journal_failed,
                          [&replayed] { return replayed && replayed->from_source(); });
  Message& message = replay_message ? static_cast<Message&>(*replay_message) : message_;
  // A sheet's rows ma and mb win over the precision in force, for that run.
  const std::optional<EdmPrecision> sheet_edm = answers ? answers->edm() : std::nullopt;
  session_.record.edm = sheet_edm ? sheet_edm : edm_;
  session_.record.survey_grade = grade_of_run(answers);
  running_ = true;
  struct NotRunning {
    bool& running;
    ~NotRunning() { running = false; }
  } not_running{running_};
  const RunEnd end = cp::calculate({prompt, fields_, message}, session_);
  if (end != RunEnd::Ended) prompt.keep_last_answer();
  prompt.finish();
  return end;
}

}  // namespace cp
