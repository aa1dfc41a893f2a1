#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The printer's side of the report: rows of items at tab columns, and the port through
// which the print command reaches a printer or a PDF file. The print rules live above
// this port; an implementation only puts pages on a device and says how that went.
namespace cp {

struct ReportItem {
  int column;  // character column where the item starts, the leftmost being 1
  std::string text;
};

// One printed row after the tab rule: an item that would start at a column the row
// already reaches starts at that column of a new row.
struct ReportRow {
  int points;  // font size
  std::vector<ReportItem> items;
};

// How putting the rows on a device went. `detail` is the system's own reason for a
// failure, where it gives one.
struct PrintOutcome {
  bool done = false;
  std::string detail = {};
};

class Printer {
 public:
  virtual ~Printer() = default;

  // Whether the system has a default printer to send the report to.
  virtual bool has_default_printer() = 0;

  // Prints the rows on the default printer.
  virtual PrintOutcome print(const std::vector<ReportRow>& rows) = 0;

  // Asks the user where to save the report as a PDF file, offering the suggested name;
  // nothing when the user declines.
  virtual std::optional<std::string> choose_pdf_path(std::string_view suggested_name) = 0;

  // Writes the rows as a PDF file at the path.
  virtual PrintOutcome write_pdf(const std::vector<ReportRow>& rows, const std::string& path) = 0;
};

}  // namespace cp
