#include "cups_printer.h"

#include <cups/cups.h>

#include <filesystem>

#include "fill.h"
#include "output_file.h"
#include "report_pdf.h"
#include "system_file.h"
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

std::optional<std::string> cups_default_printer() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::optional<std::string> chosen;
  for (int i = 0; i < count && !chosen; ++i)
    if (dests[i].is_default) chosen = dests[i].name;
  if (!chosen && count > 0) chosen = dests[0].name;  // no default set: the only or first one
  cupsFreeDests(count, dests);
  return chosen;
}

PrintOutcome cups_print(const ReportDocument& document, const std::string& printer) {
  // The job is the same PDF the save dialog would write, handed to the printing system
  // from a file of the temporary folder, removed once the job has it.
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) return {.detail = error.message()};
  std::string path;
  try {
    os::File file = os::File::create_beside(os::utf8_of(folder / "central-polygon.pdf"), path);
    const PdfBytes pdf = render_report_pdf(document);
    if (!pdf.failure.empty()) throw os::Failure{pdf.failure};
    file.write(pdf.bytes);
    file.close();
  } catch (const os::Failure& failure) {
    if (!path.empty()) os::remove(path);
    return {.detail = failure.reason};
  }
  const std::string title(text::kProgramTitle);
  const int job =
      cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), path.c_str(), title.c_str(), 0, nullptr);
  os::remove(path);
  if (job == 0) return {.detail = cupsLastErrorString()};

  // Taken, but a stopped printer holds it: say so, in the printer's own words if it has any.
  if (const auto stopped = stopped_printer_message(printer))
    return {.detail = stopped->empty() ? std::string(text::kPrinterStopped) : *stopped};
  return {.done = true};
}

PrintOutcome print_on_default_printer(const ReportDocument& document) {
  const auto printer = cups_default_printer();
  if (!printer) return {.detail = std::string(text::kNoPrinter)};
  PrintOutcome printed = cups_print(document, *printer);
  if (!printed.done)
    printed.detail = text::fill_in(text::kPrinterFailed,
                                   {{"{printer}", *printer}, {"{reason}", printed.detail}});
  return printed;
}

}  // namespace cp
