// The desktop app's entry: Qt's start-up, then the shell's one procedure.
#include <QApplication>

#include "app/shell/morwick.h"
#include "qt_ports.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("morwick"));
  QApplication::setDesktopFileName(QStringLiteral("morwick"));

  morwick::qt::QtWindow window;
  morwick::qt::QtDialogs dialogs(window);
  morwick::qt::QtClipboard clipboard;
  morwick::qt::QtClock clock;
  morwick::qt::StderrDebug debug;
  morwick::shell::MORWICK({window, dialogs, clipboard, clock, debug});
  return 0;
}
