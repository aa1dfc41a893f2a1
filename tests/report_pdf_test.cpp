// The report as printed: a golden calculation rendered to PDF by Qt, read back with
// poppler's pdftotext -bbox, checked for every line, its columns and its margins.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "calculate.h"
#include "document.h"
#include "layout.h"
#include "network.h"
#include "report_pdf.h"
#include "scripted_user.h"

namespace cp {
namespace {

struct Word {
  QString text;
  double x_min;
  double y_min;
  int page;
  double x_max;
};

std::vector<std::string> golden_answers(const char* name) {
  return testing_support::answers_in_file(std::string(GOLDEN_DIR "/") + name + ".answers");
}

// The words of the PDF, or of one page of it (counted from 1).
std::vector<Word> pdf_words(const QString& pdf, int page = 0) {
  QStringList arguments{"-bbox", pdf, "-"};
  if (page > 0)
    arguments = QStringList{"-f", QString::number(page), "-l", QString::number(page)} + arguments;
  QProcess process;
  process.start("pdftotext", arguments);
  process.waitForFinished(30000);
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
  std::vector<Word> words;
  const QStringList pages = html.split(QStringLiteral("<page "));
  for (int page = 1; page < pages.size(); ++page) {
    for (auto match = word.globalMatch(pages[page]); match.hasNext();) {
      const auto m = match.next();
      words.push_back({m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(), page,
                       m.captured(3).toDouble()});
    }
  }
  return words;
}

// Draws the document and writes the file: whether both went well.
bool write_report_pdf(const ReportDocument& document, const QString& path) {
  const PdfBytes pdf = render_report_pdf(document);
  QFile file(path);
  return pdf.failure.empty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(pdf.bytes.data(), static_cast<qint64>(pdf.bytes.size())) ==
             static_cast<qint64>(pdf.bytes.size());
}

// The PDF of the report of an equilateral N = 3 polygon with its five points named so,
// written beside the test; none where it could not be.
QString report_with_names(const QStringList& names, const char* file) {
  std::vector<std::string> answers{"3", "0", "", "0", "", "0",  "", "0",
                                   "",  "0", "", "0", "", "30", ""};
  for (const QString& name : names) answers.push_back(name.toStdString());
  for (int i = 0; i < 3; ++i)
    for (const char* answer : {"57.73502691896258", "", "100", ""}) answers.push_back(answer);
  for (int k = 0; k < 5; ++k) answers.push_back("");
  testing_support::ScriptedUser user(answers);
  SessionRecord record;
  calculate(user.ports(), record);
  const QString pdf = QCoreApplication::applicationDirPath() + "/" + file;
  if (!record.complete || !write_report_pdf(*report_document(record), pdf)) return {};
  return pdf;
}

class ReportPdfTest : public QObject {
  Q_OBJECT

 private slots:
  void everyLineInItsColumnWithinTheMargins() {
    testing_support::ScriptedUser user(golden_answers("n6_b_on_ring"));
    SessionRecord record;
    calculate(user.ports(), record);
    QVERIFY(record.complete);
    const auto document = report_document(record);
    const auto* rows = &document->rows;

    // Kept beside the test for a person to look at.
    const QString pdf = QCoreApplication::applicationDirPath() + "/report.pdf";
    QVERIFY(write_report_pdf(*document, pdf));
    // The report's pages, before the appendix.
    auto words = pdf_words(pdf);
    const auto appendix = std::find_if(words.begin(), words.end(), [](const Word& w) {
      return w.text == QStringLiteral("点位精度与误差椭圆");
    });
    QVERIFY(appendix != words.end());
    const int appendix_page = appendix->page;
    std::erase_if(words, [&](const Word& w) { return w.page >= appendix_page; });
    QVERIFY(!words.empty());

    // Every printed row is a line of the PDF: its words, left to right, without blanks.
    std::map<std::pair<int, long>, std::vector<const Word*>> by_line;
    for (const Word& w : words) by_line[{w.page, std::lround(w.y_min * 10)}].push_back(&w);
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

  // The text layer is the text drawn: the report's own words and the names typed are
  // found verbatim, and a radical typed stays a radical beside the ideograph it looks like.
  void textLayerIsTheTextDrawn() {
    const QStringList names{"马家湾", "青龙山", "三角点", QString::fromUtf8("\u2F3C站"), "马家湾"};
    const QString pdf = report_with_names(names, "report-names.pdf");
    QVERIFY(!pdf.isEmpty());
    QProcess process;
    process.start("pdftotext", {pdf, "-"});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& word : names + QStringList{"中心多边形三边平差", "边长", "毫米", "中心",
                                                   "点位精度与误差椭圆", "已知点"})
      QVERIFY2(text.contains(word), qPrintable(word));
    QVERIFY2(!text.contains(QChar(0x2F3C) + QStringLiteral("多边形")), "心 read back as a radical");
  }

