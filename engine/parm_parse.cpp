#include "parm_parse.h"
namespace morwick { void ParsePositionalParms(RepairWork&) {} void ParseNamedParms(RepairWork&) {} }
