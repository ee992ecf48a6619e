#include "pipeline.h"

#include <array>

#include "layout.h"
#include "parm_parse.h"
#include "substitute.h"

namespace morwick {
namespace {

constexpr std::string_view kNothingToFix = "Nothing to Fix";
constexpr int kShortestRepair = 8;

// The keywords that may open the statement literal, in the order in which
// they are looked for: the first that occurs anywhere wins.
constexpr std::array<std::string_view, 4> kOpenings = {"N'SELECT", "N'INSERT", "N'DELETE", "N'UPDATE"};

constexpr std::array<std::string_view, 5> kClauseTokens = {
    " ORDER BY ", " OUTER APPLY ", " WHERE ", " FROM ", " LEFT OUTER JOIN "};

struct WrapPass {
  std::string_view searchFor;
  int searchTail;
  int lineLimit;
};
constexpr std::array<WrapPass, 5> kWrapPasses = {{
    {", ", 1, 80},
    {",", 0, 80},
    {" OR ", 3, 80},
    {" AND ", 4, 80},
    {" ", 0, 120},
}};

bool IsSpaceFreeSeparator(char c) { return c == ',' || c == '='; }

bool IsNameChar(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// True when `c` occurs in `text` outside single quotes.
bool OccursUnquoted(std::string_view text, char c) {
  bool inQuote = false;
  for (char t : text) {
    if (t == '\'') {
      inQuote = !inQuote;
    } else if (t == c && !inQuote) {
      return true;
    }
  }
  return false;
}

// Chooses the parser the statement's placeholders call for and readies
// ParmText for it.
void ParseParameters(RepairWork& work) {
  const std::string upper = UpperCopy(work.ClipOut.Text());
  const bool positional = FirstOccurrence(upper, "@P") != 0;
  if (!positional && FirstOccurrence(upper, "@") == 0) return;

  DropSpacesAfterSeparators(work);
  // Names such as @p0 look positional, but a parameter part of @p0=...
  // assignments can only be read by name.
  if (!positional || OccursUnquoted(work.ParmText.Text(), '=')) {
    ParseNamedParms(work);
    return;
  }
  DropDeclarationList(work);
  work.FirstParmNo = HasPlaceholderZero(work.ClipOut.Text()) ? 0 : 1;
  ParsePositionalParms(work);
}

}  // namespace

std::string TraceLine(std::string_view text) {
  std::string line;
  line.reserve(kTraceBufferSize);
  line.append("KVZ-").append(Clipped(text)).append("\r\n");
  // The debug channel takes a fixed buffer; a long line loses its end, line
  // break first.
  if (line.size() > static_cast<std::size_t>(kTraceBufferSize - 1)) line.resize(kTraceBufferSize - 1);
  return line;
}

void Trace(RepairHost& host, std::string_view text) { host.DebugOutput(TraceLine(text)); }

void RepairSql(RepairWork& work) {
  work.TextCut = false;
  // A repair that takes no parameter part must not see the last one's.
  work.NoteStore(work.ParmText.Store({}));
  work.NoteStore(work.ClipOut.Store(work.ClipIn.View()));
  work.TextLen = work.ClipOut.TextLen();
  if (work.TextLen < kShortestRepair) {
    work.Host.ShowMessage(kNothingToFix);
    return;
  }

  const std::string upper = UpperCopy(work.ClipOut.Text());
  work.Pos = 0;
  for (std::string_view opening : kOpenings) {
    work.Pos = FirstOccurrence(upper, opening);
    if (work.Pos != 0) break;
  }
  if (work.Pos != 0) ExtractStatement(work);

  work.PQ.Empty();
  work.PQ.Clear();
  ParseParameters(work);
  CollapseQuotes(work);

  for (std::string_view token : kClauseTokens) {
    work.NoteStore(work.SearchFor.Store(token));
    BreakClauses(work);
  }

  work.TextLen = work.ClipOut.TextLen();
  for (const WrapPass& pass : kWrapPasses) {
    work.NoteStore(work.SearchFor.Store(pass.searchFor));
    work.SearchTail = pass.searchTail;
    work.LineLimit = pass.lineLimit;
    WrapLines(work);
  }

  if (work.PQ.Count() > 0) SubstituteParms(work);
  DropQuotedBreaks(work);
}

void ExtractStatement(RepairWork& w) {
  const int opening = w.Pos;
  w.NoteStore(w.ClipOut.Store(w.ClipOut.Slice(opening + 2, w.TextLen)));
  w.TextLen = w.ClipOut.TextLen();

  w.Pos = 1;
  while (w.Pos <= w.TextLen) {
    if (w.ClipOut.At(w.Pos) != '\'') {
      ++w.Pos;
    } else if (w.Pos >= w.TextLen) {
      // The closing quote ends the text: there is no parameter part.
      w.NoteStore(w.ClipOut.Store(w.ClipOut.Slice(1, w.Pos - 1)));
      return;
    } else if (w.ClipOut.At(w.Pos + 1) == '\'') {
      w.Pos += 2;
    } else {
      w.NoteStore(w.ParmText.Store(w.ClipOut.Slice(w.Pos + 1, w.TextLen)));
      w.NoteStore(w.ClipOut.Store(w.ClipOut.Slice(1, w.Pos - 1)));
      return;
    }
  }
  // No closing quote: the statement runs to the end of the text.
}

void CollapseQuotes(RepairWork& work) {
  // Pairing from the right-hand end of each run of quotes leaves a run of n
  // quotes as n/2 rounded up; building the text in one pass gives exactly
  // that without moving the tail once per removed quote.
  const std::string_view text = work.ClipOut.Slice(1, work.TextLen);
  std::string out;
  out.reserve(text.size());
  int removed = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] != '\'') {
      out.push_back(text[i++]);
      continue;
    }
    std::size_t run = 0;
    while (i + run < text.size() && text[i + run] == '\'') ++run;
    out.append((run + 1) / 2, '\'');
    removed += static_cast<int>(run / 2);
    i += run;
  }
  if (removed == 0) {
    work.Pos = 0;
    return;
  }
  work.NoteStore(work.ClipOut.Store(out));
  work.TextLen -= removed;
  work.Pos = 0;
}

