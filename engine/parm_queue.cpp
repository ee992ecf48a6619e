#include "parm_queue.h"

#include <algorithm>
#include <new>

namespace morwick {

bool ParmQueue::Append() {
  if (entries_.size() >= limit_) {
    error_ = kInsufficientMemory;
    return false;
  }
  try {
    entries_.push_back(buffer_);
  } catch (const std::bad_alloc&) {
    error_ = kInsufficientMemory;
    return false;
  }
  error_ = {};
  return true;
}

void ParmQueue::SortByNumber() {
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const ParmEntry& a, const ParmEntry& b) { return a.ParmNo < b.ParmNo; });
}

bool ParmQueue::FindByNumber() {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), buffer_.ParmNo,
                             [](const ParmEntry& e, std::uint8_t no) { return e.ParmNo < no; });
  if (it == entries_.end() || it->ParmNo != buffer_.ParmNo) {
    error_ = kEntryNotFound;
    return false;
  }
  buffer_ = *it;
  error_ = {};
  return true;
}

}  // namespace morwick
