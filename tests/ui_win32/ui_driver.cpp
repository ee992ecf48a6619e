#include "ui_driver.h"

#include <commctrl.h>

#include <cstring>
#include <initializer_list>
#include <vector>

#include "resource.h"

namespace morwick::uitest {

namespace {

constexpr DWORD kPollMs = 20;

std::wstring& AppPathSetting() {
  static std::wstring path;
  return path;
}

// CMake hands us the build's own path; under Wine a Unix path is reached
// through drive Z:.
std::wstring NativePath(std::wstring path) {
  if (!path.empty() && path.front() == L'/') {
    for (wchar_t& c : path) {
      if (c == L'/') c = L'\\';
    }
    path.insert(0, L"Z:");
  }
  return path;
}

std::wstring Widen(const char* text, UINT codePage) {
  std::wstring wide;
  const int need = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
  if (need > 1) {
    wide.resize(static_cast<std::size_t>(need));
    MultiByteToWideChar(codePage, 0, text, -1, wide.data(), need);
    wide.pop_back();
  }
  return wide;
}

HWND ClipboardOwner() {
  static const HWND owner =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  return owner;
}

bool OpenClipboardRetrying() {
  return WaitUntil([] { return OpenClipboard(ClipboardOwner()) != FALSE; }, 2000);
}

void Place(UINT format, const void* bytes, std::size_t size) {
  if (!OpenClipboardRetrying()) return;
  EmptyClipboard();
  if (format != 0) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    if (SetClipboardData(format, block) == nullptr) GlobalFree(block);
  }
  CloseClipboard();
}

struct FindRequest {
  DWORD processId;
  HWND owner;
  std::wstring_view caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* request = reinterpret_cast<FindRequest*>(param);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != request->processId || !IsWindowVisible(window)) return TRUE;
  if (GetWindow(window, GW_OWNER) != request->owner) return TRUE;
  if (ClassName(window) != L"#32770" || WindowText(window) != request->caption) return TRUE;
  request->found = window;
  return FALSE;
}

HWND FindTopLevel(DWORD processId, HWND owner, std::wstring_view caption) {
  FindRequest request{processId, owner, caption, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&request));
  return request.found;
}

// A block of memory inside the app, for control messages that take
// pointers: those are not carried across processes.
class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, std::size_t size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~RemoteBlock() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  char* Address() const { return static_cast<char*>(address_); }
  bool Write(std::size_t offset, const void* data, std::size_t size) const {
    return WriteProcessMemory(process_, Address() + offset, data, size, nullptr) != FALSE;
  }
  bool Read(std::size_t offset, void* data, std::size_t size) const {
    return ReadProcessMemory(process_, Address() + offset, data, size, nullptr) != FALSE;
  }

 private:
  HANDLE process_;
  void* address_;
};

LRESULT CALLBACK OtherProgramProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void SetAppPath(const char* path) { AppPathSetting() = Widen(path, CP_ACP); }

std::wstring AppPath() {
  if (!AppPathSetting().empty()) return NativePath(AppPathSetting());
  return NativePath(Widen(MORWICK_APP_PATH, CP_UTF8));
}

bool RunningOnWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG until = GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= until) return false;
    // Keep our own windows answering while we wait.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(kPollMs);
  }
}

std::wstring WindowText(HWND window) {
  if (window == nullptr) return {};
  // WM_GETTEXT, not GetWindowText: the latter does not ask other processes'
  // controls for their text.
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

namespace clipboard {

void SetText(std::wstring_view text) {
  std::wstring copy(text);
  Place(CF_UNICODETEXT, copy.c_str(), (copy.size() + 1) * sizeof(wchar_t));
}

void SetRawText(std::wstring_view chars) { Place(CF_UNICODETEXT, chars.data(), chars.size() * sizeof(wchar_t)); }

void SetPrivateFormat() {
  static const UINT format = RegisterClipboardFormatW(L"Morwick UI test private data");
  const char bytes[] = "not text";
  Place(format, bytes, sizeof(bytes));
}

void Clear() { Place(0, nullptr, 0); }

std::optional<std::wstring> Text() {
  if (!OpenClipboardRetrying()) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data)); chars != nullptr) {
      text = std::wstring(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace clipboard

OtherProgram::OtherProgram() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &OtherProgramProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"MorwickUiOtherProgram";
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Other program", WS_POPUP | WS_VISIBLE,
                            900, 700, 60, 40, nullptr, nullptr, windowClass.hInstance, nullptr);
}

