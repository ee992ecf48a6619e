// The work record shared by the shell and every repair stage, the fixed-size
// buffers it is made of, and the text rules all stages rely on.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "parm_queue.h"
#include "repair_host.h"

namespace morwick {

namespace shell {
class WindowPort;
}

inline constexpr int kBufferSize = 15000;

// What a store had to leave out. Stores never cut silently: a caller that
// cannot afford to lose text looks at `LostText`.
struct StoreResult {
  int dropped = 0;         // characters that did not fit
  bool lostText = false;   // some of them were not spaces
};

// What a store left out: `fell` and, after it, `fellToo`.
inline StoreResult Dropped(std::string_view fell, std::string_view fellToo = {}) {
  const auto hasText = [](std::string_view t) { return t.find_first_not_of(' ') != std::string_view::npos; };
  return {static_cast<int>(fell.size() + fellToo.size()), hasText(fell) || hasText(fellToo)};
}

// Text helpers. Positions are 1-based throughout the engine; these work on
// plain string_views so stages and tests share one definition.
std::string_view Clipped(std::string_view text);  // without trailing spaces
char UpperAscii(char c);                          // a..z only
std::string UpperCopy(std::string_view text);
// Smallest 1-based position of `token` in `text`, or 0.
int FirstOccurrence(std::string_view text, std::string_view token);
// Equal once the shorter is extended with spaces.
bool EqualPadded(std::string_view a, std::string_view b);
bool IsDigit(char c);

// Whether a buffer can take `text` whole: trailing spaces do not count.
inline bool FitsBuffer(std::string_view text) {
  return Clipped(text).size() <= static_cast<std::size_t>(kBufferSize);
}

// A buffer of exactly N characters; what follows the text is spaces.
template <int N>
class SpaceBuffer {
  static constexpr std::size_t kSize = static_cast<std::size_t>(N);

 public:
  SpaceBuffer() { data_.fill(' '); }

  static constexpr int Size() { return N; }

  // Keeps the first N characters of `text` and fills the rest with spaces.
  // `text` may point into this buffer.
  StoreResult Store(std::string_view text) {
    const std::size_t kept = std::min(text.size(), kSize);
    const StoreResult r = Dropped(text.substr(kept));
    if (kept != 0) std::memmove(data_.data(), text.data(), kept);
    std::fill(data_.begin() + static_cast<std::ptrdiff_t>(kept), data_.end(), ' ');
    return r;
  }

  // Replaces the `count` characters at `pos` with `insert`, treating the
  // text as ending at `textLen`; the result is cut at N like any store.
  // `insert` must not point into this buffer.
  StoreResult Replace(int pos, int count, std::string_view insert, int textLen) {
    const std::size_t head = static_cast<std::size_t>(pos - 1);
    const std::size_t tailFrom = std::min(head + static_cast<std::size_t>(count), kSize);
    const std::size_t tailLen = static_cast<std::size_t>(std::max(textLen, 0)) > tailFrom
                                    ? static_cast<std::size_t>(textLen) - tailFrom
                                    : 0;
    const std::size_t keepInsert = std::min(insert.size(), kSize - head);
    const std::size_t keepTail = std::min(tailLen, kSize - head - keepInsert);

    const StoreResult r = Dropped(insert.substr(keepInsert), View().substr(tailFrom + keepTail, tailLen - keepTail));

    if (keepTail != 0) std::memmove(data_.data() + head + keepInsert, data_.data() + tailFrom, keepTail);
    if (keepInsert != 0) std::memcpy(data_.data() + head, insert.data(), keepInsert);
    std::fill(data_.begin() + static_cast<std::ptrdiff_t>(head + keepInsert + keepTail), data_.end(), ' ');
    return r;
  }

  // All N characters, the filling spaces included.
  std::string_view View() const { return {data_.data(), data_.size()}; }
  std::string_view Text() const { return Clipped(View()); }
  int TextLen() const { return static_cast<int>(Text().size()); }

  char At(int pos) const { return data_[static_cast<std::size_t>(pos - 1)]; }
  void Set(int pos, char c) { data_[static_cast<std::size_t>(pos - 1)] = c; }

  // t[i..j], empty when j < i.
  std::string_view Slice(int i, int j) const {
    if (j < i) return {};
    return View().substr(static_cast<std::size_t>(i - 1), static_cast<std::size_t>(j - i + 1));
  }

 private:
  std::array<char, N> data_;
};

// A buffer of N bytes: at most N - 1 characters, then a NUL.
template <int N>
class NulBuffer {
 public:
  NulBuffer() { data_[0] = '\0'; }

  static constexpr int Capacity() { return N - 1; }

  StoreResult Store(std::string_view text) {
    const std::size_t kept = std::min(text.size(), static_cast<std::size_t>(N - 1));
    const StoreResult r = Dropped(text.substr(kept));
    if (kept != 0) std::memmove(data_.data(), text.data(), kept);
    data_[kept] = '\0';
    return r;
  }

  // The characters before the first NUL.
  std::string_view Text() const { return {data_.data(), std::strlen(data_.data())}; }
  bool Empty() const { return data_[0] == '\0'; }

 private:
  std::array<char, N> data_;
};

// The one record a repair works on. The shell owns it for the life of the
// window; stages get it by reference and change it in place.
struct RepairWork {
  explicit RepairWork(RepairHost& host) : Host(host) {}
  RepairWork(const RepairWork&) = delete;
  RepairWork& operator=(const RepairWork&) = delete;

  RepairHost& Host;  // message boxes and debug output; not owned

  std::int32_t LastFixClock = 0;        // shell only: last clock reading, 0 for none
  shell::WindowPort* Window = nullptr;  // shell only: the main window, not owned

  SpaceBuffer<kBufferSize> ClipIn;
  NulBuffer<kBufferSize> ParmText;

  // Settings handed to the next stage call.
  NulBuffer<18> SearchFor;
  std::int32_t SearchTail = 0;
  std::int32_t LineLimit = 0;
  // The number the positional parser gives its first value: 1, or 0 when the
  // statement's placeholders count from zero.
  std::int32_t FirstParmNo = 1;

  std::uint8_t ParenDepth = 0;
  ParmQueue PQ;

  bool InBracket = false;
  bool InDoubleQuote = false;
  bool InQuote = false;
  std::int32_t Pos = 0;
  std::int32_t TextLen = 0;  // may run ahead of ClipOut's text, never behind

  SpaceBuffer<kBufferSize> ClipOut;

  // Set when a repair had to cut characters other than spaces off ClipOut;
  // callers then keep the original text.
  bool TextCut = false;

  // Stores into ClipOut go through here so that a lost character is never
  // missed, whichever stage caused it.
  void NoteStore(StoreResult r) {
    if (r.lostText) TextCut = true;
  }
};

}  // namespace morwick
