#pragma once

#include <string>

#include "printing.h"

namespace cp {

// Writes the report as a PDF file through the printer every Windows 10 and 11 has,
// "Microsoft Print to PDF", with the given file name; a failure where that printer is
// not installed or the job fails, with the system's reason.
PrintOutcome print_to_pdf_printer(const ReportDocument& document, const std::string& path);

}  // namespace cp
