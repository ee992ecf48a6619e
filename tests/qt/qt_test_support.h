// Helpers shared by the Qt front end's tests: recording handlers and clocks,
// a way to answer the real message boxes, and a driver that plays a user's
// steps while a blocking loop runs.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/qt/qt_ports.h"

namespace morwick::qt::testing {

// What a message box looked like when it was answered.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;  // left to right
  QString defaultButton;
  QString focusButton;
};

inline SeenBox Inspect(QMessageBox* box) {
  SeenBox seen;
  seen.title = box->windowTitle();
  seen.text = box->text();
  seen.icon = box->icon();
  QList<QAbstractButton*> buttons = box->buttons();
  std::sort(buttons.begin(), buttons.end(),
            [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
  for (QAbstractButton* button : buttons) {
    seen.buttons << button->text();
    auto* push = qobject_cast<QPushButton*>(button);
    if (push != nullptr && push->isDefault()) seen.defaultButton = push->text();
    // The button that holds the focus whenever the box is active.
    if (box->focusWidget() == button) seen.focusButton = button->text();
  }
  return seen;
}

inline QAbstractButton* ButtonWithText(QMessageBox* box, const QString& text) {
  for (QAbstractButton* button : box->buttons()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

// The open message box, once it has been laid out and shown.
inline QMessageBox* OpenBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  return box != nullptr && box->isVisible() ? box : nullptr;
}

// How a test answers a box: a button's text, or a key sent to the widget
// that has the focus.
struct Answer {
  QString button;
  int key = 0;
};

inline void Give(QMessageBox* box, const Answer& answer) {
  if (answer.key != 0) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || target->window() != box) target = box;
    QTest::keyClick(target, static_cast<Qt::Key>(answer.key));
    return;
  }
  if (QAbstractButton* button = ButtonWithText(box, answer.button)) button->click();
}

// Closes a box without ending the process: never with Abort.
inline void DismissSafely(QMessageBox* box) {
  for (const QString& text : {QStringLiteral("Ignore"), QStringLiteral("&No")}) {
    if (QAbstractButton* button = ButtonWithText(box, text)) {
      button->click();
      return;
    }
  }
  if (QAbstractButton* escape = box->escapeButton()) escape->click();
}

// Answers the next message box that opens, noting what it showed. Should
// the answer leave the box open, it is closed after a while without ending
// the process, and the test learns of it through Stuck().
class BoxAnswerer {
 public:
  static constexpr int kPatienceMs = 3000;

  explicit BoxAnswerer(Answer answer) : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QMessageBox* box = OpenBox();
      if (box == nullptr) {
        if (answered_) timer_.stop();
        return;
      }
      if (!answered_) {
        seen_ = Inspect(box);
        answered_ = true;
        since_.start();
        Give(box, answer_);
      } else if (since_.elapsed() > kPatienceMs) {
        stuck_ = true;
        DismissSafely(box);
      }
    });
    timer_.start(5);
  }

  bool Answered() const { return answered_ && !stuck_; }
  bool Stuck() const { return stuck_; }
  const SeenBox& Seen() const { return seen_; }

 private:
  Answer answer_;
  QTimer timer_;
  QElapsedTimer since_;
  SeenBox seen_;
  bool answered_ = false;
  bool stuck_ = false;
};

// Plays steps one after another while a blocking call runs its loop. A step
// returns false to be asked again a little later (it is waiting for
// something), true when it is done. When the blocking call has not returned
// after a while, whether the steps are done or stuck, `giveUp` runs on every
// tick: it must bring the call to an end, so that a fault fails the test
// instead of hanging it.
class Driver {
 public:
  using Step = std::function<bool()>;
  static constexpr int kPatienceMs = 15000;

  explicit Driver(std::vector<Step> steps, std::function<void()> giveUp = {})
      : steps_(std::move(steps)), giveUp_(std::move(giveUp)) {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (clock_.elapsed() > kPatienceMs) {
        gaveUp_ = true;
        if (giveUp_) giveUp_();
        return;
      }
      while (next_ < steps_.size() && steps_[next_]()) ++next_;
    });
    timer_.start(5);
  }

  // All steps done, and the call ended without giving up.
  bool Finished() const { return next_ == steps_.size() && !gaveUp_; }

 private:
  std::vector<Step> steps_;
  std::function<void()> giveUp_;
  std::size_t next_ = 0;
  bool gaveUp_ = false;
  QElapsedTimer clock_;
  QTimer timer_;
};

inline Driver::Step Do(std::function<void()> action) {
  return [action = std::move(action)] {
    action();
    return true;
  };
}

inline Driver::Step WaitUntil(std::function<bool()> condition) { return condition; }

// Lets the loop run for a while, for things that must not happen.
inline Driver::Step Pause(int ms) {
  auto started = std::make_shared<QElapsedTimer>();
  return [started, ms] {
    if (!started->isValid()) started->start();
    return started->elapsed() >= ms;
  };
}

// Shortcuts reach only the active window.
inline Driver::Step WaitUntilActive(const QtWindow& window) {
  return [&window] {
    return window.Widget() != nullptr && QApplication::activeWindow() == window.Widget();
  };
}

inline Driver::Step AnswerBox(const Answer& answer, SeenBox* seen) {
  return [answer, seen] {
    QMessageBox* box = OpenBox();
    if (box == nullptr) return false;
    if (seen != nullptr) *seen = Inspect(box);
    Give(box, answer);
    return true;
  };
}

class RecordingHandler final : public shell::EventHandler {
 public:
  // `onEvent` runs inside the handling; its result is the handler's.
  explicit RecordingHandler(std::function<bool(const shell::Event&)> onEvent = {})
      : onEvent_(std::move(onEvent)) {}

  bool HandleEvent(const shell::Event& event) override {
    events.push_back(event);
    return onEvent_ ? onEvent_(event) : true;
  }

  std::vector<shell::Event> events;

 private:
  std::function<bool(const shell::Event&)> onEvent_;
};

class FakeClock final : public shell::ClockPort {
 public:
  std::int32_t Read() override {
    ++reads;
    return now;
  }
  std::int32_t now = 3600000;
  int reads = 0;
};

inline void SetClipboard(const QByteArray& utf8) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8));
}

inline QByteArray ClipboardBytes() { return QGuiApplication::clipboard()->text().toUtf8(); }

template <typename T>
T* Find(QWidget* window, const char* name) {
  return window->findChild<T*>(QLatin1String(name));
}

}  // namespace morwick::qt::testing

Q_DECLARE_METATYPE(morwick::qt::DialogRect)
Q_DECLARE_METATYPE(morwick::shell::EventKind)
Q_DECLARE_METATYPE(morwick::shell::PromptAnswer)
