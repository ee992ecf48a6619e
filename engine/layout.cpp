#include "layout.h"
namespace morwick { void BreakClauses(RepairWork&) {} void WrapLines(RepairWork&) {} void DropQuotedBreaks(RepairWork&) {} }
