#include "print_command.h"

#include "document.h"
#include "layout.h"
#include "texts.h"

namespace cp {

void print_report(const SessionRecord& record, Printer& printer, Message& message) {
  const auto document = report_document(record);
  if (!document) {
    message.show(report_refusal());
    return;
  }
  if (printer.has_default_printer()) {
    if (!printer.print(*document).done) message.show(std::string(text::kPrinterFailed));
    return;
  }
  const auto path = printer.choose_pdf_path(text::kPdfFileName);
  if (!path) return;
  if (!printer.write_pdf(*document, *path).done) message.show(std::string(text::kPdfFailed));
}

}  // namespace cp
