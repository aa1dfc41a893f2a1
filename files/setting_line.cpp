#include "setting_line.h"

#include <filesystem>

#include "fill.h"
#include "output_file.h"
#include "system_file.h"
#include "texts.h"
#include "user_folders.h"

namespace cp {

SettingLine read_setting_line(const std::string& name, std::size_t longest) {
  const auto path = user_path(UserFolder::Settings, name);
  if (!path) return {};
  std::optional<std::string> text;
  try {
    text = os::read_setting_file(*path, longest);
  } catch (const os::Failure& failure) {
    return {.line = std::nullopt,
            .ignored = text::fill_in(text::kSettingIgnored,
                                     {{"{path}", *path}, {"{reason}", failure.reason}})};
  }
  if (!text) return {};
  while (!text->empty() && (text->back() == '\n' || text->back() == '\r')) text->pop_back();
  return {.line = std::move(text), .ignored = std::nullopt};
}

void write_setting_line(const std::string& name, const std::optional<std::string>& line) {
  const auto path = user_path(UserFolder::Settings, name);
  if (!path) {
    throw OutputError{std::string(text::kSettingsFolderDefault) + name, std::string(text::kNoHome)};
  }
  std::error_code error;
  std::filesystem::create_directories(os::path_of(*path).parent_path(), error);
  if (error) throw OutputError{*path, error.message()};
  write_whole_file(*path, line ? *line + "\n" : std::string());
}

}  // namespace cp
