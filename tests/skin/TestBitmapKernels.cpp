// Each kernel table gives exactly the portable results; a checksum pins them; regions.
#include <QBitmap>

#include "TestBitmapUtil.h"

namespace vt {
namespace {

using test::TRandom;

// Key (also with alpha), key off by one bit, clear, opaque and partial-alpha pixels.
uint32_t InterestingPixel(TRandom& random) {
  const uint32_t colour = random.Next() & kColorMask;
  switch (random.Below(8)) {
    case 0:
      return kKeyPixelValue;
    case 1:
      return kKeyPixelValue | (random.Next() & kAlphaMask);
    case 2:
      return kKeyPixelValue ^ (1u << random.Below(24));
    case 3:
      return colour;
    case 4:
    case 5:
      return colour | kAlphaMask;
    default:
      return colour | (random.Next() & kAlphaMask);
  }
}

// Runs of 1..maxRun equal pixels, so that whole vectors are clear, opaque or key.
std::vector<uint32_t> RandomRow(TRandom& random, int width, uint32_t maxRun) {
  std::vector<uint32_t> row(static_cast<size_t>(width));
  for (int x = 0; x < width;) {
    const uint32_t pixel = InterestingPixel(random);
    const int length = 1 + int(random.Below(maxRun));
    for (int i = 0; i < length && x < width; ++i, ++x) row[x] = pixel;
  }
  return row;
}

class TKernelTableTest : public testing::TestWithParam<const TPixelKernels*> {};

std::string KernelName(const testing::TestParamInfo<const TPixelKernels*>& info) {
  return info.param->Name;
}

using TKernelOf = TRowKernel TPixelKernels::*;

// Table under test against the portable one, 0..3 pixels in so loads are unaligned.
void ExpectSameAsPortable(const TPixelKernels& table, TKernelOf kernel, TRandom& random, int width,
                          int offset, uint32_t maxRun) {
  const std::vector<uint32_t> source = RandomRow(random, width + offset, maxRun);
  const std::vector<uint32_t> target = RandomRow(random, width + offset, 1);
  std::vector<uint32_t> expected = target, actual = target;
  (PortableKernels().*kernel)(expected.data() + offset, source.data() + offset, width);
  (table.*kernel)(actual.data() + offset, source.data() + offset, width);
  ASSERT_EQ(actual, expected) << table.Name << " width " << width << " offset " << offset;
}

TEST_P(TKernelTableTest, RowKernelsAndOpaqueRunsMatchThePortableOnesBitForBit) {
  const TPixelKernels& table = *GetParam();
  TRandom random(20240601);
  for (TKernelOf kernel : {&TPixelKernels::Blend, &TPixelKernels::KeyCopy, &TPixelKernels::Copy})
    for (int width = 1; width <= 67; width += 2)
      for (int offset = 0; offset < 4; ++offset)
        for (uint32_t maxRun : {1u, 20u, 100u})
          ExpectSameAsPortable(table, kernel, random, width, offset, maxRun);
  // The opaque-run scan too.
  random = TRandom(5);
  for (int width = 1; width <= 200; ++width)
    for (uint32_t maxRun : {1u, 20u}) {
      std::vector<uint32_t> row = RandomRow(random, width, maxRun);
      if (width % 7 == 0) std::fill(row.begin(), row.end(), kKeyPixelValue);
      if (width % 11 == 0) std::fill(row.begin(), row.end(), 0xFF000000u);
      std::vector<int32_t> expected(width + 1, -1), actual(width + 1, -1);
      const int expectedRuns = PortableKernels().OpaqueRuns(row.data(), width, expected.data());
      ASSERT_EQ(table.OpaqueRuns(row.data(), width, actual.data()), expectedRuns)
          << table.Name << " width " << width;
      ASSERT_EQ(actual, expected) << table.Name << " width " << width;
    }
}

uint32_t Fnv1a(uint32_t hash, const std::vector<uint32_t>& pixels) {
  for (uint32_t p : pixels)
    for (int shift = 0; shift < 32; shift += 8) hash = (hash ^ ((p >> shift) & 0xFF)) * 16777619u;
  return hash;
}

// Pinned on the portable table; a change here means blended pixels changed.
TEST_P(TKernelTableTest, ChecksumOfManyRandomComposites) {
  const TPixelKernels& table = *GetParam();
  TRandom random(1234567);
  uint32_t hash = 2166136261u;
  for (int round = 0; round < 3000; ++round) {
    const int width = 1 + int(random.Below(67));
    const uint32_t maxRun = random.Below(2) == 0 ? 20 : 1;
    const std::vector<uint32_t> source = RandomRow(random, width, maxRun);
    std::vector<uint32_t> target = RandomRow(random, width, 1);
    const TRowKernel kernel = round % 3 == 0 ? table.KeyCopy : table.Blend;
    kernel(target.data(), source.data(), width);
    hash = Fnv1a(hash, target);
  }
  EXPECT_EQ(hash, 3272409342u) << table.Name;
}

INSTANTIATE_TEST_SUITE_P(Available, TKernelTableTest, testing::ValuesIn(AvailableKernels()),
                         KernelName);

TEST(PixelKernels, DisableListChoosesThePortablePath) {
  const std::vector<const TPixelKernels*> available = AvailableKernels();
  EXPECT_EQ(&ChooseKernels(""), available.back());
  EXPECT_EQ(&ChooseKernels("avx2,sse2"), &PortableKernels());
  EXPECT_EQ(&ChooseKernels("ALL"), &PortableKernels());
  EXPECT_EQ(&ChooseKernels("sse2, AVX2"), &PortableKernels());
  const TPixelKernels* withoutAvx2 = Sse2Kernels() ? Sse2Kernels() : &PortableKernels();
  EXPECT_EQ(&ChooseKernels("avx2"), withoutAvx2);
  EXPECT_EQ(&ChooseKernels("avx"), available.back());
}

// CreateRegion: runs of non-key pixels merged into bands, for every kernel table.

// 40 x 30, rounded corners, two round holes and a square one; varied inside pixels.
std::unique_ptr<TteBitmap> MaskWithHoles() {
  auto mask = std::make_unique<TteBitmap>();
  mask->SetSize(40, 30);
  const auto inCircle = [](int x, int y, int cx, int cy, int r) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
  };
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const int cx = x < 6 ? 6 : x > 33 ? 33 : x, cy = y < 6 ? 6 : y > 23 ? 23 : y;
      bool opaque = inCircle(x, y, cx, cy, 6);
      if (inCircle(x, y, 12, 12, 4) || inCircle(x, y, 27, 18, 5)) opaque = false;
      if (x >= 30 && x < 34 && y >= 5 && y < 9) opaque = false;
      mask->SetPixel(x, y, opaque ? 0xFF000000u | uint32_t(x * 40 + y) : kKeyPixel);
    }
  return mask;
}

