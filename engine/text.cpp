#include "repair_work.h"

namespace morwick {

std::string_view Clipped(std::string_view text) {
  // A buffer is mostly filling spaces behind a short text, so they are
  // skipped a block at a time.
  static constexpr std::size_t kBlock = 64;
  static constexpr auto kSpaces = [] {
    std::array<char, kBlock> a{};
    a.fill(' ');
    return a;
  }();
  std::size_t n = text.size();
  while (n >= kBlock && std::memcmp(text.data() + n - kBlock, kSpaces.data(), kBlock) == 0) n -= kBlock;
  while (n > 0 && text[n - 1] == ' ') --n;
  return text.substr(0, n);
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
