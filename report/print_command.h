#pragma once

#include "ports.h"
#include "printing.h"
#include "session.h"

namespace cp {

// The print command: the report of the last complete calculation goes to the default
// printer; without one, it is offered as a PDF file. Before a complete calculation, and
// when printing or writing fails, a message says so.
void print_report(const SessionRecord& record, Printer& printer, Message& message);

}  // namespace cp
