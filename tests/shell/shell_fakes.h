// Fakes of the shell's ports: a window whose event queue the test fills, a
// clipboard, a clock the test sets, and dialogs with scripted answers.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/shell/ports.h"

namespace morwick::shell::test {

class FakeWindow : public WindowPort {
 public:
  void Open() override { opened = true; }
  void PostEvent(const Event& event) override { queue.push_back(event); }
  // Delivers posted events first, then the user's, until both run dry (the
  // user walked away) or the loop is told to end.
  void RunEventLoop(EventHandler& handler) override {
    while (!queue.empty() || !userEvents.empty()) {
      std::deque<Event>& from = queue.empty() ? userEvents : queue;
      const Event event = from.front();
      from.pop_front();
      ++delivered;
      const bool goOn = handler.HandleEvent(event);
      if (!goOn || event.kind == EventKind::kCloseWindow || event.kind == EventKind::kCloseDown) {
        loopEnded = true;
        return;
      }
    }
  }
  void SetControlText(int field, std::string_view text) override { texts[field] = std::string(text); }
  void Close() override { closed = true; }

  std::deque<Event> queue;       // posted by the shell
  std::deque<Event> userEvents;  // what the user does, in order
  std::map<int, std::string> texts;
  int delivered = 0;
  bool opened = false;
  bool closed = false;
  bool loopEnded = false;
};

class FakeDialogs : public DialogPort {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  PromptAnswer Ask(std::string_view text, std::string_view caption) override {
    asked.emplace_back(std::string(text) + "|" + std::string(caption));
    if (onAsk) onAsk();
    if (answers.empty()) return PromptAnswer::kNo;
    const PromptAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  void Stop(std::string_view text) override { stops.emplace_back(text); }

  std::vector<std::string> messages;
  std::vector<std::string> asked;
  std::vector<std::string> stops;
  std::deque<PromptAnswer> answers;
  std::function<void()> onAsk;  // runs while the prompt is open
};

class FakeClipboard : public ClipboardPort {
 public:
  std::string ReadText() override {
    ++reads;
    return text.value_or("");
  }
  void WriteText(std::string_view t) override {
    writes.emplace_back(t);
    if (t.empty()) {
      text.reset();
    } else {
      text = std::string(t);
    }
  }

  std::optional<std::string> text;
  std::vector<std::string> writes;
  int reads = 0;
};

class FakeClock : public ClockPort {
 public:
  std::int32_t Read() override { return now; }
  std::int32_t now = ClockReading(12, 0, 0, 0);
};

class FakeDebug : public DebugPort {
 public:
  void Write(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

}  // namespace morwick::shell::test
