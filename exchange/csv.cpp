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

std::vector<NumberedRow> rows_of(std::string_view text) {
  std::vector<NumberedRow> rows;
  NumberedRow row{1, {}};
  std::string field;
  long line = 1;
  bool in_quotes = false;
  bool any = false;  // the row has begun
  const auto end_field = [&] {
    row.fields.push_back(std::move(field));
    field.clear();
  };
  const auto end_row = [&] {
    end_field();
    rows.push_back(std::move(row));
    row = {line, {}};
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
    else if (c == ',')
      end_field();
    else
      field += c;
  }
  if (any || !field.empty() || !row.fields.empty()) end_row();
  return rows;
}

}  // namespace cp::csv
