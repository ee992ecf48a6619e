// The layout of the repaired statement: clause keywords on new lines, long
// lines wrapped, and line breaks inside literals and quoted names removed.
#pragma once

#include "repair_work.h"

namespace morwick {

void BreakClauses(RepairWork& work);
void WrapLines(RepairWork& work);
void DropQuotedBreaks(RepairWork& work);

}  // namespace morwick
