// The whole program on Qt: the shell's procedure with the real window,
// boxes and clipboard, played as a user would, from the start repair to
// leaving. Only the clock is a fake, so that the focus prompt can be reached
// without waiting five seconds.
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <string>

#include "app/shell/morwick.h"
#include "qt_test_support.h"

using namespace morwick;
using namespace morwick::qt;
using namespace morwick::qt::testing;

namespace {

const QByteArray kMainExample =
    "exec p @h output,N'@P1 int,@P2 nvarchar(20)',N'SELECT a.id, a.name FROM customer a WHERE "
    "a.id = @P1 AND a.name = @P2 ORDER BY a.name',5,N'O''Brien'\r\n";
const QByteArray kMainRepaired =
    "SELECT a.id, a.name\nFROM customer a\nWHERE a.id = 5 AND a.name = N'O''Brien'\nORDER BY a.name";
const QByteArray kStopExample = "exec sp_executesql N'SELECT a FROM t WHERE a = @P3',N'@P1 int',5";
const QByteArray kStopRepaired = "SELECT a\nFROM t\nWHERE a = 5";
const QByteArray kStopText = "Error on Get Q Pointer:3/Entry Not Found";
const QByteArray kUnicodeExample =
    "exec sp_executesql N'SELECT ''Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac'' FROM t WHERE id = @P1',N'@P1 int',7";
const QByteArray kUnicodeRepaired = "SELECT 'Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac'\nFROM t\nWHERE id = 7";
const QByteArray kEmpty = "Clipboard is Empty!";

constexpr char kAbortChild[] = "--abort-child";

// The label shows CR LF as one line break.
QString Shown(const QByteArray& utf8) {
  return QString::fromUtf8(utf8).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

class QuietDebug final : public shell::DebugPort {
 public:
  void Write(std::string_view) override {}
};

// One run of the program with its ports.
struct App {
  QtWindow window;
  QtDialogs dialogs{window};
  QtClipboard clipboard;
  FakeClock clock;
  QuietDebug debug;
  bool closeDownPosted = false;

  void Run() { shell::MORWICK({window, dialogs, clipboard, clock, debug}); }

  QString Text(const char* name) const { return Find<QLabel>(window.Widget(), name)->text(); }
  bool Repaired() const { return window.Widget() != nullptr && !Text("CLIPOUTTEXT").isEmpty(); }
  Driver::Step Click(const char* name) {
    return Do([this, name] { QTest::mouseClick(Find<QPushButton>(window.Widget(), name), Qt::LeftButton); });
  }
  Driver::Step SwitchBack() {
    return Do([this] {
      window.ApplicationStateChanged(Qt::ApplicationInactive);
      window.ApplicationStateChanged(Qt::ApplicationActive);
    });
  }
  // Ends a run whose steps went wrong.
  std::function<void()> GiveUp() {
    return [this] {
      if (QMessageBox* box = OpenBox()) {
        DismissSafely(box);
      } else if (!closeDownPosted) {
        closeDownPosted = true;
        window.PostEvent({shell::EventKind::kCloseDown, shell::kNoField});
      }
    };
  }
};

// Runs in a second process: the start repair meets the stop message, which
// is answered with Enter, its default. Everything the parent needs to know
// goes to stdout.
class SpyClipboard final : public shell::ClipboardPort {
 public:
  std::string ReadText() override { return real_.ReadText(); }
  void WriteText(std::string_view text) override {
    std::fputs("written\n", stdout);
    std::fflush(stdout);
    real_.WriteText(text);
  }

 private:
  QtClipboard real_;
};

int RunAbortChild() {
  SetClipboard(kStopExample);
  QtWindow window;
  QtDialogs dialogs(window);
  SpyClipboard clipboard;
  FakeClock clock;
  QuietDebug debug;
  // Should no box come, the parent learns it from another exit code.
  QTimer::singleShot(Driver::kPatienceMs, [] { std::_Exit(4); });
  Driver driver({[] {
    QMessageBox* box = OpenBox();
    if (box == nullptr) return false;
    std::printf("box:%s|%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
    std::fflush(stdout);
    Give(box, {QString(), Qt::Key_Return});
    return true;
  }});
  shell::MORWICK({window, dialogs, clipboard, clock, debug});
  std::fputs("returned\n", stdout);
  return 0;
}

}  // namespace

class AppTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QGuiApplication::clipboard()->clear(); }

