// The wavy underline's points; only drawing them through the window system
// stays in the live-spelling units.
#include "vl3Zigzag.h"

namespace {

constexpr int32_t kStep = 2;      // pixels between peaks
constexpr int32_t kHighPeak = 4;  // above the underline's row
constexpr int32_t kLowPeak = 2;

}  // namespace

std::vector<TZigzagPoint> ZigzagPoints(int32_t startX, int32_t endX, int32_t bottomY) {
  std::vector<TZigzagPoint> points;
  for (int32_t x = startX; x < endX && static_cast<int32_t>(points.size()) < kMaxZigzagPoints;
       x += kStep) {
    const bool high = points.size() % 2 == 0;
    points.push_back({x, bottomY - (high ? kHighPeak : kLowPeak)});
  }
  // The last peak meets the word's end exactly, whatever the step left over.
  if (!points.empty()) points.back().X = endX;
  return points;
}
