// Answers files and the journal on real files in a scratch folder: line ends, byte-order
// marks and bad bytes; a journal written answer by answer; a run resumed from its journal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "answers_file.h"
#include "calculate.h"
#include "file_messages.h"
#include "journaling_prompt.h"
#include "output_file.h"
#include "replay_prompt.h"
#include "scripted_user.h"

namespace cp {
namespace {

namespace fs = std::filesystem;
using testing_support::ScriptedUser;

struct Scratch : ::testing::Test {
  fs::path folder;
  void SetUp() override {
    char pattern[] = "/tmp/answers-test-XXXXXX";
    folder = ::mkdtemp(pattern);
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
  }
  std::string file(const std::string& name, const std::string& contents) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary) << contents;
    return path.string();
  }
};

std::vector<std::string> all_answers(AnswersFile& answers) {
  std::vector<std::string> out;
  while (auto answer = answers.next()) out.push_back(*answer);
  return out;
}

using AnswersFileTest = Scratch;

TEST_F(AnswersFileTest, LineEndsAndTheByteOrderMark) {
  struct Row {
    const char* name;
    std::string contents;
    std::vector<std::string> answers;
  };
  for (const Row& row : {
           Row{"lf", "6\n\n1.5\n", {"6", "", "1.5"}},
           Row{"crlf", "6\r\n\r\n1.5\r\n", {"6", "", "1.5"}},
           Row{"no_final_newline", "6\n1.5", {"6", "1.5"}},
           Row{"bom",
               "\xEF\xBB\xBF"
               "6\n",
               {"6"}},
           Row{"bom_only_at_the_start",
               "6\n\xEF\xBB\xBF"
               "7\n",
               {"6",
                "\xEF\xBB\xBF"
                "7"}},
           Row{"empty_file", "", {}},
           Row{"only_newline", "\n", {""}},
           Row{"blanks_kept", " 0 \n", {" 0 "}},
       }) {
    SCOPED_TRACE(row.name);
    AnswersFile answers(file(row.name, row.contents));
    EXPECT_EQ(all_answers(answers), row.answers);
  }
}

TEST_F(AnswersFileTest, ALineThatIsNotTextIsRefusedWithItsLine) {
  struct Row {
    const char* name;
    std::string contents;
    AnswersFileError::Kind kind;
    long line;
  };
  const std::string too_long(AnswersFile::kLongestLine + 1, '7');
  for (const Row& row : {
           Row{"invalid_utf8", "6\n0\n\xC3\x28\n", AnswersFileError::Kind::InvalidUtf8, 3},
           Row{"nul", std::string("6\nA\0B\n", 6), AnswersFileError::Kind::NulByte, 2},
           Row{"too_long", "6\n" + too_long + "\n", AnswersFileError::Kind::LineTooLong, 2},
           Row{"too_long_unended", too_long, AnswersFileError::Kind::LineTooLong, 1},
       }) {
    SCOPED_TRACE(row.name);
    const std::string path = file(row.name, row.contents);
    AnswersFile answers(path);
    try {
      all_answers(answers);
      ADD_FAILURE() << "no error";
    } catch (const AnswersFileError& error) {
      EXPECT_EQ(error.kind, row.kind);
      EXPECT_EQ(error.line, row.line);
      const std::string message = answers_file_message(error);
      EXPECT_NE(message.find(path), std::string::npos) << message;
      EXPECT_NE(message.find(" " + std::to_string(row.line) + " 行"), std::string::npos) << message;
    }
  }
}

TEST_F(AnswersFileTest, WhatCannotBeOpenedSaysWhy) {
  try {
    AnswersFile answers((folder / "missing.answers").string());
    ADD_FAILURE() << "no error";
  } catch (const AnswersFileError& error) {
    EXPECT_EQ(error.kind, AnswersFileError::Kind::CannotOpen);
    EXPECT_EQ(error.reason, "No such file or directory");
  }
  try {
    AnswersFile answers(folder.string());
    ADD_FAILURE() << "no error";
  } catch (const AnswersFileError& error) {
    EXPECT_EQ(error.kind, AnswersFileError::Kind::NotAFile);
  }
}

