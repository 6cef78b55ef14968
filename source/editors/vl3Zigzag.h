// The wavy underline of a misspelled word as a list of points, computed
// without the window system so that its shape can be tested anywhere.
#pragma once

#include <cstdint>
#include <vector>

struct TZigzagPoint {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const TZigzagPoint& other) const { return X == other.X && Y == other.Y; }
};

// The zigzag from startX to endX above the row bottomY: a point every two
// pixels, alternately at bottomY - 4 and bottomY - 2, the last one moved to
// endX. Empty when the span is; at most kMaxZigzagPoints points (a wider
// span ends in a straight run to endX).
constexpr int32_t kMaxZigzagPoints = 1024;
std::vector<TZigzagPoint> ZigzagPoints(int32_t startX, int32_t endX, int32_t bottomY);
