// Runs morwick.exe and works it from outside like a user: its window, its
// buttons and keys, its message boxes and the clipboard it leaves behind.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "resource.h"
#include "ui_driver.h"

namespace morwick::uitest {
namespace {

// Field numbers of the window's controls.
constexpr int kSheet = 1;
constexpr int kOutText = 3;
constexpr int kInText = 5;
constexpr int kFixButton = 8;
constexpr int kResetButton = 10;
constexpr int kExitButton = 11;

constexpr wchar_t kCapturedCall[] =
    L"exec p @h output,N'@P1 int,@P2 nvarchar(20)',N'SELECT a.id, a.name FROM customer a WHERE a.id = @P1 "
    L"AND a.name = @P2 ORDER BY a.name',5,N'O''Brien'\r\n";
constexpr wchar_t kCapturedResult[] =
    L"SELECT a.id, a.name\nFROM customer a\nWHERE a.id = 5 AND a.name = N'O''Brien'\nORDER BY a.name";
constexpr wchar_t kAccentedCall[] = L"exec sp_executesql N'SELECT ''Grüße €'' FROM t WHERE id = @P1',N'@P1 int',7";
constexpr wchar_t kAccentedResult[] = L"SELECT 'Grüße €'\nFROM t\nWHERE id = 7";
constexpr wchar_t kMissingValueCall[] = L"exec sp_executesql N'SELECT a FROM t WHERE a = @P3',N'@P1 int',5";
constexpr wchar_t kMissingValueResult[] = L"SELECT a\nFROM t\nWHERE a = 5";
constexpr wchar_t kMissingValueStop[] = L"Error on Get Q Pointer:3/Entry Not Found";
constexpr wchar_t kEmpty[] = L"Clipboard is Empty!";
constexpr wchar_t kTooLong[] = L"The clipboard holds more than 15000 characters; it was left unchanged.";
constexpr wchar_t kNothingToFix[] = L"Nothing to Fix";
constexpr wchar_t kPrompt[] = L"Fix Clipboard for SQL?";
constexpr wchar_t kPromptCaption[] = L"Fix?";

// The text control of a message box, as the system numbers it.
constexpr int kMessageBoxTextId = 0xFFFF;
// Long enough for a box that was going to open to be seen.
constexpr DWORD kNoBoxWaitMs = 1500;
// Just over the five seconds within which a repeated activation asks nothing.
constexpr DWORD kPromptSpacingMs = 5100;

std::wstring ClipboardText() { return clipboard::Text().value_or(L"<no text>"); }

// Waits for `read` to give `expected` and returns what it gave last, so that
// a failure shows the actual text.
std::wstring WaitForText(const std::function<std::wstring()>& read, const std::wstring& expected) {
  std::wstring last;
  WaitUntil([&] { return (last = read()) == expected; });
  return last;
}

std::wstring WaitForClipboard(const std::wstring& expected) { return WaitForText(&ClipboardText, expected); }

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

// What TranslateMessage makes of Alt and a letter.
void PressAlt(HWND target, wchar_t key) { PostMessageW(target, WM_SYSCHAR, key, LPARAM{1} << 29); }

void PressKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, LPARAM{1} | (LPARAM{3} << 30));
}

class MorwickWindow : public testing::Test {
 protected:
  void TearDown() override { app_.Kill(); }

  // Starts the app on the captured call and waits for its first repair.
  void StartWithCapturedCall() {
    clipboard::SetText(kCapturedCall);
    ASSERT_TRUE(app_.Start()) << "morwick.exe did not open its window";
    ASSERT_EQ(WaitForText([this] { return app_.ControlText(kInText); }, kCapturedCall), kCapturedCall);
    ASSERT_EQ(WaitForClipboard(kCapturedResult), kCapturedResult);
  }

  // Waits for a box, checks its text and leaves it open.
  HWND ExpectBox(const wchar_t* caption, const wchar_t* text) {
    HWND box = app_.WaitForOwned(caption);
    EXPECT_NE(box, nullptr) << "no box captioned " << testing::PrintToString(std::wstring(caption));
    if (box != nullptr) {
      EXPECT_EQ(WindowText(GetDlgItem(box, kMessageBoxTextId)), text);
    }
    return box;
  }

