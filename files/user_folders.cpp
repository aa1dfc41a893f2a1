#include "user_folders.h"

#include "system_file.h"

namespace cp {

std::optional<std::string> user_path(UserFolder folder, const std::string& name) {
#ifdef _WIN32
  const auto home = os::environment(folder == UserFolder::Data ? "LOCALAPPDATA" : "APPDATA");
  if (home) return *home + "\\central-polygon\\" + name;
  return std::nullopt;
#else
  const bool data = folder == UserFolder::Data;
  const auto xdg = os::environment(data ? "XDG_DATA_HOME" : "XDG_CONFIG_HOME");
  // A relative XDG folder does not count: the freedesktop.org base-directory rules say
  // to ignore it.
  if (xdg && xdg->front() == '/') return *xdg + "/central-polygon/" + name;
  if (const auto home = os::environment("HOME"))
    return *home + (data ? "/.local/share" : "/.config") + "/central-polygon/" + name;
  return std::nullopt;
#endif
}

}  // namespace cp
