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

// A drawing in millimetres on paper, measured from the top left corner of its box, y
// downward.
struct PaperPoint {
  double x = 0;
  double y = 0;
};

enum class Stroke { Perimeter, Radial, Ellipse, Arrow };

struct DrawnLine {
  PaperPoint from;
  PaperPoint to;
  Stroke stroke = Stroke::Perimeter;
};

// An ellipse about its centre, semi-axes in millimetres, its major axis turned clockwise
// from the paper's x axis by `rotation` degrees.
struct DrawnEllipse {
  PaperPoint centre;
  double major = 0;
  double minor = 0;
  double rotation = 0;
};

enum class MarkKind { KnownPoint, Centre, NewPoint };

struct DrawnMark {
  PaperPoint at;
  MarkKind kind = MarkKind::NewPoint;
};

// Text whose baseline starts at `at`.
struct DrawnLabel {
  PaperPoint at;
  std::string text;
};

struct Drawing {
  double width = 0;  // millimetres
  double height = 0;
  double label_height = 0;  // the size (em) of the labels' face, millimetres
  std::vector<DrawnLine> lines;
  std::vector<DrawnEllipse> ellipses;
  std::vector<DrawnMark> marks;
  std::vector<DrawnLabel> labels;
};

// Everything that is printed: the report's rows, then on a page of its own the
// appendix: its heading rows, the drawing, the grade check where there is one, and its
// table, whose column headings stand again at the top of every page the table runs on to.
struct ReportDocument {
  std::vector<ReportRow> rows;
  std::vector<ReportRow> appendix_heading;
  Drawing drawing;
  std::vector<ReportRow> grade_check;  // empty without an EDM precision
  std::vector<ReportRow> appendix_table_heading;
  std::vector<ReportRow> appendix_table;
};

// The printed page as every writer of the report sets it, in millimetres, so that the
// pages split alike on paper and in the PDF: A4, the printer's two settings (the left
// and the top margin, 2000 and 1000 twips), and the pitch of the rows and columns in ems
// of the report's monospaced CJK face, where a narrow character is half an em wide and
// a CJK one a whole em.
namespace page {
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kPointsPerInch = 72;
inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kWidth = 210;
inline constexpr double kHeight = 297;
inline constexpr double kLeftMargin = 2000 / kTwipsPerInch * kMillimetresPerInch;
inline constexpr double kTopMargin = 1000 / kTwipsPerInch * kMillimetresPerInch;
inline constexpr double kBottom = kHeight - kTopMargin;  // the rows end here
inline constexpr double kRowPitch = 1.448;               // ems, from one row to the next
inline constexpr double kNarrowAdvance = 0.5;            // ems

// The em of a face of that many points, in millimetres.
inline constexpr double em(double points) { return points * kMillimetresPerInch / kPointsPerInch; }
}  // namespace page

// How putting the rows on a device went. `detail` is the system's own reason for a
// failure, where it gives one.
struct PrintOutcome {
  bool done = false;
  std::string detail = {};
};

// A whole PDF file in memory, or why it could not be drawn.
struct PdfBytes {
  std::string bytes = {};
  std::string failure = {};  // empty when the file is complete
};

class Printer {
 public:
  virtual ~Printer() = default;

  // The printer the system sends documents to by default, if it has one.
  virtual std::optional<std::string> default_printer() = 0;

  // Prints the document on the named printer. Done only when the printing system has
  // taken the job and the printer is not stopped; otherwise `detail` is the printing
  // system's own message.
  virtual PrintOutcome print(const ReportDocument& document, const std::string& printer) = 0;

  // Asks the user where to save the report as a PDF file, offering the suggested name;
  // nothing when the user declines.
  virtual std::optional<std::string> choose_pdf_path(std::string_view suggested_name) = 0;

  // Writes the document as a PDF file at the path.
  virtual PrintOutcome write_pdf(const ReportDocument& document, const std::string& path) = 0;
};

}  // namespace cp
