// The main window as the user sees it: its frame, controls, placement in
// dialog units, the texts it shows and the events its controls raise.
#include <QIcon>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "qt_test_support.h"

using namespace morwick;
using namespace morwick::qt;
using namespace morwick::qt::testing;

namespace {

// Dialog units to pixels as the window's definition states them, each edge
// rounded on its own.
QRect Expected(const DialogRect& du, const QFontMetrics& metrics) {
  const double unitX = metrics.averageCharWidth() / 4.0;
  const double unitY = metrics.height() / 8.0;
  const int left = qRound(du.x * unitX);
  const int top = qRound(du.y * unitY);
  return QRect(QPoint(left, top),
               QPoint(qRound((du.x + du.width) * unitX) - 1, qRound((du.y + du.height) * unitY) - 1));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    port_ = std::make_unique<QtWindow>();
    port_->Open();
    window_ = port_->Widget();
    QVERIFY(window_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() {
    port_->Close();
    port_.reset();
  }

  void Frame() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Morwick v2.1"));
    QVERIFY(!window_->windowIcon().isNull());
    QVERIFY(window_->windowIcon().availableSizes().contains(QSize(32, 32)));
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    // Fixed size: the frame cannot be dragged.
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->size(), Expected({0, 0, 423, 282}, QFontMetrics(window_->font())).size());
    const QFontInfo used(window_->font());
    QCOMPARE(used.pointSize(), 8);
    QCOMPARE(used.weight(), int(QFont::Normal));
    for (QPushButton* button : window_->findChildren<QPushButton*>()) {
      QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }
  }

  void Sheet() {
    auto* sheet = Find<QTabWidget>(window_, "SHEET1");
    QVERIFY(sheet != nullptr);
    QCOMPARE(sheet->count(), 2);
    QCOMPARE(sheet->tabPosition(), QTabWidget::North);
    QCOMPARE(sheet->currentIndex(), 0);
    QCOMPARE(sheet->tabText(0), QStringLiteral("&1 - New Clipboard"));
    QCOMPARE(sheet->tabText(1), QStringLiteral("&2 - Original Clipboard"));
    QCOMPARE(sheet->widget(0), Find<QWidget>(window_, "TABOUT"));
    QCOMPARE(sheet->widget(1), Find<QWidget>(window_, "TABIN"));
    QCOMPARE(Find<QLabel>(window_, "CLIPOUTTEXT")->parentWidget(), sheet->widget(0));
    QCOMPARE(Find<QLabel>(window_, "CLIPINTEXT")->parentWidget(), sheet->widget(1));
  }

