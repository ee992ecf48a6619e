#include "layout.h"

#include <algorithm>
#include <string>

#include "pipeline.h"
#include "quote_scan.h"

namespace morwick {
namespace {

constexpr int kBreaksPerKeyword = 30;
// A break adds two characters; past this length one more could not fit.
constexpr int kLastLengthToBreak = kBufferSize - 2;

// The SearchTail + 1 characters at `pos`, upper-cased, equal `token` once
// trailing spaces are ignored. Reads nothing beyond the buffer.
bool TokenAt(std::string_view buffer, int pos, int tail, std::string_view token) {
  std::string chunk(buffer.substr(static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(tail + 1)));
  for (char& c : chunk) c = UpperAscii(c);
  return EqualPadded(chunk, token);
}

}  // namespace

void BreakClauses(RepairWork& work) {
  const std::string_view token = work.SearchFor.Text();
  // A match holds some of the token's letters, so it begins within the text;
  // the filling spaces take part only as far as a token can reach into them.
  const std::size_t reach = std::min(static_cast<std::size_t>(std::max(work.TextLen, 0)) + token.size(),
                                     static_cast<std::size_t>(kBufferSize));
  std::string upper = UpperCopy(work.ClipOut.View().substr(0, reach));

  // Whether each match lies inside a literal or a quoted name is judged by a
  // forward scan from the start; a LF put in place of a space does not move
  // that scan, so one pass from left to right serves all matches.
  bool inQuote = false;
  bool inDoubleQuote = false;
  bool inBracket = false;
  std::size_t scanned = 0;
  const auto insideAt = [&](std::size_t index) {
    for (; scanned < index; ++scanned) {
      StepQuotes(inQuote, inDoubleQuote, inBracket, upper[scanned], '[', ']');
    }
    return inQuote || inDoubleQuote || inBracket;
  };

  work.Pos = 0;
  std::size_t from = 0;
  for (int broken = 0; broken < kBreaksPerKeyword;) {
    const std::size_t at = token.empty() ? std::string_view::npos : upper.find(token, from);
    if (at == std::string::npos) {
      work.Pos = 0;
      return;
    }
    work.Pos = static_cast<int>(at) + 1;
    from = at + 1;
    if (insideAt(at)) continue;
    work.ClipOut.Set(work.Pos, '\n');
    upper[at] = '\n';
    ++broken;
  }
}

void WrapLines(RepairWork& work) {
  work.InQuote = false;
  work.InDoubleQuote = false;
  work.InBracket = false;
  work.ParenDepth = 0;
  work.Pos = work.TextLen + 1;
  // A text this long cannot take another break without losing its end.
  if (work.TextLen > kLastLengthToBreak) {
    work.Pos = 0;
    return;
  }

  const std::string_view searchFor = work.SearchFor.Text();
  const bool commaOrSpace = EqualPadded(searchFor, ",") || EqualPadded(searchFor, " ");
  std::int32_t runLen = 0;
  std::string traceText;

  while (--work.Pos > 0) {
    const int pos = work.Pos;
    const char c = work.ClipOut.At(pos);
    if (c == '\n' && !work.InQuote && !work.InDoubleQuote) {
      runLen = 0;
      continue;
    }
    ++runLen;
    // Scanning backwards, "]" opens a bracketed name and ")" a group.
    if (StepQuotes(work.InQuote, work.InDoubleQuote, work.InBracket, c, ']', '[')) continue;
    if (c == ')') {
      ++work.ParenDepth;
    } else if (c == '(' && work.ParenDepth > 0) {
      --work.ParenDepth;
    }
    if (work.ParenDepth > 0 && commaOrSpace) continue;
    if (runLen < work.LineLimit) continue;
    if (!TokenAt(work.ClipOut.View(), pos, work.SearchTail, searchFor)) continue;
    if (pos <= 3) continue;
    // An earlier pass already began a line here.
    if (work.ClipOut.Slice(pos - 2, pos - 1) == "\n\t" || work.ClipOut.Slice(pos - 3, pos - 1) == "\n\t,") {
      runLen = 0;
      continue;
    }

    if (TraceOn) {
      traceText.assign("SearchFor=\"")
          .append(searchFor)
          .append("\" ThisLen=")
          .append(std::to_string(pos))
          .append(" Sub=")
          .append(work.ClipOut.Slice(1, pos));
      Trace(work.Host, traceText);
    }
    work.NoteStore(work.ClipOut.Replace(pos, 0, "\n\t", work.TextLen));
    work.TextLen += 2;
    if (work.TextLen > kLastLengthToBreak) return;
    runLen = 0;
  }
  work.Pos = 0;
}

void DropQuotedBreaks(RepairWork& work) {
  // Flags left set by an unpaired quote in an earlier stage must not decide
  // this pass; it judges the text on its own.
  work.InQuote = false;
  work.InDoubleQuote = false;
  work.InBracket = false;
  work.TextLen = work.ClipOut.TextLen();
  const std::string_view text = work.ClipOut.Slice(1, work.TextLen);

  // Every character but the last is examined; the last always stays.
  std::string out;
  out.reserve(text.size());
  int fixCnt = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const char c = text[i];
    if ((c == '\r' || c == '\n') && (work.InQuote || work.InDoubleQuote || work.InBracket)) {
      ++fixCnt;
      continue;
    }
    StepQuotes(work.InQuote, work.InDoubleQuote, work.InBracket, c, '[', ']');
    out.push_back(c);
  }
  if (!text.empty()) out.push_back(text.back());

  if (fixCnt != 0) work.NoteStore(work.ClipOut.Store(out));
  work.TextLen -= fixCnt;
  work.Pos = work.TextLen;
  if (TraceOn) Trace(work.Host, "FixCnt=" + std::to_string(fixCnt));
}

}  // namespace morwick
