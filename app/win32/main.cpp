// Entry point of the Windows app: lets the common controls start, then runs
// the shell's one procedure with the Win32 ports.
#include <windows.h>
#include <commctrl.h>

#include "app/shell/morwick.h"
#include "win32_ports.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_TAB_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);

  morwick::win32::Win32Window window(instance);
  morwick::win32::Win32Dialogs dialogs(instance, window);
  morwick::win32::Win32Clipboard clipboard;
  morwick::win32::Win32Clock clock;
  morwick::win32::Win32Debug debug;
  morwick::shell::MORWICK({window, dialogs, clipboard, clock, debug});
  return 0;
}
