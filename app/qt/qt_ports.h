// The shell's ports on Qt: the main window and its event loop, the message
// boxes, the system clipboard, the clock and the debug output.
#pragma once

#include <QGuiApplication>
#include <QPointer>

#include <deque>
#include <memory>

#include "app/shell/ports.h"
#include "main_window.h"

class QEventLoop;
class QMessageBox;
class QWidget;

namespace morwick::qt {

class QtWindow final : public shell::WindowPort {
 public:
  QtWindow();
  ~QtWindow() override;
  QtWindow(const QtWindow&) = delete;
  QtWindow& operator=(const QtWindow&) = delete;

  void Open() override;
  void PostEvent(const shell::Event& event) override;
  void RunEventLoop(shell::EventHandler& handler) override;
  void SetControlText(int field, std::string_view text) override;
  void Close() override;

  // The open window, or null before Open and after Close.
  MainWindow* Widget() const { return window_; }

  // Connected to QGuiApplication::applicationStateChanged; public so that a
  // switch between programs can be played without a window manager.
  void ApplicationStateChanged(Qt::ApplicationState state);

 private:
  void ScheduleDelivery();
  void DeliverOne();

  // Receives the queued deliveries; outlives every window of this port.
  std::unique_ptr<QObject> courier_;
  QPointer<MainWindow> window_;
  std::deque<shell::Event> queue_;
  shell::EventHandler* handler_ = nullptr;
  QEventLoop* loop_ = nullptr;
  bool handling_ = false;
  bool closing_ = false;
  Qt::ApplicationState lastState_ = Qt::ApplicationInactive;
};

class QtDialogs final : public shell::DialogPort {
 public:
  // Boxes open over `window`'s widget while it is open.
  explicit QtDialogs(const QtWindow& window) : window_(window) {}

  void ShowMessage(std::string_view text) override;
  shell::PromptAnswer Ask(std::string_view text, std::string_view caption) override;
  void Stop(std::string_view text) override;

 private:
  QWidget* Parent() const;
  int Run(QMessageBox& box) const;

  const QtWindow& window_;
};

// Exit code of the process when the user chose Abort in the stop message.
inline constexpr int kAbortExitCode = 3;

class QtClipboard final : public shell::ClipboardPort {
 public:
  std::string ReadText() override;
  void WriteText(std::string_view text) override;
};

class QtClock final : public shell::ClockPort {
 public:
  std::int32_t Read() override;
};

class StderrDebug final : public shell::DebugPort {
 public:
  void Write(std::string_view line) override;
};

}  // namespace morwick::qt
