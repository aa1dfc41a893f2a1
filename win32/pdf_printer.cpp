#include "pdf_printer.h"

#include <windows.h>

#include <vector>

#include "gdi_report.h"
#include "system_file.h"
#include "texts.h"
#include "wide_text.h"

namespace cp {
namespace {

constexpr const wchar_t* kPdfPrinter = L"Microsoft Print to PDF";

bool pdf_printer_installed() {
  DWORD needed = 0;
  DWORD count = 0;
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  ::EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
  if (needed == 0) return false;
  std::vector<BYTE> buffer(needed);
  if (!::EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return false;
  const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (std::wstring(printers[i].pPrinterName) == kPdfPrinter) return true;
  return false;
}

}  // namespace

PdfBytes render_through_pdf_printer(const ReportDocument& document) {
  if (!pdf_printer_installed()) return {.failure = std::string(text::kNoPdfPrinter)};
  // The printer writes a file of the user's temporary folder, which is read back whole
  // and removed: the caller writes it where it belongs, with the run's other files.
  wchar_t folder[MAX_PATH + 1] = L"";
  if (::GetTempPathW(MAX_PATH + 1, folder) == 0)
    return {.failure = system_message(::GetLastError())};
  std::string temporary;
  PdfBytes pdf;
  try {
    os::File::create_beside(utf8_of(folder) + "central-polygon.pdf", temporary).close();
    const std::wstring output = wide_of(temporary);
    const PrintOutcome printed = print_job(kPdfPrinter, document, &output);
    if (!printed.done) throw os::Failure{printed.detail};
    os::File file = os::File::open_for_reading(temporary);
    char buffer[65536];
    while (const std::size_t got = file.read(buffer, sizeof buffer)) pdf.bytes.append(buffer, got);
  } catch (const os::Failure& failure) {
    pdf = {.failure = failure.reason};
  }
  if (!temporary.empty()) os::remove(temporary);
  return pdf;
}

}  // namespace cp
