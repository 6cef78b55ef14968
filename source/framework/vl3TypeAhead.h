// Finding a list item by typed prefix, as list controls do for the keyboard:
// quick keys extend the prefix, one key typed again steps to the next match.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The first item at or after Start (wrapping round) that begins with Prefix,
// case-insensitively; -1 when none does. With Sorted the items are in
// case-insensitive order and the search halves, falling back to a scan when
// the order holds a surprise.
int32_t FindItemByPrefix(int32_t Count, const std::function<std::string(int32_t)>& ItemAt,
                         const std::string& Prefix, int32_t Start, bool Sorted);

class TTypeAhead {
 public:
  // Keys further apart than this (ms) start a new prefix.
  static constexpr uint32_t kPause = 1000;

  // The item to go to after Key was typed at Time (ms) while Current was the
  // focused item (-1: none); -1 when no item begins with what was typed.
  int32_t KeyTyped(char Key, uint32_t Time, int32_t Current, int32_t Count,
                   const std::function<std::string(int32_t)>& ItemAt, bool Sorted);
  const std::string& Prefix() const { return prefix_; }

 private:
  std::string prefix_;
  uint32_t last_ = 0;
};
