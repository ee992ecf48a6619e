#include "win32_ports.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <array>
#include <cstring>

#include "app/shell/morwick.h"
#include "resource.h"
#include "wide_text.h"

namespace morwick::win32 {

namespace {

// Wakes the event loop after an event was queued; the event itself stays in
// our own queue so that a modal box's loop cannot swallow it.
constexpr UINT kWakeMessage = WM_APP + 1;

constexpr int kControlIdBase = MORWICK_CONTROL_ID_BASE;
constexpr int kButtonIconSize = 16;

struct ButtonIcon {
  int field;
  int icon;
};
constexpr std::array<ButtonIcon, 3> kButtonIcons = {{
    {shell::kButtonGet, IDI_PASTE},
    {shell::kButtonReset, IDI_CUT},
    {shell::kCancelButton, IDI_CLOSE},
}};

struct TabPage {
  const wchar_t* label;
  char mnemonic;
  int field;  // the text shown on the page
};
constexpr std::array<TabPage, 2> kTabPages = {{
    {L"&1 - New Clipboard", '1', shell::kClipOutText},
    {L"&2 - Original Clipboard", '2', shell::kClipInText},
}};

int ControlId(int field) { return kControlIdBase + field; }
int FieldOf(int controlId) { return controlId - kControlIdBase; }

HICON LoadIconSized(HINSTANCE instance, int id, int size) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

// ---------------------------------------------------------------- window

Win32Window::Win32Window(HINSTANCE instance) : instance_(instance) {}

Win32Window::~Win32Window() { Close(); }

void Win32Window::Open() {
  if (hwnd_ != nullptr) return;
  hwnd_ = CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_MAIN), nullptr, &Win32Window::DialogProc,
                             reinterpret_cast<LPARAM>(this));
  if (hwnd_ == nullptr) return;
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

void Win32Window::OnInit() {
  bigIcon_ = LoadIconSized(instance_, IDI_APP, GetSystemMetrics(SM_CXICON));
  smallIcon_ = LoadIconSized(instance_, IDI_APP, GetSystemMetrics(SM_CXSMICON));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

  for (std::size_t i = 0; i < kButtonIcons.size(); ++i) {
    buttonIcons_[i] = LoadIconSized(instance_, kButtonIcons[i].icon, kButtonIconSize);
    SendDlgItemMessageW(hwnd_, ControlId(kButtonIcons[i].field), BM_SETIMAGE, IMAGE_ICON,
                        reinterpret_cast<LPARAM>(buttonIcons_[i]));
  }

  const HWND tabs = GetDlgItem(hwnd_, ControlId(shell::kSheet1));
  for (std::size_t i = 0; i < kTabPages.size(); ++i) {
    std::wstring label = kTabPages[i].label;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = label.data();
    SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SelectTab(0);
}

void Win32Window::PostEvent(const shell::Event& event) { Queue(event); }

void Win32Window::Queue(const shell::Event& event) {
  pending_.push_back(event);
  if (hwnd_ != nullptr) PostMessageW(hwnd_, kWakeMessage, 0, 0);
}

void Win32Window::RunEventLoop(shell::EventHandler& handler) {
  // Without a window nothing could ever end the loop.
  if (hwnd_ == nullptr) return;
  for (;;) {
    while (!pending_.empty()) {
      const shell::Event event = pending_.front();
      pending_.pop_front();
      handling_ = true;
      const bool goOn = handler.HandleEvent(event);
      handling_ = false;
      if (!goOn || event.kind == shell::EventKind::kCloseWindow || event.kind == shell::EventKind::kCloseDown) {
        pending_.clear();
        return;
      }
    }
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // Leave WM_QUIT for whoever runs the next loop.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (msg.message == kWakeMessage && msg.hwnd == hwnd_) continue;
    if (HandleTabMnemonic(msg)) continue;
    if (hwnd_ != nullptr && IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The dialog manager only knows mnemonics from window texts, and a tab
// control has none of its own, so Alt+1 and Alt+2 are matched here.
bool Win32Window::HandleTabMnemonic(const MSG& msg) {
  if (msg.message != WM_SYSCHAR || hwnd_ == nullptr) return false;
  if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
  for (std::size_t i = 0; i < kTabPages.size(); ++i) {
    if (msg.wParam == static_cast<WPARAM>(kTabPages[i].mnemonic)) {
      SelectTab(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void Win32Window::SelectTab(int index) {
  SendDlgItemMessageW(hwnd_, ControlId(shell::kSheet1), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowSelectedPage();
}

void Win32Window::ShowSelectedPage() {
  const auto selected = SendDlgItemMessageW(hwnd_, ControlId(shell::kSheet1), TCM_GETCURSEL, 0, 0);
  for (std::size_t i = 0; i < kTabPages.size(); ++i) {
    const HWND page = GetDlgItem(hwnd_, ControlId(kTabPages[i].field));
    ShowWindow(page, static_cast<LRESULT>(i) == selected ? SW_SHOW : SW_HIDE);
  }
}

void Win32Window::SetControlText(int field, std::string_view text) {
  if (hwnd_ == nullptr) return;
  SetDlgItemTextW(hwnd_, ControlId(field), Utf8ToWide(text).c_str());
}

void Win32Window::Close() {
  if (hwnd_ != nullptr) {
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
  pending_.clear();
  ReleaseIcons();
}

void Win32Window::ReleaseIcons() {
  for (HICON& icon : buttonIcons_) {
    if (icon != nullptr) DestroyIcon(icon);
    icon = nullptr;
  }
  for (HICON* icon : {&bigIcon_, &smallIcon_}) {
    if (*icon != nullptr) DestroyIcon(*icon);
    *icon = nullptr;
  }
}

INT_PTR CALLBACK Win32Window::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Win32Window*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    self->OnInit();
    return TRUE;
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return self == nullptr ? FALSE : self->OnMessage(message, wParam, lParam);
}

INT_PTR Win32Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      // Enter without a focused button, and Escape: the dialog manager's
      // OK and Cancel, which this window does not have.
      if (id == IDOK || id == IDCANCEL) return TRUE;
      const int field = FieldOf(id);
      const bool isButton =
          field == shell::kButtonGet || field == shell::kButtonReset || field == shell::kCancelButton;
      if (isButton && HIWORD(wParam) == BN_CLICKED) {
        Queue({shell::EventKind::kAccepted, field});
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == static_cast<UINT_PTR>(ControlId(shell::kSheet1)) && header->code == TCN_SELCHANGE) {
        ShowSelectedPage();
      }
      return FALSE;
    }
    case WM_CTLCOLORSTATIC: {
      // A themed tab page is drawn in the window colour, not the dialog's;
      // the texts lying on it take the page's colour.
      const auto control = reinterpret_cast<HWND>(lParam);
      const bool onPage = control == GetDlgItem(hwnd_, ControlId(shell::kClipOutText)) ||
                          control == GetDlgItem(hwnd_, ControlId(shell::kClipInText));
      if (!onPage || !IsAppThemed()) return FALSE;
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_ACTIVATEAPP:
      // Sent only when activation comes from another program, never when
      // one of our own boxes closes. While a handler runs, a modal box owns
      // the input, and coming back to it is not coming back to the window.
      if (wParam != FALSE && !handling_) Queue({shell::EventKind::kGainFocus, shell::kNoField});
      return FALSE;
    case WM_CLOSE:
      Queue({shell::EventKind::kCloseWindow, shell::kNoField});
      return TRUE;
    default:
      return FALSE;
  }
}

// --------------------------------------------------------------- dialogs

namespace {

struct StopRequest {
  std::wstring text;
};

INT_PTR CALLBACK StopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* request = reinterpret_cast<const StopRequest*>(lParam);
      SetDlgItemTextW(hwnd, IDC_STOPTEXT, request->text.c_str());
      SendDlgItemMessageW(hwnd, IDC_STOPICON, STM_SETICON,
                          reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_HAND)), 0);
      MessageBeep(MB_ICONHAND);
      SetFocus(GetDlgItem(hwnd, IDABORT));
      return FALSE;  // focus set above
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDABORT || LOWORD(wParam) == IDIGNORE) {
        EndDialog(hwnd, LOWORD(wParam));
      }
      // Escape and the like are no answer.
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void Win32Dialogs::ShowMessage(std::string_view text) {
  MessageBoxW(owner_.Handle(), Utf8ToWide(text).c_str(), Utf8ToWide(shell::kCaption).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

shell::PromptAnswer Win32Dialogs::Ask(std::string_view text, std::string_view caption) {
  const int answer = MessageBoxW(owner_.Handle(), Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(),
                                 MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1);
  switch (answer) {
    case IDYES:
      return shell::PromptAnswer::kYes;
    case IDNO:
      return shell::PromptAnswer::kNo;
    default:
      return shell::PromptAnswer::kCancel;
  }
}

void Win32Dialogs::Stop(std::string_view text) {
  StopRequest request{Utf8ToWide(text)};
  const INT_PTR answer = DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_STOP), owner_.Handle(), &StopProc,
                                         reinterpret_cast<LPARAM>(&request));
  // Only Ignore carries on; anything else, a failed box included, is Abort.
  if (answer != IDIGNORE) ExitProcess(kAbortExitCode);
}

// ------------------------------------------------------------- clipboard

namespace {

// Other programs hold the clipboard only briefly; after this we pass over it.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 20;

}  // namespace

Win32Clipboard::Win32Clipboard() {
  owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

Win32Clipboard::~Win32Clipboard() {
  if (owner_ != nullptr) DestroyWindow(owner_);
}

bool Win32Clipboard::Open() {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner_)) return true;
    Sleep(kOpenRetryMs);
  }
  return false;
}

std::string Win32Clipboard::ReadText() {
  if (!Open()) return {};
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data)); chars != nullptr) {
      // The block may lack its NUL; never read past it.
      const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
      std::size_t length = 0;
      while ((capacity == 0 || length < capacity) && chars[length] != L'\0') ++length;
      text = WideToUtf8({chars, length});
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Win32Clipboard::WriteText(std::string_view text) {
  const std::wstring wide = Utf8ToWide(text);
  HGLOBAL block = nullptr;
  if (!wide.empty()) {
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) return;
    if (void* target = GlobalLock(block); target != nullptr) {
      std::memcpy(target, wide.c_str(), bytes);
      GlobalUnlock(block);
    }
  }
  if (!Open()) {
    if (block != nullptr) GlobalFree(block);
    return;
  }
  EmptyClipboard();
  // On success the clipboard owns the block.
  if (block != nullptr && SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
  CloseClipboard();
}

// ------------------------------------------------------- clock and debug

std::int32_t Win32Clock::Read() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return shell::ClockReading(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds / 10);
}

void Win32Debug::Write(std::string_view line) { OutputDebugStringA(std::string(line).c_str()); }

}  // namespace morwick::win32
