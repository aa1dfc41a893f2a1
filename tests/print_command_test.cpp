// The print rules against a scripted printer: what is refused, where the report goes,
// and what the user is told.
#include <gtest/gtest.h>

#include "layout.h"
#include "print_command.h"
#include "scripted_user.h"
#include "texts.h"

namespace cp {
namespace {

// A printer whose answers the test sets, and which keeps what it was given.
struct ScriptedPrinter : Printer {
  std::optional<std::string> printer;
  std::optional<std::string> chosen_path;
  PrintOutcome outcome{.done = true};

  int printed = 0;
  std::string printed_on;
  std::vector<std::string> offered_names;
  std::vector<std::string> written_paths;
  std::size_t rows = 0;

  std::optional<std::string> default_printer() override { return printer; }
  PrintOutcome print(const ReportDocument& report, const std::string& name) override {
    ++printed;
    printed_on = name;
    rows = report.rows.size();
    return outcome;
  }
  std::optional<std::string> choose_pdf_path(std::string_view suggested) override {
    offered_names.emplace_back(suggested);
    return chosen_path;
  }
  PrintOutcome write_pdf(const ReportDocument& report, const std::string& path) override {
    written_paths.push_back(path);
    rows = report.rows.size();
    return outcome;
  }
};

SessionRecord complete_record() {
  SessionRecord record;
  record.N = 3;
  size_session_record(record, record.N);
  record.L = record.N;
  record.complete = true;
  return record;
}

struct PrintCommand : ::testing::Test {
  ScriptedPrinter printer;
  testing_support::ScriptedUser user{{}};
  void print(const SessionRecord& record) { print_report(record, printer, user); }
};

TEST_F(PrintCommand, RefusesBeforeACompleteCalculation) {
  printer.printer = "office";
  print(SessionRecord{});
  EXPECT_EQ(printer.printed, 0);
  EXPECT_TRUE(printer.offered_names.empty());
  EXPECT_EQ(user.messages, std::vector<std::string>{report_refusal()});
}

TEST_F(PrintCommand, GoesToTheDefaultPrinterWhereThereIsOne) {
  printer.printer = "office";
  const SessionRecord record = complete_record();
  print(record);
  EXPECT_EQ(printer.printed, 1);
  EXPECT_EQ(printer.printed_on, "office");
  EXPECT_EQ(printer.rows, report_rows(record)->size());
  EXPECT_TRUE(printer.offered_names.empty()) << "no save dialog beside a printer";
  EXPECT_TRUE(user.messages.empty());
}

TEST_F(PrintCommand, APrinterFailureIsSaid) {
  printer.printer = "office";
  printer.outcome = {.done = false, .detail = "not accepting jobs"};
  print(complete_record());
  EXPECT_EQ(user.messages,
            std::vector<std::string>{"打印机 office 未能打印报告：not accepting jobs"});
}

TEST_F(PrintCommand, WithoutAPrinterOffersAPdfFile) {
  printer.chosen_path = "/tmp/report.pdf";
  print(complete_record());
  EXPECT_EQ(printer.offered_names, std::vector<std::string>{std::string(text::kPdfFileName)});
  EXPECT_EQ(printer.written_paths, std::vector<std::string>{"/tmp/report.pdf"});
  EXPECT_TRUE(user.messages.empty());
}

TEST_F(PrintCommand, ADeclinedSaveDialogWritesNothingAndSaysNothing) {
  print(complete_record());
  EXPECT_EQ(printer.offered_names.size(), 1u);
  EXPECT_TRUE(printer.written_paths.empty());
  EXPECT_TRUE(user.messages.empty());
}

TEST_F(PrintCommand, AFileNotToLoseIsWrittenOverOnlyWhenTheUserSaysSo) {
  printer.chosen_path = "/home/surveyor/polygon.answers";
  std::vector<std::string> asked;
  bool yes = false;
  const MayReplace may_replace = [&](const std::string& path) {
    asked.push_back(path);
    return yes;
  };
  print_report(complete_record(), printer, user, may_replace);
  EXPECT_EQ(asked, std::vector<std::string>{"/home/surveyor/polygon.answers"});
  EXPECT_TRUE(printer.written_paths.empty()) << "the user said no";
  yes = true;
  print_report(complete_record(), printer, user, may_replace);
  EXPECT_EQ(printer.written_paths, std::vector<std::string>{"/home/surveyor/polygon.answers"});
}

TEST_F(PrintCommand, AFailedPdfWriteIsSaid) {
  printer.chosen_path = "/nowhere/report.pdf";
  printer.outcome = {.done = false, .detail = "No such file or directory"};
  print(complete_record());
  EXPECT_EQ(user.messages,
            std::vector<std::string>{
                "报告无法写入 PDF 文件 /nowhere/report.pdf：No such file or directory"});
}

}  // namespace
}  // namespace cp
