#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QWidget>

#include <vector>

#include "layout.h"
#include "ports.h"
#include "session.h"

namespace cp {

// Where the report is placed on the page: the printer's two page settings, in twips.
inline constexpr double kReportLeftMarginTwips = 2000;
inline constexpr double kReportTopMarginTwips = 1000;

// Puts the report rows on the pages of a printer or PDF device: each item at its
// column times the width of one narrow character of a monospaced CJK face, rows at the
// font's line spacing, a new page when one fills.
void render_report(const std::vector<ReportRow>& rows, QPagedPaintDevice& device);

// Writes the report as a PDF file; false when the file cannot be written.
bool write_report_pdf(const std::vector<ReportRow>& rows, const QString& path);

// The print command: the report of the last complete calculation goes to the default
// printer; without a printer a save dialog offers it as a PDF file. Before a complete
// calculation, and on a printer error, a message says so.
void print_report(const SessionRecord& record, QWidget* owner, Message& message);

}  // namespace cp
