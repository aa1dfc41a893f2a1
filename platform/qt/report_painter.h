#pragma once

#include <QPagedPaintDevice>

#include "printing.h"

namespace cp {

// Where the report is placed on the page: the printer's two page settings, in twips.
inline constexpr double kReportLeftMarginTwips = 2000;
inline constexpr double kReportTopMarginTwips = 1000;

// Puts the document on the pages of a printer or PDF device. Rows: each item at its
// column times the width of one narrow character of a monospaced CJK face, rows at the
// font's line spacing, a new page when one fills. The appendix starts a new page: its
// heading, the drawing at the left margin, then its table.
// False when the device would not start: then nothing is drawn.
bool render_report(const ReportDocument& document, QPagedPaintDevice& device);

}  // namespace cp
