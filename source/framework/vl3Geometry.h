// Points and rectangles in screen or client pixels, shared by the portable
// core and the Windows form layer.
#pragma once

#include <cstdint>

struct TPoint {
  int32_t X = 0, Y = 0;
};

// Left, top, right, bottom; right and bottom lie just outside.
struct TRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool Intersects(const TRect& o) const {
    return Left < o.Right && o.Left < Right && Top < o.Bottom && o.Top < Bottom;
  }
  bool operator==(const TRect& o) const {
    return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
  }
};