  void Labels_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("new clipboard") << QStringLiteral("CLIPOUTTEXT");
    QTest::newRow("original clipboard") << QStringLiteral("CLIPINTEXT");
  }
  void Labels() {
    QFETCH(QString, name);
    auto* label = window_->findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    QVERIFY(label->text().isEmpty());
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask),
             Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(label->textInteractionFlags(), Qt::NoTextInteraction);
  }

  void Buttons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("fix") << QStringLiteral("BUTTONGET") << QStringLiteral("&Fix Clipboard");
    QTest::newRow("reset") << QStringLiteral("BUTTONRESET") << QStringLiteral("&Reset Clipboard");
    QTest::newRow("exit") << QStringLiteral("CANCELBUTTON") << QStringLiteral("E&xit");
  }
  void Buttons() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* button = window_->findChild<QPushButton*>(name);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), text);
    // Null when the image plugin for .ico files is missing.
    QVERIFY(!button->icon().isNull());
    QVERIFY(!button->icon().pixmap(16).isNull());
  }

  void Geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tab");  // the tab to show first, or -1
    QTest::addColumn<DialogRect>("du");
    QTest::newRow("sheet") << QStringLiteral("SHEET1") << -1 << DialogRect{7, 3, 411, 257};
    QTest::newRow("new text") << QStringLiteral("CLIPOUTTEXT") << 0 << DialogRect{9, 24, 405, 235};
    QTest::newRow("original text") << QStringLiteral("CLIPINTEXT") << 1 << DialogRect{9, 24, 405, 235};
    QTest::newRow("fix") << QStringLiteral("BUTTONGET") << -1 << DialogRect{9, 265, 81, 14};
    QTest::newRow("reset") << QStringLiteral("BUTTONRESET") << -1 << DialogRect{171, 265, 81, 14};
    QTest::newRow("exit") << QStringLiteral("CANCELBUTTON") << -1 << DialogRect{375, 265, 43, 14};
  }
  void Geometry() {
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(DialogRect, du);
    if (tab >= 0) Find<QTabWidget>(window_, "SHEET1")->setCurrentIndex(tab);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QTRY_VERIFY(control->isVisible());
    const QRect inWindow(control->mapTo(window_, QPoint(0, 0)), control->size());
    QCOMPARE(inWindow, Expected(du, QFontMetrics(window_->font())));
  }

  void TabMnemonics() {
    auto* sheet = Find<QTabWidget>(window_, "SHEET1");
    QTest::keyClick(window_, Qt::Key_2, Qt::AltModifier);
    QTRY_COMPARE(sheet->currentIndex(), 1);
    QTest::keyClick(window_, Qt::Key_1, Qt::AltModifier);
    QTRY_COMPARE(sheet->currentIndex(), 0);
  }

  // Each way of pressing a button reaches the shell as that button's field.
  void ButtonEvents_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mnemonic");  // 0: a mouse click instead
    QTest::addColumn<int>("field");
    QTest::newRow("fix by mouse") << QStringLiteral("BUTTONGET") << 0 << int(shell::kButtonGet);
    QTest::newRow("fix by Alt+F") << QStringLiteral("BUTTONGET") << int(Qt::Key_F) << int(shell::kButtonGet);
    QTest::newRow("reset by mouse") << QStringLiteral("BUTTONRESET") << 0 << int(shell::kButtonReset);
    QTest::newRow("reset by Alt+R") << QStringLiteral("BUTTONRESET") << int(Qt::Key_R)
                                    << int(shell::kButtonReset);
    QTest::newRow("exit by mouse") << QStringLiteral("CANCELBUTTON") << 0 << int(shell::kCancelButton);
    QTest::newRow("exit by Alt+X") << QStringLiteral("CANCELBUTTON") << int(Qt::Key_X)
                                   << int(shell::kCancelButton);
  }
  void ButtonEvents() {
    QFETCH(QString, name);
    QFETCH(int, mnemonic);
    QFETCH(int, field);
    auto* button = window_->findChild<QPushButton*>(name);
    RecordingHandler handler([](const shell::Event& event) {
      return event.kind != shell::EventKind::kAccepted;
    });
    QTimer::singleShot(0, window_, [&] {
      if (mnemonic == 0) {
        QTest::mouseClick(button, Qt::LeftButton);
      } else {
        QTest::keyClick(window_, static_cast<Qt::Key>(mnemonic), Qt::AltModifier);
      }
    });
    port_->RunEventLoop(handler);
    QVERIFY(!handler.events.empty());
    QCOMPARE(handler.events.back().kind, shell::EventKind::kAccepted);
    QCOMPARE(handler.events.back().field, field);
  }

  // What the texts show for what the shell sets: TABs to stops of eight
  // columns, line breaks of any system, markup and "&" as they are.
  void ShownText_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QString>("shown");
    const int out = shell::kClipOutText;
    const int in = shell::kClipInText;
    QTest::newRow("tab at line start") << out << QByteArray("\tx") << QStringLiteral("        x");
    QTest::newRow("tab mid stop") << out << QByteArray("abc\tx") << QStringLiteral("abc     x");
    QTest::newRow("tab at a stop") << out << QByteArray("12345678\tx")
                                   << QStringLiteral("12345678        x");
    QTest::newRow("two tabs") << in << QByteArray("a\t\tb") << QStringLiteral("a               b");
    QTest::newRow("column restarts after LF") << out << QByteArray("WHERE a = 1\n\tAND b = 2")
                                              << QStringLiteral("WHERE a = 1\n        AND b = 2");
    QTest::newRow("CR LF") << in << QByteArray("a\r\n\tb") << QStringLiteral("a\n        b");
    QTest::newRow("lone CR") << in << QByteArray("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("non-ASCII counts as one column")
        << out << QByteArray("\xc3\xbc\t|") << QStringLiteral("\u00fc       |");
    QTest::newRow("markup and ampersand") << out << QByteArray("a < b & <b>c</b>")
                                          << QStringLiteral("a < b & <b>c</b>");
    QTest::newRow("empty") << in << QByteArray() << QString();
  }
  void ShownText() {
    QFETCH(int, field);
    QFETCH(QByteArray, utf8);
    QFETCH(QString, shown);
    port_->SetControlText(field, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    const char* name = field == shell::kClipOutText ? "CLIPOUTTEXT" : "CLIPINTEXT";
    const char* other = field == shell::kClipOutText ? "CLIPINTEXT" : "CLIPOUTTEXT";
    QCOMPARE(Find<QLabel>(window_, name)->text(), shown);
    QVERIFY(Find<QLabel>(window_, other)->text().isEmpty());
  }

  void OtherFieldsIgnored() {
    port_->SetControlText(shell::kButtonGet, "x");
    QCOMPARE(Find<QPushButton>(window_, "BUTTONGET")->text(), QStringLiteral("&Fix Clipboard"));
  }

 private:
  std::unique_ptr<QtWindow> port_;
  QWidget* window_ = nullptr;
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
