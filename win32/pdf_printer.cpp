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

PrintOutcome print_to_pdf_printer(const ReportDocument& document, const std::string& path) {
  if (!pdf_printer_installed()) return {.detail = std::string(text::kNoPdfPrinter)};
  // The printer writes a file beside the target, which replaces the target only once
  // the job has ended well: whole or not at all.
  std::string temporary;
  try {
    os::File::create_beside(path, temporary).close();
  } catch (const os::Failure& failure) {
    return {.detail = failure.reason};
  }
  const std::wstring output = wide_of(temporary);
  const PrintOutcome printed = print_job(kPdfPrinter, document, &output);
  try {
    if (!printed.done) throw os::Failure{printed.detail};
    os::replace(temporary, path);
  } catch (const os::Failure& failure) {
    os::remove(temporary);
    return {.detail = failure.reason};
  }
  return {.done = true};
}

}  // namespace cp
