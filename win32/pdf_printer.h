#pragma once

#include "printing.h"

namespace cp {

// Draws the report as a PDF file in memory through the printer every Windows 10 and 11
// has, "Microsoft Print to PDF"; a failure where that printer is not installed or the
// job fails, with the system's reason.
PdfBytes render_through_pdf_printer(const ReportDocument& document);

}  // namespace cp
