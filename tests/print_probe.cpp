// The print command against whatever printing system CUPS_SERVER names: runs the
// calculation of an answers file and presses Print, writing each message the user would
// see as "! text". With --check PDF, instead reads a printed job back and exits 1 unless
// its text holds every line of that calculation's report. Used by cups_print_test.sh.
#include <QGuiApplication>
#include <QProcess>
#include <QStringList>

#include <iostream>
#include <string>

#include "calculate.h"
#include "document.h"
#include "layout.h"
#include "print_command.h"
#include "qt_ports.h"
#include "qt_printer.h"
#include "scripted_user.h"

namespace {

struct PrintedMessage : cp::Message {
  void show(const std::string& text) override { std::cout << "! " << text << '\n'; }
};

// The PDF's lines without blanks, as the report's rows are compared.
QStringList pdf_lines(const QString& pdf) {
  QProcess process;
  process.start("pdftotext", {"-layout", pdf, "-"});
  process.waitForFinished(30000);
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  QStringList lines;
  for (QString line : text.split('\n')) lines << line.remove(' ').remove('\f');
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  cp::quiet_qt_notes();  // as the program does
  QGuiApplication application(argc, argv);
  if (argc < 2) return 2;
  cp::testing_support::ScriptedUser user(cp::testing_support::answers_in_file(argv[1]));
  cp::Session session;
  cp::calculate(user.ports(), session);
  if (!session.last_complete.complete) return 2;

  if (argc == 4 && std::string(argv[2]) == "--check") {
    const QStringList printed = pdf_lines(QString::fromLocal8Bit(argv[3]));
    int missing = 0;
    const auto rows = cp::report_rows(session.last_complete);
    for (const auto& row : *rows) {
      const QString line = QString::fromStdString(cp::row_text(row)).remove(' ');
      if (!line.isEmpty() && !printed.contains(line)) {
        std::cout << "not printed: " << line.toStdString() << '\n';
        ++missing;
      }
    }
    return missing == 0 ? 0 : 1;
  }
  cp::QtPrinter printer(nullptr);
  PrintedMessage message;
  cp::print_report(session.last_complete, printer, message);
  return 0;
}
