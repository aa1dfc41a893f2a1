#include "qt_printer.h"

#include <QFileDialog>
#include <QTemporaryDir>

#include <cups/cups.h>

#include "output_file.h"
#include "qt_ports.h"
#include "report_pdf.h"
#include "texts.h"

namespace cp {
namespace {

// The printer's own message where it is stopped (empty where it gives none), nothing
// where it is not or cannot be asked.
std::optional<std::string> stopped_printer_message(const std::string& printer) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                   "/printers/%s", printer.c_str());
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  static const char* const kWanted[] = {"printer-state", "printer-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                kWanted);
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");  // frees the request
  std::optional<std::string> said;
  ipp_attribute_t* state = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM);
  if (state && ippGetInteger(state, 0) == IPP_PSTATE_STOPPED) {
    ipp_attribute_t* message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
    const char* text = message ? ippGetString(message, 0, nullptr) : nullptr;
    said = text ? text : "";
  }
  ippDelete(response);
  return said;
}

}  // namespace

std::optional<std::string> QtPrinter::default_printer() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::optional<std::string> chosen;
  for (int i = 0; i < count && !chosen; ++i)
    if (dests[i].is_default) chosen = dests[i].name;
  if (!chosen && count > 0) chosen = dests[0].name;  // no default set: the only or first one
  cupsFreeDests(count, dests);
  return chosen;
}

PrintOutcome QtPrinter::print(const ReportDocument& document, const std::string& printer) {
  // The job is the same PDF the save dialog would write, handed to the printing system.
  const QTemporaryDir folder;
  if (!folder.isValid()) return {.detail = folder.errorString().toStdString()};
  const std::string path = folder.filePath(QStringLiteral("report.pdf")).toStdString();
  const PrintOutcome written = write_pdf_file(render_report_pdf(document), path);
  if (!written.done) return written;
  const std::string title = program_title().toStdString();
  const int job =
      cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), path.c_str(), title.c_str(), 0, nullptr);
  if (job == 0) return {.detail = cupsLastErrorString()};

  // Taken, but a stopped printer holds it: say so, in the printer's own words if it has any.
  if (const auto stopped = stopped_printer_message(printer))
    return {.detail = stopped->empty() ? std::string(text::kPrinterStopped) : *stopped};
  return {.done = true};
}

std::optional<std::string> QtFileChooser::open_path(std::string_view filter) {
  const QString path =
      QFileDialog::getOpenFileName(owner_, program_title(), QString(), qstring(filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtFileChooser::save_path(std::string_view suggested_name,
                                                    std::string_view filter) {
  const QString path = QFileDialog::getSaveFileName(owner_, program_title(),
                                                    qstring(suggested_name), qstring(filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtPrinter::choose_pdf_path(std::string_view suggested_name) {
  return files_.save_path(suggested_name, text::kPdfFilter);
}

PrintOutcome QtPrinter::write_pdf(const ReportDocument& document, const std::string& path) {
  return write_pdf_file(render_report_pdf(document), path);
}

}  // namespace cp
