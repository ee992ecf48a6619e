// The parameter queue: values collected by the parsers, each with its
// parameter number, read back by the substitution through one entry buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morwick {

struct ParmEntry {
  std::uint8_t ParmNo = 0;  // PQ:PARMNO
  std::string MyParm;       // PQ:MYPARM, the value's whole text
};

class ParmQueue {
 public:
  static constexpr std::string_view kInsufficientMemory = "Insufficient Memory";
  static constexpr std::string_view kEntryNotFound = "Entry Not Found";

  ParmQueue() = default;
  // Makes every append beyond `limit` entries fail as if memory had run out,
  // so callers' handling of that failure can be exercised.
  explicit ParmQueue(std::size_t limit) : limit_(limit) {}

  // The current-entry buffer: appends copy it in, finds copy into it.
  ParmEntry& Buffer() { return buffer_; }
  const ParmEntry& Buffer() const { return buffer_; }

  void Empty() { entries_.clear(); }
  void Clear() {
    buffer_.ParmNo = 0;
    buffer_.MyParm.clear();
  }
  std::size_t Count() const { return entries_.size(); }

  // Adds a copy of the buffer after the last entry; false with Error() set
  // when there is no memory for it.
  bool Append();
  // Orders by number; entries that share a number keep their order.
  void SortByNumber();
  // In a sorted queue, copies the first entry with the buffer's number into
  // the buffer; false with Error() set, and the buffer untouched, if none.
  bool FindByNumber();

  std::string_view Error() const { return error_; }
  const std::vector<ParmEntry>& Entries() const { return entries_; }

 private:
  std::vector<ParmEntry> entries_;
  ParmEntry buffer_;
  std::string_view error_;
  std::size_t limit_ = static_cast<std::size_t>(-1);
};

}  // namespace morwick
