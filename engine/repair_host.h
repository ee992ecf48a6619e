// The engine's only way out: the two message boxes and the debug output.
// The desktop apps, the filter and the tests each supply their own.
#pragma once

#include <string_view>

namespace morwick {

class RepairHost {
 public:
  virtual ~RepairHost() = default;

  // A modal message with the toolkit's own caption, icon and button
  // ("Nothing to Fix").
  virtual void ShowMessage(std::string_view text) = 0;

  // The stop message: caption "Stop", buttons Abort (the default) and
  // Ignore. Returns only when the user chose Ignore; on Abort the host ends
  // the program at once.
  virtual void Stop(std::string_view text) = 0;

  // One finished debug line, its CR LF included when it still has them.
  virtual void DebugOutput(std::string_view line) = 0;
};

}  // namespace morwick