  bool NoBoxAppears(const wchar_t* caption) {
    return !WaitUntil([&] { return app_.FindOwned(caption) != nullptr; }, kNoBoxWaitMs);
  }

  // A box sets its focus as it opens; give it that moment.
  bool HasFocus(HWND control) {
    return WaitUntil([&] { return app_.Focus() == control; }, 5000);
  }

  bool PageShown(int field) { return IsWindowVisible(app_.Control(field)) != FALSE; }

  AppProcess app_;
};

// ------------------------------------------------------------ the window

TEST_F(MorwickWindow, HasItsCaptionFrameAndIcon) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  const HWND main = app_.Main();
  EXPECT_EQ(WindowText(main), L"Morwick v2.1");

  const auto style = GetWindowLongPtrW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the frame must not be sizable";

  // Wine does not answer WM_GETICON for another process's window; there
  // the screenshot shows the icon.
  if (!RunningOnWine()) {
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_SMALL, 0), 0);
  }
}

TEST(MorwickProgram, CarriesItsIconsVersionAndManifest) {
  const std::wstring path = AppPath();
  const HMODULE program =
      LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  for (const int icon : {IDI_APP, IDI_PASTE, IDI_CUT, IDI_CLOSE}) {
    for (const int size : {16, 32}) {
      SCOPED_TRACE(testing::Message() << "icon " << icon << " at " << size << " px");
      const HANDLE image = LoadImageW(program, MAKEINTRESOURCEW(icon), IMAGE_ICON, size, size, 0);
      EXPECT_NE(image, nullptr);
      if (image != nullptr) DestroyIcon(static_cast<HICON>(image));
    }
  }
  EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */), nullptr);
  FreeLibrary(program);

  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<char> version(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, version.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(version.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 2)) << "2.1";
  EXPECT_EQ(HIWORD(fixed->dwProductVersionLS), 0);
  wchar_t* product = nullptr;
  ASSERT_TRUE(VerQueryValueW(version.data(), L"\\StringFileInfo\\040904B0\\ProductName",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_STREQ(product, L"Morwick");
}

struct Placement {
  int field;
  int x, y, width, height;  // dialog units
};

TEST_F(MorwickWindow, PlacesEveryControlInDialogUnits) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  const DialogUnits units;
  const HWND main = app_.Main();

  RECT client{};
  GetClientRect(main, &client);
  EXPECT_NEAR(units.X(client.right), 423, 1);
  EXPECT_NEAR(units.Y(client.bottom), 282, 1);

  const std::vector<Placement> placements = {
      {kSheet, 7, 3, 411, 257},      {kOutText, 9, 24, 405, 235},      {kInText, 9, 24, 405, 235},
      {kFixButton, 9, 265, 81, 14},  {kResetButton, 171, 265, 81, 14}, {kExitButton, 375, 265, 43, 14},
  };
  for (const Placement& p : placements) {
    SCOPED_TRACE(testing::Message() << "field " << p.field);
    const HWND control = app_.Control(p.field);
    ASSERT_NE(control, nullptr);
    const RECT at = ClientRectIn(main, control);
    EXPECT_NEAR(units.X(at.left), p.x, 1);
    EXPECT_NEAR(units.Y(at.top), p.y, 1);
    EXPECT_NEAR(units.X(at.right - at.left), p.width, 1);
    EXPECT_NEAR(units.Y(at.bottom - at.top), p.height, 1);
  }
}

TEST_F(MorwickWindow, ShowsTabsButtonsAndTheirIcons) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  const HWND tabs = app_.Control(kSheet);
  EXPECT_EQ(ClassName(tabs), L"SysTabControl32");
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(app_.TabText(tabs, 0), L"&1 - New Clipboard");
  EXPECT_EQ(app_.TabText(tabs, 1), L"&2 - Original Clipboard");

  const struct {
    int field;
    const wchar_t* text;
  } buttons[] = {{kFixButton, L"&Fix Clipboard"}, {kResetButton, L"&Reset Clipboard"}, {kExitButton, L"E&xit"}};
  for (const auto& b : buttons) {
    SCOPED_TRACE(testing::Message() << "field " << b.field);
    const HWND button = app_.Control(b.field);
    EXPECT_EQ(WindowText(button), b.text);
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
    EXPECT_NE(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0), 0) << "button without its icon";
  }

  for (const int field : {kOutText, kInText}) {
    SCOPED_TRACE(testing::Message() << "field " << field);
    const auto style = GetWindowLongPtrW(app_.Control(field), GWL_STYLE);
    EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT) << "left-aligned, word-wrapped";
    EXPECT_TRUE(style & SS_NOPREFIX) << "an & in the clipboard must show as it is";
    EXPECT_FALSE(style & WS_VSCROLL);
  }
}

