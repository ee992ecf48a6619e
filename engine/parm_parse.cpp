#include "parm_parse.h"

#include <string>

namespace morwick {
namespace {

constexpr std::string_view kAppendFailed = "Add Q:";

// ParmText as a parse sees it: read from the front, with the characters
// already dropped skipped by an offset instead of moved, and stored back
// once when the parse ends.
class ParmScan {
 public:
  explicit ParmScan(RepairWork& work) : work_(work), text_(work.ParmText.Text()) {
    ParmLen = static_cast<int>(text_.size());
    work_.Pos = 1;
    work_.InQuote = false;
  }
  ParmScan(const ParmScan&) = delete;
  ParmScan& operator=(const ParmScan&) = delete;
  ~ParmScan() { work_.NoteStore(work_.ParmText.Store(text_.substr(offset_, static_cast<std::size_t>(ParmLen)))); }

  // The character at 1-based `pos`; the NUL after the text matches no rule.
  char At(int pos) const {
    return pos >= 1 && pos <= ParmLen ? text_[offset_ + static_cast<std::size_t>(pos - 1)] : '\0';
  }

  // Moves on by one; false once the scan has passed the end.
  bool Advance() { return ++work_.Pos <= ParmLen; }

  // Everything up to and including Pos is read; what followed is now first.
  void DropThroughPos() {
    offset_ += static_cast<std::size_t>(work_.Pos);
    ParmLen -= work_.Pos;
    work_.Pos = 1;
  }

  void TakeValue(int length, int number) {
    ParmEntry& buffer = work_.PQ.Buffer();
    buffer.MyParm.assign(text_.substr(offset_, static_cast<std::size_t>(length)));
    buffer.ParmNo = static_cast<std::uint8_t>(number & 0xFF);
    if (!work_.PQ.Append()) {
      std::string message(kAppendFailed);
      message.append(work_.PQ.Error());
      work_.Host.Stop(message);
    }
  }

  int ParmLen = 0;

 private:
  RepairWork& work_;
  std::string_view text_;  // ParmText's own characters; stored back at the end
  std::size_t offset_ = 0;
};

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

}  // namespace

void ParsePositionalParms(RepairWork& work) {
  ParmScan scan(work);
  int& pos = work.Pos;
  bool skipToComma = true;
  bool commaSeen = false;
  const auto nextNumber = [&] { return static_cast<int>(work.PQ.Count()) + work.FirstParmNo; };

  for (;;) {
    const char c = scan.At(pos);
    if (c == ',') {
      commaSeen = true;
      if (work.InQuote) {
        if (!scan.Advance()) break;
      } else if (skipToComma || pos == 1) {
        if (pos >= scan.ParmLen) {
          if (!scan.Advance()) break;
        } else {
          skipToComma = false;
          scan.DropThroughPos();
        }
      } else {
        scan.TakeValue(pos - 1, nextNumber());
        if (pos >= scan.ParmLen) return;
        scan.DropThroughPos();
      }
    } else if (c == '\'') {
      work.InQuote = !work.InQuote;
      if (!scan.Advance()) break;
    } else if (c == '@') {
      if (!work.InQuote) skipToComma = true;
      if (!scan.Advance()) break;
    } else if (IsLineEnd(c)) {
      if (work.InQuote || skipToComma) {
        if (!scan.Advance()) break;
      } else {
        scan.TakeValue(pos - 1, nextNumber());
        return;
      }
    } else if (c == ' ') {
      if (work.InQuote || skipToComma || !commaSeen) {
        if (!scan.Advance()) break;
      } else {
        scan.TakeValue(pos, nextNumber());
        scan.DropThroughPos();
        commaSeen = false;
      }
    } else {
      if (!scan.Advance()) break;
    }
  }

  // The scan ran off the end. What is left is the last value, unless the
  // argument it belongs to is being skipped or all that is left is the
  // separating comma of an empty argument.
  const bool loneComma = scan.ParmLen == 1 && scan.At(1) == ',' && !work.InQuote;
  if (!skipToComma && scan.ParmLen > 0 && !loneComma) scan.TakeValue(scan.ParmLen, nextNumber());
}

void ParseNamedParms(RepairWork& work) {
  ParmScan scan(work);
  int& pos = work.Pos;
  bool skipToComma = true;
  bool commaSeen = false;
  bool inName = false;
  bool atSeen = false;
  std::string nameDigits;  // at most three
  const auto number = [&] {
    int n = 0;
    for (char d : nameDigits) n = n * 10 + (d - '0');
    return n;
  };

  for (;;) {
    // A: inside a name only "=" and digits mean anything.
    if (inName) {
      const char c = scan.At(pos);
      if (c == '=') {
        inName = false;
        if (pos < scan.ParmLen) {
          // N'abc' is stored as 'abc'.
          if (scan.At(pos + 1) == 'N') ++pos;
          scan.DropThroughPos();
        }
      } else if (IsDigit(c)) {
        if (nameDigits.size() < 3) nameDigits.push_back(c);
      } else {
        if (!scan.Advance()) return;
        continue;
      }
    }

    // B
    const char c = scan.At(pos);
    if (c == ',') {
      commaSeen = true;
      if (!work.InQuote) {
        if (skipToComma || pos == 1 || !atSeen) {
          if (pos < scan.ParmLen) {
            skipToComma = false;
            scan.DropThroughPos();
            continue;
          }
        } else {
          scan.TakeValue(pos - 1, number());
          if (pos >= scan.ParmLen) return;
          scan.DropThroughPos();
          continue;
        }
      }
    } else if (c == '\'') {
      work.InQuote = !work.InQuote;
    } else if (c == '@') {
      if (!work.InQuote) {
        inName = true;
        nameDigits.clear();
        atSeen = true;
      }
    } else if (IsLineEnd(c)) {
      if (!work.InQuote && !skipToComma) {
        scan.TakeValue(pos - 1, number());
        return;
      }
    } else if (c == ' ') {
      if (!work.InQuote && !skipToComma && commaSeen) {
        scan.TakeValue(pos, number());
        scan.DropThroughPos();
        commaSeen = false;
        continue;
      }
    }

    // C: a value that runs to the very end is taken there, once a comma has
    // shown that the assignments have begun.
    if (pos == scan.ParmLen && commaSeen) scan.TakeValue(pos, number());
    if (!scan.Advance()) return;
  }
}

}  // namespace morwick
