// What live spelling remembers about each display line between paints: its
// text and marked words, so that an unchanged line is not checked again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One marked word of a line: 0-based columns, end exclusive.
struct TSpellingError {
  int32_t StartColumn = 0;
  int32_t EndColumn = 0;
};

// What is known about one line since it was last checked.
struct TLineCache {
  std::string LineText;
  std::vector<TSpellingError> Errors;
  bool Dirty = true;
  int32_t MeasuredHeight = 0;
  int32_t BaselineOffset = 0;
};

class TLiveLineCaches {
 public:
  // The line's cache, or null when the line was never painted.
  TLineCache* Find(int32_t line);
  const TLineCache* Find(int32_t line) const;
  // The line's cache, made when the line is painted the first time.
  TLineCache& Obtain(int32_t line);
  // One more than the highest line that may have a cache.
  int32_t Count() const { return static_cast<int32_t>(lines_.size()); }
  // Every line is checked again at its next paint.
  void InvalidateAll();
  void Clear() { lines_.clear(); }

 private:
  std::vector<std::unique_ptr<TLineCache>> lines_;
};
