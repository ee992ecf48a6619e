// The one rule for telling whether a scan stands inside a single-quoted
// literal, a double-quoted name or a bracketed name. Shared by the layout
// stages so that they agree on every text.
#pragma once

namespace morwick {

// Feeds one character to the flags. A single quote always flips `inQuote`;
// inside a literal nothing else counts; inside a double-quoted name brackets
// do not count. `opens` is the bracket that begins a name in the direction of
// the scan ('[' forwards, ']' backwards). Returns true while the character
// lies inside any of the three, so the caller looks no further at it.
inline bool StepQuotes(bool& inQuote, bool& inDoubleQuote, bool& inBracket, char c, char opens,
                       char closes) {
  if (c == '\'') inQuote = !inQuote;
  if (inQuote) return true;
  if (c == '"') inDoubleQuote = !inDoubleQuote;
  if (inDoubleQuote) return true;
  if (c == opens) {
    inBracket = true;
  } else if (c == closes && inBracket) {
    inBracket = false;
  }
  return inBracket;
}

}  // namespace morwick
