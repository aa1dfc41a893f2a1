// The report as printed: a golden calculation rendered to PDF by Qt, read back with
// poppler's pdftotext -bbox, checked for every line, its columns and its margins.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <map>

#include "calculate.h"
#include "layout.h"
#include "qt_printer.h"
#include "scripted_user.h"

namespace cp {
namespace {

struct Word {
  QString text;
  double x_min;
  double y_min;
};

std::vector<std::string> golden_answers(const QString& name) {
  QFile file(QStringLiteral(GOLDEN_DIR "/") + name + ".answers");
  file.open(QIODevice::ReadOnly);
  std::vector<std::string> answers;
  QTextStream in(&file);
  while (!in.atEnd()) answers.push_back(in.readLine().toStdString());
  return answers;
}

std::vector<Word> pdf_words(const QString& pdf) {
  QProcess process;
  process.start("pdftotext", {"-bbox", pdf, "-"});
  process.waitForFinished(30000);
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
  std::vector<Word> words;
  for (auto match = word.globalMatch(html); match.hasNext();) {
    const auto m = match.next();
    // Noto CJK glyphs read back as compatibility ideographs or radicals; NFKC turns
    // the former back, the radical of 长 has no decomposition and is mapped by hand.
    QString text = m.captured(3).normalized(QString::NormalizationForm_KC);
    text.replace(QChar(0x2ED3), QChar(0x957F));
    words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble()});
  }
  return words;
}

class ReportPdfTest : public QObject {
  Q_OBJECT

 private slots:
  void everyLineInItsColumnWithinTheMargins() {
    testing_support::ScriptedUser user(golden_answers("n6_b_on_ring"));
    SessionRecord record;
    calculate(user.ports(), record);
    QVERIFY(record.complete);
    const auto rows = report_rows(record);

    // Kept beside the test for a person to look at.
    const QString pdf = QCoreApplication::applicationDirPath() + "/report.pdf";
    QVERIFY(write_report_pdf(*rows, pdf.toStdString()).done);
    const auto words = pdf_words(pdf);
    QVERIFY(!words.empty());

    // Every printed row is a line of the PDF: its words, left to right, without blanks.
    std::map<long, std::vector<const Word*>> by_line;
    for (const Word& w : words) by_line[std::lround(w.y_min * 10)].push_back(&w);
    QStringList pdf_lines;
    for (auto& [y, line] : by_line) {
      std::sort(line.begin(), line.end(),
                [](const Word* a, const Word* b) { return a->x_min < b->x_min; });
      QString text;
      for (const Word* w : line) text += w->text;
      pdf_lines << text;
    }
    for (const auto& row : *rows) {
      const QString text = QString::fromStdString(row_text(row)).remove(' ');
      if (!text.isEmpty()) QVERIFY2(pdf_lines.contains(text), qPrintable(text));
    }

    std::map<QString, std::vector<double>> starts;
    for (const Word& w : words) {
      for (const QString prefix : {"xa=", "xb=", "s(", "x(", "y(", "ya=", "yb="}) {
        if (w.text.startsWith(prefix)) starts[prefix].push_back(w.x_min);
      }
    }
    QCOMPARE(starts["s("].size(), std::size_t{24});
    for (const auto& [prefix, xs] : starts) {
      for (double x : xs) QVERIFY2(std::fabs(x - xs.front()) < 0.5, qPrintable(prefix));
    }
    QVERIFY(std::fabs(starts["xa="].front() - starts["xb="].front()) < 0.5);

    // Margins of 2000 and 1000 twips: 100 and 50 points. The leftmost item stands at
    // column 22, 21 narrow characters of the 10 point face (5 points each) further in.
    double left = 1e9;
    double top = 1e9;
    for (const Word& w : words) {
      left = std::min(left, w.x_min);
      top = std::min(top, w.y_min);
    }
    QVERIFY2(std::fabs(left - (100 + 21 * 5)) < 1, qPrintable(QString::number(left)));
    QVERIFY2(top > 49.5 && top < 50 + 12, qPrintable(QString::number(top)));
  }
};

}  // namespace
}  // namespace cp

QTEST_MAIN(cp::ReportPdfTest)
#include "report_pdf_test.moc"
