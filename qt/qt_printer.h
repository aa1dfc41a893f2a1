#pragma once

#include <QString>
#include <QWidget>

#include <vector>

#include "ports.h"
#include "printing.h"

namespace cp {

// The file dialogs of the system, in Chinese, owned by the window.
class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* owner) : owner_(owner) {}
  std::optional<std::string> open_path(std::string_view filter) override;
  std::optional<std::string> save_path(std::string_view suggested_name,
                                       std::string_view filter) override;

 private:
  QWidget* owner_;
};

// The system's default printer through CUPS, and a save dialog for the PDF file.
class QtPrinter : public Printer {
 public:
  explicit QtPrinter(QWidget* owner) : files_(owner) {}

  std::optional<std::string> default_printer() override;
  PrintOutcome print(const ReportDocument& document, const std::string& printer) override;
  std::optional<std::string> choose_pdf_path(std::string_view suggested_name) override;
  PrintOutcome write_pdf(const ReportDocument& document, const std::string& path) override;

 private:
  QtFileChooser files_;
};

}  // namespace cp
