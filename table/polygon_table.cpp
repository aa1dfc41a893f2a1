#include "polygon_table.h"

#include <algorithm>
#include <set>

#include "answers_by_role.h"
#include "csv.h"
#include "exchange_texts.h"
#include "fill.h"
#include "grade_check.h"
#include "number_input.h"
#include "number_text.h"
#include "table_results.h"
#include "table_texts.h"

namespace cp {
namespace {

namespace t = table_text;

std::string value_of(const SheetValues& values, const std::string& key) {
  const auto found = values.find(key);
  return found == values.end() ? std::string() : found->second;
}

// The label under which the dialogue's prompt finds its value in the table.
std::string key_of(const PromptRole& role) {
  return role.kind == PromptRole::Kind::PointName ? point_key(role.point) : role.label;
}

// The rows that change the table's shape: the number of triangles and the configuration.
bool shapes_table(const std::string& key) {
  return key == "N" || key == "Xb" || key == "Yb" || key == "m";
}

// A refusal of the dialogue for one of the values: its label and the message.
struct Refused {
  std::string key;
  std::string reason;
};

// Runs the dialogue on the values, as a calculation from the table would, until each of
// `keys` has been answered (all of them where `keys` is empty) or a value is missing.
// Returns the first of `keys` the dialogue refuses, and which of them it reached.
struct DialogueCheck {
  std::optional<Refused> refused;
  std::optional<std::string> missing;  // the first value asked that is not filled in
  std::set<std::string> reached;
};
DialogueCheck run_dialogue(const SheetValues& values, const std::set<std::string>& keys) {
  DialogueCheck result;
  std::size_t remaining = keys.size();
  std::string last_key;
  const std::vector<RoleAnswer> answers =
      answers_by_role([&](const PromptRole& role) -> std::optional<std::string> {
        using Kind = PromptRole::Kind;
        const bool done = !keys.empty() && remaining == 0;
        if (role.kind == Kind::Confirmation) {
          if (done && role.label != last_key) return std::nullopt;
          return "";
        }
        if (done) return std::nullopt;
        if (role.kind == Kind::NextPoint) return "";
        const std::string key = key_of(role);
        const std::string value = value_of(values, key);
        if (value.empty() && role.kind == Kind::Value) {
          result.missing = key;
          return std::nullopt;
        }
        if (keys.contains(key)) {
          --remaining;
          result.reached.insert(key);
        }
        last_key = key;
        return value;
      });
  for (const RoleAnswer& answer : answers) {
    if (answer.refusal.empty()) continue;
    const std::string key = key_of(answer.role);
    if (keys.empty() || keys.contains(key)) result.refused = Refused{key, answer.refusal};
    break;
  }
  return result;
}

std::string refused(const std::string& label, const std::string& reason) {
  return text::fill_in(t::kRefused, {{"{label}", label}, {"{reason}", reason}});
}

// What a cell holds that the dialogue does not ask for: a number where a number goes,
// and the EDM precision's two terms as an EDM can have them.
std::optional<std::string> own_check(const std::string& key, const SheetValues& values) {
  const std::string text = value_of(values, key);
  if (text.empty() || key.starts_with(exchange_text::kPointLabel) ||
      key == exchange_text::kGradeLabel)
    return std::nullopt;
  if (!read_double(text)) {
    return text::fill_in(exchange_text::kSheetNotANumber, {{"{label}", key}, {"{value}", text}});
  }
  if (key != "ma" && key != "mb") return std::nullopt;
  const auto a = read_double(value_of(values, "ma"));
  const auto b = read_double(value_of(values, "mb"));
  if (edm_precision(a.value_or(0), b.value_or(0))) return std::nullopt;
  return text::fill_in(t::kEdmRefused, {{"{a}", shortest_text(a.value_or(0))},
                                        {"{b}", shortest_text(b.value_or(0))}});
}

}  // namespace

PolygonTable::PolygonTable(SheetValues values) : values_(std::move(values)) { draw(); }

void PolygonTable::draw() {
  grid_ = sheet_grid(values_, EdmRows::Always);
  // Values whose row is gone (N made smaller, the configuration changed) go with it.
  std::set<std::string> shown;
  for (const SheetRow& row : grid_) {
    if (!row.key.empty()) shown.insert(row.key);
  }
  std::erase_if(values_, [&](const auto& entry) {
    return !shown.contains(entry.first) || entry.second.empty();
  });
}

int PolygonTable::columns() const {
  return kTableDataColumns + (has_results() ? kTableResultColumns : 0);
}

std::string PolygonTable::cell(int row, int column) const {
  if (row < 0 || row >= rows() || column < 0) return {};
  const SheetRow& r = grid_[static_cast<std::size_t>(row)];
  if (column >= kTableDataColumns) return result_cell(results_, r, column - kTableDataColumns);
  const auto c = static_cast<std::size_t>(column);
  return c < r.cells.size() ? r.cells[c] : std::string();
}

bool PolygonTable::editable(int row, int column) const {
  if (row < 0 || row >= rows()) return false;
  return grid_[static_cast<std::size_t>(row)].value_column == column;
}

const std::string& PolygonTable::label(int row) const {
  static const std::string none;
  if (row < 0 || row >= rows()) return none;
  return grid_[static_cast<std::size_t>(row)].key;
}

int PolygonTable::row_of(const std::string& key) const {
  for (std::size_t r = 0; r < grid_.size(); ++r) {
    if (grid_[r].key == key) return static_cast<int>(r);
  }
  return -1;
}

// Sets one cell in the values, or says why it is not a cell to fill in.
std::optional<std::string> PolygonTable::set_value(SheetValues& values,
                                                   const std::vector<SheetRow>& grid, int row,
                                                   int column, const std::string& text) {
  if (row < 0 || static_cast<std::size_t>(row) >= grid.size()) return std::string(t::kFixedRow);
  const SheetRow& r = grid[static_cast<std::size_t>(row)];
  if (r.value_column != column) {
    if (r.key.empty()) return std::string(t::kFixedRow);
    // The column's heading: the heading row above names it.
    std::string heading;
    for (int up = row; up >= 0 && heading.empty(); --up) {
      const SheetRow& above = grid[static_cast<std::size_t>(up)];
      if (above.key.empty() && above.cells.size() > static_cast<std::size_t>(column))
        heading = above.cells[static_cast<std::size_t>(column)];
    }
    return text::fill_in(t::kFixedCell, {{"{label}", r.key}, {"{column}", heading}});
  }
  values[r.key] = csv::trimmed(text);
  return std::nullopt;
}

// The values checked once they are set: the first changed one the dialogue refuses, or
// that is no number where a number goes.
std::optional<std::string> PolygonTable::check(const std::set<std::string>& keys,
                                               const SheetValues& values) {
  const DialogueCheck run = run_dialogue(values, keys);
  if (run.refused) return refused(run.refused->key, run.refused->reason);
  for (const std::string& key : keys) {
    if (run.reached.contains(key)) continue;
    if (auto reason = own_check(key, values)) return refused(key, *reason);
  }
  return std::nullopt;
}

std::optional<std::string> PolygonTable::commit(int row, int column, const std::string& text) {
  SheetValues next = values_;
  if (auto fixed = set_value(next, grid_, row, column, text)) return fixed;
  const std::string& key = label(row);
  if (value_of(next, key) == value_of(values_, key)) return std::nullopt;
  if (auto reason = check({key}, next)) return reason;
  take(std::move(next));
  return std::nullopt;
}

std::optional<std::string> PolygonTable::paste(int row, int column, const std::string& lines) {
  SheetValues next = values_;
  std::vector<SheetRow> grid = grid_;
  std::set<std::string> keys;
  std::size_t start = 0;
  for (int line = 0; start < lines.size(); ++line) {
    std::size_t end = lines.find('\n', start);
    if (end == std::string::npos) end = lines.size();
    std::string one = lines.substr(start, end - start);
    start = end + 1;
    if (!one.empty() && one.back() == '\r') one.pop_back();
    const int target = row + line;
    if (target >= static_cast<int>(grid.size()))
      return text::fill_in(t::kPastedBeyond, "{line}", std::to_string(line + 1));
    std::size_t from = 0;
    for (int c = column;; ++c) {
      const std::size_t tab = std::min(one.find('\t', from), one.size());
      if (auto fixed = set_value(next, grid, target, c, one.substr(from, tab - from))) return fixed;
      const std::string& key = grid[static_cast<std::size_t>(target)].key;
      keys.insert(key);
      if (shapes_table(key)) grid = sheet_grid(next, EdmRows::Always);
      if (tab >= one.size()) break;
      from = tab + 1;
    }
  }
  if (auto reason = check(keys, next)) return reason;
  take(std::move(next));
  return std::nullopt;
}

std::string PolygonTable::copied(int top, int left, int bottom, int right) const {
  std::string out;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      if (c > left) out += '\t';
      out += cell(r, c);
    }
    out += '\n';
  }
  return out;
}

