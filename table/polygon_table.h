#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "polygon_sheet.h"
#include "session.h"
#include "sheet_grid.h"
#include "table_results.h"

// The data table: the polygon as the sheet holds it, a grid of cells the user edits one
// at a time. Its rows and columns are those of the sheet file it saves; the cells a user
// fills in a sheet are editable, the labels, headings and notes are not. Each value is
// checked as it is committed, by the dialogue's own rules and messages; every change is
// one step of an undo history; and the table gives the answers a calculation is replayed
// from, as a sheet of the same values would. Toolkit-free: each window is a view of it.
namespace cp {

// The data's columns: label, value, then the notes, kinds and ends of the sections.
inline constexpr int kTableDataColumns = 5;

class PolygonTable {
 public:
  // An empty table: the known data's rows, nothing in them.
  PolygonTable() : PolygonTable(SheetValues{}) {}
  explicit PolygonTable(SheetValues values);

  int rows() const { return static_cast<int>(grid_.size()); }
  // The data's columns and, after a calculation, the results' beside them.
  int columns() const;
  // The text of a cell; empty beyond its row's cells.
  std::string cell(int row, int column) const;
  bool editable(int row, int column) const;
  // The label a row is known by in messages: N, Xa, 点 3, S(5); empty for a heading.
  const std::string& label(int row) const;
  // The row of a label, or -1.
  int row_of(const std::string& label) const;

  // Takes the text for the cell, or says why not: a cell the user does not fill in, a
  // value the dialogue refuses there. Empty text clears the cell. A taken change that
  // alters N or the configuration adds or removes rows, keeping every value whose row
  // remains.
  std::optional<std::string> commit(int row, int column, const std::string& text);
  // Tab-separated lines, one a row, from the cell on: taken whole, as one step, or not
  // at all, with the first refusal.
  std::optional<std::string> paste(int row, int column, const std::string& lines);
  // The cells of a rectangle as tab-separated lines, as a spreadsheet copies them.
  std::string copied(int top, int left, int bottom, int right) const;

  bool can_undo() const { return done_ > 0; }
  bool can_redo() const { return done_ < history_.size(); }
  void undo();
  void redo();

  // Takes the values a calculation entered, as one step that can be undone; the results
  // beside them go.
  void follow(const SessionRecord& record);

  // The sheet file of the table: what 保存 writes.
  std::string sheet() const { return sheet_file_text(grid_); }

  // Why the table cannot be calculated, naming the first cell concerned in the order the
  // dialogue asks for them: a value not filled in, or one the dialogue refuses; nothing
  // where it can.
  std::optional<std::string> why_not_computable() const;
  // The answers the table gives a calculation: those of its sheet. Throws SheetError.
  PolygonSheet answers() const;

  // Shows the results of a calculation beside the data; an edit after it greys the
  // results of its row (stale) until the next.
  void show_results(const SessionRecord& record);
  bool stale(int row) const;
  bool any_stale() const { return !stale_.empty(); }
  bool has_results() const { return !results_.empty(); }

  // Edits since the table was last saved or loaded.
  bool modified() const { return done_ != saved_at_; }
  void mark_saved() { saved_at_ = done_; }
  void mark_unsaved() { saved_at_ = kNeverSaved; }

 private:
  struct Change {
    std::string key;
    std::optional<std::string> before, after;
  };
  using Step = std::vector<Change>;

  static std::optional<std::string> check(const std::set<std::string>& keys,
                                          const SheetValues& values);
  static std::optional<std::string> set_value(SheetValues& values,
                                              const std::vector<SheetRow>& grid, int row,
                                              int column, const std::string& text);
  void take(SheetValues next);
  void apply(const Step& step, bool forward);
  void draw();

  SheetValues values_;
  std::vector<SheetRow> grid_;
  std::vector<Step> history_;
  std::size_t done_ = 0;  // steps of the history in force
  static constexpr std::size_t kNeverSaved = std::numeric_limits<std::size_t>::max();
  std::size_t saved_at_ = 0;  // the step saved, or kNeverSaved once it is undone away
  TableResults results_;
  std::set<std::string> stale_;  // labels edited since the results
};

}  // namespace cp
