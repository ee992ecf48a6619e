#include "main_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontInfo>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <utility>

#include "app/shell/morwick.h"

namespace morwick::qt {
namespace {

constexpr DialogRect kWindowSize{0, 0, 423, 282};
constexpr DialogRect kSheet{7, 3, 411, 257};
// The texts are placed in the window's coordinates although they live on
// the tab pages, so they line up whatever height the style gives the tabs.
constexpr DialogRect kTextOnPage{9, 24, 405, 235};
constexpr DialogRect kButtonGet{9, 265, 81, 14};
constexpr DialogRect kButtonReset{171, 265, 81, 14};
constexpr DialogRect kCancelButton{375, 265, 43, 14};
constexpr int kTabStop = 8;
constexpr int kFontPoints = 8;

// Each edge is converted on its own, so neighbouring controls that meet in
// dialog units meet in pixels too.
int ToPixels(int units, int base, int perUnit) {
  return (units * base * 2 + perUnit) / (perUnit * 2);
}

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QRect DialogUnitsToPixels(const DialogRect& rect, const QFontMetrics& metrics) {
  const int baseX = metrics.averageCharWidth();
  const int baseY = metrics.height();
  const int left = ToPixels(rect.x, baseX, 4);
  const int top = ToPixels(rect.y, baseY, 8);
  const int right = ToPixels(rect.x + rect.width, baseX, 4);
  const int bottom = ToPixels(rect.y + rect.height, baseY, 8);
  return {left, top, right - left, bottom - top};
}

QFont WindowFont() {
  QFont font(QStringLiteral("MS Sans Serif"), kFontPoints, QFont::Normal);
  if (QFontInfo(font).exactMatch()) return font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("Sans Serif")});
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QString ExpandTabs(const QString& text) {
  QString out;
  out.reserve(text.size());
  int column = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\t') {
      const int spaces = kTabStop - column % kTabStop;
      out.append(QString(spaces, u' '));
      column += spaces;
    } else if (c == u'\r') {
      if (i + 1 < text.size() && text.at(i + 1) == u'\n') continue;
      out.append(u'\n');
      column = 0;
    } else if (c == u'\n') {
      out.append(c);
      column = 0;
    } else {
      out.append(c);
      // The second half of a surrogate pair takes no column of its own.
      if (!c.isLowSurrogate()) ++column;
    }
  }
  return out;
}

MainWindow::MainWindow(std::function<void(int)> accepted, std::function<bool()> closeRequested)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowCloseButtonHint),
      accepted_(std::move(accepted)),
      closeRequested_(std::move(closeRequested)) {
  setObjectName(QStringLiteral("MORWICK"));
  setFont(WindowFont());
  // Message boxes opened over the window use its font too.
  setAttribute(Qt::WA_WindowPropagation);
  setWindowTitle(Utf8(shell::kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/morwick/Rreplace.ico")));

  const QFontMetrics metrics(font());
  setFixedSize(DialogUnitsToPixels(kWindowSize, metrics).size());

  sheet_ = new QTabWidget(this);
  sheet_->setObjectName(QStringLiteral("SHEET1"));
  sheet_->setTabPosition(QTabWidget::North);
  sheet_->setGeometry(DialogUnitsToPixels(kSheet, metrics));
  clipOutText_ = AddTextPage(QStringLiteral("&1 - New Clipboard"), "CLIPOUTTEXT");
  clipOutText_->parentWidget()->setObjectName(QStringLiteral("TABOUT"));
  clipInText_ = AddTextPage(QStringLiteral("&2 - Original Clipboard"), "CLIPINTEXT");
  clipInText_->parentWidget()->setObjectName(QStringLiteral("TABIN"));
  sheet_->setCurrentIndex(0);

  AddButton(kButtonGet, QStringLiteral("&Fix Clipboard"), QStringLiteral(":/morwick/PASTE.ICO"),
            "BUTTONGET", shell::kButtonGet);
  AddButton(kButtonReset, QStringLiteral("&Reset Clipboard"), QStringLiteral(":/morwick/CUT.ICO"),
            "BUTTONRESET", shell::kButtonReset);
  AddButton(kCancelButton, QStringLiteral("E&xit"), QStringLiteral(":/morwick/Close.ico"),
            "CANCELBUTTON", shell::kCancelButton);
  PlaceLabels();
}

QLabel* MainWindow::AddTextPage(const QString& tabText, const char* name) {
  auto* page = new QWidget;
  auto* label = new QLabel(page);
  label->setObjectName(QLatin1String(name));
  // Plain text, so "&" and "<" in a statement show as they are.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::NoTextInteraction);
  page->installEventFilter(this);
  sheet_->addTab(page, tabText);
  return label;
}

QPushButton* MainWindow::AddButton(const DialogRect& rect, const QString& text, const QString& icon,
                                   const char* name, int field) {
  auto* button = new QPushButton(QIcon(icon), text, this);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setGeometry(DialogUnitsToPixels(rect, QFontMetrics(font())));
  connect(button, &QPushButton::clicked, this, [this, field] {
    if (accepted_) accepted_(field);
  });
  return button;
}

void MainWindow::SetFieldText(int field, const QString& text) {
  switch (field) {
    case shell::kClipOutText:
      clipOutText_->setText(ExpandTabs(text));
      break;
    case shell::kClipInText:
      clipInText_->setText(ExpandTabs(text));
      break;
    default:
      break;
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closeRequested_ || closeRequested_()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
      PlaceLabels();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::PlaceLabels() {
  // Both pages take the stack's whole area, so the shown one stands for both;
  // a hidden page may not have been laid out yet.
  const QWidget* page = sheet_->currentWidget();
  if (page == nullptr) return;
  const QPoint pageOrigin = page->mapTo(this, QPoint(0, 0));
  const QRect target = DialogUnitsToPixels(kTextOnPage, QFontMetrics(font())).translated(-pageOrigin);
  clipOutText_->setGeometry(target);
  clipInText_->setGeometry(target);
}

}  // namespace morwick::qt
