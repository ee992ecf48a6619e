// UTF-8 <-> UTF-16 for the Win32 calls: the shell and engine speak UTF-8,
// the window and the clipboard UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace morwick::win32 {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace morwick::win32