  // The repair at start, on whatever the clipboard holds.
  void StartRepair_data() {
    QTest::addColumn<QByteArray>("clipboard");
    QTest::addColumn<QByteArray>("stopText");  // empty: no stop message
    QTest::addColumn<QByteArray>("repaired");
    QTest::addColumn<QByteArray>("read");
    QTest::newRow("captured call") << kMainExample << QByteArray() << kMainRepaired << kMainExample;
    QTest::newRow("empty clipboard") << QByteArray() << QByteArray() << kEmpty << kEmpty;
    QTest::newRow("non-ASCII") << kUnicodeExample << QByteArray() << kUnicodeRepaired << kUnicodeExample;
    QTest::newRow("stop message ignored") << kStopExample << kStopText << kStopRepaired << kStopExample;
  }
  void StartRepair() {
    QFETCH(QByteArray, clipboard);
    QFETCH(QByteArray, stopText);
    QFETCH(QByteArray, repaired);
    QFETCH(QByteArray, read);
    if (!clipboard.isEmpty()) SetClipboard(clipboard);
    App app;
    SeenBox stop;
    QString out;
    QString in;
    std::vector<Driver::Step> steps;
    if (!stopText.isEmpty()) steps.push_back(AnswerBox({QStringLiteral("Ignore"), 0}, &stop));
    steps.push_back(WaitUntil([&] { return app.Repaired(); }));
    steps.push_back(Do([&] {
      out = app.Text("CLIPOUTTEXT");
      in = app.Text("CLIPINTEXT");
    }));
    steps.push_back(app.Click("CANCELBUTTON"));
    Driver driver(steps, app.GiveUp());
    app.Run();
    QVERIFY(driver.Finished());
    if (!stopText.isEmpty()) {
      QCOMPARE(stop.title, QStringLiteral("Stop"));
      QCOMPARE(stop.text, QString::fromUtf8(stopText));
    }
    QCOMPARE(out, Shown(repaired));
    QCOMPARE(in, Shown(read));
    QCOMPARE(ClipboardBytes(), repaired);
  }

  void FixThenReset() {
    SetClipboard(kMainExample);
    App app;
    QByteArray afterFix;
    QString outAfterFix;
    QByteArray afterReset;
    QString outAfterReset;
    QString inAfterReset;
    Driver driver(
        {WaitUntil([&] { return app.Repaired(); }),
         Do([] { SetClipboard(kUnicodeExample); }),
         app.Click("BUTTONGET"),
         WaitUntil([&] { return app.Text("CLIPINTEXT") == Shown(kUnicodeExample); }),
         Do([&] {
           afterFix = ClipboardBytes();
           outAfterFix = app.Text("CLIPOUTTEXT");
         }),
         app.Click("BUTTONRESET"),
         WaitUntil([&] { return app.Text("CLIPOUTTEXT") == Shown(kUnicodeExample); }),
         Do([&] {
           afterReset = ClipboardBytes();
           outAfterReset = app.Text("CLIPOUTTEXT");
           inAfterReset = app.Text("CLIPINTEXT");
         }),
         app.Click("CANCELBUTTON")},
        app.GiveUp());
    app.Run();
    QVERIFY(driver.Finished());
    QCOMPARE(afterFix, kUnicodeRepaired);
    QCOMPARE(outAfterFix, Shown(kUnicodeRepaired));
    QCOMPARE(afterReset, kUnicodeExample);
    QCOMPARE(outAfterReset, Shown(kUnicodeExample));
    QCOMPARE(inAfterReset, Shown(kUnicodeExample));
  }

