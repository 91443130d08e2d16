#pragma once
// Skin object test helpers: test images, links, margins, pixels.
#include <gtest/gtest.h>

#include <functional>

#include "TestBitmapUtil.h"
#include "skin/theme_se3objects.h"

namespace vt::test {

constexpr uint32_t kBackgroundPixel = 0xFF404040;

inline uint32_t Argb(int r, int g, int b, int a = 255) {
  return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}

// A named image from a function of (x, y), with the flags loading would compute.
inline TteBitmap* MakeBitmap(const std::string& name, int width, int height,
                             const std::function<uint32_t(int, int)>& pixelAt) {
  auto* image = new TteBitmap;
  image->SetName(name);
  image->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image->SetPixel(x, y, pixelAt(x, y));
  image->CheckAlpha();
  image->SetKeyFlag(false);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (image->Pixels(x, y) == kKeyPixel) image->SetKeyFlag(true);
  return image;
}

// An unresolved link as a file stores it (links are not copyable: dereference it).
inline std::unique_ptr<TteBitmapLink> LinkTo(const std::string& name, const TRect& rect) {
  auto link = std::make_unique<TteBitmapLink>();
  link->SetName(name);
  link->SetRect(rect);
  return link;
}

// The same margin on all four sides, as nine-part drawing cuts the image.
inline void SetMargins(TSeSkinObject& object, int margin) {
  object.SetMarginLeft(margin);
  object.SetMarginTop(margin);
  object.SetMarginRight(margin);
  object.SetMarginBottom(margin);
}

inline uint32_t PixelAt(const QImage& image, int x, int y) {
  return static_cast<uint32_t>(image.pixel(x, y));
}

// Font antialiasing varies: a few pixels may differ by up to 64 per channel.
constexpr TGoldenTolerance kTextTolerance{64, 6};

}  // namespace vt::test
