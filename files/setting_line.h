#pragma once

#include <cstddef>
#include <optional>
#include <string>

// A setting the window remembers from one program run to the next: one line in a file of
// the program's settings folder ($XDG_CONFIG_HOME/central-polygon, by default
// ~/.config/central-polygon; on Windows %APPDATA%\central-polygon).
namespace cp {

// The file's line, its line ends taken off: nothing where no settings folder is known or
// the file is not there, and why the file was ignored where it is no regular file of at
// most `longest` bytes (a pipe, a device) or cannot be read.
struct SettingLine {
  std::optional<std::string> line;
  std::optional<std::string> ignored;  // the message saying so
};
SettingLine read_setting_line(const std::string& name, std::size_t longest);

// Writes the line, or empties the file (nothing): whole or not at all, the settings folder
// made where it is missing. Throws OutputError.
void write_setting_line(const std::string& name, const std::optional<std::string>& line);

}  // namespace cp
