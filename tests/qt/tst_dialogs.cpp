// The real message boxes, answered as a user would: what they show, their
// buttons' order, default and focus, and what each answer returns.
#include <QtTest>

#include "qt_test_support.h"

using namespace morwick;
using namespace morwick::qt;
using namespace morwick::qt::testing;
using shell::PromptAnswer;

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<QtWindow>();
    window_->Open();
    QVERIFY(QTest::qWaitForWindowExposed(window_->Widget()));
    dialogs_ = std::make_unique<QtDialogs>(*window_);
  }
  void cleanup() {
    dialogs_.reset();
    window_->Close();
    window_.reset();
  }

  void Message() {
    BoxAnswerer answerer({QStringLiteral("OK"), 0});
    dialogs_->ShowMessage("Nothing to Fix");
    QVERIFY(answerer.Answered());
    const SeenBox& seen = answerer.Seen();
    QCOMPARE(seen.title, QStringLiteral("Morwick v2.1"));
    QCOMPARE(seen.text, QStringLiteral("Nothing to Fix"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons.size(), 1);
  }

  void MessageShowsTextAsItIs() {
    BoxAnswerer answerer({QString(), Qt::Key_Escape});
    dialogs_->ShowMessage("a < b & <b>c</b> \xe2\x82\xac");
    QVERIFY(answerer.Answered());
    QCOMPARE(answerer.Seen().text, QStringLiteral("a < b & <b>c</b> \u20ac"));
  }

  void Prompt_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<PromptAnswer>("expected");
    QTest::newRow("Yes") << QStringLiteral("&Yes") << 0 << PromptAnswer::kYes;
    QTest::newRow("No") << QStringLiteral("&No") << 0 << PromptAnswer::kNo;
    QTest::newRow("Cancel") << QStringLiteral("Cancel") << 0 << PromptAnswer::kCancel;
    QTest::newRow("Enter answers Yes") << QString() << int(Qt::Key_Return) << PromptAnswer::kYes;
    QTest::newRow("Escape answers Cancel") << QString() << int(Qt::Key_Escape) << PromptAnswer::kCancel;
  }
  void Prompt() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(PromptAnswer, expected);
    BoxAnswerer answerer({button, key});
    const PromptAnswer answer = dialogs_->Ask("Fix Clipboard for SQL?", "Fix?");
    QVERIFY(answerer.Answered());
    QCOMPARE(answer, expected);
    const SeenBox& seen = answerer.Seen();
    QCOMPARE(seen.title, QStringLiteral("Fix?"));
    QCOMPARE(seen.text, QStringLiteral("Fix Clipboard for SQL?"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, (QStringList{"&Yes", "&No", "Cancel"}));
    QCOMPARE(seen.defaultButton, QStringLiteral("&Yes"));
    QCOMPARE(seen.focusButton, QStringLiteral("&Yes"));
  }

  void PromptMnemonic() {
    QTimer timer;
    QElapsedTimer since;
    connect(&timer, &QTimer::timeout, this, [&] {
      QMessageBox* box = OpenBox();
      if (box == nullptr) return;
      if (!since.isValid()) {
        // Shortcuts reach only the active window.
        if (QApplication::activeWindow() != box) return;
        since.start();
        QTest::keyClick(box, Qt::Key_N, Qt::AltModifier);
      } else if (since.elapsed() > BoxAnswerer::kPatienceMs) {
        ButtonWithText(box, QStringLiteral("Cancel"))->click();
      }
    });
    timer.start(5);
    QCOMPARE(dialogs_->Ask("Fix Clipboard for SQL?", "Fix?"), PromptAnswer::kNo);
  }

  // Abort ends the process, so it is tried on the real program elsewhere.
  void StopIgnored() {
    BoxAnswerer answerer({QStringLiteral("Ignore"), 0});
    dialogs_->Stop("Error on Get Q Pointer:3/Entry Not Found");
    QVERIFY(answerer.Answered());
    const SeenBox& seen = answerer.Seen();
    QCOMPARE(seen.title, QStringLiteral("Stop"));
    QCOMPARE(seen.text, QStringLiteral("Error on Get Q Pointer:3/Entry Not Found"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, (QStringList{"Abort", "Ignore"}));
    QCOMPARE(seen.defaultButton, QStringLiteral("Abort"));
    QCOMPARE(seen.focusButton, QStringLiteral("Abort"));
  }

  // Escape must not slip through as an answer: the box stays until a button
  // is chosen.
  void StopIgnoresEscape() {
    QTimer timer;
    int escapes = 0;
    connect(&timer, &QTimer::timeout, this, [&] {
      QMessageBox* box = OpenBox();
      if (box == nullptr) return;
      if (escapes < 2) {
        ++escapes;
        QTest::keyClick(box, Qt::Key_Escape);
        return;
      }
      timer.stop();
      ButtonWithText(box, QStringLiteral("Ignore"))->click();
    });
    timer.start(5);
    dialogs_->Stop("x");
    QCOMPARE(escapes, 2);
  }

  void BoxesOpenOverTheWindow() {
    QWidget* parent = nullptr;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] {
      QMessageBox* box = OpenBox();
      if (box == nullptr) return;
      timer.stop();
      parent = box->parentWidget();
      box->accept();
    });
    timer.start(5);
    dialogs_->ShowMessage("x");
    QCOMPARE(parent, static_cast<QWidget*>(window_->Widget()));
  }

 private:
  std::unique_ptr<QtWindow> window_;
  std::unique_ptr<QtDialogs> dialogs_;
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
