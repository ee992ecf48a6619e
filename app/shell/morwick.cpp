#include "morwick.h"

#include <cstdlib>

#include "engine/pipeline.h"

namespace morwick::shell {

std::int32_t ClockReading(int hours, int minutes, int seconds, int hundredths) {
  const std::int32_t since = ((hours * 60 + minutes) * 60 + seconds) * 100 + hundredths;
  // Midnight's first hundredth reads 0, so it looks like "no reading yet".
  return since == 0 ? 0 : since + 1;
}

Shell::Shell(Ports ports) : ports_(ports), work_(std::make_unique<RepairWork>(static_cast<RepairHost&>(*this))) {
  work_->Window = &ports_.window;
}

bool Shell::HandleEvent(const Event& event) {
  switch (event.kind) {
    case EventKind::kGainFocus:
      FocusCheck();
      return true;
    case EventKind::kCloseWindow:
    case EventKind::kCloseDown:
      return false;
    case EventKind::kAccepted:
      break;
    case EventKind::kOther:
      return true;
  }
  switch (event.field) {
    case kButtonGet:
      FixFromClipboard();
      return true;
    case kButtonReset:
      ResetClipboard();
      return true;
    case kCancelButton:
      return false;
    default:
      return true;
  }
}

void Shell::FixFromClipboard() {
  RepairWork& work = *work_;
  lastRead_ = ports_.clipboard.ReadText();
  const bool tooLong = !FitsBuffer(lastRead_);
  // Only what cannot be shown is cut here; the whole text stays in lastRead_.
  (void)work.ClipIn.Store(lastRead_);
  if (work.ClipIn.TextLen() == 0) {
    (void)work.ClipIn.Store(kClipboardEmpty);
    lastRead_ = kClipboardEmpty;
  }
  ports_.window.SetControlText(kClipInText, work.ClipIn.Text());

  if (tooLong) {
    // A repair of the first part would throw the rest away, so nothing is
    // repaired and the clipboard keeps all it has.
    (void)work.ClipOut.Store(work.ClipIn.View());
    ports_.window.SetControlText(kClipOutText, work.ClipOut.Text());
    ports_.dialogs.ShowMessage(kClipboardTooLong);
    return;
  }

  RepairSql(work);
  ports_.window.SetControlText(kClipOutText, work.ClipOut.Text());
  if (work.TextCut) {
    ports_.dialogs.ShowMessage(kResultTooLong);
    return;
  }
  ports_.clipboard.WriteText(work.ClipOut.Text());
}

void Shell::ResetClipboard() {
  RepairWork& work = *work_;
  (void)work.ClipOut.Store(work.ClipIn.View());
  ports_.clipboard.WriteText(Clipped(lastRead_));
  ports_.window.SetControlText(kClipOutText, work.ClipOut.Text());
}

void Shell::FocusCheck() {
  RepairWork& work = *work_;
  if (work.LastFixClock == 0) {
    work.LastFixClock = ports_.clock.Read();
    return;
  }
  const std::int32_t now = ports_.clock.Read();
  if (std::abs(now - work.LastFixClock) <= kPromptSpacing) return;

  switch (ports_.dialogs.Ask(kFocusPrompt, kFocusCaption)) {
    case PromptAnswer::kYes:
      work.LastFixClock = ports_.clock.Read();
      ports_.window.PostEvent({EventKind::kAccepted, kButtonGet});
      break;
    case PromptAnswer::kNo:
      break;
    case PromptAnswer::kCancel:
      ports_.window.PostEvent({EventKind::kCloseDown, kNoField});
      break;
  }
}

void Shell::ShowMessage(std::string_view text) { ports_.dialogs.ShowMessage(text); }
void Shell::Stop(std::string_view text) { ports_.dialogs.Stop(text); }
void Shell::DebugOutput(std::string_view line) { ports_.debug.Write(line); }

void MORWICK(Ports ports) {
  auto shell = std::make_unique<Shell>(ports);
  ports.window.Open();
  ports.window.PostEvent({EventKind::kAccepted, kButtonGet});
  ports.window.RunEventLoop(*shell);
  ports.window.Close();
}

}  // namespace morwick::shell