TEST_F(AnswersFileTest, APipeThatStaysOpenIsNotWaitedFor) {
  const std::string fifo = (folder / "pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int writer_end = ::open(fifo.c_str(), O_RDWR);  // a writer that never finishes
  ASSERT_GE(writer_end, 0);
  ASSERT_EQ(::write(writer_end, "6\n7\n", 4), 4);
  AnswersFile answers(fifo);
  EXPECT_EQ(answers.next(), "6");
  EXPECT_TRUE(answers.more_at_once());
  EXPECT_EQ(answers.next(), "7");
  EXPECT_FALSE(answers.more_at_once()) << "nothing to read now is no reason to wait";
  ::close(writer_end);
}

using JournalTest = Scratch;

std::string contents_of(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(JournalTest, EachAnswerIsOnTheFileWhenItsPromptReturns) {
  const std::string runs = (folder / "runs").string();
  auto journal = std::make_unique<Journal>(runs, 1765191600);  // 2025-12-08 11:00:00 UTC
  const std::string path = journal->path();
  EXPECT_EQ(fs::path(path).parent_path(), runs);
  EXPECT_TRUE(path.ends_with(".answers"));
  ScriptedUser user({"6", "", "3511206.399", "", ""});
  {
    JournalingPrompt prompt(user, std::move(journal), [](const JournalError&) { FAIL(); });
    EXPECT_EQ(prompt.ask("N"), "6");
    EXPECT_EQ(contents_of(path), "6\n");
    // An empty answer is on the file once the dialogue asks again: it was accepted.
    prompt.ask("confirm");
    EXPECT_EQ(contents_of(path), "6\n");
    prompt.ask("Xa");
    EXPECT_EQ(contents_of(path), "6\n\n3511206.399\n");
    prompt.ask("confirm");
    prompt.keep_last_answer();
    EXPECT_EQ(contents_of(path), "6\n\n3511206.399\n\n");
    // An empty answer that ends the run is never written, whatever ends the program.
    prompt.ask("Ya");
  }
  EXPECT_EQ(contents_of(path), "6\n\n3511206.399\n\n");
}

TEST_F(JournalTest, NamesStayUniqueAndOnlyTheNewestAreKept) {
  const std::string runs = (folder / "runs").string();
  std::vector<std::string> paths;
  for (int i = 0; i < 3; ++i) paths.push_back(Journal(runs, 1765191600).path());
  EXPECT_NE(paths[0], paths[1]);
  EXPECT_NE(paths[1], paths[2]);
  EXPECT_TRUE(paths[1].ends_with("-2.answers"));
  std::ofstream(fs::path(runs) / "notes.txt") << "kept: not a journal";
  for (int i = 0; i < kJournalsKept; ++i) Journal(runs, 1765191601 + i);
  std::size_t journals = 0;
  for (const auto& entry : fs::directory_iterator(runs)) {
    if (entry.path().extension() == ".answers") ++journals;
  }
  EXPECT_EQ(journals, std::size_t(kJournalsKept));
  EXPECT_FALSE(fs::exists(paths[2])) << "the oldest go first, numbered ones in order";
  EXPECT_TRUE(fs::exists(fs::path(runs) / "notes.txt"));
}

// A wrong clock once named 250 journals in 2099 and dated them there too: the run in
// progress and the others of this program run stay, the oldest of the rest go, and a file
// that is not a journal is not touched.
TEST_F(JournalTest, JournalsFromTheFutureNeverPushOutThisRun) {
  const fs::path runs = folder / "runs";
  fs::create_directories(runs);
  const auto future = fs::file_time_type::clock::now() + std::chrono::hours(24 * 365 * 70);
  for (int i = 0; i < 250; ++i) {
    const fs::path path = runs / ("20990101-" + std::to_string(100000 + i) + ".answers");
    std::ofstream(path) << "6\n";
    fs::last_write_time(path, future + std::chrono::seconds(i));
  }
  std::ofstream(runs / "20990101-000000.answers.bak") << "not a journal";
  std::ofstream(runs / "notes.txt") << "not a journal";

  const std::string first = Journal(runs.string(), 1765191600).path();
  Journal second(runs.string(), 1765191601, {first});
  second.append("6");
  EXPECT_TRUE(fs::exists(first));
  EXPECT_EQ(contents_of(second.path()), "6\n");
  std::size_t journals = 0;
  for (const auto& entry : fs::directory_iterator(runs))
    journals += entry.path().extension() == ".answers";
  EXPECT_EQ(journals, std::size_t(kJournalsKept));
  EXPECT_FALSE(fs::exists(runs / "20990101-100051.answers")) << "the oldest of the others go";
  EXPECT_TRUE(fs::exists(runs / "20990101-100052.answers"));
  EXPECT_TRUE(fs::exists(runs / "20990101-000000.answers.bak"));
  EXPECT_TRUE(fs::exists(runs / "notes.txt"));
}

TEST_F(JournalTest, AFolderThatCannotBeWrittenIsNamed) {
  if (::geteuid() == 0) {
    // root writes anywhere: a file standing where the folder should be stops it too.
    std::ofstream(folder / "runs") << "";
  } else {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  }
  const std::string runs = (folder / "runs").string();
  try {
    Journal journal(runs, 0);
    ADD_FAILURE() << "no error";
  } catch (const JournalError& error) {
    EXPECT_EQ(error.folder, runs);
    EXPECT_NE(journal_message(error).find(runs), std::string::npos);
  }
}

// A run through the journal: the regular N = 3 figure oriented by Q2 = 30 from T0 = 0.
std::vector<std::string> regular_figure() {
  std::vector<std::string> a{"3", "0", "", "0", "", "0", "", "0", "", "0", "", "0", "", "30", ""};
  for (const char* name : {"A", "P1", "P2", "C", "A"}) a.push_back(name);
  for (int i = 0; i < 3; ++i) {
    for (const char* answer : {"57.73502691896258", "", "100", ""}) a.push_back(answer);
  }
  for (int k = 0; k < 5; ++k) a.push_back("");
  return a;
}

TEST_F(JournalTest, ARunEndedEarlyResumesFromItsJournalAtThePromptWhereItStopped) {
  const std::vector<std::string> whole = regular_figure();
  ScriptedUser straight(whole);
  Session expected;
  ASSERT_EQ(calculate(straight.ports(), expected), RunEnd::Complete);

  // The user presses Enter at the prompt of S(3): the run ends there.
  const std::size_t typed = 24;
  std::vector<std::string> first_try(whole.begin(), whole.begin() + typed);
  first_try.push_back("");
  ScriptedUser user(first_try);
  auto journal = std::make_unique<Journal>((folder / "runs").string(), 0);
  const std::string path = journal->path();
  JournalingPrompt prompt(user, std::move(journal), [](const JournalError&) { FAIL(); });
  Session session;
  ASSERT_EQ(calculate({prompt, user, user}, session), RunEnd::Ended);

  // Replayed, the journal answers every prompt up to S(3); the rest is typed by hand.
  AnswersFile replayed(path);
  ScriptedUser rest({whole.begin() + typed, whole.end()});
  ReplayPrompt replay(replayed, &rest, &rest);
  Session resumed;
  ASSERT_EQ(calculate({replay, rest, rest}, resumed), RunEnd::Complete);
  EXPECT_EQ(rest.prompts.front(), straight.prompts[typed]);
  EXPECT_EQ(rest.fields, straight.fields);
  EXPECT_EQ(resumed.record.X, expected.record.X);
  EXPECT_EQ(resumed.record.names, expected.record.names);
  EXPECT_EQ(replayed.line(), static_cast<long>(typed));
}

TEST(Session, AnEarlyEndLeavesTheLastCompleteCalculationPrintable) {
  ScriptedUser user(regular_figure());
  Session session;
  ASSERT_EQ(calculate(user.ports(), session), RunEnd::Complete);
  const std::vector<double> X = session.record.X;
  user.answers = {"4", ""};  // N = 4, then Enter at Xa
  user.next = 0;
  ASSERT_EQ(calculate(user.ports(), session), RunEnd::Ended);
  EXPECT_FALSE(session.record.complete);
  EXPECT_EQ(session.record.N, 4) << "the record is that of the last run";
  EXPECT_TRUE(session.last_complete.complete);
  EXPECT_EQ(session.last_complete.X, X);
}

using OutputFileTest = Scratch;

TEST_F(OutputFileTest, AFailedWriteLeavesTheOldFile) {
  const std::string path = file("report.txt", "old");
  {
    OutputFile out(path);
    out.write("new, but never committed");
  }
  EXPECT_EQ(contents_of(path), "old");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 1u) << "no temporary file is left behind";
  {
    OutputFile out(path);
    out.write("new");
    out.commit();
  }
  EXPECT_EQ(contents_of(path), "new");
  EXPECT_THROW(OutputFile((folder / "no" / "report.txt").string()), OutputError);
  EXPECT_THROW(OutputFile(folder.string()), OutputError);
}

}  // namespace
}  // namespace cp
