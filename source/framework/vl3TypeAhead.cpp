// Prefix search for the keyboard in lists that hold their items elsewhere
// (owner-data lists): the controls cannot search texts they never see.
#include "vl3TypeAhead.h"

#include "vl3Ansi.h"

namespace {

bool BeginsWith(const std::string& Item, const std::string& Prefix) {
  return Item.size() >= Prefix.size() && Ansi::SameText(Item.substr(0, Prefix.size()), Prefix);
}

}  // namespace

int32_t FindItemByPrefix(int32_t Count, const std::function<std::string(int32_t)>& ItemAt,
                         const std::string& Prefix, int32_t Start, bool Sorted) {
  if (Count <= 0 || Prefix.empty()) return -1;
  if (Start < 0 || Start >= Count) Start = 0;
  if (Sorted) {
    // The matches form one run that begins where the prefix would go.
    int32_t lo = 0, hi = Count;
    while (lo < hi) {
      const int32_t mid = lo + (hi - lo) / 2;
      if (Ansi::CompareText(ItemAt(mid), Prefix) < 0)
        lo = mid + 1;
      else
        hi = mid;
    }
    if (lo < Count && BeginsWith(ItemAt(lo), Prefix)) {
      if (Start > lo && BeginsWith(ItemAt(Start), Prefix)) return Start;
      return lo;
    }
  }
  for (int32_t k = 0; k < Count; ++k) {
    const int32_t i = (Start + k) % Count;
    if (BeginsWith(ItemAt(i), Prefix)) return i;
  }
  return -1;
}

int32_t TTypeAhead::KeyTyped(char Key, uint32_t Time, int32_t Current, int32_t Count,
                             const std::function<std::string(int32_t)>& ItemAt, bool Sorted) {
  if (Time - last_ > kPause) prefix_.clear();
  last_ = Time;
  bool repeated = !prefix_.empty();
  for (char c : prefix_) repeated = repeated && Ansi::ToUpper(c) == Ansi::ToUpper(Key);
  prefix_ += Key;
  // A first key, or the same key again, moves on from the current item; a
  // longer prefix may still match the current one.
  if (prefix_.size() == 1 || repeated)
    return FindItemByPrefix(Count, ItemAt, std::string(1, Key), Current + 1, Sorted);
  return FindItemByPrefix(Count, ItemAt, prefix_, Current < 0 ? 0 : Current, Sorted);
}
