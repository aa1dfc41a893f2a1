#include "edm_setting.h"

#include <filesystem>

#include "output_file.h"
#include "system_file.h"
#include "texts.h"
#include "user_folders.h"

namespace cp {

std::optional<std::string> edm_setting_path() { return user_path(UserFolder::Settings, "edm"); }

std::optional<EdmPrecision> remembered_edm() {
  const auto path = edm_setting_path();
  if (!path) return std::nullopt;
  std::string text;
  try {
    os::File file = os::File::open_for_reading(*path);
    char buffer[64];
    // A line of a few characters: anything longer is no precision.
    while (const std::size_t got = file.read(buffer, sizeof buffer)) {
      text.append(buffer, got);
      if (text.size() > sizeof buffer) return std::nullopt;
    }
  } catch (const os::Failure&) {
    return std::nullopt;
  }
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return read_edm_precision(text);
}

void remember_edm(const std::optional<EdmPrecision>& edm) {
  const auto path = edm_setting_path();
  if (!path) throw OutputError{std::string(text::kEdmSettingDefault), std::string(text::kNoHome)};
  std::error_code error;
  std::filesystem::create_directories(os::path_of(*path).parent_path(), error);
  if (error) throw OutputError{*path, error.message()};
  write_whole_file(*path, edm ? edm_precision_text(*edm) + "\n" : std::string());
}

}  // namespace cp