void DropSpacesAfterSeparators(RepairWork& work) {
  const std::string_view text = work.ParmText.Text();
  std::string out;
  out.reserve(text.size());
  bool inQuote = false;
  bool afterSeparator = false;
  for (char c : text) {
    if (c == ' ' && afterSeparator) continue;
    afterSeparator = false;
    if (c == '\'') {
      inQuote = !inQuote;
    } else if (!inQuote && IsSpaceFreeSeparator(c)) {
      afterSeparator = true;
    }
    out.push_back(c);
  }
  if (out.size() != text.size()) work.NoteStore(work.ParmText.Store(out));
}

void DropDeclarationList(RepairWork& work) {
  const std::string_view text = work.ParmText.Text();
  // ,N'@name type...  (the N is optional, in either case)
  std::size_t i = 0;
  if (i >= text.size() || text[i] != ',') return;
  ++i;
  if (i < text.size() && (text[i] == 'N' || text[i] == 'n')) ++i;
  if (i >= text.size() || text[i] != '\'') return;
  ++i;
  if (i >= text.size() || text[i] != '@') return;
  ++i;
  const std::size_t nameStart = i;
  while (i < text.size() && IsNameChar(text[i])) ++i;
  if (i == nameStart || i >= text.size() || text[i] != ' ') return;

  // The argument runs to the next comma outside quotes; the commas on either
  // side stay, so the list keeps its shape.
  bool inQuote = false;
  std::size_t end = 1;
  for (; end < text.size(); ++end) {
    if (text[end] == '\'') {
      inQuote = !inQuote;
    } else if (text[end] == ',' && !inQuote) {
      break;
    }
  }
  std::string out(text.substr(0, 1));
  out.append(text.substr(end));
  work.NoteStore(work.ParmText.Store(out));
}

bool HasPlaceholderZero(std::string_view text) {
  const int len = static_cast<int>(text.size());
  for (int pos = 1; pos <= len; ++pos) {
    if (text[static_cast<std::size_t>(pos - 1)] != '@') continue;
    const Placeholder p = ReadPlaceholder(text, pos, len);
    if (p.length != 0 && p.number == 0) return true;
  }
  return false;
}

}  // namespace morwick
