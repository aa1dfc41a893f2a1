// What the command line asks for, and what it refuses.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "command_line.h"
#include "guarded_main.h"

namespace cp {
namespace {

using Mode = CommandLine::Mode;

TEST(CommandLine, Modes) {
  EXPECT_EQ(read_command_line({}).mode, Mode::Window);
  const CommandLine replay = read_command_line({"n6.answers"});
  EXPECT_EQ(replay.mode, Mode::Window);
  EXPECT_EQ(replay.answers, "n6.answers");
  const CommandLine batch =
      read_command_line({"--pdf", "out.pdf", "--batch", "n6.answers", "--report", "out.txt"});
  EXPECT_EQ(batch.mode, Mode::Batch);
  EXPECT_EQ(batch.answers, "n6.answers");
  EXPECT_EQ(batch.pdf, "out.pdf");
  EXPECT_EQ(batch.report, "out.txt");
  EXPECT_EQ(read_command_line({"--batch", "a", "--help"}).mode, Mode::Help);
  EXPECT_EQ(read_command_line({"-h"}).mode, Mode::Help);
  EXPECT_EQ(read_command_line({"--version"}).mode, Mode::Version);
  const CommandLine judged = read_command_line({"--batch", "a", "--edm", "3+2", "--print"});
  ASSERT_TRUE(judged.edm);
  EXPECT_EQ(judged.edm->a, 3);
  EXPECT_EQ(judged.edm->b, 2);
  EXPECT_TRUE(judged.print);
  const CommandLine table = read_command_line({"--table", "n6.csv"});
  EXPECT_EQ(table.mode, Mode::Window);
  EXPECT_TRUE(table.table);
  EXPECT_EQ(table.answers, "n6.csv");
  EXPECT_TRUE(read_command_line({"--table"}).table);
  EXPECT_EQ(read_command_line({"--batch", "a", "--table"}).mode, Mode::Wrong);
  EXPECT_EQ(read_command_line({"--table", "--table"}).mode, Mode::Wrong);
  const CommandLine blank = read_command_line({"--template", "8", "blank.csv", "--outside"});
  EXPECT_EQ(blank.mode, Mode::Template);
  EXPECT_EQ(blank.template_n, 8);
  EXPECT_EQ(blank.template_m, Configuration::OutsideAzimuth);
  EXPECT_EQ(blank.template_path, "blank.csv");
  EXPECT_EQ(read_command_line({"--template", "3", "--m", "2", "b.csv"}).template_m,
            Configuration::BAtCentre);
  EXPECT_EQ(read_command_line({"--template", "3", "b.csv"}).template_m, Configuration::BOnRing);
}

TEST(CommandLine, WhatIsRefused) {
  struct Row {
    const char* name;
    std::vector<std::string> arguments;
    const char* says;
  };
  for (const Row& row : {
           Row{"unknown_option", {"--bach", "a"}, "--bach"},
           Row{"batch_without_file", {"--batch"}, "--batch"},
           Row{"two_files", {"a", "b"}, "b"},
           Row{"pdf_twice", {"--batch", "a", "--pdf", "x", "--pdf", "y"}, "--pdf"},
           Row{"pdf_without_batch", {"a", "--pdf", "x"}, "--pdf"},
           Row{"edm_without_batch", {"a", "--edm", "2+2"}, "--edm"},
           Row{"print_without_batch", {"--print"}, "--print"},
           Row{"edm_not_a_precision", {"--batch", "a", "--edm", "2mm"}, "2mm"},
           Row{"edm_without_value", {"--batch", "a", "--edm"}, "--edm"},
           Row{"template_of_two", {"--template", "2", "b.csv"}, "不是 2"},
           Row{"template_m_3", {"--template", "6", "--m", "3", "b.csv"}, "不是 3"},
           Row{"template_without_file", {"--template", "6"}, "--template"},
           Row{"template_two_configurations",
               {"--template", "6", "--m", "1", "--outside", "b"},
               "--outside"},
       }) {
    SCOPED_TRACE(row.name);
    const CommandLine line = read_command_line(row.arguments);
    EXPECT_EQ(line.mode, Mode::Wrong);
    EXPECT_NE(line.wrong.find(row.says), std::string::npos) << line.wrong;
  }
}

// Whatever escapes a program's body ends it with one line and status 2, never with a
// silent terminate: a standard exception with its own words, anything else as unknown.
TEST(GuardedMain, WhatEscapesIsSaidInOneLine) {
  std::vector<std::string> said;
  const auto say = [&](const std::string& text) { said.push_back(text); };
  EXPECT_EQ(guarded_main([] { return 3; }, say), 3);
  EXPECT_TRUE(said.empty());
  EXPECT_EQ(guarded_main([]() -> int { throw std::bad_alloc(); }, say), 2);
  EXPECT_EQ(guarded_main([]() -> int { throw 7; }, say), 2);
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[0], "central-polygon: 程序遇到意外错误（std::bad_alloc），已停止");
  EXPECT_EQ(said[1], "central-polygon: 程序遇到意外错误（原因不明），已停止");
}

}  // namespace
}  // namespace cp
