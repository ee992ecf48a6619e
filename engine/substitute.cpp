#include "substitute.h"

#include <string>

namespace morwick {
namespace {
constexpr std::string_view kLookupFailed = "Error on Get Q Pointer:";
}

Placeholder ReadPlaceholder(std::string_view text, int pos, int textLen) {
  const auto at = [&](int p) { return text[static_cast<std::size_t>(p - 1)]; };
  if (pos < 1 || pos + 1 > textLen || at(pos) != '@') return {};
  const bool withP = UpperAscii(at(pos + 1)) == 'P';
  const int digit = withP ? pos + 2 : pos + 1;
  if (digit > textLen || !IsDigit(at(digit))) return {};
  Placeholder p{at(digit) - '0', withP ? 3 : 2};
  // A third digit is never read: @P123 is @P12 followed by a 3.
  if (digit + 1 <= textLen && IsDigit(at(digit + 1))) {
    p.number = p.number * 10 + (at(digit + 1) - '0');
    ++p.length;
  }
  return p;
}

void SubstituteParms(RepairWork& work) {
  work.InQuote = false;
  work.TextLen = work.ClipOut.TextLen();
  work.Pos = work.TextLen;
  work.PQ.SortByNumber();

  // The scan runs right to left so that a value, once in, is never
  // re-examined and the positions still to come keep their places. The
  // last character cannot begin a placeholder, so it starts one before.
  while (--work.Pos > 0) {
    if (work.ClipOut.At(work.Pos) != '@') continue;
    const Placeholder p = ReadPlaceholder(work.ClipOut.View(), work.Pos, work.TextLen);
    if (p.length == 0) continue;

    work.PQ.Buffer().ParmNo = static_cast<std::uint8_t>(p.number);
    if (!work.PQ.FindByNumber()) {
      // On Ignore the buffer's value goes in: the last one found, or the
      // last one the parser took.
      std::string message(kLookupFailed);
      message.append(std::to_string(p.number)).append("/").append(work.PQ.Error());
      work.Host.Stop(message);
    }
    work.NoteStore(work.ClipOut.Replace(work.Pos, p.length, work.PQ.Buffer().MyParm, work.TextLen));
    work.TextLen = work.ClipOut.TextLen();
  }
  work.Pos = 0;
}

}  // namespace morwick