  // Every way out ends the program and leaves the last repair on the
  // clipboard.
  void Leaving_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << QStringLiteral("click");
    QTest::newRow("Alt+X") << QStringLiteral("mnemonic");
    QTest::newRow("close box") << QStringLiteral("close");
  }
  void Leaving() {
    QFETCH(QString, how);
    SetClipboard(kMainExample);
    App app;
    Driver driver({WaitUntil([&] { return app.Repaired(); }), WaitUntilActive(app.window), Do([&] {
                     QWidget* window = app.window.Widget();
                     if (how == QLatin1String("click")) {
                       QTest::mouseClick(Find<QPushButton>(window, "CANCELBUTTON"), Qt::LeftButton);
                     } else if (how == QLatin1String("mnemonic")) {
                       QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
                     } else {
                       window->close();
                     }
                   })},
                  app.GiveUp());
    app.Run();
    QVERIFY(driver.Finished());
    QVERIFY(app.window.Widget() == nullptr);
    QCOMPARE(ClipboardBytes(), kMainRepaired);
  }

  // Coming back from another program more than five seconds on asks; the
  // answer decides whether the clipboard is repaired and whether the program
  // goes on.
  void FocusPrompt_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("repairs");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Yes") << QStringLiteral("&Yes") << 0 << true << false;
    QTest::newRow("Enter") << QString() << int(Qt::Key_Return) << true << false;
    QTest::newRow("No") << QStringLiteral("&No") << 0 << false << false;
    QTest::newRow("Cancel") << QStringLiteral("Cancel") << 0 << false << true;
    QTest::newRow("Escape") << QString() << int(Qt::Key_Escape) << false << true;
  }
  void FocusPrompt() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(bool, repairs);
    QFETCH(bool, ends);
    SetClipboard(kMainExample);
    App app;
    SeenBox prompt;
    QString outAfter;
    std::vector<Driver::Step> steps{
        WaitUntil([&] { return app.Repaired(); }),
        // The first focus gain only takes the time.
        app.SwitchBack(),
        WaitUntil([&] { return app.clock.reads >= 1; }),
        Pause(50),
        Do([&] {
          app.clock.now += shell::kPromptSpacing + 1;
          SetClipboard(kUnicodeExample);
        }),
        app.SwitchBack(),
        AnswerBox({button, key}, &prompt),
    };
    if (!ends) {
      steps.push_back(repairs ? WaitUntil([&] { return app.Text("CLIPINTEXT") == Shown(kUnicodeExample); })
                              : Pause(200));
      steps.push_back(Do([&] { outAfter = app.Text("CLIPOUTTEXT"); }));
      steps.push_back(app.Click("CANCELBUTTON"));
    }
    Driver driver(steps, app.GiveUp());
    app.Run();
    QVERIFY(driver.Finished());
    QCOMPARE(prompt.title, QStringLiteral("Fix?"));
    QCOMPARE(prompt.text, QStringLiteral("Fix Clipboard for SQL?"));
    QCOMPARE(ClipboardBytes(), repairs ? kUnicodeRepaired : kUnicodeExample);
    if (!ends) QCOMPARE(outAfter, Shown(repairs ? kUnicodeRepaired : kMainRepaired));
  }

  // Abort ends the process at once; the real program is run for it.
  void StopAborted() {
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QString::fromLatin1(kAbortChild)});
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start();
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForFinished(60000));
    const QByteArray out = child.readAllStandardOutput();
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(out.contains("box:Stop|" + kStopText), out.constData());
    QCOMPARE(child.exitCode(), kAbortExitCode);
    QVERIFY2(!out.contains("written"), out.constData());
    QVERIFY2(!out.contains("returned"), out.constData());
  }
};

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc > 1 && qstrcmp(argv[1], kAbortChild) == 0) return RunAbortChild();
  AppTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
