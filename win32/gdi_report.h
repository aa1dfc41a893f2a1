#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "printing.h"

namespace cp {

// Puts the document on the pages of a GDI device context that has started a document:
// the report's rows at their tab columns in a monospaced CJK face, then on a page of its
// own the appendix: its heading, the drawing to scale, and its table with the column
// headings again on every page. False where the device refused a page.
bool draw_report(HDC device, const ReportDocument& document);

// One print job of the document on the named printer, into the file `output` where one
// is given; a failure with the system's reason.
PrintOutcome print_job(const std::wstring& printer, const ReportDocument& document,
                       const std::wstring* output = nullptr);

// The printer Windows sends documents to by default, if it has one.
std::optional<std::string> gdi_default_printer();

// One print job on the default printer; a failure naming the printer and the reason,
// or saying there is none.
PrintOutcome print_on_default_printer(const ReportDocument& document);

}  // namespace cp