  // Names the report face cannot set alone, glyph by glyph: a letter it lacks (taken
  // from another font), alone and beside its own, a joiner that draws nothing. Each is
  // drawn whole, as wide as its parts, and read back as typed (the joiner as nothing).
  void namesBeyondTheReportFace() {
    const QString pdf = report_with_names(
        {"Ա", "站", QString::fromUtf8("站Ա"), QString::fromUtf8("点\u200D位"), "点位"},
        "report-other-faces.pdf");
    QVERIFY(!pdf.isEmpty());
    std::map<QString, std::vector<double>> widths;  // of each word, in the order found
    for (const Word& w : pdf_words(pdf)) widths[w.text].push_back(w.x_max - w.x_min);
    for (const QString word : {"Ա", "站", "站Ա"}) QVERIFY2(!widths[word].empty(), qPrintable(word));
    QVERIFY(std::fabs(widths["站Ա"][0] - widths["站"][0] - widths["Ա"][0]) < 0.01);
    QVERIFY(widths["点位"].size() >= 2);
    QVERIFY(std::fabs(widths["点位"][0] - widths["点位"][1]) < 0.01);
    // Every glyph is one of a font's own: a glyph the fonts do not have would be drawn
    // from a stand-in font that cairo makes up (Type 3).
    QProcess fonts;
    fonts.start("pdffonts", {pdf});
    QVERIFY(fonts.waitForFinished(30000));
    const QString listed = QString::fromUtf8(fonts.readAllStandardOutput());
    QVERIFY2(listed.contains("DejaVu") && !listed.contains("Type 3"), qPrintable(listed));
  }

  // A table of two hundred points runs over several pages: each of them starts with
  // the column headings, and the appendix page says when the calculation was made and
  // where the calculator and the checker sign.
  void everyTablePageHasItsHeadings() {
    std::mt19937 random(200);
    const auto net =
        testing_support::make_network(200, testing_support::Case::BOnRing, random, 1000, 1200);
    testing_support::ScriptedUser user(
        testing_support::answers_for(net, testing_support::Case::BOnRing));
    SessionRecord record;
    calculate(user.ports(), record);
    QVERIFY(record.complete);
    const QString pdf = QCoreApplication::applicationDirPath() + "/report-n200.pdf";
    QVERIFY(write_report_pdf(*report_document(record), pdf));
    int appendix_page = 0;
    int table_pages = 0;
    for (int page = 1; page < 40; ++page) {
      const auto words = pdf_words(pdf, page);
      if (words.empty()) break;
      const auto has = [&](const QString& text) {
        return std::any_of(words.begin(), words.end(),
                           [&](const Word& w) { return w.text == text; });
      };
      if (has(QStringLiteral("点位精度与误差椭圆"))) {
        appendix_page = page;
        QVERIFY(std::any_of(words.begin(), words.end(), [](const Word& w) {
          return w.text.startsWith(QStringLiteral("计算者"));
        }));
        QVERIFY(has(QStringLiteral("计算时间")));
      }
      if (appendix_page == 0 || page == appendix_page) continue;
      ++table_pages;
      QVERIFY2(has(QStringLiteral("点名")) && has(QStringLiteral("mx")) && has(QStringLiteral("φ")),
               qPrintable(QString::number(page)));
    }
    QVERIFY(appendix_page > 0);
    QVERIFY2(table_pages >= 3, qPrintable(QString::number(table_pages)));
  }

  // The appendix on a page of its own: its title, every point's name in the table and
  // in the drawing, and the drawing itself in its box.
  void appendixWithTableAndDrawing() {
    for (const char* golden : {"n6_b_on_ring", "n6_b_at_centre", "n6_outside_q2"}) {
      testing_support::ScriptedUser user(golden_answers(golden));
      SessionRecord record;
      calculate(user.ports(), record);
      QVERIFY(record.complete);
      const QString pdf = QCoreApplication::applicationDirPath() + "/report-" + golden + ".pdf";
      QVERIFY(write_report_pdf(*report_document(record), pdf));

      int page = 1;
      std::vector<Word> words;
      for (; page < 10; ++page) {
        words = pdf_words(pdf, page);
        const bool title = std::any_of(words.begin(), words.end(), [](const Word& w) {
          return w.text == QStringLiteral("点位精度与误差椭圆");
        });
        if (title) break;
      }
      QVERIFY2(page < 10, golden);
      for (std::size_t k = 0; k <= static_cast<std::size_t>(record.L); ++k) {
        const QString name = QString::fromStdString(record.names[k]);
        const auto count = std::count_if(words.begin(), words.end(),
                                         [&](const Word& w) { return w.text == name; });
        // Once in the table, once beside its point; A again (outside azimuth) only in
        // the table.
        QVERIFY2(count >= 1, qPrintable(name));
      }

      // The drawing's box: 150 mm square below the heading, at the left margin of 100
      // points. Rendered at 72 dpi, a pixel is a point.
      const QString png = QCoreApplication::applicationDirPath() + "/appendix-" + golden;
      QProcess render;
      render.start("pdftoppm", {"-f", QString::number(page), "-l", QString::number(page), "-r",
                                "72", "-png", "-singlefile", pdf, png});
      QVERIFY(render.waitForFinished(30000));
      const QImage image(png + ".png");
      QVERIFY(!image.isNull());
      double legend_bottom = 0;
      for (const Word& w : words)
        if (w.text.startsWith(QStringLiteral("△"))) legend_bottom = w.y_min + 12;
      QVERIFY(legend_bottom > 0);
      constexpr double kBox = 150 / 25.4 * 72;
      const QRect inside(100 + 10, static_cast<int>(legend_bottom) + 10,
                         static_cast<int>(kBox) - 20, static_cast<int>(kBox) - 20);
      int inked = 0;
      for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
          if (qGray(image.pixel(x, y)) < 200) ++inked;
      QVERIFY2(inked > 300, qPrintable(QString::number(inked)));
    }
  }
};

}  // namespace
}  // namespace cp

QTEST_MAIN(cp::ReportPdfTest)
#include "report_pdf_test.moc"
