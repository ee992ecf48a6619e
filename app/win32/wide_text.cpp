#include "wide_text.h"

#include <windows.h>

#include <climits>

namespace morwick::win32 {

std::wstring Utf8ToWide(std::string_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int in = static_cast<int>(text.size());
  const int need = MultiByteToWideChar(CP_UTF8, 0, text.data(), in, nullptr, 0);
  if (need <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(need), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), in, wide.data(), need);
  return wide;
}

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int in = static_cast<int>(text.size());
  const int need = WideCharToMultiByte(CP_UTF8, 0, text.data(), in, nullptr, 0, nullptr, nullptr);
  if (need <= 0) return {};
  std::string utf8(static_cast<std::size_t>(need), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), in, utf8.data(), need, nullptr, nullptr);
  return utf8;
}

}  // namespace morwick::win32
