#pragma once

#include <optional>
#include <string>

// The data table's edits not yet saved, kept beside the journal the moment each is
// committed, so that a program run killed mid-work loses none of them and the next run
// offers them back.
namespace cp {

class UnsavedTable {
 public:
  // unsaved-table-PID-START.csv in the journal folder, for this program run: its process
  // number and the second it started, since a system may give a later program run the
  // number of one that was killed.
  UnsavedTable();
  // A program run that ends normally leaves no unsaved table: its edits were saved, or
  // the user chose not to.
  ~UnsavedTable() { forget(); }
  UnsavedTable(const UnsavedTable&) = delete;
  UnsavedTable& operator=(const UnsavedTable&) = delete;

  // Writes the table's sheet whole. Throws OutputError; nowhere to keep it (no journal
  // folder) is said as such.
  void keep(const std::string& sheet);
  void forget() noexcept;
  // Where this program run keeps its table, if anywhere.
  const std::optional<std::string>& path() const { return path_; }

 private:
  std::optional<std::string> path_;
  bool kept_ = false;
};

// An unsaved table left by a program run that did not end: where it is and its sheet.
struct LeftTable {
  std::string path;
  std::string sheet;  // UTF-8
};
// The first such table in the journal folder, if any, other than `own`'s; one that
// cannot be read is none. A table whose process runs is another program run's, unless
// that process is this one: then it is a killed run's whose number this run was given.
std::optional<LeftTable> table_left_unsaved(const UnsavedTable& own);

}  // namespace cp
