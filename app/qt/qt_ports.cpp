#include "qt_ports.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QTime>

#include <cstdio>
#include <cstdlib>

#include "app/shell/morwick.h"
#include "main_window.h"

namespace morwick::qt {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool EndsLoop(const shell::Event& event) {
  return event.kind == shell::EventKind::kCloseWindow || event.kind == shell::EventKind::kCloseDown;
}

}  // namespace

QtWindow::QtWindow()
    : courier_(std::make_unique<QObject>()), lastState_(QGuiApplication::applicationState()) {
  QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, courier_.get(),
                   [this](Qt::ApplicationState state) { ApplicationStateChanged(state); });
}

QtWindow::~QtWindow() { delete window_.data(); }

void QtWindow::Open() {
  closing_ = false;
  window_ = new MainWindow([this](int field) { PostEvent({shell::EventKind::kAccepted, field}); },
                           [this] {
                             if (closing_) return true;
                             // The loop closes the window once the shell has seen this.
                             PostEvent({shell::EventKind::kCloseWindow, shell::kNoField});
                             return false;
                           });
  window_->show();
}

void QtWindow::PostEvent(const shell::Event& event) {
  queue_.push_back(event);
  ScheduleDelivery();
}

void QtWindow::ScheduleDelivery() {
  QMetaObject::invokeMethod(courier_.get(), [this] { DeliverOne(); }, Qt::QueuedConnection);
}

void QtWindow::DeliverOne() {
  // A modal box inside a handling runs its own loop, which reaches here too;
  // the shell sees one event at a time, so the rest wait for it to finish.
  if (loop_ == nullptr || handling_ || queue_.empty()) return;
  const shell::Event event = queue_.front();
  queue_.pop_front();
  handling_ = true;
  const bool goOn = handler_->HandleEvent(event);
  handling_ = false;
  if (!goOn || EndsLoop(event)) {
    loop_->quit();
    loop_ = nullptr;
    return;
  }
  if (!queue_.empty()) ScheduleDelivery();
}

void QtWindow::RunEventLoop(shell::EventHandler& handler) {
  QEventLoop loop;
  handler_ = &handler;
  loop_ = &loop;
  // Events posted before the loop may have found no loop to deliver them.
  if (!queue_.empty()) ScheduleDelivery();
  loop.exec();
  loop_ = nullptr;
  handler_ = nullptr;
}

void QtWindow::SetControlText(int field, std::string_view text) {
  if (window_ != nullptr) window_->SetFieldText(field, Utf8(text));
}

void QtWindow::Close() {
  queue_.clear();
  if (window_ == nullptr) return;
  closing_ = true;
  window_->close();
  delete window_.data();
  window_ = nullptr;
}

void QtWindow::ApplicationStateChanged(Qt::ApplicationState state) {
  const Qt::ApplicationState before = lastState_;
  lastState_ = state;
  if (state != Qt::ApplicationActive || before == Qt::ApplicationActive) return;
  // Coming back while one of our boxes is open activates the box, not the
  // window; the window's turn comes with the next switch.
  if (QApplication::activeModalWidget() != nullptr) return;
  if (window_ == nullptr) return;
  PostEvent({shell::EventKind::kGainFocus, shell::kNoField});
}

QWidget* QtDialogs::Parent() const { return window_.Widget(); }

int QtDialogs::Run(QMessageBox& box) const {
  const int result = box.exec();
  // Without a window manager to hand it back, the keyboard focus would stay
  // with the vanished box, and the next click on the window would count as
  // coming back from another program.
  if (QWidget* window = Parent(); window != nullptr && window->isVisible()) window->activateWindow();
  return result;
}

void QtDialogs::ShowMessage(std::string_view text) {
  QMessageBox box(QMessageBox::Information, Utf8(shell::kCaption), Utf8(text), QMessageBox::Ok,
                  Parent());
  box.setTextFormat(Qt::PlainText);
  Run(box);
}

shell::PromptAnswer QtDialogs::Ask(std::string_view text, std::string_view caption) {
  QMessageBox box(QMessageBox::Question, Utf8(caption), Utf8(text), QMessageBox::NoButton, Parent());
  box.setTextFormat(Qt::PlainText);
  // One role for all three keeps them in this order on every desktop, whose
  // own button order would otherwise rearrange them.
  QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::ActionRole);
  QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::ActionRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::ActionRole);
  yes->setObjectName(QStringLiteral("YES"));
  no->setObjectName(QStringLiteral("NO"));
  cancel->setObjectName(QStringLiteral("CANCEL"));
  box.setDefaultButton(yes);
  box.setEscapeButton(cancel);
  yes->setFocus();
  Run(box);
  if (box.clickedButton() == yes) return shell::PromptAnswer::kYes;
  if (box.clickedButton() == no) return shell::PromptAnswer::kNo;
  return shell::PromptAnswer::kCancel;
}

void QtDialogs::Stop(std::string_view text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Stop"), Utf8(text), QMessageBox::NoButton,
                  Parent());
  box.setTextFormat(Qt::PlainText);
  QPushButton* abort = box.addButton(QStringLiteral("Abort"), QMessageBox::ActionRole);
  QPushButton* ignore = box.addButton(QStringLiteral("Ignore"), QMessageBox::ActionRole);
  abort->setObjectName(QStringLiteral("ABORT"));
  ignore->setObjectName(QStringLiteral("IGNORE"));
  box.setDefaultButton(abort);
  abort->setFocus();
  Run(box);
  if (box.clickedButton() == ignore) return;
  // At once: no handler, no destructor, nothing written to the clipboard.
  std::_Exit(kAbortExitCode);
}

std::string QtClipboard::ReadText() {
  const QByteArray bytes = QGuiApplication::clipboard()->text(QClipboard::Clipboard).toUtf8();
  const qsizetype nul = bytes.indexOf('\0');
  const qsizetype length = nul < 0 ? bytes.size() : nul;
  return std::string(bytes.constData(), static_cast<std::size_t>(length));
}

void QtClipboard::WriteText(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear(QClipboard::Clipboard);
  if (!text.empty()) clipboard->setText(Utf8(text), QClipboard::Clipboard);
}

std::int32_t QtClock::Read() {
  const QTime now = QTime::currentTime();
  return shell::ClockReading(now.hour(), now.minute(), now.second(), now.msec() / 10);
}

void StderrDebug::Write(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace morwick::qt
