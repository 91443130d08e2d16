#pragma once
// Bitmap test helpers: images from pixel lists, a deterministic random source.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "GoldenImage.h"
#include "skin/pixel_kernels.h"
#include "skin/te_bitmap.h"

namespace vt::test {

// An image of `width` columns filled row by row from `pixels`.
inline std::unique_ptr<TteBitmap> MakeBitmap(int width, const std::vector<uint32_t>& pixels,
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

// The message of the exception of type E that `call` throws, or a note that none came.
template <class E, class F>
std::string MessageOf(F&& call) {
  try {
    call();
  } catch (const E& e) {
    return e.what();
  }
  return "(no exception)";
}

// Makes the tests run through one kernel table and restores the start-up choice.
class TKernelScope {
 public:
  explicit TKernelScope(const TPixelKernels* kernels) { SetActiveKernels(kernels); }
  ~TKernelScope() { SetActiveKernels(nullptr); }
};

}  // namespace vt::test
