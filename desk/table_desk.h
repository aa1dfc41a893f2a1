#pragma once

#include <functional>
#include <optional>
#include <string>

#include "desk_session.h"
#include "polygon_table.h"
#include "ports.h"
#include "unsaved_table.h"

// What the data table's window does, on every system: it keeps the table and the file
// it came from, says on its status line what became of each action, keeps every edit on
// the disk until it is saved, saves through the safe writer and calculates through the
// desk, so that a calculation from the table is journalled and shown like any other.
namespace cp {

// The answer to closing a table with edits not saved.
enum class SaveChoice { Save, DontSave, Cancel };

class TableDesk {
 public:
  using Question = std::function<bool(const std::string& text)>;
  using SaveQuestion = std::function<SaveChoice(const std::string& text)>;

  TableDesk(DeskSession& desk, Message& message);

  const PolygonTable& table() const { return table_; }
  // 数据表, then the file's name, and a mark while edits are not saved.
  std::string title() const;
  const std::string& status() const { return status_; }

  // Fills the table from a sheet file, which becomes the table's file; says why it
  // cannot, and the table stays as it was.
  bool open(const std::string& path);

  // The table's edits; each says on the status line why where it is refused.
  bool commit(int row, int column, const std::string& text);
  bool paste(int row, int column, const std::string& lines);
  void undo();
  void redo();
  // An edit given up (Esc): the cell keeps its value, and the status line its state.
  void edit_cancelled();

  // Calculates from the table; false, with the first cell concerned on the status line,
  // where a value is missing or refused and nothing is computed.
  bool calculate();
  // After a calculation from the prompts, an answers file or a sheet: the table holds
  // every value it was given, as no file's, with nothing to save unless edits were.
  void follow(const SessionRecord& record);

  // Saves to the table's file, asking a name where it has none; false where nothing was
  // saved.
  bool save(FileChooser& chooser);
  bool save_as(FileChooser& chooser);
  // Whether the table may close: where it has edits not saved, the user says whether to
  // save them first, or not to close.
  bool may_close(FileChooser& chooser, const SaveQuestion& ask);

  // An unsaved table left by a program run that did not end is offered back; taken, it
  // fills the table, its edits still to save.
  void offer_left_table(const Question& ask);

 private:
  bool write(const std::string& path);
  bool taken(const std::optional<std::string>& refused);
  void changed();
  std::string ready() const;

  DeskSession& desk_;
  Message& message_;
  PolygonTable table_;
  std::optional<std::string> path_;
  std::string status_;
  UnsavedTable unsaved_;
  bool keep_failure_told_ = false;
};

}  // namespace cp
