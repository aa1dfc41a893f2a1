#include "unsaved_table.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "answers_file.h"
#include "journal.h"
#include "output_file.h"
#include "sheet_file.h"
#include "system_file.h"
#include "texts.h"

namespace cp {
namespace {

constexpr std::string_view kPrefix = "unsaved-table-";
constexpr std::string_view kSuffix = ".csv";

// The process number in a kept table's name, PID-START, or nothing for any other file.
std::optional<long> process_of(const std::string& name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
  const std::string middle =
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  const std::string digits = middle.substr(0, middle.find('-'));
  if (digits.empty() || digits.size() > 10 ||
      middle.find_first_not_of("0123456789-") != std::string::npos)
    return std::nullopt;
  return std::stol(digits);
}

}  // namespace

UnsavedTable::UnsavedTable() {
  if (const auto folder = journal_folder()) {
    path_ = os::utf8_of(
        os::path_of(*folder) /
        (std::string(kPrefix) + std::to_string(os::this_process()) + std::string(kSuffix)));
  }
}

void UnsavedTable::keep(const std::string& sheet) {
  if (!path_)
    throw OutputError(std::string(text::kJournalFolderDefault), std::string(text::kNoHome));
  std::error_code ignored;
  std::filesystem::create_directories(os::path_of(*path_).parent_path(), ignored);
  write_whole_file(*path_, sheet);
  kept_ = true;
}

void UnsavedTable::forget() noexcept {
  if (path_ && kept_) os::remove(*path_);
  kept_ = false;
}

std::optional<LeftTable> table_left_unsaved(const UnsavedTable& own) {
  const auto folder = journal_folder();
  if (!folder) return std::nullopt;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(os::path_of(*folder), error)) {
    const auto id = process_of(os::utf8_of(entry.path().filename()));
    const std::string path = os::utf8_of(entry.path());
    if (!id || path == own.path()) continue;
    if (*id != os::this_process() && os::process_running(*id)) continue;
    try {
      return LeftTable{path, read_sheet_file_text(path)};
    } catch (const AnswersFileError&) {
      continue;
    }
  }
  return std::nullopt;
}

}  // namespace cp
