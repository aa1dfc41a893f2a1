// The real window, offscreen: a whole calculation answered through the real prompt
// dialogs, a cancelled prompt, the layout as rendered, and the print command.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "calculate.h"
#include "fonts.h"
#include "layout.h"
#include "layout_table.h"
#include "prompt_placement.h"
#include "qt_printer.h"
#include "qt_window.h"
#include "scripted_user.h"

namespace cp {
namespace {

// Answers every modal dialog that opens: prompts from the list (Esc for "<esc>"),
// message boxes by OK. A prompt with no answer left is cancelled and counted as a
// failure, so that a test fails rather than hangs.
class DialogAnswerer : public QObject {
 public:
  explicit DialogAnswerer(QStringList script) : answers(std::move(script)) {
    connect(&timer, &QTimer::timeout, this, [this] { answer_open_dialog(); });
    timer.start(5);
  }

  QStringList answers;
  QStringList prompts;
  QStringList messages;
  QStringList button_texts;  // of every dialog, as shown
  int unexpected = 0;
  std::function<void(QWidget*)> on_prompt;  // looks at each prompt before it is answered

 private:
  void answer_open_dialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    for (const QPushButton* button : modal->findChildren<QPushButton*>())
      button_texts << button->text();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages << box->text();
      box->accept();
      return;
    }
    if (modal->objectName() != "prompt") {
      ++unexpected;
      modal->close();
      return;
    }
    prompts << modal->findChild<QLabel*>()->text();
    if (on_prompt) on_prompt(modal);
    auto* edit = modal->findChild<QLineEdit*>();
    if (answers.isEmpty()) {
      ++unexpected;
      QTest::keyClick(edit, Qt::Key_Escape);
      return;
    }
    const QString answer = answers.takeFirst();
    if (answer == "<esc>") {
      QTest::keyClick(edit, Qt::Key_Escape);
    } else {
      // Keys carry ASCII; Chinese comes as an input method commits it, whole.
      const bool ascii =
          std::all_of(answer.begin(), answer.end(), [](QChar c) { return c.unicode() < 0x80; });
      if (ascii)
        QTest::keyClicks(edit, answer);
      else
        edit->insert(answer);
      QTest::keyClick(edit, Qt::Key_Return);
    }
  }

  QTimer timer;
};

// The regular N = 3 figure oriented by Q2 = 30 from T0 = 0.
QStringList regular_figure() {
  const QString radial = "57.73502691896258";
  QStringList a{"3", "0", "", "0", "", "0", "", "0", "", "0", "", "0", "", "30", ""};
  a << "A"
    << "P1"
    << "P2"
    << "C"
    << "A";
  for (int i = 0; i < 3; ++i)
    a << radial << ""
      << "100"
      << "";
  for (int k = 0; k < 5; ++k) a << "";
  return a;
}

QString text_of(MainWindow& window, const char* name) {
  return static_cast<QLineEdit*>(window.control(name))->text();
}

