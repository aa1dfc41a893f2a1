#pragma once

#include <QString>
#include <QWidget>

#include <vector>

#include "printing.h"

namespace cp {

// The system's default printer through CUPS, and a save dialog for the PDF file.
class QtPrinter : public Printer {
 public:
  explicit QtPrinter(QWidget* owner) : owner_(owner) {}

  std::optional<std::string> default_printer() override;
  PrintOutcome print(const ReportDocument& document, const std::string& printer) override;
  std::optional<std::string> choose_pdf_path(std::string_view suggested_name) override;
  PrintOutcome write_pdf(const ReportDocument& document, const std::string& path) override;

 private:
  QWidget* owner_;
};

}  // namespace cp