void PolygonTable::take(SheetValues next) {
  const SheetValues before = values_;
  values_ = std::move(next);
  draw();
  // The step: every label whose value differs, the rows removed included.
  Step step;
  std::set<std::string> keys;
  for (const auto& [key, value] : before) keys.insert(key);
  for (const auto& [key, value] : values_) keys.insert(key);
  for (const std::string& key : keys) {
    const auto old_value = before.find(key);
    const auto new_value = values_.find(key);
    std::optional<std::string> was, is;
    if (old_value != before.end()) was = old_value->second;
    if (new_value != values_.end()) is = new_value->second;
    if (was != is) step.push_back({key, was, is});
  }
  if (step.empty()) return;
  history_.resize(done_);
  if (saved_at_ > done_) saved_at_ = kNeverSaved;
  history_.push_back(std::move(step));
  ++done_;
  if (has_results()) {
    for (const Change& change : history_.back()) stale_.insert(change.key);
  }
}

void PolygonTable::apply(const Step& step, bool forward) {
  for (const Change& change : step) {
    const std::optional<std::string>& value = forward ? change.after : change.before;
    if (value) {
      values_[change.key] = *value;
    } else {
      values_.erase(change.key);
    }
    if (has_results()) stale_.insert(change.key);
  }
  draw();
}

void PolygonTable::undo() {
  if (!can_undo()) return;
  apply(history_[--done_], false);
}

void PolygonTable::redo() {
  if (!can_redo()) return;
  apply(history_[done_++], true);
}

void PolygonTable::follow(const SessionRecord& record) {
  results_ = {};
  stale_.clear();
  take(sheet_values(record));
}

std::optional<std::string> PolygonTable::why_not_computable() const {
  const DialogueCheck run = run_dialogue(values_, {});
  if (run.refused) return refused(run.refused->key, run.refused->reason);
  if (run.missing) return text::fill_in(t::kMissing, "{label}", *run.missing);
  for (const auto& [key, value] : values_) {
    if (auto reason = own_check(key, values_)) return refused(key, *reason);
  }
  return std::nullopt;
}

PolygonSheet PolygonTable::answers() const { return read_polygon_sheet(sheet()); }

void PolygonTable::show_results(const SessionRecord& record) {
  results_ = table_results(record);
  stale_.clear();
}

bool PolygonTable::stale(int row) const {
  const std::string& key = label(row);
  return !key.empty() && stale_.contains(key);
}

}  // namespace cp
