#pragma once

#include <optional>
#include <string>

#include "printing.h"

// Printing through CUPS, with no window: the report goes to the printing system as the
// same PDF the save dialog writes. The window's printer and a batch run's --print both
// print this way.
namespace cp {

// The printer the system sends documents to by default, else the only or first one;
// nothing where there is none.
std::optional<std::string> cups_default_printer();

// Prints the document on the named printer. Done only when the printing system has
// taken the job and the printer is not stopped; otherwise `detail` is the printing
// system's own message.
PrintOutcome cups_print(const ReportDocument& document, const std::string& printer);

// The same on the default printer; a failure where there is none.
PrintOutcome print_on_default_printer(const ReportDocument& document);

}  // namespace cp
