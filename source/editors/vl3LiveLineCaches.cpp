// The line caches of live spelling: grown in steps as lower lines are
// painted, marked dirty when what decides a word's spelling changes.
#include "vl3LiveLineCaches.h"

namespace {

constexpr size_t kGrowth = 64;  // lines added at once when a lower line is painted

}  // namespace

TLineCache* TLiveLineCaches::Find(int32_t line) {
  if (line < 0 || static_cast<size_t>(line) >= lines_.size()) return nullptr;
  return lines_[static_cast<size_t>(line)].get();
}

const TLineCache* TLiveLineCaches::Find(int32_t line) const {
  if (line < 0 || static_cast<size_t>(line) >= lines_.size()) return nullptr;
  return lines_[static_cast<size_t>(line)].get();
}

TLineCache& TLiveLineCaches::Obtain(int32_t line) {
  const size_t index = static_cast<size_t>(line);
  if (index >= lines_.size()) lines_.resize(index + kGrowth);
  auto& cache = lines_[index];
  if (!cache) cache = std::make_unique<TLineCache>();
  return *cache;
}

void TLiveLineCaches::InvalidateAll() {
  for (auto& cache : lines_)
    if (cache) cache->Dirty = true;
}