TEST_F(MorwickWindow, SwitchesPagesByMnemonicAndClick) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  const HWND tabs = app_.Control(kSheet);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(PageShown(kOutText));
  EXPECT_FALSE(PageShown(kInText));

  PressAlt(tabs, L'2');
  EXPECT_TRUE(WaitUntil([&] { return PageShown(kInText) && !PageShown(kOutText); }));
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);

  PressAlt(tabs, L'1');
  EXPECT_TRUE(WaitUntil([&] { return PageShown(kOutText) && !PageShown(kInText); }));

  const RECT second = app_.TabRect(tabs, 1);
  const LPARAM at = MAKELPARAM((second.left + second.right) / 2, (second.top + second.bottom) / 2);
  PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(tabs, WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(WaitUntil([&] { return PageShown(kInText) && !PageShown(kOutText); }));
  EXPECT_EQ(app_.ControlText(kInText), kCapturedCall);
}

TEST_F(MorwickWindow, EscapeDoesNotCloseIt) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  PressKey(app_.Control(kSheet), VK_ESCAPE);
  PressKey(app_.Main(), VK_ESCAPE);
  EXPECT_FALSE(app_.WaitForExit(kNoBoxWaitMs).has_value());
  EXPECT_TRUE(IsWindowVisible(app_.Main()));
}

// ------------------------------------------------------ the first repair

struct StartCase {
  const char* name;
  void (*fill)();
  const wchar_t* shownAsRead;
  const wchar_t* shownRepaired;   // null: the engine's business
  const wchar_t* clipboardAfter;  // null: the engine's business
};

class FirstRepair : public MorwickWindow, public testing::WithParamInterface<StartCase> {};

