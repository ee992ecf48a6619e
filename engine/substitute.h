// Puts the values of PQ in place of the placeholders of ClipOut.
#pragma once

#include <string_view>

#include "repair_work.h"

namespace morwick {

// A placeholder: "@", an optional P or p, one or two digits.
struct Placeholder {
  int number = 0;  // 0 to 99
  int length = 0;  // 2 to 4; 0 when no placeholder starts here
};

// Reads the placeholder that begins at 1-based `pos` of `text`, whose last
// character is at `textLen`.
Placeholder ReadPlaceholder(std::string_view text, int pos, int textLen);

void SubstituteParms(RepairWork& work);

}  // namespace morwick
