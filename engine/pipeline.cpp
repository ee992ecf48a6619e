#include "pipeline.h"
namespace morwick {
std::string TraceLine(std::string_view text) { return std::string("KVZ-").append(Clipped(text)).append("\r\n"); }
void Trace(RepairHost& host, std::string_view text) { host.DebugOutput(TraceLine(text)); }
void RepairSql(RepairWork& work) { (void)work.ClipOut.Store(work.ClipIn.View()); }
void ExtractStatement(RepairWork&) {}
void CollapseQuotes(RepairWork&) {}
void DropSpacesAfterSeparators(RepairWork&) {}
void DropDeclarationList(RepairWork&) {}
bool HasPlaceholderZero(std::string_view) { return false; }
}  // namespace morwick
