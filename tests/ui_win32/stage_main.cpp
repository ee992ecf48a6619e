// Sets the stage for a screenshot: puts a captured call on the clipboard,
// starts morwick.exe, waits for its first repair and prints the window's
// rectangle on the desktop ("left top right bottom"). The app keeps running.
#include <windows.h>

#include <cstdio>

#include "ui_driver.h"

int main() {
  using namespace morwick::uitest;
  clipboard::SetText(
      L"exec p @h output,N'@P1 int,@P2 nvarchar(20)',N'SELECT a.id, a.name FROM customer a WHERE a.id = @P1 "
      L"AND a.name = @P2 ORDER BY a.name',5,N'O''Brien'\r\n");
  AppProcess app;
  if (!app.Start()) {
    std::fprintf(stderr, "morwick.exe did not open its window\n");
    return 1;
  }
  const HWND main = app.Main();
  WaitUntil([&] { return !app.ControlText(5).empty() && !app.ControlText(3).empty(); });
  SetForegroundWindow(main);  // an active caption, as a user would see it
  Sleep(500);
  RECT rect{};
  GetWindowRect(main, &rect);
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
  std::fflush(stdout);
  app.Detach();
  return 0;
}
