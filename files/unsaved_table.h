#pragma once

#include <optional>
#include <string>

// The data table's edits not yet saved, kept beside the journal the moment each is
// committed, so that a program run killed mid-work loses none of them and the next run
// offers them back.
namespace cp {

class UnsavedTable {
 public:
  // unsaved-table-PID.csv in the journal folder, for this program run.
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

 private:
  std::optional<std::string> path_;
  bool kept_ = false;
};

// An unsaved table left by a program run that did not end: where it is and its sheet.
struct LeftTable {
  std::string path;
  std::string sheet;  // UTF-8
};
// The first such table in the journal folder, if any; one that cannot be read is none.
std::optional<LeftTable> table_left_unsaved();

}  // namespace cp
