// The two readers of the parameter part: a positional list of values, and
// assignments to "@" names. Both fill PQ from ParmText and shorten it.
#pragma once

#include "repair_work.h"

namespace morwick {

void ParsePositionalParms(RepairWork& work);
void ParseNamedParms(RepairWork& work);

}  // namespace morwick
