#include "print_command.h"

#include "document.h"
#include "fill.h"
#include "layout.h"
#include "texts.h"

namespace cp {

void print_report(const SessionRecord& record, Printer& printer, Message& message,
                  const MayReplace& may_replace) {
  const auto document = report_document(record);
  if (!document) {
    message.show(report_refusal());
    return;
  }
  if (const auto name = printer.default_printer()) {
    const PrintOutcome printed = printer.print(*document, *name);
    if (!printed.done) {
      message.show(text::fill_in(text::kPrinterFailed,
                                 {{"{printer}", *name}, {"{reason}", printed.detail}}));
    }
    return;
  }
  const auto path = printer.choose_pdf_path(text::kPdfFileName);
  if (!path || (may_replace && !may_replace(*path))) return;
  const PrintOutcome written = printer.write_pdf(*document, *path);
  if (!written.done) {
    message.show(
        text::fill_in(text::kPdfFailed, {{"{path}", *path}, {"{reason}", written.detail}}));
  }
}

}  // namespace cp