OtherProgram::~OtherProgram() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool OtherProgram::SwitchTo(HWND target) {
  DWORD targetProcess = 0;
  const DWORD targetThread = GetWindowThreadProcessId(target, &targetProcess);
  SetForegroundWindow(window_);
  // The target must have let go before it is activated again: a program that
  // is handed the activation back before it noticed losing it sees no change.
  const bool away = WaitUntil(
      [this, targetThread] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetForegroundWindow() == window_ && GetGUIThreadInfo(targetThread, &info) && info.hwndActive == nullptr;
      },
      5000);
  if (!away) return false;
  SetForegroundWindow(target);
  // The target may at once hand the activation on to a box of its own.
  return WaitUntil(
      [targetProcess] {
        DWORD process = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &process);
        return process == targetProcess;
      },
      5000);
}

AppProcess::~AppProcess() { Kill(); }

bool AppProcess::Start() {
  const std::wstring path = AppPath();
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return false;
  }
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  threadId_ = info.dwThreadId;
  CloseHandle(info.hThread);
  return WaitUntil([this] {
    main_ = FindTopLevel(processId_, nullptr, kMainCaption);
    return main_ != nullptr;
  });
}

bool AppProcess::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> AppProcess::WaitForExit(DWORD timeoutMs) {
  if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

void AppProcess::Kill() {
  if (process_ == nullptr) return;
  if (Running()) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  process_ = nullptr;
  main_ = nullptr;
}

void AppProcess::Detach() {
  if (process_ != nullptr) CloseHandle(process_);
  process_ = nullptr;
}

HWND AppProcess::Control(int field) const { return GetDlgItem(main_, MORWICK_CONTROL_ID_BASE + field); }

HWND AppProcess::FindOwned(std::wstring_view caption) const { return FindTopLevel(processId_, main_, caption); }

HWND AppProcess::WaitForOwned(std::wstring_view caption, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindOwned(caption)) != nullptr; }, timeoutMs);
  return found;
}

HWND AppProcess::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

std::wstring AppProcess::TabText(HWND tabs, int index) const {
  constexpr std::size_t kChars = 128;
  RemoteBlock block(process_, sizeof(TCITEMW) + kChars * sizeof(wchar_t));
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = reinterpret_cast<wchar_t*>(block.Address() + sizeof(TCITEMW));
  item.cchTextMax = kChars;
  if (!block.Write(0, &item, sizeof(item))) return {};
  if (!SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(block.Address()))) {
    return {};
  }
  wchar_t text[kChars] = {};
  block.Read(sizeof(TCITEMW), text, sizeof(text));
  text[kChars - 1] = L'\0';
  return text;
}

RECT AppProcess::TabRect(HWND tabs, int index) const {
  RemoteBlock block(process_, sizeof(RECT));
  RECT rect{};
  SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(block.Address()));
  block.Read(0, &rect, sizeof(rect));
  return rect;
}

DialogUnits::DialogUnits() {
  // An empty dialog in the app's font: the dialog manager's own conversion
  // gives the base units exactly as the app's window got them.
  std::vector<WORD> buffer;
  auto words = [&buffer](std::initializer_list<WORD> values) { buffer.insert(buffer.end(), values); };
  auto dword = [&words](DWORD value) { words({LOWORD(value), HIWORD(value)}); };
  words({1, 0xFFFF});                 // DLGTEMPLATEEX version and signature
  dword(0);                           // help id
  dword(0);                           // extended style
  dword(DS_SETFONT | WS_POPUP);       // style
  words({0, 0, 0, 100, 100});         // no items; x, y, cx, cy
  words({0, 0, 0});                   // no menu, default class, no title
  words({8, 400});                    // point size, weight
  words({0});                         // italic, character set
  for (const wchar_t c : std::wstring_view(L"MS Sans Serif")) words({static_cast<WORD>(c)});
  words({0});
  HWND probe = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(buffer.data()),
                                          nullptr, nullptr, 0);
  RECT rect{0, 0, 4000, 8000};
  MapDialogRect(probe, &rect);
  DestroyWindow(probe);
  baseX_ = rect.right / 1000.0;
  baseY_ = rect.bottom / 1000.0;
}

int DialogUnits::X(int pixels) const { return static_cast<int>(pixels * 4 / baseX_ + 0.5); }
int DialogUnits::Y(int pixels) const { return static_cast<int>(pixels * 8 / baseY_ + 0.5); }

RECT ClientRectIn(HWND parent, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace morwick::uitest
