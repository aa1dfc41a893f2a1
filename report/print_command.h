#pragma once

#include <functional>
#include <string>

#include "ports.h"
#include "printing.h"
#include "session.h"

namespace cp {

// Whether the chosen file may be written over: asked where it is a file the user may
// not want to lose (the answers file being replayed, a journal), yes everywhere else.
using MayReplace = std::function<bool(const std::string& path)>;

// The print command: the report of the last complete calculation goes to the default
// printer; without one, it is offered as a PDF file. Before a complete calculation, and
// when printing or writing fails, a message says so.
void print_report(const SessionRecord& record, Printer& printer, Message& message,
                  const MayReplace& may_replace = {});

}  // namespace cp
