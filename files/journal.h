#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "system_file.h"

// The journal: every answer of a run in the window, appended to a file of its own the
// moment its prompt returns and on the disk before the program acts on it, so that a
// crash or a power loss loses nothing but the answer still being typed. A journal is an
// answers file: replayed, it takes the dialogue back to the prompt where the run stopped.
namespace cp {

inline constexpr int kJournalsKept = 200;

// $XDG_DATA_HOME/central-polygon/runs, or ~/.local/share/central-polygon/runs; on
// Windows %LOCALAPPDATA%\central-polygon\runs; nothing where none of them is set.
std::optional<std::string> journal_folder();

// Why the journal could not be written: the folder and the system's reason.
struct JournalError : std::runtime_error {
  JournalError(std::string folder_, std::string reason_)
      : std::runtime_error(folder_ + ": " + reason_),
        folder(std::move(folder_)),
        reason(std::move(reason_)) {}
  std::string folder;
  std::string reason;
};

class Journal {
 public:
  // Creates the folder where needed and a new file in it named by the start time,
  // YYYYMMDD-HHMMSS.answers (with -2, -3, ... where that name is taken), then deletes
  // all but the newest kJournalsKept journals. This one and `earlier`, the journals this
  // program run wrote before, are never deleted. Throws JournalError.
  Journal(const std::string& folder, std::time_t start,
          const std::vector<std::string>& earlier = {});

  // Appends one answer as a line and waits until it is on the disk, with every answer
  // before it. An answer read from a file, which is on the disk already, need not wait:
  // it goes to the disk with the next answer typed, or at the end of the run (sync).
  // Throws JournalError.
  void append(std::string_view answer, bool wait_for_disk = true);
  void sync();

  const std::string& path() const { return path_; }

 private:
  // Runs a write, its failure a JournalError naming the folder.
  void guarded(const std::function<void()>& write) const;

  std::string folder_;
  std::string path_;
  std::optional<os::File> file_;
  bool unsynced_ = false;
};

}  // namespace cp