TEST_P(FirstRepair, ShowsBothTextsAndWritesTheResult) {
  const StartCase& c = GetParam();
  c.fill();
  ASSERT_TRUE(app_.Start());
  EXPECT_EQ(WaitForText([this] { return app_.ControlText(kInText); }, c.shownAsRead), c.shownAsRead);
  if (c.clipboardAfter != nullptr) {
    EXPECT_EQ(WaitForClipboard(c.clipboardAfter), c.clipboardAfter);
  }
  if (c.shownRepaired != nullptr) {
    EXPECT_EQ(WaitForText([this] { return app_.ControlText(kOutText); }, c.shownRepaired), c.shownRepaired);
  }
  EXPECT_TRUE(NoBoxAppears(kMainCaption)) << "a plain repair shows no message";
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, FirstRepair,
    testing::Values(
        StartCase{"CapturedCall", [] { clipboard::SetText(kCapturedCall); }, kCapturedCall, kCapturedResult,
                  kCapturedResult},
        StartCase{"NonAsciiText", [] { clipboard::SetText(kAccentedCall); }, kAccentedCall, kAccentedResult,
                  kAccentedResult},
        StartCase{"EmptyClipboard", [] { clipboard::Clear(); }, kEmpty, kEmpty, kEmpty},
        StartCase{"OnlySpaces", [] { clipboard::SetText(L"          "); }, kEmpty, kEmpty, kEmpty},
        StartCase{"NoTextFormat", [] { clipboard::SetPrivateFormat(); }, kEmpty, kEmpty, kEmpty},
        StartCase{"TextEndsAtFirstNul", [] { clipboard::SetRawText(std::wstring(L"SELECT 1 FROM t\0tail", 20)); },
                  L"SELECT 1 FROM t", nullptr, nullptr}),
    [](const testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

// ------------------------------------------------------------- messages

struct MessageCase {
  const char* name;
  std::wstring clipboard;
  const wchar_t* message;
  std::wstring clipboardAfter;
  const wchar_t* shownOnBothPages;  // null: not looked at
};

class FirstRepairMessage : public MorwickWindow, public testing::WithParamInterface<MessageCase> {};

TEST_P(FirstRepairMessage, TellsTheUserAndCarriesOn) {
  const MessageCase& c = GetParam();
  clipboard::SetText(c.clipboard);
  ASSERT_TRUE(app_.Start());
  const HWND box = ExpectBox(kMainCaption, c.message);
  ASSERT_NE(box, nullptr);
  Click(GetDlgItem(box, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_EQ(WaitForClipboard(c.clipboardAfter), c.clipboardAfter);
  if (c.shownOnBothPages != nullptr) {
    // The clipboard may have held the text all along; the page shows when done.
    const std::wstring shown = c.shownOnBothPages;
    EXPECT_EQ(WaitForText([this] { return app_.ControlText(kOutText); }, shown), shown);
    EXPECT_EQ(app_.ControlText(kInText), c.shownOnBothPages);
  }
  EXPECT_TRUE(app_.Running());
}

// Over 15000 bytes in UTF-8 although under 15000 UTF-16 units: the limit
// applies to the text as the engine sees it.
const std::wstring kLongText = std::wstring(14990, L'x') + L"€€€€";

INSTANTIATE_TEST_SUITE_P(
    Clipboard, FirstRepairMessage,
    testing::Values(MessageCase{"ShortText", L"select", kNothingToFix, L"select", L"select"},
                    MessageCase{"TooLongIsLeftAlone", kLongText, kTooLong, kLongText, nullptr}),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

// --------------------------------------------------------------- buttons

TEST_F(MorwickWindow, FixRepairsTheNewTextAndResetPutsItBack) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  clipboard::SetText(kAccentedCall);

  Click(app_.Control(kFixButton));
  EXPECT_EQ(WaitForClipboard(kAccentedResult), kAccentedResult) << "lone LFs, no CR added";
  EXPECT_EQ(app_.ControlText(kOutText), kAccentedResult);
  EXPECT_EQ(app_.ControlText(kInText), kAccentedCall);

  Click(app_.Control(kResetButton));
  EXPECT_EQ(WaitForClipboard(kAccentedCall), kAccentedCall);
  EXPECT_EQ(WaitForText([this] { return app_.ControlText(kOutText); }, kAccentedCall), kAccentedCall);
  EXPECT_EQ(app_.ControlText(kInText), kAccentedCall);
}

TEST_F(MorwickWindow, MnemonicsPressTheButtons) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  clipboard::SetText(kAccentedCall);

  PressAlt(app_.Control(kSheet), L'f');
  EXPECT_EQ(WaitForClipboard(kAccentedResult), kAccentedResult);

  PressAlt(app_.Control(kSheet), L'r');
  EXPECT_EQ(WaitForClipboard(kAccentedCall), kAccentedCall);
}

// ------------------------------------------------------------- stopping

TEST_F(MorwickWindow, StopAnsweredIgnoreGoesOnWithTheRepair) {
  clipboard::SetText(kMissingValueCall);
  ASSERT_TRUE(app_.Start());
  const HWND stop = app_.WaitForOwned(L"Stop");
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(stop, IDC_STOPTEXT)), kMissingValueStop);
  EXPECT_EQ(WindowText(GetDlgItem(stop, IDABORT)), L"Abort");
  EXPECT_EQ(WindowText(GetDlgItem(stop, IDIGNORE)), L"Ignore");
  EXPECT_EQ(GetWindowLongPtrW(GetDlgItem(stop, IDABORT), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_TRUE(HasFocus(GetDlgItem(stop, IDABORT)));

  Click(GetDlgItem(stop, IDIGNORE));
  EXPECT_EQ(WaitForClipboard(kMissingValueResult), kMissingValueResult);
  EXPECT_TRUE(app_.Running());
}

TEST_F(MorwickWindow, StopAnsweredAbortEndsAtOnceAndLeavesTheClipboard) {
  clipboard::SetText(kMissingValueCall);
  ASSERT_TRUE(app_.Start());
  const HWND stop = app_.WaitForOwned(L"Stop");
  ASSERT_NE(stop, nullptr);

  // Enter answers with the default button.
  ASSERT_TRUE(HasFocus(GetDlgItem(stop, IDABORT)));
  PressKey(app_.Focus(), VK_RETURN);
  const auto code = app_.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "still running after Abort";
  EXPECT_NE(*code, 0u);
  EXPECT_EQ(ClipboardText(), kMissingValueCall);
}

// --------------------------------------------------------------- leaving

struct LeaveCase {
  const char* name;
  void (*leave)(const AppProcess& app);
};

class Leaving : public MorwickWindow, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Leaving, EndsTheProgramAndKeepsTheClipboard) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  GetParam().leave(app_);
  const auto code = app_.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "still running";
  EXPECT_EQ(*code, 0u);
  EXPECT_EQ(ClipboardText(), kCapturedResult);
}

INSTANTIATE_TEST_SUITE_P(
    Window, Leaving,
    testing::Values(LeaveCase{"ExitButton", [](const AppProcess& app) { Click(app.Control(kExitButton)); }},
                    LeaveCase{"ExitMnemonic", [](const AppProcess& app) { PressAlt(app.Control(kSheet), L'x'); }},
                    LeaveCase{"SystemMenuClose",
                              [](const AppProcess& app) { PostMessageW(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
                    LeaveCase{"AltF4",
                              [](const AppProcess& app) {
                                PostMessageW(app.Main(), WM_SYSKEYDOWN, VK_F4, LPARAM{1} | (LPARAM{1} << 29));
                              }}),
    [](const testing::TestParamInfo<LeaveCase>& info) { return std::string(info.param.name); });

// -------------------------------------------------- coming back to it

// One run through the prompt's life; it needs two waits of just over five
// seconds, so the answers share one program run.
TEST_F(MorwickWindow, AsksOnReturnAfterFiveSecondsAndFollowsTheAnswer) {
  ASSERT_NO_FATAL_FAILURE(StartWithCapturedCall());
  OtherProgram other;

  // The first return only takes the time.
  ASSERT_TRUE(other.SwitchTo(app_.Main()));
  EXPECT_TRUE(NoBoxAppears(kPromptCaption));

  WaitUntil([] { return false; }, kPromptSpacingMs);
  clipboard::SetText(kAccentedCall);
  ASSERT_TRUE(other.SwitchTo(app_.Main()));
  HWND prompt = ExpectBox(kPromptCaption, kPrompt);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(prompt, IDYES)), L"&Yes");
  EXPECT_EQ(WindowText(GetDlgItem(prompt, IDNO)), L"&No");
  EXPECT_EQ(WindowText(GetDlgItem(prompt, IDCANCEL)), L"Cancel");
  EXPECT_TRUE(HasFocus(GetDlgItem(prompt, IDYES)));

  // No: nothing happens, and closing our own prompt is no return.
  Click(GetDlgItem(prompt, IDNO));
  EXPECT_TRUE(NoBoxAppears(kPromptCaption));
  EXPECT_EQ(ClipboardText(), kAccentedCall);

  // No kept the old time, so the next return asks again; Enter is Yes.
  ASSERT_TRUE(other.SwitchTo(app_.Main()));
  prompt = ExpectBox(kPromptCaption, kPrompt);
  ASSERT_NE(prompt, nullptr);
  ASSERT_TRUE(HasFocus(GetDlgItem(prompt, IDYES)));
  PressKey(app_.Focus(), VK_RETURN);
  EXPECT_EQ(WaitForClipboard(kAccentedResult), kAccentedResult);
  EXPECT_EQ(app_.ControlText(kOutText), kAccentedResult);

  // Yes took a new time: a return within five seconds asks nothing.
  ASSERT_TRUE(other.SwitchTo(app_.Main()));
  EXPECT_TRUE(NoBoxAppears(kPromptCaption));

  // Escape is Cancel, which ends the program without touching the clipboard.
  WaitUntil([] { return false; }, kPromptSpacingMs);
  ASSERT_TRUE(other.SwitchTo(app_.Main()));
  prompt = ExpectBox(kPromptCaption, kPrompt);
  ASSERT_NE(prompt, nullptr);
  ASSERT_TRUE(HasFocus(GetDlgItem(prompt, IDYES)));
  PressKey(app_.Focus(), VK_ESCAPE);
  const auto code = app_.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "Cancel did not end the program";
  EXPECT_EQ(*code, 0u);
  EXPECT_EQ(ClipboardText(), kAccentedResult);
}

}  // namespace
}  // namespace morwick::uitest

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // What GoogleTest leaves is ours: --app=PATH names the program under test.
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.rfind("--app=", 0) == 0) morwick::uitest::SetAppPath(argv[i] + 6);
  }
  return RUN_ALL_TESTS();
}
