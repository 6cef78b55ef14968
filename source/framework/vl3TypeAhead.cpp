// Prefix search for the keyboard in lists that hold their items elsewhere
// (owner-data lists): the controls cannot search texts they never see.
#include "vl3TypeAhead.h"

#include "vl3Ansi.h"

namespace {

bool BeginsWith(const std::string& item, const std::string& prefix) {
  return item.size() >= prefix.size() && Ansi::SameText(item.substr(0, prefix.size()), prefix);
}

}  // namespace

int32_t FindItemByPrefix(int32_t count, const std::function<std::string(int32_t)>& itemAt,
                         const std::string& prefix, int32_t start, bool sorted) {
  if (count <= 0 || prefix.empty()) return -1;
  if (start < 0 || start >= count) start = 0;
  if (sorted) {
    // The matches form one run that begins where the prefix would go.
    int32_t lo = 0, hi = count;
    while (lo < hi) {
      const int32_t mid = lo + (hi - lo) / 2;
      if (Ansi::CompareText(itemAt(mid), prefix) < 0)
        lo = mid + 1;
      else
        hi = mid;
    }
    if (lo < count && BeginsWith(itemAt(lo), prefix)) {
      if (start > lo && BeginsWith(itemAt(start), prefix)) return start;
      return lo;
    }
  }
  for (int32_t k = 0; k < count; ++k) {
    const int32_t i = (start + k) % count;
    if (BeginsWith(itemAt(i), prefix)) return i;
  }
  return -1;
}

int32_t TTypeAhead::KeyTyped(char key, uint32_t time, int32_t current, int32_t count,
                             const std::function<std::string(int32_t)>& itemAt, bool sorted) {
  if (time - last_ > kPause) prefix_.clear();
  last_ = time;
  bool repeated = !prefix_.empty();
  for (char c : prefix_) repeated = repeated && Ansi::ToUpper(c) == Ansi::ToUpper(key);
  prefix_ += key;
  // A first key, or the same key again, moves on from the current item; a
  // longer prefix may still match the current one.
  if (prefix_.size() == 1 || repeated)
    return FindItemByPrefix(count, itemAt, std::string(1, key), current + 1, sorted);
  return FindItemByPrefix(count, itemAt, prefix_, current < 0 ? 0 : current, sorted);
}
