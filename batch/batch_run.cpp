#include "batch_run.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "answers_file.h"
#include "calculate.h"
#include "document.h"
#include "exchange_error.h"
#include "exports.h"
#include "file_messages.h"
#include "fill.h"
#include "grade_setting.h"
#include "grade_table.h"
#include "interruption.h"
#include "layout.h"
#include "output_file.h"
#include "polygon_sheet.h"
#include "replay_prompt.h"
#include "same_file.h"
#include "system_file.h"
#include "texts.h"
#include "utf8.h"

namespace cp {
namespace {

// Every message of the command line is one line on the error stream; bytes that are not
// UTF-8 (from an argument or a path) are shown as \xNN.
void say(std::ostream& err, const std::string& text) { err << escaped_utf8(text) << '\n'; }

// Messages go to the error stream with the line of the answer they concern. A sheet
// holds each value once: a value refused has no correction after it, so its answers
// end there, and the run with them.
class LineMessage : public Message {
 public:
  LineMessage(AnswerSource& source, std::ostream& err) : source_(source), err_(err) {}
  void show(const std::string& text) override { said(source_.where(), text); }
  void show_about_side(const std::string& text, int side) override {
    said(source_.where_of_side(side), text);
  }
  // The answers ended on a refused value of a sheet, which its message has said.
  bool stopped() const { return stopped_; }

 private:
  void said(const std::string& where, const std::string& text) {
    say(err_, where + ": " + text);
    if (source_.holds_each_value_once()) {
      source_.stop();
      stopped_ = true;
    }
  }

  AnswerSource& source_;
  std::ostream& err_;
  bool stopped_ = false;
};

class NoWindow : public FieldText {
 public:
  void set(Field, const std::string&) override {}
};

std::string output_message(const OutputError& error) {
  return text::fill_in(text::kOutputCannotWrite,
                       {{"{path}", error.path}, {"{reason}", error.reason}});
}

// The system's reason for the last failed write, or a general one where it gave none.
std::string write_failure_reason(int error) {
  return error != 0 ? std::strerror(error) : std::string(text::kWriteFailed);
}

// The report on standard output, every byte of it or an OutputError with the system's
// reason: a full disk, a closed stream, a file size limit.
void write_standard_output(std::ostream& out, const std::string& text) {
  errno = 0;
  out << text;
  out.flush();
  if (!out) throw OutputError{std::string(text::kStandardOutput), write_failure_reason(errno)};
}

// The report as text: its rows, then the grade check where there is one.
std::string report_text(const std::vector<ReportRow>& rows) {
  std::string out;
  for (const ReportRow& row : rows) out += row_text(row) + '\n';
  return out;
}

// An output that is the answers file, or another output, would destroy it: said before
// anything is written.
std::optional<std::string> clashing_output(const CommandLine& line) {
  const auto outputs = line.outputs();
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const auto& [option, path] = outputs[i];
    if (same_file(path, *line.answers)) {
      return text::fill_in(
          text::kOutputIsInput,
          {{"{option}", option},
           {"{path}", path},
           {"{file}", reads_as_sheet(*line.answers) ? text::kSheetNoun : text::kAnswersFileNoun},
           {"{input}", *line.answers}});
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (same_file(path, outputs[j].path)) {
        return text::fill_in(text::kOutputsClash, {{"{option}", outputs[j].option},
                                                   {"{path}", outputs[j].path},
                                                   {"{other_option}", option},
                                                   {"{other}", path}});
      }
    }
  }
  return std::nullopt;
}

// The exports of the command line that the record can give: the sheet from any run,
// the others from a complete calculation. A format that cannot hold the data refuses
// here, before any file is written.
void add_exports(OutputSet& outputs, const CommandLine& line, const SessionRecord& run,
                 const SessionRecord& complete) {
  for (const auto& [kind, path] : line.exports) {
    const bool from_complete = export_format(kind).needs_complete;
    if (from_complete && !complete.complete) continue;
    try {
      outputs.add(path, export_bytes(kind, from_complete ? complete : run));
    } catch (const ExchangeError& error) {
      throw OutputError{path, error.message};
    }
  }
}

// The grade a batch run is judged by: from the office's table where there is one, else
// the standard's; nothing, and why, where no EDM precision is given, the office's table
// is refused or it has no grade of that name.
struct GradeChoice {
  std::optional<SurveyGrade> grade;
  std::string refused;
};
GradeChoice grade_to_judge_by(const std::string& name, const std::optional<EdmPrecision>& edm) {
  if (!edm) return {std::nullopt, text::fill_in(text::kGradeWithoutEdm, "{grade}", name)};
  const GradeTable table = grade_table_in_force();
  if (table.refused) return {std::nullopt, *table.refused};
  if (auto grade = grade_named(table.grades, name)) return {std::move(grade), {}};
  return {std::nullopt, text::fill_in(text::kGradeUnknown,
                                      {{"{grade}", name}, {"{names}", grade_names(table.grades)}})};
}

// The calculation answered from the source, every message on `err` at its line.
RunEnd calculate_from(AnswerSource& source, Session& session, std::ostream& err) {
  ReplayPrompt prompt(source, nullptr, nullptr);
  LineMessage message(source, err);
  NoWindow fields;
  try {
    return calculate({prompt, fields, message}, session);
  } catch (const AnswersRanOut& ran_out) {
    if (!message.stopped()) {
      say(err, source.where_next() + ": " +
                   text::fill_in(text::kAnswersRanOut, "{prompt}", ran_out.prompt));
    }
  }
  return RunEnd::Ended;
}

}  // namespace

