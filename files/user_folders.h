#pragma once

#include <optional>
#include <string>

// The program's folders in the user's home, as each system has them: its data (the
// journal) and its settings (the EDM precision).
namespace cp {

enum class UserFolder {
  Data,     // $XDG_DATA_HOME, or ~/.local/share; on Windows %LOCALAPPDATA%
  Settings  // $XDG_CONFIG_HOME, or ~/.config; on Windows %APPDATA%
};

// The program's folder "central-polygon" there, then `name` in it; nothing where the
// system gives no such home.
std::optional<std::string> user_path(UserFolder folder, const std::string& name);

}  // namespace cp
