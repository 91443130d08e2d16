#include "DemoPainter.h"

#include <algorithm>
#include <cmath>

namespace vt::demo {

namespace {

double Clamp01(double v) {
  return std::clamp(v, 0.0, 1.0);
}

// Coverage of a pixel by a shape whose signed distance (negative inside) at the pixel's
// centre is `distance`: a one-pixel ramp across the edge.
double CoverageFromDistance(double distance) {
  return Clamp01(0.5 - distance);
}

uint8_t ToByte(double v) {
  return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

double RoundBoxDistance(const TBox& box, const TCorners& radii, double x, double y) {
  const double cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
  const double hw = (box.Right - box.Left) / 2, hh = (box.Bottom - box.Top) / 2;
  const double px = x - cx, py = y - cy;
  double r = px < 0 ? (py < 0 ? radii.TopLeft : radii.BottomLeft)
                    : (py < 0 ? radii.TopRight : radii.BottomRight);
  r = std::min({r, hw, hh});
  const double qx = std::abs(px) - hw + r, qy = std::abs(py) - hh + r;
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - r;
}

double SegmentDistance(const TPointD& a, const TPointD& b, double x, double y) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((x - a.X) * dx + (y - a.Y) * dy) / lengthSquared : 0;
  t = Clamp01(t);
  return std::hypot(x - (a.X + t * dx), y - (a.Y + t * dy));
}

bool InsidePolygon(const std::vector<TPointD>& points, double x, double y) {
  bool inside = false;
  for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
    const TPointD& a = points[i];
    const TPointD& b = points[j];
    if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
  }
  return inside;
}

}  // namespace

TRgba Rgb(int r, int g, int b, int a) {
  return {double(r), double(g), double(b), double(a)};
}

TRgba Mix(const TRgba& a, const TRgba& b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
          a.A + (b.A - a.A) * t};
}

TRgba Lighten(const TRgba& c, double amount) {
  const TRgba target = amount >= 0 ? Rgb(255, 255, 255, int(c.A)) : Rgb(0, 0, 0, int(c.A));
  return Mix(c, target, std::abs(amount));
}

TPaint Solid(const TRgba& c) {
  return [c](double, double) { return c; };
}

TPaint VerticalGradient(double y0, const TRgba& top, double y1, const TRgba& bottom) {
  return [=](double, double y) {
    return Mix(top, bottom, y1 > y0 ? Clamp01((y - y0) / (y1 - y0)) : 0);
  };
}

TPaint HorizontalGradient(double x0, const TRgba& left, double x1, const TRgba& right) {
  return [=](double x, double) {
    return Mix(left, right, x1 > x0 ? Clamp01((x - x0) / (x1 - x0)) : 0);
  };
}

TCorners TCorners::Shrunk(double d) const {
  return {std::max(0.0, TopLeft - d), std::max(0.0, TopRight - d), std::max(0.0, BottomRight - d),
          std::max(0.0, BottomLeft - d)};
}

TCoverage RoundRect(const TBox& box, const TCorners& radii) {
  return
      [=](double x, double y) { return CoverageFromDistance(RoundBoxDistance(box, radii, x, y)); };
}

TCoverage RoundRectOutline(const TBox& box, const TCorners& radii, double width) {
  return Subtract(RoundRect(box, radii), RoundRect(box.Inset(width), radii.Shrunk(width)));
}

TCoverage Circle(double cx, double cy, double radius) {
  return
      [=](double x, double y) { return CoverageFromDistance(std::hypot(x - cx, y - cy) - radius); };
}

TCoverage Ring(double cx, double cy, double radius, double width) {
  return Subtract(Circle(cx, cy, radius), Circle(cx, cy, radius - width));
}

TCoverage Polyline(std::vector<TPointD> points, double width) {
  return [points = std::move(points), width](double x, double y) {
    double nearest = 1e9;
    for (size_t i = 0; i + 1 < points.size(); ++i)
      nearest = std::min(nearest, SegmentDistance(points[i], points[i + 1], x, y));
    return CoverageFromDistance(nearest - width / 2);
  };
}

TCoverage Polygon(std::vector<TPointD> points) {
  // 4 x 4 samples per pixel: exact enough for the small arrows and glyphs of a skin.
  return [points = std::move(points)](double x, double y) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
      for (int sx = 0; sx < 4; ++sx)
        inside += InsidePolygon(points, x - 0.375 + sx * 0.25, y - 0.375 + sy * 0.25);
    return inside / 16.0;
  };
}

