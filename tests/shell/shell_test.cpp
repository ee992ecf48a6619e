// The shell's procedure and event handling against fake ports: the start
// repair, the buttons, the prompt on regaining the focus and the clipboard
// rules.
#include <gtest/gtest.h>

#include <string>

#include "app/shell/morwick.h"
#include "shell_fakes.h"

namespace morwick::shell::test {
namespace {

const std::string kCapture =
    "exec p @h output,N'@P1 int,@P2 nvarchar(20)',N'SELECT a.id, a.name FROM customer a WHERE a.id = @P1 AND a.name "
    "= @P2 ORDER BY a.name',5,N'O''Brien'\r\n";
const std::string kRepaired =
    "SELECT a.id, a.name\nFROM customer a\nWHERE a.id = 5 AND a.name = N'O''Brien'\nORDER BY a.name";

class ShellTest : public ::testing::Test {
 protected:
  Ports ports{window, dialogs, clipboard, clock, debug};

  void RunProgram() { MORWICK(ports); }

  // A shell whose window is open, for driving events one at a time.
  Shell& Started() {
    if (!shell_) shell_ = std::make_unique<Shell>(ports);
    return *shell_;
  }
  bool Deliver(Event e) { return Started().HandleEvent(e); }
  bool GainFocusAt(std::int32_t reading) {
    clock.now = reading;
    return Deliver({EventKind::kGainFocus});
  }
  // Runs whatever the handling posted.
  void RunPosted() { window.RunEventLoop(Started()); }

  FakeWindow window;
  FakeDialogs dialogs;
  FakeClipboard clipboard;
  FakeClock clock;
  FakeDebug debug;
  std::unique_ptr<Shell> shell_;
};

TEST_F(ShellTest, StartRepairsTheClipboardOnceWithoutAsking) {
  clipboard.text = kCapture;
  RunProgram();
  EXPECT_TRUE(window.opened);
  EXPECT_TRUE(window.closed);
  EXPECT_EQ(window.texts[kClipInText], kCapture);
  EXPECT_EQ(window.texts[kClipOutText], kRepaired);
  EXPECT_EQ(clipboard.writes, std::vector<std::string>{kRepaired});
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(debug.lines, std::vector<std::string>{"KVZ-FixCnt=0\r\n"});
}

TEST_F(ShellTest, BlankClipboardIsRepairedAsClipboardIsEmpty) {
  for (const std::optional<std::string>& content : {std::optional<std::string>{}, std::optional<std::string>{"   "}}) {
    SCOPED_TRACE(content.value_or("(no text)"));
    clipboard.text = content;
    clipboard.writes.clear();
    Deliver({EventKind::kAccepted, kButtonGet});
    EXPECT_EQ(window.texts[kClipInText], "Clipboard is Empty!");
    EXPECT_EQ(window.texts[kClipOutText], "Clipboard is Empty!");
    EXPECT_EQ(clipboard.writes, std::vector<std::string>{"Clipboard is Empty!"});
  }
}

TEST_F(ShellTest, ShortTextIsNothingToFixAndWrittenBackWithoutTrailingSpaces) {
  clipboard.text = "SELECT    ";
  Deliver({EventKind::kAccepted, kButtonGet});
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Nothing to Fix"});
  EXPECT_EQ(window.texts[kClipOutText], "SELECT");
  EXPECT_EQ(clipboard.text, "SELECT");
}

TEST_F(ShellTest, FixTwiceRepairsThePreviousResultAgain) {
  clipboard.text = "exec x N'SELECT a FROM t WHERE a = @P1',N'@P1 int',5";
  Deliver({EventKind::kAccepted, kButtonGet});
  Deliver({EventKind::kAccepted, kButtonGet});
  EXPECT_EQ(clipboard.reads, 2);
  EXPECT_EQ(window.texts[kClipInText], "SELECT a\nFROM t\nWHERE a = 5");
  EXPECT_EQ(clipboard.text, "SELECT a\nFROM t\nWHERE a = 5");
}

TEST_F(ShellTest, ResetPutsBackTheTextAsRead) {
  clipboard.text = kCapture + "   ";
  Deliver({EventKind::kAccepted, kButtonGet});
  clipboard.text = "something copied since";
  Deliver({EventKind::kAccepted, kButtonReset});
  EXPECT_EQ(clipboard.text, kCapture);
  EXPECT_EQ(window.texts[kClipOutText], kCapture);
  EXPECT_EQ(window.texts[kClipInText], kCapture);
  EXPECT_EQ(clipboard.reads, 1);
}

TEST_F(ShellTest, StopMessageAndDebugLinesGoThroughThePorts) {
  clipboard.text = "exec sp_executesql N'SELECT a FROM t WHERE a = @P3',N'@P1 int',5";
  Deliver({EventKind::kAccepted, kButtonGet});
  EXPECT_EQ(dialogs.stops, std::vector<std::string>{"Error on Get Q Pointer:3/Entry Not Found"});
  EXPECT_EQ(clipboard.text, "SELECT a\nFROM t\nWHERE a = 5");
  EXPECT_EQ(debug.lines.back(), "KVZ-FixCnt=0\r\n");
}

TEST_F(ShellTest, ClipboardTooLongIsShownButLeftUnchanged) {
  const std::string text = kCapture + std::string(15000, 'x');
  clipboard.text = text;
  Deliver({EventKind::kAccepted, kButtonGet});
  EXPECT_TRUE(clipboard.writes.empty());
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"The clipboard holds more than 15000 characters; it was left unchanged."});
  EXPECT_EQ(window.texts[kClipInText], text.substr(0, 15000));
  // Reset gives back every character, not just the part that was shown.
  Deliver({EventKind::kAccepted, kButtonReset});
  EXPECT_EQ(clipboard.text, text);
}

