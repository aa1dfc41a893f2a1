// What the command line asks for, and what it refuses.
#include <gtest/gtest.h>

#include "command_line.h"

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
       }) {
    SCOPED_TRACE(row.name);
    const CommandLine line = read_command_line(row.arguments);
    EXPECT_EQ(line.mode, Mode::Wrong);
    EXPECT_NE(line.wrong.find(row.says), std::string::npos) << line.wrong;
  }
}

}  // namespace
}  // namespace cp