TCoverage Subtract(TCoverage a, TCoverage b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) {
    return Clamp01(a(x, y) - b(x, y));
  };
}

TPicture::TPicture(int width, int height)
    : FWidth(width), FHeight(height), FPixels(size_t(width) * size_t(height)) {}

void TPicture::Composite(int x, int y, const TRgba& colour, double coverage) {
  const double alpha = Clamp01(colour.A / 255.0 * coverage);
  if (alpha <= 0) return;
  TPremultiplied& d = FPixels[size_t(y) * FWidth + x];
  d.R = colour.R * alpha + d.R * (1 - alpha);
  d.G = colour.G * alpha + d.G * (1 - alpha);
  d.B = colour.B * alpha + d.B * (1 - alpha);
  d.A = alpha + d.A * (1 - alpha);
}

void TPicture::Fill(const TCoverage& shape, const TPaint& paint, const TBox& bounds) {
  const int x0 = std::max(0, int(std::floor(bounds.Left)) - 1);
  const int y0 = std::max(0, int(std::floor(bounds.Top)) - 1);
  const int x1 = std::min(FWidth, int(std::ceil(bounds.Right)) + 1);
  const int y1 = std::min(FHeight, int(std::ceil(bounds.Bottom)) + 1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      const double coverage = shape(cx, cy);
      if (coverage > 0) Composite(x, y, paint(cx, cy), coverage);
    }
}

void TPicture::Fill(const TCoverage& shape, const TPaint& paint) {
  Fill(shape, paint, {0, 0, double(FWidth), double(FHeight)});
}

void TPicture::FillRect(const TBox& box, const TPaint& paint) {
  Fill(
      [box](double x, double y) {
        return Clamp01(std::min(x - box.Left, box.Right - x) + 0.5) *
               Clamp01(std::min(y - box.Top, box.Bottom - y) + 0.5);
      },
      paint, box);
}

void TPicture::Clear(const TBox& box) {
  const int x0 = std::max(0, int(std::ceil(box.Left))), y0 = std::max(0, int(std::ceil(box.Top)));
  const int x1 = std::min(FWidth, int(std::floor(box.Right)));
  const int y1 = std::min(FHeight, int(std::floor(box.Bottom)));
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) FPixels[size_t(y) * FWidth + x] = {};
}

void TPicture::Blit(const TPicture& source, int x, int y) {
  for (int sy = 0; sy < source.FHeight; ++sy)
    for (int sx = 0; sx < source.FWidth; ++sx) {
      const int dx = x + sx, dy = y + sy;
      if (dx >= 0 && dy >= 0 && dx < FWidth && dy < FHeight)
        FPixels[size_t(dy) * FWidth + dx] = source.FPixels[size_t(sy) * source.FWidth + sx];
    }
}

TPicture TPicture::Crop(int left, int top, int width, int height) const {
  TPicture result(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (left + x < FWidth && top + y < FHeight)
        result.FPixels[size_t(y) * width + x] = FPixels[size_t(top + y) * FWidth + left + x];
  return result;
}

TRgba TPicture::Pixel(int x, int y) const {
  const TPremultiplied& p = FPixels[size_t(y) * FWidth + x];
  if (p.A <= 0) return {0, 0, 0, 0};
  return {p.R / p.A, p.G / p.A, p.B / p.A, p.A * 255};
}

uint32_t TPicture::ToPixel(int x, int y, bool keyed) const {
  const TRgba c = Pixel(x, y);
  const uint8_t alpha = keyed ? (c.A >= 127.5 ? 255 : 0) : ToByte(c.A);
  if (alpha == 0) return kKeyPixel;
  return uint32_t(alpha) << 24 | uint32_t(ToByte(c.R)) << 16 | uint32_t(ToByte(c.G)) << 8 |
         ToByte(c.B);
}

void TPicture::WriteTo(TteBitmap& bitmap, int x, int y) const {
  for (int sy = 0; sy < FHeight; ++sy)
    for (int sx = 0; sx < FWidth; ++sx) bitmap.SetPixel(x + sx, y + sy, ToPixel(sx, sy, false));
}

void TPicture::WriteKeyedTo(TteBitmap& bitmap, int x, int y) const {
  for (int sy = 0; sy < FHeight; ++sy)
    for (int sx = 0; sx < FWidth; ++sx) bitmap.SetPixel(x + sx, y + sy, ToPixel(sx, sy, true));
}

}  // namespace vt::demo
