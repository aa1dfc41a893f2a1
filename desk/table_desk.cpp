#include "table_desk.h"

#include "answers_file.h"
#include "file_messages.h"
#include "fill.h"
#include "output_file.h"
#include "sheet_file.h"
#include "system_file.h"
#include "table_texts.h"
#include "texts.h"

namespace cp {
namespace {

namespace t = table_text;

std::string file_name(const std::string& path) { return os::utf8_of(os::path_of(path).filename()); }

}  // namespace

TableDesk::TableDesk(DeskSession& desk, Message& message)
    : desk_(desk), message_(message), status_(t::kReady) {}

std::string TableDesk::title() const {
  std::string title(t::kTitle);
  if (path_) title += " - " + file_name(*path_);
  if (table_.modified()) title += " *";
  return title;
}

bool TableDesk::open(const std::string& path) {
  try {
    table_ = PolygonTable(read_sheet_values(read_sheet_file_text(path)));
  } catch (const AnswersFileError& error) {
    message_.show(answers_file_message(error));
    return false;
  } catch (const SheetError& error) {
    message_.show(answers_file_message(
        {AnswersFileError::Kind::InvalidSheet, path, error.row, error.message, true}));
    return false;
  }
  path_ = path;
  unsaved_.forget();
  status_ = t::kReady;
  return true;
}

bool TableDesk::commit(int row, int column, const std::string& text) {
  return taken(table_.commit(row, column, text));
}

bool TableDesk::paste(int row, int column, const std::string& lines) {
  return taken(table_.paste(row, column, lines));
}

// An edit's outcome: refused, the status line says why; taken, it is kept on the disk.
bool TableDesk::taken(const std::optional<std::string>& refused) {
  if (refused) {
    status_ = *refused;
    return false;
  }
  changed();
  return true;
}

void TableDesk::undo() {
  table_.undo();
  changed();
}

void TableDesk::redo() {
  table_.redo();
  changed();
}

void TableDesk::edit_cancelled() { status_ = ready(); }

std::string TableDesk::ready() const {
  return std::string(table_.any_stale() ? t::kStale : t::kReady);
}

void TableDesk::changed() {
  status_ = ready();
  if (!table_.modified()) {
    unsaved_.forget();
    return;
  }
  try {
    unsaved_.keep(table_.sheet());
  } catch (const OutputError& error) {
    // Said once: every later edit would fail the same way.
    if (keep_failure_told_) return;
    keep_failure_told_ = true;
    message_.show(
        text::fill_in(text::kExportFailed, {{"{path}", error.path}, {"{reason}", error.reason}}));
  }
}

bool TableDesk::calculate() {
  if (const auto why = table_.why_not_computable()) {
    status_ = *why;
    return false;
  }
  PolygonSheet sheet;
  try {
    sheet = table_.answers();
  } catch (const SheetError& error) {
    status_ = error.message;
    return false;
  }
  desk_.calculate_from(path_ ? *path_ : std::string(t::kTitle), std::move(sheet));
  const SessionRecord& record = desk_.session().record;
  if (record.complete) {
    table_.show_results(record);
    status_ = t::kComputed;
  } else {
    status_ = t::kNotComputed;
  }
  return record.complete;
}

void TableDesk::follow(const SessionRecord& record) {
  // The values of a calculation are in its journal: they are no edit to save, and no
  // file's. Edits made before stay unsaved (undo gives them back).
  const bool had_edits = table_.modified();
  table_.follow(record);
  if (!had_edits) table_.mark_saved();
  path_.reset();
  if (record.complete) table_.show_results(record);
  changed();
}

bool TableDesk::write(const std::string& path) {
  try {
    write_whole_file(path, table_.sheet());
  } catch (const OutputError& error) {
    message_.show(
        text::fill_in(text::kExportFailed, {{"{path}", path}, {"{reason}", error.reason}}));
    return false;
  }
  path_ = path;
  table_.mark_saved();
  unsaved_.forget();
  return true;
}

bool TableDesk::save(FileChooser& chooser) {
  if (!path_) return save_as(chooser);
  return write(*path_);
}

bool TableDesk::save_as(FileChooser& chooser) {
  const std::string suggested =
      path_ ? file_name(*path_) : std::string(text::kProgramTitle) + ".csv";
  const auto path = chooser.save_path(suggested, text::kFilterSheet);
  if (!path || !desk_.may_replace(*path)) return false;
  return write(*path);
}

bool TableDesk::may_close(FileChooser& chooser, const SaveQuestion& ask) {
  if (!table_.modified()) return true;
  switch (ask(std::string(t::kAskSave))) {
    case SaveChoice::Save: return save(chooser);
    case SaveChoice::DontSave:
      table_.mark_saved();
      unsaved_.forget();
      return true;
    case SaveChoice::Cancel: break;
  }
  return false;
}

void TableDesk::offer_left_table(const Question& ask) {
  const std::optional<LeftTable> left = table_left_unsaved(unsaved_);
  if (!left) return;
  const bool take = ask(std::string(t::kRecovered));
  if (take) {
    try {
      table_ = PolygonTable(read_sheet_values(left->sheet));
      // Taken back, its edits are this program run's to save.
      table_.mark_unsaved();
      changed();
    } catch (const SheetError&) {
    }
  }
  os::remove(left->path);
}

}  // namespace cp
