#pragma once
// Helpers shared by the bitmap tests: small images from pixel lists, a deterministic
// random source (std::mt19937 is fully specified, its distributions are not), and golden
// image comparison.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "skin/pixel_kernels.h"
#include "skin/te_bitmap.h"

namespace vt::test {

// An image of `width` columns filled row by row from `pixels`.
inline std::unique_ptr<TteBitmap> MakeBitmap(int width, std::initializer_list<uint32_t> pixels,
                                             const std::string& name = "test") {
  auto bitmap = std::make_unique<TteBitmap>();
  const int height = static_cast<int>(pixels.size()) / width;
  bitmap->SetSize(width, height);
  bitmap->SetName(name);
  int i = 0;
  for (uint32_t p : pixels) {
    bitmap->SetPixel(i % width, i / width, p);
    ++i;
  }
  return bitmap;
}

inline std::vector<uint32_t> RowOf(const TteBitmap& bitmap, int y) {
  const uint32_t* row = bitmap.ScanLine(y);
  return std::vector<uint32_t>(row, row + bitmap.Width());
}

inline std::vector<uint32_t> AllPixels(const TteBitmap& bitmap) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::vector<uint32_t> row = RowOf(bitmap, y);
    pixels.insert(pixels.end(), row.begin(), row.end());
  }
  return pixels;
}

class TRandom {
 public:
  explicit TRandom(uint32_t seed) : FEngine(seed) {}
  uint32_t Next() { return static_cast<uint32_t>(FEngine()); }
  // 0 ... n-1 (the slight modulo bias does not matter for test data).
  uint32_t Below(uint32_t n) { return Next() % n; }

 private:
  std::mt19937 FEngine;
};

// Makes the tests run through one kernel table and restores the start-up choice.
class TKernelScope {
 public:
  explicit TKernelScope(const TPixelKernels* kernels) { SetActiveKernels(kernels); }
  ~TKernelScope() { SetActiveKernels(nullptr); }
};

// Compares `actual` with tests/golden/bitmap/<name>.png exactly. With
// VTSKIN_UPDATE_GOLDEN=1 the reference is rewritten instead; on a mismatch the actual
// image and a diff (red where pixels differ) are written into the build folder.
inline void ExpectGolden(const QImage& actual, const std::string& name) {
  const QString golden =
      QString(VTSKIN_TEST_DATA) + "/golden/bitmap/" + QString::fromStdString(name) + ".png";
  const QImage image = actual.convertToFormat(QImage::Format_ARGB32);
  if (qgetenv("VTSKIN_UPDATE_GOLDEN") == "1") {
    QDir().mkpath(QFileInfo(golden).path());
    ASSERT_TRUE(image.save(golden)) << golden.toStdString();
    return;
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(expected.isNull()) << "missing golden image " << golden.toStdString();
  ASSERT_EQ(expected.size(), image.size()) << name;
  QImage diff(image.size(), QImage::Format_ARGB32);
  int differing = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const bool same = image.pixel(x, y) == expected.pixel(x, y);
      differing += same ? 0 : 1;
      diff.setPixel(x, y, same ? 0xFFFFFFFFu : 0xFFFF0000u);
    }
  if (differing) {
    const QString base = QString(VTSKIN_BUILD_DIR) + "/" + QString::fromStdString(name);
    image.save(base + "-actual.png");
    diff.save(base + "-diff.png");
  }
  EXPECT_EQ(differing, 0) << name << ": see " << VTSKIN_BUILD_DIR;
}

}  // namespace vt::test
