#include "edm_setting.h"

#include <filesystem>

#include "fill.h"
#include "output_file.h"
#include "system_file.h"
#include "texts.h"
#include "user_folders.h"

namespace cp {

std::optional<std::string> edm_setting_path() { return user_path(UserFolder::Settings, "edm"); }

RememberedEdm remembered_edm() {
  // A line of a few characters: anything longer is no precision.
  constexpr std::size_t kLongestSetting = 64;
  const auto path = edm_setting_path();
  if (!path) return {};
  std::optional<std::string> text;
  try {
    text = os::read_setting_file(*path, kLongestSetting);
  } catch (const os::Failure& failure) {
    return {.edm = std::nullopt,
            .ignored = text::fill_in(text::kSettingIgnored,
                                     {{"{path}", *path}, {"{reason}", failure.reason}})};
  }
  if (!text) return {};
  while (!text->empty() && (text->back() == '\n' || text->back() == '\r')) text->pop_back();
  return {.edm = read_edm_precision(*text), .ignored = std::nullopt};
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
