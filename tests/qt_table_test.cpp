// The data table's window under real key presses, offscreen: a side corrected in place
// and calculated with F9, journalled and saved; a pasted column; a refused value given
// back by Esc; a cleared cell that stops the calculation; closing with edits unsaved.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>
#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "calculate.h"
#include "document.h"
#include "layout.h"
#include "network.h"
#include "polygon_sheet.h"
#include "qt_window.h"
#include "record_dump.h"
#include "scripted_user.h"
#include "unsaved_table.h"

namespace cp {
namespace {

using testing_support::ScriptedUser;

std::string file_text(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The record of a run answered by a sheet's text, as --batch of that sheet runs it.
SessionRecord run_sheet(const std::string& sheet) {
  std::vector<std::string> answers;
  for (const SheetAnswer& answer : read_polygon_sheet(sheet).answers)
    answers.push_back(answer.text);
  ScriptedUser user(answers);
  SessionRecord record;
  calculate(user.ports(), record);
  return record;
}

std::string report_of(const SessionRecord& record) {
  std::string text;
  const auto rows = report_text_rows(record);
  if (!rows) return "<no report>";
  for (const ReportRow& row : *rows) text += row_text(row) + "\n";
  return text;
}

class TableTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(folder_.isValid());
    qputenv("XDG_DATA_HOME", (folder_.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (folder_.path() + "/config").toUtf8());
    // The golden N = 6 polygon as a sheet, as --sheet writes it.
    ScriptedUser user(testing_support::answers_in_file(GOLDEN_DIR "/n6_b_on_ring.answers"));
    SessionRecord record;
    calculate(user.ports(), record);
    QVERIFY(record.complete);
    sheet_ = folder_.path() + "/n6.csv";
    std::ofstream(sheet_.toStdString(), std::ios::binary) << sheet_text(record);
  }

  // Ctrl+Home, the arrows to S(7)'s value, a new value typed, Enter, F9: the journal
  // holds the new value, Ctrl+S writes it, and the saved sheet gives the report of the
  // corrected polygon.
  void aSideCorrectedInPlaceAndCalculated() {
    MainWindow window;
    window.show();
    window.open_table(sheet_);
    TableWindow* table = window.table_window();
    QVERIFY(table && table->isVisible());
    QVERIFY(table->windowTitle().startsWith(QStringLiteral("数据表 - n6.csv")));
    QVERIFY2(!window.record().complete, "opening the table computes nothing");
    go_to("S(7)", *table);
    type("1129.18");
    key(Qt::Key_Return);
    QCOMPARE(table->status(), QStringLiteral("就绪"));
    QVERIFY(table->windowTitle().endsWith(" *"));
    key(Qt::Key_F9);
    QVERIFY(window.record().complete);
    QCOMPARE(window.record().observed[7], 1129.18);
    QCOMPARE(table->status(), QStringLiteral("已计算"));
    const std::string journal = file_text(QString::fromStdString(window.journals().back()));
    QVERIFY(journal.find("\n1129.18\n") != std::string::npos);
    QTest::keyClick(table->view(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!table->windowTitle().endsWith(" *"));
    const std::string saved = file_text(sheet_);
    QVERIFY(saved.find("\r\nS(7),1129.18,") != std::string::npos);
    QCOMPARE(report_of(run_sheet(saved)), report_of(window.record()));
    // The results stand beside the data.
    QVERIFY(table->view()->model()->columnCount() > kTableDataColumns);
  }

  // A column of sides pasted at once; a refused value keeps its edit open, marked, and Esc
  // gives the old one back; a cleared cell stops F9, naming it.
  void pasteRefuseAndClear() {
    MainWindow window;
    window.show();
    window.open_table(sheet_);
    TableWindow* table = window.table_window();
    go_to("S(2)", *table);
    QApplication::clipboard()->setText("1401.5\r\n1139.5\r\n934.5\r\n");
    QTest::keyClick(table->view(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell(*table, "S(3)"), QStringLiteral("1139.5"));
    QCOMPARE(cell(*table, "S(4)"), QStringLiteral("934.5"));
    QTest::keyClick(table->view(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(*table, "S(3)"), QStringLiteral("1139.527"));

    go_to("S(5)", *table);
    const QString before = cell(*table, "S(5)");
    type("12x");
    key(Qt::Key_Return);
    QVERIFY(table->status().startsWith(QStringLiteral("S(5)：")));
    auto* editor = qobject_cast<QLineEdit*>(focused());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("12x"));
    key(Qt::Key_F9);
    QVERIFY2(!window.record().complete, "an edit still refused computes nothing");
    key(Qt::Key_Escape);
    QCOMPARE(cell(*table, "S(5)"), before);

    QTest::keyClick(table->view(), Qt::Key_Delete);
    QCOMPARE(cell(*table, "S(5)"), QString());
    QTest::keyClick(table->view(), Qt::Key_F9);
    QVERIFY(!window.record().complete);
    QCOMPARE(table->status(), QStringLiteral("S(5) 没有填写，不能计算"));
    QVERIFY(window.journals().empty());

    // Typing on a label is refused the same way.
    QTest::keyClick(table->view(), Qt::Key_Left);
    QTest::keyClick(table->view(), Qt::Key_A);
    QVERIFY(table->status().startsWith(QStringLiteral("S(5) 的“标签”")));

    // Closing with the cleared cell unsaved asks; 取消 keeps the table open.
    QTimer::singleShot(50, [] { press_in_question(QStringLiteral("取消")); });
    table->close();
    QVERIFY(table->isVisible());
    QTimer::singleShot(50, [] { press_in_question(QStringLiteral("不保存")); });
    table->close();
    QVERIFY(!table->isVisible());
    QVERIFY2(file_text(sheet_).find("\r\nS(5),,") == std::string::npos, "不保存 writes nothing");
  }

  // A side of a 1000-triangle table edited: committed, checked and drawn within 50 ms.
  void aCellOfAThousandTrianglesIsQuickToEdit() {
    std::mt19937 random(1000);
    const auto net =
        testing_support::make_network(1000, testing_support::Case::Q2, random, 1000, 1200);
    ScriptedUser user(testing_support::answers_for(net, testing_support::Case::Q2));
    SessionRecord record;
    calculate(user.ports(), record);
    const QString big = folder_.path() + "/n1000.csv";
    std::ofstream(big.toStdString(), std::ios::binary) << sheet_text(record);
    MainWindow window;
    window.show();
    window.open_table(big);
    TableWindow* table = window.table_window();
    QApplication::setActiveWindow(table);
    QTableView* view = table->view();
    view->setFocus();
    view->setCurrentIndex(view->model()->index(view->model()->rowCount() - 1, 1));
    const QString side = view->currentIndex().data().toString();
    // The median of five edits, each typed and committed with Enter.
    std::vector<qint64> times;
    for (int i = 0; i < 5; ++i) {
      QElapsedTimer timer;
      timer.start();
      type(i % 2 == 0 ? QStringLiteral("1100.5") : side);
      key(Qt::Key_Return);
      QCoreApplication::processEvents();
      times.push_back(timer.elapsed());
      QCOMPARE(table->status(), QStringLiteral("就绪"));
      key(Qt::Key_Up);
    }
    std::sort(times.begin(), times.end());
    qInfo("editing a side of N = 1000: %lld ms (typing and Enter, median of 5)",
          static_cast<long long>(times[2]));
    QVERIFY(times[2] <= 50);
  }

  // A killed run's table is found though this run was given its process number, as Wine
  // gives it; this run's own and a running program's are not.
  void aKilledRunsTableIsFoundThoughItsNumberIsReused() {
    UnsavedTable own;
    own.keep("own");
    const QString runs = folder_.path() + "/data/central-polygon/runs/";
    const std::string killed =
        (runs + QString("unsaved-table-%1-1.csv").arg(getpid())).toStdString();
    std::ofstream(killed, std::ios::binary) << "killed";
    std::ofstream((runs + "unsaved-table-1-1.csv").toStdString(), std::ios::binary) << "init";
    const auto left = table_left_unsaved(own);
    QVERIFY(left);
    QCOMPARE(left->path, killed);
    QCOMPARE(left->sheet, std::string("killed"));
    // Left there, they would be offered to the windows of the tests after.
    QFile::remove(QString::fromStdString(killed));
    QFile::remove(runs + "unsaved-table-1-1.csv");
  }

  // A calculation typed at the prompts or replayed is followed by the table.
  void theTableFollowsTheDialogue() {
    MainWindow window;
    window.show();
    window.replay(sheet_);
    window.open_table();
    QCOMPARE(cell(*window.table_window(), "S(7)"), QStringLiteral("1129.175"));
    QCOMPARE(cell(*window.table_window(), "点 5"), QStringLiteral("C"));
    // Nothing to save: the program ends without asking.
    QCOMPARE(window.table_window()->windowTitle(), QStringLiteral("数据表"));
    int asked = 0;
    QTimer::singleShot(50, [&asked] {
      if (QApplication::activeModalWidget()) {
        ++asked;
        press_in_question(QStringLiteral("取消"));
      }
    });
    window.close();
    QTest::qWait(100);
    QCOMPARE(asked, 0);
  }

 private:
  // Sends a key to the widget with the focus, as a keyboard would.
  static QWidget* focused() {
    QWidget* window = QApplication::activeWindow();
    return window && window->focusWidget() ? window->focusWidget() : QApplication::focusWidget();
  }
  static void key(Qt::Key k) { QTest::keyClick(focused(), k); }
  static void type(const QString& text) {
    for (const QChar c : text) QTest::keyClicks(focused(), QString(c));
  }
  // Presses the button of the save question that reads `caption`.
  static void press_in_question(const QString& caption) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == caption) button->click();
    }
  }

  // Ctrl+Home, then down to a value's or a side's row and right to its value, by the
  // arrows.
  static void go_to(const std::string& label, TableWindow& table) {
    QTableView* view = table.view();
    QApplication::setActiveWindow(&table);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(view->currentIndex().row(), 0);
    QCOMPARE(view->currentIndex().column(), 0);
    const auto* model = view->model();
    int row = 0;
    while (model->index(row, 0).data().toString().toStdString() != label) {
      QTest::keyClick(view, Qt::Key_Down);
      ++row;
      QVERIFY(row < model->rowCount());
    }
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(view->currentIndex().row(), row);
  }

  static QString cell(TableWindow& table, const std::string& label) {
    const auto* model = table.view()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      const std::string first = model->index(row, 0).data().toString().toStdString();
      if (first == label) return model->index(row, 1).data().toString();
      if (label.starts_with("点") && first == "点" &&
          "点 " + model->index(row, 1).data().toString().toStdString() == label)
        return model->index(row, 2).data().toString();
    }
    return "<none>";
  }

  QTemporaryDir folder_;
  QString sheet_;
};

}  // namespace
}  // namespace cp

QTEST_MAIN(cp::TableTest)
#include "qt_table_test.moc"
