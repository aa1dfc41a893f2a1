#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calculate.h"
#include "polygon_sheet.h"
#include "ports.h"
#include "session.h"

// What a window does around the dialogue, on every system: it keeps the session, keeps
// every answer of a run in the journal, replays an answers file or a sheet and then
// lets the user carry on by hand, and knows the files the user may not want to lose.
namespace cp {

class DeskSession {
 public:
  // Asks whether a file the user may not want to lose is to be written over; yes or no.
  using Question = std::function<bool(const std::string& text)>;

  // The EDM precision remembered from the last program run is in force from the start.
  DeskSession(ModalPrompt& by_hand, FieldText& fields, Message& message, Question question);

  // A calculation typed by hand.
  RunEnd calculate();
  // A calculation answered from the file (answers file or sheet), then by hand once it
  // runs out; a file that cannot be read is said and nothing runs.
  void replay(const std::string& path);
  // A calculation answered from a sheet already read, the data table's, named in its
  // messages by `name`.
  RunEnd calculate_from(const std::string& name, PolygonSheet sheet);

  // Whether the chosen file may be written over: asked where it is an answers file
  // replayed or a journal written in this program run.
  bool may_replace(const std::string& path);

  // A blank sheet: asks N and the configuration through the prompt, then where to save
  // it through the chooser. An empty answer or no file chosen makes none.
  void new_sheet(FileChooser& chooser);

  // Asks the EDM precision through the prompt, showing the one in force: a new one is
  // remembered for the next program run too, 0 forgets it, an empty answer keeps it.
  // Each calculation judges its work by it, unless a sheet's rows give their own.
  void ask_edm_precision();
  const std::optional<EdmPrecision>& edm() const { return edm_; }

  // Asks the grade to judge the work by, listing the table's grades and showing the one
  // in force: remembered like the EDM precision, 0 forgets it, an empty answer keeps it.
  // A sheet's row 等级 wins for its run. A grade needs the EDM precision: a calculation
  // without one says so, once a program run.
  void ask_grade();
  const std::optional<std::string>& grade() const { return grade_; }

  // What the desk has to say once the window is shown, once: a remembered setting whose
  // file was ignored.
  std::optional<std::string> take_start_note() { return std::exchange(start_note_, std::nullopt); }

  const Session& session() const { return session_; }
  const std::vector<std::string>& journals() const { return journals_; }
  bool running() const { return running_; }

 private:
  RunEnd run(class AnswerSource* answers);
  // The grades in force, the office's refused table said once a program run.
  std::vector<SurveyGrade> grade_table();
  // The grade a run is judged by: the sheet's or the one in force, where it can be.
  std::optional<SurveyGrade> grade_of_run(const class AnswerSource* answers);

  ModalPrompt& by_hand_;
  FieldText& fields_;
  Message& message_;
  Question question_;
  Session session_;
  std::optional<EdmPrecision> edm_;
  std::optional<std::string> grade_;
  std::optional<std::string> start_note_;
  bool grade_without_edm_told_ = false;  // said once a program run
  bool grade_table_refusal_told_ = false;
  bool running_ = false;
  bool journal_failure_told_ = false;  // the journal's failure is said once a program run
  std::vector<std::string> journals_;  // written by this program run, never pruned
  std::vector<std::string> replayed_;  // answers files and sheets replayed in it
};

}  // namespace cp
