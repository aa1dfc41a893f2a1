#include "qt_printer.h"

#include <QFileDialog>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cups/cups.h>

#include "output_file.h"
#include "qt_ports.h"
#include "report_painter.h"
#include "texts.h"

namespace cp {
namespace {

// The IPP printer-state of a stopped printer.
constexpr std::string_view kPrinterStoppedState = "5";

}  // namespace

PrintOutcome write_report_pdf(const ReportDocument& document, const std::string& path) {
  try {
    OutputFile file(path);
    {
      QPdfWriter writer(QString::fromStdString(file.temporary_path()));
      writer.setTitle(program_title());
      writer.setResolution(1200);
      writer.setPageSize(QPageSize(QPageSize::A4));
      if (!render_report(document, writer)) return {.detail = std::string(text::kPdfNotStarted)};
    }
    file.commit();
    return {.done = true};
  } catch (const OutputError& error) {
    return {.detail = error.reason};
  }
}

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
  const PrintOutcome written = write_report_pdf(document, path);
  if (!written.done) return written;
  const std::string title = program_title().toStdString();
  const int job =
      cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), path.c_str(), title.c_str(), 0, nullptr);
  if (job == 0) return {.detail = cupsLastErrorString()};

  // Taken, but a stopped printer holds it: say so, in the printer's own words if it has any.
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.c_str(), nullptr);
  PrintOutcome outcome{.done = true};
  if (dest) {
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state && std::string_view(state) == kPrinterStoppedState) {
      const char* said = cupsGetOption("printer-state-message", dest->num_options, dest->options);
      outcome = {.detail = said && *said ? std::string(said) : std::string(text::kPrinterStopped)};
    }
    cupsFreeDests(1, dest);
  }
  return outcome;
}

std::optional<std::string> QtPrinter::choose_pdf_path(std::string_view suggested_name) {
  const QString path = QFileDialog::getSaveFileName(
      owner_, program_title(), qstring(suggested_name), qstring(text::kPdfFilter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

PrintOutcome QtPrinter::write_pdf(const ReportDocument& document, const std::string& path) {
  return write_report_pdf(document, path);
}

}  // namespace cp
