// Every kernel table this processor runs gives exactly the portable results; a checksum
// over many random composites pins the results themselves.
#include "TestBitmapUtil.h"

namespace vt {
namespace {

using test::TRandom;

// Pixels that exercise every branch: the key (also with a stray alpha), the key colour
// off by one, fully transparent and opaque pixels, and every alpha in between.
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

// Rows made of runs of 1 to maxRun equal pixels, so that whole vectors and whole blocks
// of vectors are transparent, opaque or key.
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

using TKernelOf = TRowKernel TPixelKernels::*;

// Runs `kernel` of the table under test and of the portable table on the same rows,
// starting 0..3 pixels into the buffers so that vector loads are unaligned.
void ExpectSameAsPortable(const TPixelKernels& table, TKernelOf kernel, TRandom& random, int width,
                          int offset, uint32_t maxRun) {
  const std::vector<uint32_t> source = RandomRow(random, width + offset, maxRun);
  const std::vector<uint32_t> target = RandomRow(random, width + offset, 1);
  std::vector<uint32_t> expected = target, actual = target;
  (PortableKernels().*kernel)(expected.data() + offset, source.data() + offset, width);
  (table.*kernel)(actual.data() + offset, source.data() + offset, width);
  ASSERT_EQ(actual, expected) << table.Name << " width " << width << " offset " << offset;
}

TEST_P(TKernelTableTest, RowKernelsMatchThePortableOnesBitForBit) {
  const TPixelKernels& table = *GetParam();
  TRandom random(20240601);
  for (TKernelOf kernel : {&TPixelKernels::Blend, &TPixelKernels::KeyCopy, &TPixelKernels::Copy})
    for (int width = 1; width <= 67; width += 2)
      for (int offset = 0; offset < 4; ++offset)
        for (uint32_t maxRun : {1u, 20u, 100u})
          ExpectSameAsPortable(table, kernel, random, width, offset, maxRun);
}

TEST_P(TKernelTableTest, BlendMatchesForEveryAlphaAndColour) {
  const TPixelKernels& table = *GetParam();
  TRandom random(99);
  for (int round = 0; round < 64; ++round) {
    std::vector<uint32_t> source(256), target(256);
    for (uint32_t a = 0; a < 256; ++a) {
      source[a] = a << 24 | (random.Next() & kColorMask);
      target[a] = random.Next();
    }
    std::vector<uint32_t> expected = target, actual = target;
    PortableKernels().Blend(expected.data(), source.data(), 256);
    table.Blend(actual.data(), source.data(), 256);
    ASSERT_EQ(actual, expected) << table.Name;
  }
}

TEST_P(TKernelTableTest, OpaqueRunsMatchThePortableScan) {
  const TPixelKernels& table = *GetParam();
  TRandom random(5);
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
                         [](const testing::TestParamInfo<const TPixelKernels*>& info) {
                           return std::string(info.param->Name);
                         });

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

}  // namespace
}  // namespace vt