void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void wholeCalculationThroughTheDialogs() {
    MainWindow window;
    window.show();
    DialogAnswerer answerer(regular_figure());
    click(window.calculate_button());
    QCOMPARE(answerer.unexpected, 0);
    QVERIFY(answerer.answers.isEmpty());
    QCOMPARE(answerer.prompts.first(), QStringLiteral("请输入三角形个数 N:"));
    QVERIFY(window.record().complete);
    QCOMPARE(text_of(window, "Text50"), QStringLiteral(" 中心多边形共有3个三角形"));
    QCOMPARE(text_of(window, "Text1"), QStringLiteral("独立多边形由外方位角定向"));
    QCOMPARE(text_of(window, "Text12"), QStringLiteral("0.00秒"));
    QCOMPARE(text_of(window, "Text14"), QStringLiteral("4.2292"));
    QCOMPARE(text_of(window, "Text21"), QStringLiteral("  现在输出"));
    QCOMPARE(text_of(window, "Text9"), QStringLiteral("  A"));
    QCOMPARE(text_of(window, "Text10"), QStringLiteral(" 0.000"));
  }

  void cancelledNumberEndsTheRunWithAMessage() {
    MainWindow window;
    window.show();
    {
      DialogAnswerer answerer({"6", "<esc>"});
      click(window.calculate_button());
      QCOMPARE(answerer.unexpected, 0);
      QCOMPARE(answerer.messages, QStringList{QStringLiteral("没有输入 Xa 的数值，计算中止")});
      QCOMPARE(text_of(window, "Text50"), QStringLiteral(" 中心多边形共有6个三角形"));
      QVERIFY(!window.record().complete);
    }
    DialogAnswerer again(regular_figure());  // the window is still usable
    click(window.calculate_button());
    QCOMPARE(again.unexpected, 0);
    QVERIFY(window.record().complete);
  }

  // A save dialog pointed at the answers file being replayed, or at the journal, asks
  // before the file is written over; any other file is not asked about.
  void saveOverTheReplayedFileOrTheJournalAsks() {
    const QString folder = QDir::tempPath() + "/window-test-replace";
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    qputenv("XDG_DATA_HOME", folder.toUtf8());
    const QString answers = folder + "/regular.answers";
    {
      QFile file(answers);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write((regular_figure().join('\n') + '\n').toUtf8());
    }
    MainWindow window;
    window.show();
    DialogAnswerer answerer({});
    window.replay(answers);
    QVERIFY(window.last_complete().complete);
    QCOMPARE(window.journals().size(), std::size_t{1});
    QVERIFY(window.may_replace((folder + "/other.pdf").toStdString()));
    QVERIFY(answerer.messages.isEmpty());
    QVERIFY(!window.may_replace((folder + "/./regular.answers").toStdString()));
    QVERIFY(!window.may_replace(window.journals().front()));
    QCOMPARE(answerer.messages.size(), 2);
    QVERIFY(answerer.messages[0].startsWith(folder + "/./regular.answers 是本次重放的答案文件"));
    QVERIFY(answerer.messages[1].contains(QStringLiteral("本次计算记录答案的文件")));
    QDir(folder).removeRecursively();
  }

  // The right-click menu: open an answers file or a sheet, save the sheet, export the
  // results; exports are there but disabled until a calculation has completed.
  void contextMenuOpensSavesAndExports() {
    struct Chooser : FileChooser {
      std::string open;
      std::string save;
      std::vector<std::string> filters;
      std::optional<std::string> open_path(std::string_view filter) override {
        filters.emplace_back(filter);
        return open;
      }
      std::optional<std::string> save_path(std::string_view, std::string_view filter) override {
        filters.emplace_back(filter);
        return save;
      }
    } chooser;
    const QString folder = QDir::tempPath() + "/window-test-menu";
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    qputenv("XDG_DATA_HOME", folder.toUtf8());
    const std::string dir = folder.toStdString();
    {
      QFile file(folder + "/regular.answers");
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write((regular_figure().join('\n') + '\n').toUtf8());
    }
    MainWindow window;
    window.set_file_chooser(&chooser);
    window.show();
    QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
    const QStringList names{"open", "sheet", "coordinates", "dat", "dxf", "gama"};
    for (const QString& name : names) {
      QAction* action = window.command(name);
      QVERIFY2(action && window.actions().contains(action), qPrintable(name));
      QVERIFY2(!action->shortcut().isEmpty(), qPrintable(name));
      QCOMPARE(action->isEnabled(), name == "open");
    }
    DialogAnswerer answerer({});
    chooser.open = dir + "/regular.answers";
    window.command("open")->trigger();
    QVERIFY(window.last_complete().complete);
    for (const QString& name : names) QVERIFY2(window.command(name)->isEnabled(), qPrintable(name));

    chooser.save = dir + "/polygon.csv";
    window.command("sheet")->trigger();
    chooser.save = dir + "/points.dat";
    window.command("dat")->trigger();
    QVERIFY(QFile::exists(folder + "/polygon.csv"));
    QVERIFY(QFile::exists(folder + "/points.dat"));
    QVERIFY(answerer.messages.isEmpty());

    // The sheet saved opens again, through the same command.
    chooser.open = dir + "/polygon.csv";
    window.command("open")->trigger();
    QVERIFY(window.last_complete().complete);
    QCOMPARE(window.record().names, window.last_complete().names);

    // Saving over the replayed answers file asks first; declined, nothing is written.
    const QByteArray before = [&] {
      QFile file(folder + "/regular.answers");
      file.open(QIODevice::ReadOnly);
      return file.readAll();
    }();
    chooser.save = dir + "/regular.answers";
    window.command("coordinates")->trigger();
    QCOMPARE(answerer.messages.size(), 1);
    QFile file(folder + "/regular.answers");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(answerer.unexpected, 0);

    // A blank sheet: N and the configuration asked, then where to save it.
    answerer.answers = QStringList{"7", "3"};
    chooser.save = dir + "/blank.csv";
    window.command("new-sheet")->trigger();
    QCOMPARE(answerer.unexpected, 0);
    QVERIFY(answerer.answers.isEmpty());
    QCOMPARE(answerer.messages.size(), 1);
    QFile sheet(folder + "/blank.csv");
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(sheet.readAll());
    QVERIFY(written.contains(QStringLiteral("\r\nN,7,")));
    QVERIFY(written.contains(QStringLiteral("\r\n点,8,,起始点 A\r\n")));
    QVERIFY(written.contains(QStringLiteral("\r\nS(14),,周边,点 6,点 0\r\n")));
    QDir(folder).removeRecursively();
  }

  // The EDM precision: asked from the menu, remembered for the next program run, and a
  // closure beyond the limit it gives said in one message; within it, nothing is said.
  void edmPrecisionIsRememberedAndJudgesTheClosure() {
    const QString folder = QDir::tempPath() + "/window-test-edm";
    QDir(folder).removeRecursively();
    qputenv("XDG_CONFIG_HOME", folder.toUtf8());
    qputenv("XDG_DATA_HOME", (folder + "/data").toUtf8());
    QStringList skewed = regular_figure();
    skewed[skewed.indexOf("100")] = "100.05";  // the first perimeter side: w is not 0
    {
      MainWindow window;
      window.show();
      {
        DialogAnswerer answerer({"abc", "0.5+1"});
        window.command("edm")->trigger();
        window.command("edm")->trigger();
        QCOMPARE(answerer.unexpected, 0);
        QVERIFY(answerer.prompts.first().contains(QStringLiteral("现在为 未设定")));
        QVERIFY(answerer.messages.first().startsWith(QStringLiteral("测距精度 abc 不是")));
        QCOMPARE(answerer.messages.size(), 1);
      }
      DialogAnswerer within(regular_figure());
      click(window.calculate_button());
      QVERIFY(window.record().complete);
      QVERIFY(window.record().grade && window.record().grade->pass);
      QVERIFY(within.messages.isEmpty());
    }
    MainWindow again;  // the next program run
    again.show();
    {
      DialogAnswerer beyond(skewed);
      click(again.calculate_button());
      QVERIFY(again.record().complete);
      QCOMPARE(beyond.messages.size(), 1);
      QVERIFY(beyond.messages.first().startsWith(QStringLiteral("闭合差 w = ")));
      QVERIFY(
          beyond.messages.first().endsWith(QStringLiteral("（测距精度 0.5 毫米 + 1 毫米/公里）")));
    }
    DialogAnswerer cleared({"", "0"});
    again.command("edm")->trigger();
    again.command("edm")->trigger();
    QVERIFY(cleared.prompts.last().contains(QStringLiteral("现在为 0.5+1")));
    QVERIFY(!again.desk_edm());
    QDir(folder).removeRecursively();
  }

  // The grade: chosen from the menu among the table's grades, remembered for the next
  // program run, refused without an EDM precision once, and a grade not met said in one
  // message naming the failed checks. An office's table that is no table is said once.
  void gradeIsRememberedAndJudgesTheWork() {
    const QString folder = QDir::tempPath() + "/window-test-grade";
    QDir(folder).removeRecursively();
    qputenv("XDG_CONFIG_HOME", folder.toUtf8());
    qputenv("XDG_DATA_HOME", (folder + "/data").toUtf8());
    {
      MainWindow window;
      window.show();
      {
        DialogAnswerer answerer({"五等", " 一级 "});
        window.command("grade")->trigger();
        window.command("grade")->trigger();
        QCOMPARE(answerer.unexpected, 0);
        QVERIFY(
            answerer.prompts.first().contains(QStringLiteral("（二等、三等、四等、一级、二级）")));
        QCOMPARE(answerer.messages.size(), 1);
        QVERIFY(answerer.messages.first().startsWith(QStringLiteral("等级 五等 不在等级表中")));
      }
      for (int run = 0; run < 2; ++run) {
        DialogAnswerer without_edm(regular_figure());
        click(window.calculate_button());
        QVERIFY(window.record().complete);
        QVERIFY(!window.record().grade);
        QCOMPARE(without_edm.messages.size(), run == 0 ? 1 : 0);
        if (run == 0)
          QVERIFY(without_edm.messages.first().startsWith(
              QStringLiteral("按等级 一级 检核需要测距精度")));
      }
      DialogAnswerer edm({"20"});
      window.command("edm")->trigger();
    }
    MainWindow again;  // the next program run
    again.show();
    {
      DialogAnswerer not_met(regular_figure());
      click(again.calculate_button());
      QVERIFY(again.record().grade && again.record().grade->verdict);
      QCOMPARE(not_met.messages.size(), 1);
      QVERIFY(not_met.messages.first().startsWith(
          QStringLiteral("不符合一级：测边相对中误差大于 1/40000 的边 S(1)、")));
    }
    QFile office(folder + "/central-polygon/grades.csv");
    QVERIFY(office.open(QIODevice::WriteOnly));
    office.write("等级,平均边长 (km),测边相对中误差,最弱边边长相对中误差\n甲级,1,1/300000\n");
    office.close();
    DialogAnswerer cleared({"", "0"});
    again.command("grade")->trigger();
    again.command("grade")->trigger();
    QCOMPARE(cleared.messages.size(), 1);
    QVERIFY(
        cleared.messages.first().startsWith(QStringLiteral("等级表无法使用，改用规范的等级表：")));
    QVERIFY(cleared.messages.first().contains(QStringLiteral("grades.csv:2: 甲级 的限差")));
    QVERIFY(cleared.prompts.last().contains(QStringLiteral("现在为 一级")));
    QVERIFY(!again.desk_grade());
    QDir(folder).removeRecursively();
  }

  // A remembered setting that is no regular file (a FIFO that nobody writes) would hold
  // the window in open(): it is ignored with one message, said once the window is shown.
  void aSettingThatIsNoFileIsIgnoredAndTheWindowAppears() {
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
    qputenv("XDG_DATA_HOME", (folder.path() + "/data").toUtf8());
    QVERIFY(QDir(folder.path()).mkpath("central-polygon"));
    const QByteArray fifo = (folder.path() + "/central-polygon/edm").toUtf8();
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    DialogAnswerer answerer({});
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(answerer.messages.size(), 1);
    QVERIFY(answerer.messages.first().startsWith(QStringLiteral("设置文件 ")));
    QVERIFY(answerer.messages.first().contains(QStringLiteral("不是普通文件")));
    QVERIFY(!window.desk_edm());
    QTest::qWait(50);
    QCOMPARE(answerer.messages.size(), 1);
  }

  void printBeforeAnyCalculationRefuses() {
    MainWindow window;
    window.show();
    DialogAnswerer answerer({});
    click(window.print_button());
    QCOMPARE(answerer.messages, QStringList{QString::fromStdString(report_refusal())});
    QCOMPARE(answerer.unexpected, 0);
  }

  // Every field and button has exactly one row of the layout, under its original name
  // (which the transcript prints), and the goldens write most of the fields.
  void everyRoleHasOneRowOfTheLayout() {
    std::map<Field, int> fields;
    std::map<Command, int> commands;
    std::set<std::string> names;
    for (const ControlSpec& entry : window_controls()) {
      QCOMPARE(entry.field.has_value(), entry.kind == Kind::Field);
      QCOMPARE(entry.command.has_value(), entry.kind == Kind::Button);
      if (entry.field) ++fields[*entry.field];
      if (entry.command) ++commands[*entry.command];
      if (*entry.name) QVERIFY2(names.insert(entry.name).second, entry.name);
    }
    QCOMPARE(fields.size(), static_cast<std::size_t>(Field::PointError) + 1);
    QCOMPARE(commands.size(), static_cast<std::size_t>(Command::Print) + 1);
    for (const auto& [field, rows] : fields) QCOMPARE(rows, 1);
    for (const auto& [command, rows] : commands) QCOMPARE(rows, 1);
    QCOMPARE(QString(control_of(Field::WeightReciprocalX).name), QStringLiteral("Text14"));
    QCOMPARE(QString(control_of(Field::TriangleCount).name), QStringLiteral("Text50"));
    QCOMPARE(QString(control_of(Command::Print).name), QStringLiteral("Command3"));

    std::set<Field> written;
    for (const QFileInfo& answers : QDir(GOLDEN_DIR).entryInfoList({"*.answers"})) {
      testing_support::ScriptedUser user(
          testing_support::answers_in_file(answers.filePath().toStdString()));
      SessionRecord record;
      try {
        while (user.next < user.answers.size()) calculate(user.ports(), record);
      } catch (const testing_support::ScriptedUser::RanOut&) {
      }
      for (const auto& [field, text] : user.fields) written.insert(field);
    }
    QVERIFY(written.size() >= 20);
  }

  // Qt's own texts in Chinese: the standard buttons and the file dialog.
  void chineseButtonsAndDialogs() {
    QVERIFY2(install_qt_chinese(*qApp), "qtbase_zh_CN.qm is not installed");
    QVERIFY(QCoreApplication::translate("QFileDialog", "Look in:") != QStringLiteral("Look in:"));
    MainWindow window;
    window.show();
    DialogAnswerer answerer({"6", "<esc>"});
    click(window.calculate_button());
    QCOMPARE(answerer.unexpected, 0);
    QVERIFY(answerer.button_texts.contains(QStringLiteral("确定")));
    QVERIFY(answerer.button_texts.contains(QStringLiteral("取消")));
    for (const QString& text : answerer.button_texts)
      QVERIFY2(text == QStringLiteral("确定") || text == QStringLiteral("取消"), qPrintable(text));
  }

  // Live, on this screen: no prompt of a whole calculation covers a guarded field.
  void promptNeverCoversWhatItAsksAbout() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DialogAnswerer answerer(regular_figure());
    int looked = 0;
    answerer.on_prompt = [&](QWidget* prompt) {
      ++looked;
      const QRect frame = prompt->frameGeometry();
      for (const ScreenRect& field : window.guarded_fields()) {
        const QRect r(field.x, field.y, field.width, field.height);
        QVERIFY2(!frame.intersects(r), qPrintable(answerer.prompts.last()));
      }
    };
    click(window.calculate_button());
    QCOMPARE(answerer.unexpected, 0);
    QVERIFY(looked > 20);
  }

  // The rule for every field a prompt may ask about, on a large screen and on
  // 1024 x 768, with the window centred and in either corner.
  void promptPlacementOnLargeAndSmallScreens() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize prompt(442, 98);
    std::vector<std::pair<QString, QRect>> fields;  // within the window
    for (const ControlSpec& entry : window_controls()) {
      if (entry.kind == Kind::Field)
        fields.emplace_back(entry.name, window.control(entry.name)->geometry());
    }
    for (const QSize screen : {QSize(1920, 1080), QSize(1024, 768)}) {
      const QSize room = screen - window.size();
      for (const QPoint at : {QPoint(room.width() / 2, room.height() / 2), QPoint(0, 0),
                              QPoint(room.width(), room.height())}) {
        const ScreenRect on_screen{at.x(), at.y(), window.width(), window.height()};
        const auto shifted = [&](const QRect& r) {
          return ScreenRect{r.x() + at.x(), r.y() + at.y(), r.width(), r.height()};
        };
        for (const auto& [asked, rect] : fields) {
          std::vector<ScreenRect> guarded{shifted(rect)};
          for (const Field field : kHintAndEchoFields)
            guarded.push_back(shifted(window.control(control_of(field).name)->geometry()));
          const ScreenRect place = place_prompt({0, 0, screen.width(), screen.height()}, on_screen,
                                                prompt.width(), prompt.height(), guarded);
          const QString where = QString("%1x%2 at %3,%4 asking %5")
                                    .arg(screen.width())
                                    .arg(screen.height())
                                    .arg(at.x())
                                    .arg(at.y())
                                    .arg(asked);
          QVERIFY2(ScreenRect({0, 0, screen.width(), screen.height()}).contains(place),
                   qPrintable(where));
          for (const ScreenRect& g : guarded) QVERIFY2(!place.overlaps(g), qPrintable(where));
          // With room beside the window, always the same place: to its right.
          if (screen.width() == 1920 && at.x() < 1000) {
            QCOMPARE(place.x, on_screen.right() + 8);
            QCOMPARE(place.y, on_screen.y);
          }
        }
      }
    }
  }

  // 计  算 and 结  束 orange, 打 印 grey, flat, with a darker border; darker pressed,
  // a thicker border with the focus; Return presses the focused button.
  void flatButtonsTheirStatesAndReturn() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    const struct {
      QPushButton* button;
      QColor face;
    } buttons[] = {{window.calculate_button(), QColor(255, 192, 128)},
                   {window.end_button(), QColor(255, 192, 128)},
                   {window.print_button(), QColor(192, 192, 192)}};
    for (const auto& [button, face] : buttons) {
      window.setFocus();
      const QImage image = button->grab().toImage();
      const int mid = image.height() / 2;
      // Flat: the same colour near the top and near the bottom, left of the caption.
      QCOMPARE(image.pixelColor(4, 3), face);
      QCOMPARE(image.pixelColor(4, image.height() - 4), face);
      QCOMPARE(image.pixelColor(4, mid), face);
      const QColor border = image.pixelColor(0, mid);
      QVERIFY(border.lightness() < face.lightness());
      QCOMPARE(image.pixelColor(1, mid), face);  // a thin border without the focus

      button->setFocus();
      QCOMPARE(button->grab().toImage().pixelColor(1, mid), border);
      button->setDown(true);
      QVERIFY(button->grab().toImage().pixelColor(4, mid).lightness() < face.lightness());
      button->setDown(false);
    }
    DialogAnswerer answerer({});
    window.print_button()->setFocus();
    QTest::keyClick(window.print_button(), Qt::Key_Return);
    QCOMPARE(answerer.messages, QStringList{QString::fromStdString(report_refusal())});
  }

  // A field shows the start of its text; one too long for it has the whole as a tooltip.
  void fieldsShowTheirStart() {
    QLineEdit field;
    field.setFont(layout_font(Face::Song, 9, true));
    field.resize(124, 19);
    QtFieldText fields;
    fields.add(Field::PointHint, &field);
    const std::string hint = "现在应该是起始点 A 点的点名";
    fields.set(Field::PointHint, hint);
    QCOMPARE(field.cursorPosition(), 0);
    QCOMPARE(field.toolTip(), QString::fromStdString(hint));
    QCOMPARE(fields.last_written(), &field);
    fields.set(Field::PointHint, "  现在输出");
    QCOMPARE(field.cursorPosition(), 0);
    QVERIFY(field.toolTip().isEmpty());

    MainWindow window;
    window.show();
    DialogAnswerer answerer(regular_figure());
    click(window.calculate_button());
    for (const ControlSpec& entry : window_controls()) {
      if (entry.kind == Kind::Field)
        QCOMPARE(static_cast<QLineEdit*>(window.control(entry.name))->cursorPosition(), 0);
    }
  }

  void layoutAsRendered() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    image.save(QCoreApplication::applicationDirPath() + "/main_window.png");
    QCOMPARE(image.width(), (kClientWidth + 7) / kTwipsPerPixel);
    QCOMPARE(image.height(), (kClientHeight + 7) / kTwipsPerPixel);
    QCOMPARE(image.pixelColor(5, image.height() - 5), QColor(192, 255, 255));
    // The blue frame at its twips positions: top edge, left edge, the divider.
    for (const QPoint p :
         {QPoint(300, 3120 / 15), QPoint(2280 / 15, 400), QPoint(5280 / 15, 500)}) {
      const QColor c = image.pixelColor(p);
      QVERIFY2(c.blue() > 200 && c.red() < 60 && c.green() < 60, qPrintable(c.name()));
    }
    std::vector<QRect> fields;
    for (const ControlSpec& entry : window_controls()) {
      QWidget* widget = entry.name[0] ? window.control(entry.name) : nullptr;
      if (widget) QVERIFY2(window.rect().contains(widget->geometry()), entry.name);
      if (entry.kind == Kind::Field) fields.push_back(widget->geometry());
    }
    QCOMPARE(fields.size(), std::size_t{24});
    for (std::size_t i = 0; i < fields.size(); ++i) {
      // Neighbouring fields share a border pixel in the layout (Text8, Text19, Text20),
      // no more.
      for (std::size_t j = i + 1; j < fields.size(); ++j) {
        const QRect common = fields[i].intersected(fields[j]);
        QVERIFY(common.isEmpty() || common.width() <= 1 || common.height() <= 1);
      }
    }
  }

  // Labels are laid out as they are drawn: a part of the window painted again, as when a
  // dialog over it goes, shows what the whole window showed there, captions that run
  // on beyond their boxes included.
  void aPartPaintedAgainShowsTheWhole() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage whole = window.grab().toImage();
    for (const auto& entry : window_controls()) {
      if (entry.kind != Kind::Label) continue;
      // The strip just right of the label's box, where a caption longer than it runs on.
      const QRect strip = QRect((entry.left + entry.width) / kTwipsPerPixel,
                                entry.top / kTwipsPerPixel, 12, entry.height / kTwipsPerPixel + 2)
                              .intersected(window.rect());
      if (strip.isEmpty()) continue;  // a label at the window's right edge
      QVERIFY2(window.grab(strip).toImage() == whole.copy(strip), entry.caption);
    }
  }
};

}  // namespace
}  // namespace cp

QTEST_MAIN(cp::WindowTest)
#include "qt_window_test.moc"
