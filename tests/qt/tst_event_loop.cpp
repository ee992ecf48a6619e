// The window port's loop: order and timing of posted events, the ways the
// loop ends, and which application switches count as a focus gain.
#include <QtTest>

#include "qt_test_support.h"

using namespace morwick;
using namespace morwick::qt;
using namespace morwick::qt::testing;
using shell::Event;
using shell::EventKind;

class EventLoopTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    port_ = std::make_unique<QtWindow>();
    port_->Open();
    // Let the window's own activation pass before a test plays switches.
    QVERIFY(QTest::qWaitForWindowActive(port_->Widget()));
    QCoreApplication::processEvents();
  }
  void cleanup() {
    port_->Close();
    port_.reset();
  }

  void PostedBeforeTheLoopArriveInOrder() {
    port_->PostEvent({EventKind::kAccepted, shell::kButtonGet});
    port_->PostEvent({EventKind::kAccepted, shell::kButtonReset});
    port_->PostEvent({EventKind::kCloseDown, shell::kNoField});
    RecordingHandler handler;
    port_->RunEventLoop(handler);
    const std::vector<Event> events = Without(handler.events, EventKind::kGainFocus);
    QCOMPARE(events.size(), std::size_t{3});
    QCOMPARE(events[0].field, int(shell::kButtonGet));
    QCOMPARE(events[1].field, int(shell::kButtonReset));
    QCOMPARE(events[2].kind, EventKind::kCloseDown);
  }

  // An event posted while one is handled, even from inside a modal box's
  // own loop, waits until that handling has finished.
  void PostedDuringHandlingWaitsForIt() {
    QStringList log;
    bool posted = false;
    RecordingHandler handler([&](const Event& event) {
      if (event.kind != EventKind::kAccepted) return true;
      log << QStringLiteral("begin %1").arg(event.field);
      if (event.field == shell::kButtonGet) {
        port_->PostEvent({EventKind::kAccepted, shell::kButtonReset});
        posted = true;
        QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"),
                        QMessageBox::Ok, port_->Widget());
        QTimer::singleShot(50, &box, [&box] { box.accept(); });
        box.exec();
      }
      log << QStringLiteral("end %1").arg(event.field);
      return event.field != shell::kButtonReset;
    });
    port_->PostEvent({EventKind::kAccepted, shell::kButtonGet});
    port_->RunEventLoop(handler);
    QVERIFY(posted);
    QCOMPARE(log, (QStringList{"begin 8", "end 8", "begin 10", "end 10"}));
  }

  void HandlerEndsTheLoop() {
    port_->PostEvent({EventKind::kAccepted, shell::kCancelButton});
    port_->PostEvent({EventKind::kAccepted, shell::kButtonGet});
    RecordingHandler handler([](const Event& event) { return event.kind != EventKind::kAccepted; });
    port_->RunEventLoop(handler);
    const std::vector<Event> events = Without(handler.events, EventKind::kGainFocus);
    QCOMPARE(events.size(), std::size_t{1});
    QCOMPARE(events[0].field, int(shell::kCancelButton));
  }

  // The closing events reach the shell and then end the loop whatever it
  // answers.
  void ClosingEventsEndTheLoop_data() {
    QTest::addColumn<EventKind>("kind");
    QTest::newRow("close window") << EventKind::kCloseWindow;
    QTest::newRow("close down") << EventKind::kCloseDown;
  }
  void ClosingEventsEndTheLoop() {
    QFETCH(EventKind, kind);
    port_->PostEvent({kind, shell::kNoField});
    port_->PostEvent({EventKind::kAccepted, shell::kButtonGet});
    RecordingHandler handler;
    port_->RunEventLoop(handler);
    const std::vector<Event> events = Without(handler.events, EventKind::kGainFocus);
    QCOMPARE(events.size(), std::size_t{1});
    QCOMPARE(events[0].kind, kind);
  }

  void CloseBoxAsksTheShellFirst() {
    QWidget* window = port_->Widget();
    bool visibleWhenHandled = false;
    RecordingHandler handler([&](const Event& event) {
      if (event.kind == EventKind::kCloseWindow) visibleWhenHandled = window->isVisible();
      return true;
    });
    QTimer::singleShot(0, window, [window] { window->close(); });
    port_->RunEventLoop(handler);
    QCOMPARE(handler.events.back().kind, EventKind::kCloseWindow);
    QVERIFY(visibleWhenHandled);
    port_->Close();
    QVERIFY(port_->Widget() == nullptr);
  }

  // Sequences of application states from the platform, and how many focus
  // gains the shell sees for them.
  void ApplicationSwitches_data() {
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<int>("gains");
    const int active = Qt::ApplicationActive;
    const int inactive = Qt::ApplicationInactive;
    const int hidden = Qt::ApplicationHidden;
    QTest::newRow("back from another program") << QList<int>{inactive, active} << 1;
    QTest::newRow("twice") << QList<int>{inactive, active, inactive, active} << 2;
    QTest::newRow("back from hidden") << QList<int>{hidden, active} << 1;
    QTest::newRow("still active") << QList<int>{active, active} << 0;
    QTest::newRow("leaving only") << QList<int>{inactive} << 0;
  }
  void ApplicationSwitches() {
    QFETCH(QList<int>, states);
    QFETCH(int, gains);
    port_->ApplicationStateChanged(Qt::ApplicationActive);
    port_->PostEvent({EventKind::kOther, shell::kNoField});  // marks the start
    for (int state : states) port_->ApplicationStateChanged(static_cast<Qt::ApplicationState>(state));
    port_->PostEvent({EventKind::kCloseDown, shell::kNoField});
    RecordingHandler handler;
    port_->RunEventLoop(handler);
    const auto start = std::find_if(handler.events.begin(), handler.events.end(),
                                    [](const Event& e) { return e.kind == EventKind::kOther; });
    QVERIFY(start != handler.events.end());
    QCOMPARE(int(std::count_if(start, handler.events.end(),
                               [](const Event& e) { return e.kind == EventKind::kGainFocus; })),
             gains);
  }

  // Our own box takes the activation while it is open; coming back to the
  // program then is no focus gain of the window, nor is the box closing.
  void OwnBoxIsNoFocusGain() {
    port_->ApplicationStateChanged(Qt::ApplicationActive);
    port_->PostEvent({EventKind::kOther, shell::kNoField});
    {
      QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"),
                      QMessageBox::Ok, port_->Widget());
      box.setWindowModality(Qt::ApplicationModal);
      box.show();
      QVERIFY(QTest::qWaitForWindowActive(&box));
      port_->ApplicationStateChanged(Qt::ApplicationInactive);
      port_->ApplicationStateChanged(Qt::ApplicationActive);
      QCOMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
    }
    QVERIFY(QTest::qWaitForWindowActive(port_->Widget()));
    QCOMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
    port_->PostEvent({EventKind::kCloseDown, shell::kNoField});
    RecordingHandler handler;
    port_->RunEventLoop(handler);
    const auto start = std::find_if(handler.events.begin(), handler.events.end(),
                                    [](const Event& e) { return e.kind == EventKind::kOther; });
    QVERIFY(std::none_of(start, handler.events.end(),
                         [](const Event& e) { return e.kind == EventKind::kGainFocus; }));
  }

 private:
  // The platform activates the window when it opens, which the shell sees as
  // a focus gain; tests that are not about it leave it out.
  static std::vector<Event> Without(const std::vector<Event>& events, EventKind kind) {
    std::vector<Event> kept;
    std::copy_if(events.begin(), events.end(), std::back_inserter(kept),
                 [kind](const Event& e) { return e.kind != kind; });
    return kept;
  }

  std::unique_ptr<QtWindow> port_;
};

QTEST_MAIN(EventLoopTest)
#include "tst_event_loop.moc"
