#include "csv.h"

namespace cp::csv {

std::string row_text(const Row& row) {
  std::string out;
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) out += ',';
    const std::string& field = row[i];
    const bool quoted = field.find_first_of(",\"\r\n") != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) {
      out += field;
      continue;
    }
    out += '"';
    for (const char c : field) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out + "\r\n";
}

namespace {

// Whether a spreadsheet would take the text for something other than text: a formula,
// or a number, date or time it would show in its own way.
bool spreadsheet_changes(std::string_view text) {
  if (text.empty()) return false;
  const char first = text.front();
  if (first == '=' || first == '+' || first == '-' || first == '@') return true;
  // Anything that starts like a number may become one (001, 2E3, 1.50, 1e5, 3/4, 12:30).
  return (first >= '0' && first <= '9') || first == '.';
}

}  // namespace

std::string text_cell(std::string_view text) {
  // Excel keeps a formula of up to 255 characters; a longer name is left as it is.
  constexpr std::size_t kLongestFormulaText = 250;
  if (!spreadsheet_changes(text) || text.size() > kLongestFormulaText) return std::string(text);
  std::string out = "=\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string cell_text(std::string_view cell) {
  if (cell.size() < 3 || !cell.starts_with("=\"") || !cell.ends_with('"')) return std::string(cell);
  std::string out;
  for (std::size_t i = 2; i + 1 < cell.size(); ++i) {
    if (cell[i] == '"') {
      if (cell[i + 1] != '"' || i + 2 == cell.size()) return std::string(cell);  // no string
      ++i;
    }
    out += cell[i];
  }
  return out;
}

std::vector<NumberedRow> rows_of(std::string_view text) {
  constexpr std::size_t kWidest = 64;
  std::vector<NumberedRow> rows;
  for_each_row(text, ',', kWidest, [&](NumberedRow&& row) { rows.push_back(std::move(row)); });
  return rows;
}

void for_each_row(std::string_view text, char separator, std::size_t widest,
                  const std::function<void(NumberedRow&&)>& take) {
  NumberedRow row{1, {}, {}};
  std::string field;
  std::size_t column = 0;  // of the field being read, from 0
  long line = 1;
  bool in_quotes = false;
  bool any = false;  // the row has begun
  // An empty field is only counted: the fields before a later one that is not empty
  // are filled in with empty ones then.
  const auto end_field = [&] {
    if (!field.empty()) {
      if (column < widest) {
        row.fields.resize(column);
        row.fields.push_back(std::move(field));
      } else if (row.beyond.empty()) {
        row.beyond = std::move(field);
      }
      field.clear();
    }
    ++column;
  };
  const auto end_row = [&] {
    end_field();
    take(std::move(row));
    row = {line, {}, {}};
    column = 0;
    any = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (in_quotes) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        in_quotes = false;
      } else {
        if (c == '\n') ++line;
        field += c;
      }
      continue;
    }
    if (c == '\r' && (i + 1 == text.size() || text[i + 1] == '\n')) continue;
    if (c == '\n') {
      ++line;
      end_row();
      continue;
    }
    any = true;
    if (c == '"' && field.empty())
      in_quotes = true;
    else if (c == separator)
      end_field();
    else
      field += c;
  }
  if (any || !field.empty() || column > 0) end_row();
}

std::string trimmed(std::string_view cell) {
  const auto first = cell.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(cell.substr(first, cell.find_last_not_of(" \t") - first + 1));
}

}  // namespace cp::csv
