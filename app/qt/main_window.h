// The main window: a tab sheet with the repaired and the original text, and
// the three buttons, laid out in dialog units of the window's own font.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;

namespace morwick::qt {

// A rectangle in dialog units: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height.
struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

QRect DialogUnitsToPixels(const DialogRect& rect, const QFontMetrics& metrics);

// The window's font, or the nearest sans-serif font of the same size where it
// is not installed.
QFont WindowFont();

// QLabel draws a TAB as one space; this puts spaces up to the next stop of
// eight columns instead, counting from each line's start. CR LF and lone CR
// become LF, so a text copied on another system breaks where it should.
QString ExpandTabs(const QString& text);

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // `accepted` receives the field number of each button pressed;
  // `closeRequested` decides whether a close request may close the window.
  MainWindow(std::function<void(int)> accepted, std::function<bool()> closeRequested);

  // Shows `text` (UTF-8) in the control with that field number; others are
  // passed over.
  void SetFieldText(int field, const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* AddTextPage(const QString& tabText, const char* name);
  QPushButton* AddButton(const DialogRect& rect, const QString& text, const QString& icon,
                         const char* name, int field);
  void PlaceLabels();

  std::function<void(int)> accepted_;
  std::function<bool()> closeRequested_;
  QTabWidget* sheet_ = nullptr;
  QLabel* clipOutText_ = nullptr;
  QLabel* clipInText_ = nullptr;
};

}  // namespace morwick::qt
