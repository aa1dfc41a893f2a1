#include "batch_run.h"

#include <optional>
#include <string>

#include "answers_file.h"
#include "calculate.h"
#include "document.h"
#include "file_messages.h"
#include "fill.h"
#include "layout.h"
#include "output_file.h"
#include "replay_prompt.h"
#include "same_file.h"
#include "texts.h"

namespace cp {
namespace {

// "FILE:LINE: text", as compilers and other tools of the command line say where.
std::string at_line(const std::string& path, long line, std::string_view text) {
  return path + ":" + std::to_string(line) + ": " + std::string(text);
}

// Messages go to the error stream with the line of the answer they concern.
class LineMessage : public Message {
 public:
  LineMessage(const AnswersFile& file, std::ostream& err) : file_(file), err_(err) {}
  void show(const std::string& text) override {
    err_ << at_line(file_.path(), file_.line(), text) << '\n';
  }

 private:
  const AnswersFile& file_;
  std::ostream& err_;
};

class NoWindow : public FieldText {
 public:
  void set(std::string_view, const std::string&) override {}
};

std::string output_message(const OutputError& error) {
  return text::fill_in(text::kOutputCannotWrite,
                       {{"{path}", error.path}, {"{reason}", error.reason}});
}

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
      return text::fill_in(text::kOutputIsInput,
                           {{"{option}", option}, {"{path}", path}, {"{input}", *line.answers}});
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

}  // namespace

int run_batch(const CommandLine& line, const PdfWriter& write_pdf, std::ostream& out,
              std::ostream& err) {
  if (const auto clash = clashing_output(line)) {
    err << *clash << '\n';
    return kBatchFileError;
  }
  try {
    // The outputs are tried before the calculation, so that a wrong path costs no run.
    for (const auto& output : line.outputs()) OutputFile probe(output.path);
    AnswersFile file(*line.answers);
    ReplayPrompt prompt(file, nullptr, nullptr);
    LineMessage message(file, err);
    NoWindow fields;
    Session session;
    try {
      if (calculate({prompt, fields, message}, session) != RunEnd::Complete) {
        return kBatchEndedEarly;
      }
    } catch (const AnswersRanOut& ran_out) {
      err << at_line(file.path(), file.line() + 1,
                     text::fill_in(text::kAnswersRanOut, "{prompt}", ran_out.prompt))
          << '\n';
      return kBatchEndedEarly;
    }
    if (file.more_at_once()) err << at_line(file.path(), file.line() + 1, text::kLinesLeft) << '\n';

    const auto document = report_document(session.last_complete);
    const auto& rows = document->rows;
    if (line.report) {
      OutputFile report(*line.report);
      report.write(report_text(rows));
      report.commit();
    } else {
      out << report_text(rows);
      out.flush();
    }
    if (line.pdf) {
      const PrintOutcome written = write_pdf(*document, *line.pdf);
      if (!written.done) {
        err << output_message({*line.pdf, written.detail}) << '\n';
        return kBatchFileError;
      }
    }
    return kBatchComplete;
  } catch (const AnswersFileError& error) {
    err << answers_file_message(error) << '\n';
  } catch (const OutputError& error) {
    err << output_message(error) << '\n';
  }
  return kBatchFileError;
}

}  // namespace cp
