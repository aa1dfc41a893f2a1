#include "journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <tuple>
#include <vector>

namespace cp {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSuffix = ".answers";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

std::string stamp(std::time_t start) {
  std::tm local{};
  localtime_r(&start, &local);
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
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const auto order = order_of(entry.path().filename().string());
    if (!order || !entry.is_regular_file(error)) continue;
    const bool ours = std::any_of(keep.begin(), keep.end(), [&](const std::string& path) {
      return fs::equivalent(entry.path(), path, error);
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

std::optional<std::string> journal_folder() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  if (data_home && *data_home == '/') return std::string(data_home) + "/central-polygon/runs";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.local/share/central-polygon/runs";
  return std::nullopt;
}

Journal::Journal(const std::string& folder, std::time_t start,
                 const std::vector<std::string>& earlier)
    : folder_(folder) {
  std::error_code error;
  fs::create_directories(folder_, error);
  if (error) throw JournalError{folder_, error.message()};
  const std::string base = folder_ + "/" + stamp(start);
  for (int number = 1; fd_ < 0; ++number) {
    path_ = base + (number == 1 ? "" : "-" + std::to_string(number)) + std::string(kSuffix);
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0 && errno != EEXIST) fail(errno);
  }
  // The new file's name is on the disk too, not only its contents.
  const int directory = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    ::fsync(directory);
    ::close(directory);
  }
  std::vector<std::string> keep = earlier;
  keep.push_back(path_);
  keep_newest(folder_, keep);
}

Journal::~Journal() {
  if (fd_ >= 0) ::close(fd_);
}

void Journal::fail(int error) const { throw JournalError{folder_, std::strerror(error)}; }

void Journal::append(std::string_view answer) {
  std::string line(answer);
  line += '\n';
  for (std::size_t written = 0; written < line.size();) {
    const ssize_t n = ::write(fd_, line.data() + written, line.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    written += static_cast<std::size_t>(n);
  }
  if (::fdatasync(fd_) != 0) fail(errno);
  last_start_ = size_;
  size_ += static_cast<long long>(line.size());
}

void Journal::drop_last() {
  if (::ftruncate(fd_, static_cast<off_t>(last_start_)) != 0) fail(errno);
  if (::lseek(fd_, static_cast<off_t>(last_start_), SEEK_SET) < 0) fail(errno);
  if (::fdatasync(fd_) != 0) fail(errno);
  size_ = last_start_;
}

}  // namespace cp
