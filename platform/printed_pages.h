#pragma once

#include <optional>
#include <vector>

#include "printing.h"

// The printed report laid out once, for every writer alike (the PDF, the printer on
// Windows): which rows stand on which page and where, and where the drawing's box is.
// A writer only draws what it is given, so the pages split at the same rows everywhere.
namespace cp {

// A row at its place: its top, in millimetres from the top of the page.
struct PlacedRow {
  const ReportRow* row;
  double top;
};

struct PrintedPage {
  std::vector<PlacedRow> rows;
  std::optional<PaperPoint> drawing;  // the top left corner of the drawing's box
};

// The report's rows from the top margin down, a new page where the next row would pass
// the bottom; the appendix on a page of its own: its heading, the drawing, the grade
// check, the table, whose column headings stand again at the top of every page it runs
// on to. The rows point into the document, which must outlive the pages.
std::vector<PrintedPage> printed_pages(const ReportDocument& document);

// How each kind of line is drawn: its width in millimetres and its colour.
struct StrokeStyle {
  double width;
  int red, green, blue;
};
StrokeStyle stroke_style(Stroke stroke);

// A point's mark, in millimetres about the point: a known point's triangle, apex up
// (a closed outline), the centre's two rings, a new point's ring (their radii).
struct MarkShape {
  std::vector<PaperPoint> outline;
  std::vector<double> rings;
};
MarkShape mark_shape(MarkKind kind);

}  // namespace cp
