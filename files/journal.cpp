#include "journal.h"

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <vector>

#include "user_folders.h"

namespace cp {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSuffix = ".answers";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

std::string stamp(std::time_t start) {
  const std::tm local = os::local_time(start);
  char text[kStampLength + 1];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

// A journal's place in time: its stamp, then its number among journals of that second
// (1 for the unnumbered first).
std::optional<std::pair<std::string, long>> order_of(const std::string& name) {
  if (name.size() < kStampLength + kSuffix.size() || !name.ends_with(kSuffix)) return std::nullopt;
  const std::string stem = name.substr(0, name.size() - kSuffix.size());
  const std::string stamp_part = stem.substr(0, kStampLength);
  for (std::size_t i = 0; i < kStampLength; ++i) {
    const bool digit = stamp_part[i] >= '0' && stamp_part[i] <= '9';
    if (i == 8 ? stamp_part[i] != '-' : !digit) return std::nullopt;
  }
  if (stem.size() == kStampLength) return std::pair{stamp_part, 1L};
  const std::string number = stem.substr(kStampLength);
  if (number.size() < 2 || number[0] != '-') return std::nullopt;
  if (!std::all_of(number.begin() + 1, number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return std::pair{stamp_part, std::strtol(number.c_str() + 1, nullptr, 10)};
}

// Deletes all but the newest journals of the folder, by their files' modification time
// and then by name. The journals in `keep` (the run in progress and the others of this
// program run) are never deleted and count among those kept, so a folder of journals
// named or dated in the future by a wrong clock cannot push out today's work. Files that
// are not journals are not touched.
void keep_newest(const std::string& folder, const std::vector<std::string>& keep) {
  struct Candidate {
    fs::file_time_type modified;
    std::pair<std::string, long> order;
    fs::path path;
  };
  std::vector<Candidate> others;
  std::size_t kept = 0;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(os::path_of(folder), error)) {
    const auto order = order_of(os::utf8_of(entry.path().filename()));
    if (!order || !entry.is_regular_file(error)) continue;
    const bool ours = std::any_of(keep.begin(), keep.end(), [&](const std::string& path) {
      return fs::equivalent(entry.path(), os::path_of(path), error);
    });
    if (ours) {
      ++kept;
      continue;
    }
    others.push_back({entry.last_write_time(error), *order, entry.path()});
  }
  const auto room =
      static_cast<std::size_t>(kJournalsKept) - std::min(kept, std::size_t{kJournalsKept});
  if (others.size() <= room) return;
  std::sort(others.begin(), others.end(), [](const Candidate& a, const Candidate& b) {
    return std::tie(a.modified, a.order) < std::tie(b.modified, b.order);
  });
  const auto old = others.size() - room;
  for (std::size_t i = 0; i < old; ++i) fs::remove(others[i].path, error);
}

}  // namespace

std::optional<std::string> journal_folder() { return user_path(UserFolder::Data, "runs"); }

Journal::Journal(const std::string& folder, std::time_t start,
                 const std::vector<std::string>& earlier)
    : folder_(folder) {
  std::error_code error;
  fs::create_directories(os::path_of(folder_), error);
  if (error) throw JournalError{folder_, error.message()};
  const std::string base = folder_ + "/" + stamp(start);
  try {
    for (int number = 1; !file_; ++number) {
      path_ = base + (number == 1 ? "" : "-" + std::to_string(number)) + std::string(kSuffix);
      file_ = os::File::create_new(path_);
    }
  } catch (const os::Failure& failure) {
    throw JournalError{folder_, failure.reason};
  }
  // The new file's name is on the disk too, not only its contents.
  os::sync_folder(folder_);
  std::vector<std::string> keep = earlier;
  keep.push_back(path_);
  keep_newest(folder_, keep);
}

void Journal::append(std::string_view answer, bool wait_for_disk) {
  std::string line(answer);
  line += '\n';
  guarded([&] { file_->write(line); });
  unsynced_ = true;
  if (wait_for_disk) sync();
}

void Journal::sync() {
  if (!unsynced_) return;
  guarded([&] { file_->sync(); });
  unsynced_ = false;
}

void Journal::guarded(const std::function<void()>& write) const {
  try {
    write();
  } catch (const os::Failure& failure) {
    throw JournalError{folder_, failure.reason};
  }
}

}  // namespace cp
