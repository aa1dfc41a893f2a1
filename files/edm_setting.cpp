#include "edm_setting.h"

#include "setting_line.h"

namespace cp {
namespace {

constexpr const char* kEdmFile = "edm";

}  // namespace

RememberedEdm remembered_edm() {
  // A line of a few characters: anything longer is no precision.
  constexpr std::size_t kLongestSetting = 64;
  SettingLine setting = read_setting_line(kEdmFile, kLongestSetting);
  if (!setting.line) return {.edm = std::nullopt, .ignored = std::move(setting.ignored)};
  return {.edm = read_edm_precision(*setting.line), .ignored = std::nullopt};
}

void remember_edm(const std::optional<EdmPrecision>& edm) {
  write_setting_line(kEdmFile,
                     edm ? std::optional<std::string>(edm_precision_text(*edm)) : std::nullopt);
}

}  // namespace cp
