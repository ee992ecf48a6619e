// The shell's ports on plain Win32: the main window from its dialog
// template with its event loop, the message boxes, the clipboard, the local
// clock and the debugger output.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <string_view>

#include "app/shell/ports.h"

namespace morwick::win32 {

class Win32Window final : public shell::WindowPort {
 public:
  explicit Win32Window(HINSTANCE instance);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  void Open() override;
  void PostEvent(const shell::Event& event) override;
  void RunEventLoop(shell::EventHandler& handler) override;
  void SetControlText(int field, std::string_view text) override;
  void Close() override;

  // The window, or null while it is not open; owner of the message boxes.
  HWND Handle() const { return hwnd_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void Queue(const shell::Event& event);
  bool HandleTabMnemonic(const MSG& msg);
  void SelectTab(int index);
  void ShowSelectedPage();
  void ReleaseIcons();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  std::deque<shell::Event> pending_;
  // True while the handler runs; it may be inside a modal box then.
  bool handling_ = false;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HICON buttonIcons_[3] = {};
};

class Win32Dialogs final : public shell::DialogPort {
 public:
  Win32Dialogs(HINSTANCE instance, const Win32Window& owner) : instance_(instance), owner_(owner) {}

  void ShowMessage(std::string_view text) override;
  shell::PromptAnswer Ask(std::string_view text, std::string_view caption) override;
  void Stop(std::string_view text) override;

 private:
  HINSTANCE instance_;
  const Win32Window& owner_;
};

class Win32Clipboard final : public shell::ClipboardPort {
 public:
  Win32Clipboard();
  ~Win32Clipboard() override;
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;

  std::string ReadText() override;
  void WriteText(std::string_view text) override;

 private:
  bool Open();

  // Message-only window: SetClipboardData needs an owner, and the main
  // window may not exist yet.
  HWND owner_ = nullptr;
};

class Win32Clock final : public shell::ClockPort {
 public:
  std::int32_t Read() override;
};

class Win32Debug final : public shell::DebugPort {
 public:
  void Write(std::string_view line) override;
};

// Ends the process at once on Abort; the exit code tells it from a normal end.
inline constexpr UINT kAbortExitCode = 3;

}  // namespace morwick::win32
