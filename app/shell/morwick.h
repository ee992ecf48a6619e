// The program's one procedure and the handling of its events, written
// against the ports so that both front ends share it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/repair_work.h"
#include "ports.h"

namespace morwick::shell {

inline constexpr std::string_view kCaption = "Morwick v2.1";
inline constexpr std::string_view kClipboardEmpty = "Clipboard is Empty!";
inline constexpr std::string_view kFocusPrompt = "Fix Clipboard for SQL?";
inline constexpr std::string_view kFocusCaption = "Fix?";
inline constexpr std::string_view kClipboardTooLong =
    "The clipboard holds more than 15000 characters; it was left unchanged.";
inline constexpr std::string_view kResultTooLong =
    "The repaired text is longer than 15000 characters; the clipboard was left unchanged.";
// Two readings at most this far apart (in hundredths) ask nothing.
inline constexpr std::int32_t kPromptSpacing = 500;

struct Ports {
  WindowPort& window;
  DialogPort& dialogs;
  ClipboardPort& clipboard;
  ClockPort& clock;
  DebugPort& debug;
};

// The shell's state for one run of the window: the work record and the
// whole text last read from the clipboard.
class Shell final : public EventHandler, private RepairHost {
 public:
  explicit Shell(Ports ports);

  bool HandleEvent(const Event& event) override;

  void FixFromClipboard();
  void ResetClipboard();
  void FocusCheck();

  RepairWork& Work() { return *work_; }

 private:
  void ShowMessage(std::string_view text) override;
  void Stop(std::string_view text) override;
  void DebugOutput(std::string_view line) override;

  Ports ports_;
  std::unique_ptr<RepairWork> work_;
  // The clipboard text exactly as read, however long, for Reset.
  std::string lastRead_;
};

// Runs the program: opens the window, repairs the clipboard once, handles
// events until the user leaves, closes the window.
void MORWICK(Ports ports);

}  // namespace morwick::shell