int run_batch(const CommandLine& line, const ReportDevices& devices, std::ostream& out,
              std::ostream& err) {
  if (const auto clash = clashing_output(line)) {
    say(err, *clash);
    return kBatchFileError;
  }
  try {
    // The outputs are tried before the calculation, so that a wrong path costs no run.
    for (const auto& output : line.outputs()) OutputFile probe(output.path);
    const std::unique_ptr<AnswerSource> source = open_answers(*line.answers);
    Session session;
    // The precision and the grade on the command line win over the sheet's rows.
    session.record.edm = line.edm ? line.edm : source->edm();
    if (const auto grade = line.grade ? line.grade : source->grade()) {
      const auto judged_by = grade_to_judge_by(*grade, session.record.edm);
      if (!judged_by.grade) {
        say(err, judged_by.refused);
        return kBatchFileError;
      }
      session.record.survey_grade = judged_by.grade;
    }
    const RunEnd end = calculate_from(*source, session, err);
    // The sheet keeps what was entered, whether or not the run completed.
    OutputSet outputs;
    add_exports(outputs, line, session.record, session.last_complete);
    if (end != RunEnd::Complete) {
      outputs.commit();
      return kBatchEndedEarly;
    }
    if (source->more_at_once())
      say(err, source->where_next() + ": " + std::string(text::kLinesLeft));

    // The drawing and its names are made only for a run that puts pages out.
    const std::string report = report_text(*report_text_rows(session.last_complete));
    std::optional<ReportDocument> document;
    if (line.pdf || line.print) document = report_document(session.last_complete);
    if (line.report) outputs.add(*line.report, report);
    if (line.pdf) {
      PdfBytes pdf = devices.render_pdf(*document);
      if (!pdf.failure.empty()) throw OutputError{*line.pdf, pdf.failure};
      outputs.add(*line.pdf, std::move(pdf.bytes));
    }
    outputs.commit();
    if (!line.report) write_standard_output(out, report);
    if (line.print) {
      const PrintOutcome printed = devices.print(*document);
      if (!printed.done) {
        say(err, printed.detail);
        return kBatchFileError;
      }
    }
    const auto& grade = session.last_complete.grade;
    const bool fails = grade && (!grade->pass || (grade->verdict && !grade->verdict->conforms()));
    return fails ? kBatchBeyondLimit : kBatchComplete;
  } catch (const AnswersFileError& error) {
    say(err, answers_file_message(error));
  } catch (const OutputError& error) {
    say(err, output_message(error));
  }
  return kBatchFileError;
}

std::optional<int> run_without_window(const CommandLine& line, std::string_view version,
                                      const ReportDevices& devices, std::ostream& out,
                                      std::ostream& err) {
  try {
    switch (line.mode) {
      case CommandLine::Mode::Help:
        write_standard_output(out, std::string(text::kUsage));
        return kBatchComplete;
      case CommandLine::Mode::Version:
        write_standard_output(out, "central-polygon " + std::string(version) + "\n");
        return kBatchComplete;
      case CommandLine::Mode::Wrong:
        say(err, "central-polygon: " + line.wrong);
        say(err, std::string(text::kTryHelp));
        return kBatchFileError;
      case CommandLine::Mode::Batch: return run_batch(line, devices, out, err);
      case CommandLine::Mode::Template:
        write_whole_file(line.template_path, sheet_template(line.template_n, line.template_m));
        return kBatchComplete;
      case CommandLine::Mode::Window: break;
    }
  } catch (const OutputError& error) {
    say(err, output_message(error));
    return kBatchFileError;
  }
  return std::nullopt;
}

void prepare_for_outputs() noexcept {
  os::take_file_size_limit_as_write_failure();
  os::hold_closed_standard_streams();
  os::remove_temporaries_on_interruption();
}

int close_standard_output(int status) {
  const auto failure = os::close_standard_output();
  if (!failure || status == kBatchFileError) return status;
  say(std::cerr, output_message({std::string(text::kStandardOutput), *failure}));
  return kBatchFileError;
}

}  // namespace cp
