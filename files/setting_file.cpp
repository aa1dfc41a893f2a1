#include <cerrno>
#include <cstring>

#include "system_file.h"

namespace cp::os {

std::optional<std::string> read_setting_file(const std::string& path, std::size_t largest) {
  std::optional<File> file = File::open_regular_without_waiting(path);
  if (!file) return std::nullopt;
  std::string contents;
  char buffer[4096];
  while (const std::size_t got = file->read(buffer, sizeof buffer)) {
    contents.append(buffer, got);
    if (contents.size() > largest) throw Failure{std::strerror(EFBIG)};
  }
  return contents;
}

}  // namespace cp::os
