// Finding a list item by typed prefix, as list controls do for the keyboard:
// quick keys extend the prefix, one key typed again steps to the next match.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The first item at or after start (wrapping round) that begins with prefix,
// case-insensitively; -1 when none does. With sorted the items are in
// case-insensitive order and the search halves, falling back to a scan when
// the order holds a surprise.
int32_t FindItemByPrefix(int32_t count, const std::function<std::string(int32_t)>& itemAt,
                         const std::string& prefix, int32_t start, bool sorted);

class TTypeAhead {
 public:
  // Keys further apart than this (ms) start a new prefix.
  static constexpr uint32_t kPause = 1000;

  // The item to go to after key was typed at time (ms) while current was the
  // focused item (-1: none); -1 when no item begins with what was typed.
  int32_t KeyTyped(char key, uint32_t time, int32_t current, int32_t count,
                   const std::function<std::string(int32_t)>& itemAt, bool sorted);
  const std::string& Prefix() const { return prefix_; }

 private:
  std::string prefix_;
  uint32_t last_ = 0;
};
