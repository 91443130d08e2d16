#pragma once
// Rectangles and points in pixels: right and bottom are exclusive, as everywhere in the skin
// engine. QRect's inclusive right()/bottom() never leak into engine code; conversions are here.
#include <QRect>
#include <algorithm>
#include <cstdint>

namespace vt {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  TRect Offset(int32_t dx, int32_t dy) const {
    return {Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  TRect Inflate(int32_t dx, int32_t dy) const {
    return {Left - dx, Top - dy, Right + dx, Bottom + dy};
  }
  QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
  static TRect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  }
  static TRect FromSize(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The common part of two rectangles; empty (all zero) when they do not meet, as the
// platform's IntersectRect answers.
inline TRect IntersectRect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  return r.IsEmpty() ? TRect{} : r;
}

inline bool RectsIntersect(const TRect& a, const TRect& b) {
  return !IntersectRect(a, b).IsEmpty();
}

}  // namespace vt
