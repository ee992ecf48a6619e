// Drives a running morwick.exe from outside, as a user would: its clipboard,
// its window and controls, its message boxes, and activation from another
// program. Shared by the UI tests and the screenshot stage.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace morwick::uitest {

inline constexpr DWORD kWaitMs = 15000;  // Wine starts programs slowly
inline constexpr wchar_t kMainCaption[] = L"Morwick v2.1";

// Where morwick.exe is: set from the command line (in the ANSI code page,
// as argv comes), else the build's path.
void SetAppPath(const char* path);
std::wstring AppPath();

// Wine answers some cross-process questions differently from Windows.
bool RunningOnWine();

// Polls `done` until it holds or `timeoutMs` passes.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

// The system clipboard, owned by a window of this process while written.
namespace clipboard {
void SetText(std::wstring_view text);
// Exactly `chars` as CF_UNICODETEXT, NULs included, with no NUL added.
void SetRawText(std::wstring_view chars);
// Something that is not text at all.
void SetPrivateFormat();
void Clear();
// Null when the clipboard holds no text.
std::optional<std::wstring> Text();
}  // namespace clipboard

// A window of this process that can take the activation away from the app,
// as switching to another program does.
class OtherProgram {
 public:
  OtherProgram();
  ~OtherProgram();
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;

  // Activates our window, then `target`: `target` sees an activation coming
  // from another program.
  bool SwitchTo(HWND target);

 private:
  HWND window_ = nullptr;
};

class AppProcess {
 public:
  AppProcess() = default;
  ~AppProcess();
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;

  // Starts the app and waits until its main window is visible.
  bool Start();
  bool Running() const;
  // The exit code once the process has ended within the wait, else null.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = kWaitMs);
  void Kill();
  // Lets the app run on after this object is gone.
  void Detach();

  HWND Main() const { return main_; }
  HWND Control(int field) const;
  std::wstring ControlText(int field) const { return WindowText(Control(field)); }

  // A visible box or dialog of the app, owned by its main window.
  HWND FindOwned(std::wstring_view caption) const;
  HWND WaitForOwned(std::wstring_view caption, DWORD timeoutMs = kWaitMs) const;
  // The control holding the keyboard focus in the app's GUI thread.
  HWND Focus() const;

  // Text of tab `index` of a tab control in the app.
  std::wstring TabText(HWND tabs, int index) const;
  // Rectangle of tab `index`, in the tab control's client coordinates.
  RECT TabRect(HWND tabs, int index) const;

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
  HWND main_ = nullptr;
};

// Converts pixel positions to dialog units of the app's font, the way the
// dialog manager converts the other way.
class DialogUnits {
 public:
  DialogUnits();
  int X(int pixels) const;
  int Y(int pixels) const;

 private:
  double baseX_ = 0;  // pixels per 4 horizontal units
  double baseY_ = 0;  // pixels per 8 vertical units
};

// A control's rectangle relative to its parent's client area.
RECT ClientRectIn(HWND parent, HWND control);

}  // namespace morwick::uitest
