#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QWidget>

#include <vector>

#include "printing.h"

namespace cp {

// Where the report is placed on the page: the printer's two page settings, in twips.
inline constexpr double kReportLeftMarginTwips = 2000;
inline constexpr double kReportTopMarginTwips = 1000;

// Puts the report rows on the pages of a printer or PDF device: each item at its
// column times the width of one narrow character of a monospaced CJK face, rows at the
// font's line spacing, a new page when one fills.
// False when the device would not start: then nothing is drawn.
bool render_report(const std::vector<ReportRow>& rows, QPagedPaintDevice& device);

// Writes the report as a PDF file, whole or not at all: a failure leaves any file at the
// path as it was and says why.
PrintOutcome write_report_pdf(const std::vector<ReportRow>& rows, const std::string& path);

// The system's default printer, and a save dialog for the PDF file.
class QtPrinter : public Printer {
 public:
  explicit QtPrinter(QWidget* owner) : owner_(owner) {}

  bool has_default_printer() override;
  PrintOutcome print(const std::vector<ReportRow>& rows) override;
  std::optional<std::string> choose_pdf_path(std::string_view suggested_name) override;
  PrintOutcome write_pdf(const std::vector<ReportRow>& rows, const std::string& path) override;

 private:
  QWidget* owner_;
};

}  // namespace cp
