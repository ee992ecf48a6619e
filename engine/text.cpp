#include "repair_work.h"

namespace morwick {

std::string_view Clipped(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCopy(std::string_view text) {
  std::string copy(text);
  for (char& c : copy) c = UpperAscii(c);
  return copy;
}

int FirstOccurrence(std::string_view text, std::string_view token) {
  if (token.empty()) return 0;
  const std::size_t at = text.find(token);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool EqualPadded(std::string_view a, std::string_view b) { return Clipped(a) == Clipped(b); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace morwick