QRegion QBitmapRoute(const TteBitmap& bitmap, int x, int y) {
  const QImage mask = bitmap.ToImage().createMaskFromColor(kKeyPixel, Qt::MaskInColor);
  return QRegion(QBitmap::fromImage(mask)).translated(x, y);
}

class TRegionTest : public testing::TestWithParam<const TPixelKernels*> {
 protected:
  test::TKernelScope FKernels{GetParam()};
};

TEST_P(TRegionTest, MaskWithHolesEqualsThePixelsAndIsCompact) {
  const auto mask = MaskWithHoles();
  const QRegion region = mask->CreateRegion(5, -3);
  // The same area as Qt's QBitmap route, in fewer rectangles: rows with equal runs share
  // one band there, where Qt keeps a band per row.
  const QRegion reference = QBitmapRoute(*mask, 5, -3);
  EXPECT_TRUE(region.xored(reference).isEmpty());
  EXPECT_LT(region.rectCount(), reference.rectCount());
}

TEST_P(TRegionTest, StraightShapesBecomeFewRectanglesAndOnlyTheExactKeyIsLeftOut) {
  TteBitmap bitmap;
  bitmap.SetSize(70, 9);
  bitmap.FillColor(0xFF102030);
  EXPECT_EQ(bitmap.CreateRegion(2, 3).boundingRect(), QRect(2, 3, 70, 9));
  EXPECT_EQ(bitmap.CreateRegion(0, 0).rectCount(), 1);
  bitmap.FillRect(TRect{0, 3, 70, 5}, kKeyPixel);   // a gap across
  bitmap.FillRect(TRect{65, 0, 66, 9}, kKeyPixel);  // a slit beyond the first 64 columns
  const QRegion region = bitmap.CreateRegion(0, 0);
  EXPECT_EQ(region.rectCount(), 4);
  EXPECT_TRUE(
      region.xored(QRegion(0, 0, 70, 9) - QRegion(0, 3, 70, 2) - QRegion(65, 0, 1, 9)).isEmpty());
  // Only the exact key pixel is left out.
  bitmap.SetSize(4, 1);
  bitmap.FillColor(kKeyPixel);
  EXPECT_TRUE(bitmap.CreateRegion(0, 0).isEmpty());  // fully transparent: empty
  bitmap.SetPixel(1, 0, 0xFF7F007F);                 // the key colour, but opaque
  bitmap.SetPixel(3, 0, 0x00000000);                 // transparent black is not the key
  EXPECT_TRUE(bitmap.CreateRegion(0, 0).xored(QRegion(1, 0, 1, 1) + QRegion(3, 0, 1, 1)).isEmpty());
  EXPECT_TRUE(TteBitmap().CreateRegion(0, 0).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Available, TRegionTest, testing::ValuesIn(AvailableKernels()), KernelName);

}  // namespace
}  // namespace vt
