#pragma once
// A small procedural painter for the demo skins: shapes given as coverage functions
// (signed distances for rounded rectangles, circles and strokes; supersampling for
// polygons), filled with solid colours or gradients and composited "over" with straight
// alpha. Everything is plain double arithmetic in a fixed order, so the same program
// paints the same pixels on every machine and every Qt version.
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/te_bitmap.h"

namespace vt::demo {

// A colour with straight alpha, each channel 0..255.
struct TRgba {
  double R = 0, G = 0, B = 0, A = 255;
  TRgba WithAlpha(double alpha) const { return {R, G, B, alpha}; }
};
TRgba Rgb(int r, int g, int b, int a = 255);
// Channel-wise mix: t = 0 gives `a`, t = 1 gives `b`.
TRgba Mix(const TRgba& a, const TRgba& b, double t);
// Towards white (amount > 0) or black (amount < 0); amount in -1..1.
TRgba Lighten(const TRgba& c, double amount);

// The colour at a point; gradients are paints.
using TPaint = std::function<TRgba(double x, double y)>;
TPaint Solid(const TRgba& c);
// Top to bottom between y0 and y1 (clamped outside).
TPaint VerticalGradient(double y0, const TRgba& top, double y1, const TRgba& bottom);
TPaint HorizontalGradient(double x0, const TRgba& left, double x1, const TRgba& right);

// How much of the pixel whose centre is (x, y) the shape covers, 0..1.
using TCoverage = std::function<double(double x, double y)>;

struct TBox {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
  TBox Inset(double d) const { return {Left + d, Top + d, Right - d, Bottom - d}; }
};
struct TCorners {
  double TopLeft = 0, TopRight = 0, BottomRight = 0, BottomLeft = 0;
  static TCorners All(double r) { return {r, r, r, r}; }
  static TCorners Top(double r) { return {r, r, 0, 0}; }
  TCorners Shrunk(double d) const;
};
struct TPointD {
  double X = 0, Y = 0;
};

TCoverage RoundRect(const TBox& box, const TCorners& radii);
// The ring between the rounded rectangle and the same inset by `width`.
TCoverage RoundRectOutline(const TBox& box, const TCorners& radii, double width);
TCoverage Circle(double cx, double cy, double radius);
TCoverage Ring(double cx, double cy, double radius, double width);
// A stroke with round caps through the points.
TCoverage Polyline(std::vector<TPointD> points, double width);
TCoverage Polygon(std::vector<TPointD> points);
// Coverage of the first shape where the second does not cover.
TCoverage Subtract(TCoverage a, TCoverage b);

class TPicture {
 public:
  TPicture(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Composites `paint` over the picture wherever `shape` covers, within `bounds`
  // (pixels outside it are not visited; pass the shape's box, slightly grown).
  void Fill(const TCoverage& shape, const TPaint& paint, const TBox& bounds);
  void Fill(const TCoverage& shape, const TPaint& paint);
  void FillRect(const TBox& box, const TPaint& paint);
  // Makes the whole pixels inside the box fully transparent again.
  void Clear(const TBox& box);
  // Copies another picture in at (x, y), replacing the pixels there.
  void Blit(const TPicture& source, int x, int y);
  // The picture cut to the rectangle.
  TPicture Crop(int left, int top, int width, int height) const;
  TRgba Pixel(int x, int y) const;

  // Skin pixels: fully transparent pixels become the transparent key, everything else
  // keeps its alpha (rounded corners stay smooth).
  void WriteTo(TteBitmap& bitmap, int x, int y) const;
  // Key-colour transparency only: pixels less than half covered become the key, the
  // rest opaque. For images meant to travel as bitmaps without alpha.
  void WriteKeyedTo(TteBitmap& bitmap, int x, int y) const;

 private:
  struct TPremultiplied {
    double R = 0, G = 0, B = 0, A = 0;
  };
  void Composite(int x, int y, const TRgba& colour, double coverage);
  uint32_t ToPixel(int x, int y, bool keyed) const;

  int FWidth;
  int FHeight;
  std::vector<TPremultiplied> FPixels;
};

}  // namespace vt::demo