TEST_F(ShellTest, TrailingSpacesDoNotCountTowardsTheLimit) {
  clipboard.text = "SELECT 1 FROM t" + std::string(15000, ' ');
  Deliver({EventKind::kAccepted, kButtonGet});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(clipboard.text, "SELECT 1\nFROM t");
}

TEST_F(ShellTest, ResultTooLongIsShownButNotWritten) {
  std::string statement = "SELECT a FROM t WHERE a IN (@P1";
  for (int i = 0; i < 60; ++i) statement += ",@P1";
  const std::string text = "N'" + statement + ")'," + std::string(300, '9');
  clipboard.text = text;
  Deliver({EventKind::kAccepted, kButtonGet});
  EXPECT_TRUE(clipboard.writes.empty());
  EXPECT_EQ(clipboard.text, text);
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"The repaired text is longer than 15000 characters; the clipboard was left unchanged."});
  EXPECT_EQ(window.texts[kClipOutText].size(), 15000u);
}

TEST_F(ShellTest, FirstFocusGainOnlyRecordsTheTime) {
  GainFocusAt(ClockReading(18, 0, 0, 0));
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(Started().Work().LastFixClock, ClockReading(18, 0, 0, 0));
}

TEST_F(ShellTest, PromptIsSpacedByMoreThanFiveSeconds) {
  struct Case {
    const char* name;
    std::int32_t last;
    std::int32_t now;
    bool asks;
  };
  const Case cases[] = {
      {"exactly 500 later", 100000, 100500, false},
      {"501 later", 100000, 100501, true},
      {"500 earlier", 100000, 99500, false},
      {"after midnight", ClockReading(23, 59, 58, 0), ClockReading(0, 0, 1, 0), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.asked.clear();
    Started().Work().LastFixClock = c.last;
    GainFocusAt(c.now);
    EXPECT_EQ(dialogs.asked.size(), c.asks ? 1u : 0u);
    EXPECT_EQ(Started().Work().LastFixClock, c.last);
  }
  EXPECT_EQ(dialogs.asked.front(), "Fix Clipboard for SQL?|Fix?");
}

TEST_F(ShellTest, NoLeavesTheReadingSoTheNextGainAsksAgain) {
  Started().Work().LastFixClock = 100000;
  dialogs.answers = {PromptAnswer::kNo, PromptAnswer::kNo};
  GainFocusAt(100600);
  GainFocusAt(100700);
  EXPECT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(Started().Work().LastFixClock, 100000);
  EXPECT_TRUE(window.queue.empty());
}

TEST_F(ShellTest, YesRepairsLikeTheButtonAndRecordsTheTimeOfTheAnswer) {
  clipboard.text = kCapture;
  Started().Work().LastFixClock = 100000;
  dialogs.answers = {PromptAnswer::kYes};
  dialogs.onAsk = [&] { clock.now = 100900; };  // the user took a while
  GainFocusAt(100600);
  // The repair waits for the prompt to close: it runs from the queue.
  EXPECT_TRUE(clipboard.writes.empty());
  RunPosted();
  EXPECT_EQ(clipboard.text, kRepaired);
  EXPECT_EQ(Started().Work().LastFixClock, 100900);
  GainFocusAt(101300);
  EXPECT_EQ(dialogs.asked.size(), 1u);
}

TEST_F(ShellTest, CancelEndsTheProgramWithoutWriting) {
  clipboard.text = kCapture;
  Started().Work().LastFixClock = 100000;
  dialogs.answers = {PromptAnswer::kCancel};
  window.userEvents = {{EventKind::kGainFocus}};
  clock.now = 100600;
  RunPosted();
  EXPECT_EQ(dialogs.asked.size(), 1u);
  EXPECT_TRUE(window.loopEnded);
  EXPECT_EQ(window.delivered, 2);  // the focus gain, then the close-down it posted
  EXPECT_TRUE(clipboard.writes.empty());
}

TEST_F(ShellTest, LoopEndsOnExitAndOnTheCloseBox) {
  for (const Event& end : {Event{EventKind::kAccepted, kCancelButton}, Event{EventKind::kCloseWindow}}) {
    FakeWindow w;
    Ports p{w, dialogs, clipboard, clock, debug};
    w.userEvents = {end, {EventKind::kAccepted, kButtonReset}};
    MORWICK(p);
    EXPECT_TRUE(w.loopEnded);
    EXPECT_TRUE(w.closed);
    // The start repair ran first; nothing after the end did.
    EXPECT_EQ(w.delivered, 2);
  }
}

TEST_F(ShellTest, OtherEventsAndFieldsDoNothing) {
  clipboard.text = kCapture;
  EXPECT_TRUE(Deliver({EventKind::kOther}));
  EXPECT_TRUE(Deliver({EventKind::kAccepted, kSheet1}));
  EXPECT_TRUE(Deliver({EventKind::kAccepted, kTabIn}));
  EXPECT_EQ(clipboard.reads, 0);
  EXPECT_TRUE(window.texts.empty());
}

TEST(ClockReadingTest, HundredthsSinceMidnightPlusOneExceptAtMidnight) {
  EXPECT_EQ(ClockReading(0, 0, 0, 0), 0);
  EXPECT_EQ(ClockReading(0, 0, 0, 1), 2);
  EXPECT_EQ(ClockReading(0, 0, 1, 0), 101);
  EXPECT_EQ(ClockReading(23, 59, 59, 99), 8640000);
}

TEST_F(ShellTest, AReadingAtMidnightCountsAsNoReading) {
  GainFocusAt(ClockReading(0, 0, 0, 0));
  GainFocusAt(ClockReading(0, 0, 30, 0));
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(Started().Work().LastFixClock, ClockReading(0, 0, 30, 0));
}

}  // namespace
}  // namespace morwick::shell::test
