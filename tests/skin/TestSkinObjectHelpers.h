#pragma once
// Shared pieces of the skin object tests: test images, rendering an object onto a
// surface, and golden-image comparison.
//
// Golden images live in tests/golden/objects/<case>.png. Set VTSKIN_UPDATE_GOLDEN=1 to
// rewrite them from the current output (and look at every changed file); a mismatch
// writes <case>.actual.png and <case>.diff.png into the test build folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "skin/theme_se3objects.h"

namespace vt::test {

constexpr uint32_t kBackgroundPixel = 0xFF404040;

inline uint32_t Argb(int r, int g, int b, int a = 255) {
  return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}

// A named image whose pixels come from a function of (x, y); the flags are computed as
// loading computes them.
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

// A link as a skin file stores it: name and rectangle, not yet resolved. Links are not
// copyable, hence the pointer; callers dereference it.
inline std::unique_ptr<TteBitmapLink> LinkTo(const std::string& name, const TRect& rect) {
  auto link = std::make_unique<TteBitmapLink>();
  link->SetName(name);
  link->SetRect(rect);
  return link;
}

// Paints `object` (and its children) onto a fresh surface filled with `background`.
inline QImage Render(TSeSkinObject& object, int width, int height,
                     uint32_t background = kBackgroundPixel, const TRect& clip = {}) {
  TteBitmap surface;
  surface.SetSize(width, height);
  surface.FillColor(background);
  {
    TCanvas canvas(surface.Surface());
    object.Draw(canvas, clip);
  }
  return surface.ToImage().convertToFormat(QImage::Format_ARGB32);
}

inline uint32_t PixelAt(const QImage& image, int x, int y) {
  return static_cast<uint32_t>(image.pixel(x, y));
}

inline int ChannelDistance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8)
    worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  return worst;
}

// Text is drawn by the font engine, whose antialiasing may move between versions: a pixel
// counts as different when a channel is off by more than this, and a few such pixels are
// allowed. A misplaced line of text moves the edges of every glyph and exceeds it.
constexpr int kTextChannelTolerance = 64;
constexpr int kTextPixelAllowance = 6;

enum class TGoldenCompare { Exact, Text };

inline void ExpectGolden(const QImage& actualImage, const std::string& name, TGoldenCompare mode) {
  const QImage actual = actualImage.convertToFormat(QImage::Format_ARGB32);
  const QString goldenPath = QString::fromUtf8(VTSKIN_TEST_DATA "/golden/objects/") +
                             QString::fromStdString(name) + ".png";
  if (qEnvironmentVariable("VTSKIN_UPDATE_GOLDEN") == "1") {
    QDir().mkpath(QFileInfo(goldenPath).path());
    ASSERT_TRUE(actual.save(goldenPath)) << "cannot write " << goldenPath.toStdString();
    return;
  }
  const QImage golden = QImage(goldenPath).convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(golden.isNull()) << "missing golden image " << goldenPath.toStdString()
                                << " (VTSKIN_UPDATE_GOLDEN=1 writes it)";
  ASSERT_EQ(golden.size(), actual.size()) << name;
  const int channelTolerance = mode == TGoldenCompare::Exact ? 0 : kTextChannelTolerance;
  const int allowance = mode == TGoldenCompare::Exact ? 0 : kTextPixelAllowance;
  QImage diff(actual.size(), QImage::Format_ARGB32);
  diff.fill(0xFF000000);
  int different = 0;
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (ChannelDistance(PixelAt(actual, x, y), PixelAt(golden, x, y)) > channelTolerance) {
        ++different;
        diff.setPixel(x, y, 0xFFFF0000);
      }
  if (different > allowance) {
    const QString base = QString::fromUtf8(VTSKIN_BUILD_DIR "/") + QString::fromStdString(name);
    actual.save(base + ".actual.png");
    diff.save(base + ".diff.png");
  }
  EXPECT_LE(different, allowance) << name << ": " << different << " pixels differ from "
                                  << goldenPath.toStdString();
}

}  // namespace vt::test
