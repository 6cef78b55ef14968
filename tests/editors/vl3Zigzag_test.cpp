// The live-spelling underline's points for a few spans and rows.
#include "vl3Zigzag.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TZigzagCase {
  const char* Name;
  int32_t StartX, EndX, BottomY;
  std::vector<TZigzagPoint> Expected;
};

TEST(Zigzag, PointsForSpansAndRows) {
  const TZigzagCase cases[] = {
      {"empty span", 10, 10, 20, {}},
      {"reversed span", 12, 10, 20, {}},
      {"one pixel", 10, 11, 20, {{11, 16}}},
      {"two pixels", 10, 12, 20, {{12, 16}}},
      {"odd width ends at the end", 10, 15, 20, {{10, 16}, {12, 18}, {15, 16}}},
      {"even width", 0, 8, 14, {{0, 10}, {2, 12}, {4, 10}, {8, 12}}},
      {"left of the client", -3, 2, 9, {{-3, 5}, {-1, 7}, {2, 5}}},
      {"top row", 5, 9, 0, {{5, -4}, {9, -2}}},
  };
  for (const TZigzagCase& c : cases)
    EXPECT_EQ(ZigzagPoints(c.StartX, c.EndX, c.BottomY), c.Expected) << c.Name;

  // A span wider than the points allow ends in a straight run to its end.
  const std::vector<TZigzagPoint> wide = ZigzagPoints(0, 5000, 30);
  ASSERT_EQ(wide.size(), static_cast<size_t>(kMaxZigzagPoints));
  EXPECT_EQ(wide[kMaxZigzagPoints - 2], (TZigzagPoint{2 * (kMaxZigzagPoints - 2), 26}));
  EXPECT_EQ(wide.back(), (TZigzagPoint{5000, 28}));
}

}  // namespace
