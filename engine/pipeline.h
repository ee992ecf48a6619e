// The engine's entry, RepairSql, with the two stages that belong to it and
// the writer of debug lines.
#pragma once

#include <string>
#include <string_view>

#include "repair_work.h"

namespace morwick {

// On from program start; the stages write debug lines only while it is on.
inline bool TraceOn = true;

inline constexpr int kTraceBufferSize = 500;

// The line as it reaches the debug output: "KVZ-", the text without its
// trailing spaces, CR LF, cut to 499 characters.
std::string TraceLine(std::string_view text);
void Trace(RepairHost& host, std::string_view text);

// Repairs ClipIn into ClipOut.
void RepairSql(RepairWork& work);

// Steps of RepairSql.
void ExtractStatement(RepairWork& work);
void CollapseQuotes(RepairWork& work);

// Tidies ParmText before a parser reads it: drops spaces that follow a comma
// or "=" outside quotes.
void DropSpacesAfterSeparators(RepairWork& work);
// Removes a leading declaration list (,N'@P1 int,...') from ParmText.
void DropDeclarationList(RepairWork& work);
// True when the text holds a placeholder numbered 0 (@P0, @p00, @0, ...).
bool HasPlaceholderZero(std::string_view text);

}  // namespace morwick
