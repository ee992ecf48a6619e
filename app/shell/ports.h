// What the shell needs of the outside world: the window and its event loop,
// the dialogs, the clipboard, the clock and the debug output. The Win32 and
// Qt front ends implement these; the shell's tests implement them with fakes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morwick::shell {

// Field numbers of the window's controls.
enum Field : int {
  kNoField = 0,
  kSheet1 = 1,
  kTabOut = 2,
  kClipOutText = 3,
  kTabIn = 4,
  kClipInText = 5,
  kButtonGet = 8,
  kButtonReset = 10,
  kCancelButton = 11,
};

enum class EventKind {
  kAccepted,     // a control was accepted; `field` says which
  kGainFocus,    // the window became active after another program
  kCloseWindow,  // close box, system menu or Alt+F4
  kCloseDown,    // posted by the shell to end the program
  kOther,
};

struct Event {
  EventKind kind = EventKind::kOther;
  int field = kNoField;  // for kAccepted only
};

// Receives each event the loop delivers.
class EventHandler {
 public:
  virtual ~EventHandler() = default;
  // Returns false to end the event loop.
  virtual bool HandleEvent(const Event& event) = 0;
};

class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // Shows the main window with all its controls, texts empty.
  virtual void Open() = 0;
  // Queues an event for this window; it is delivered after the handling of
  // the current event has finished. Allowed before the loop runs.
  virtual void PostEvent(const Event& event) = 0;
  // Delivers events one at a time until the handler returns false or the
  // window is being closed (kCloseWindow and kCloseDown are delivered to the
  // handler first, then end the loop).
  virtual void RunEventLoop(EventHandler& handler) = 0;
  virtual void SetControlText(int field, std::string_view text) = 0;
  virtual void Close() = 0;
};

enum class PromptAnswer { kYes, kNo, kCancel };

class DialogPort {
 public:
  virtual ~DialogPort() = default;
  // A plain modal message; caption, icon and button are the front end's.
  virtual void ShowMessage(std::string_view text) = 0;
  // Modal question with the question icon and the buttons "&Yes", "&No" and
  // "Cancel"; Yes has the focus and Escape answers Cancel.
  virtual PromptAnswer Ask(std::string_view text, std::string_view caption) = 0;
  // The stop message ("Stop", Abort and Ignore, Abort the default). Returns
  // only on Ignore; Abort ends the process at once.
  virtual void Stop(std::string_view text) = 0;
};

class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  // The clipboard's plain text as UTF-8, up to its first NUL; empty when
  // there is none or the clipboard cannot be opened.
  virtual std::string ReadText() = 0;
  // Empties the clipboard of every format, then places `text` on it unless
  // `text` is empty. Failure is passed over.
  virtual void WriteText(std::string_view text) = 0;
};

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // The local time of day in hundredths of a second since midnight, plus
  // one; 0 for the first hundredth of the day (see ClockReading).
  virtual std::int32_t Read() = 0;
};

class DebugPort {
 public:
  virtual ~DebugPort() = default;
  // One finished debug line, CR LF included where the line kept them.
  virtual void Write(std::string_view line) = 0;
};

// The reading for a local time of day.
std::int32_t ClockReading(int hours, int minutes, int seconds, int hundredths);

}  // namespace morwick::shell
