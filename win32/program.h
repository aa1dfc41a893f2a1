#pragma once

#include <optional>
#include <string>
#include <vector>

// What both Windows programs share: the command line in UTF-8, and everything of it that
// needs no window (batch runs, --template, --help, --version), with its exit status.
namespace cp {

// The arguments after the program's name, read in UTF-16 from the system and handed on
// as UTF-8, so that file names in Chinese work.
std::vector<std::string> program_arguments();

// Runs what needs no window, writing UTF-8 to the console byte for byte as the Linux
// program does; nothing where the window is asked for.
std::optional<int> run_in_console(const std::vector<std::string>& arguments);

}  // namespace cp
