// 32-bit Windows bitmap files inside skins of the oldest binary layout keep their alpha
// bytes: a reader that drops them turns every such image opaque.
#include <gtest/gtest.h>

#include "SkinFileTestUtil.h"
#include "skin/se_zlib.h"

namespace vt::skintest {
namespace {

// A 32-bit Windows bitmap file of one row per entry (top row first), stored bottom-up
// unless `topDown`; with `bitfields` the header carries the standard colour masks.
std::vector<uint8_t> Bmp32(const std::vector<std::vector<uint32_t>>& rows, bool topDown,
                           bool bitfields) {
  const auto width = static_cast<uint32_t>(rows[0].size());
  const auto height = static_cast<int32_t>(rows.size());
  const uint32_t offset = 14 + 40 + (bitfields ? 12 : 0);
  const uint32_t imageSize = width * 4 * static_cast<uint32_t>(height);
  TBytes b;
  b.Raw("BM").U32(offset + imageSize).U32(0).U32(offset);
  b.U32(40).U32(width).U32(static_cast<uint32_t>(topDown ? -height : height));
  b.U16(1).U16(32).U32(bitfields ? 3 : 0).U32(imageSize).U32(2835).U32(2835).U32(0).U32(0);
  if (bitfields) b.U32(0x00FF0000).U32(0x0000FF00).U32(0x000000FF);
  for (int32_t r = 0; r < height; ++r)
    for (uint32_t pixel : rows[static_cast<size_t>(topDown ? r : height - 1 - r)]) b.U32(pixel);
  return b.Data;
}

// A "Maximum Compressed" skin whose only content is the bitmap file in the oldest form.
std::unique_ptr<TSeSkinSource> LoadOldestSkin(const std::vector<uint8_t>& file) {
  TBytes body;
  body.Strings().U32(1).Str("old32.bmp").U32(static_cast<uint32_t>(file.size())).Raw(file);
  body.U32(0);  // no objects, in the oldest form
  return LoadVariant(*Variants()[3], body);
}

TEST(OldestLayoutBitmaps, ThirtyTwoBitFilesKeepTheirAlphaBytes) {
  struct TCase {
    const char* What;
    std::vector<std::vector<uint32_t>> Rows;  // as stored; the loaded pixels, with the key
    bool Alpha;                               // the expected alpha flag
  };
  const TCase cases[] = {
      {"transparent, partial, opaque",
       {{0x00102030, 0x80405060, 0xFFABCDEF}, {0x00000000, 0x01FFFFFF, 0xFE010203}},
       true},
      {"transparent and opaque only",
       {{0x00102030, 0xFF405060, 0xFFABCDEF}, {0x00000000, 0xFFFFFFFF, 0x00010203}},
       false},
  };
  for (const TCase& c : cases) {
    for (bool topDown : {false, true}) {
      for (bool bitfields : {false, true}) {
        SCOPED_TRACE(std::string(c.What) + (topDown ? ", top-down" : ", bottom-up") +
                     (bitfields ? ", bit-field masks" : ""));
        const auto source = LoadOldestSkin(Bmp32(c.Rows, topDown, bitfields));
        ASSERT_EQ(source->Bitmaps().Count(), 1);
        const TteBitmap& bitmap = *source->Bitmaps().Bitmaps(0);
        ASSERT_EQ(bitmap.Width(), 3);
        ASSERT_EQ(bitmap.Height(), 2);
        for (int y = 0; y < 2; ++y)
          for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap.Pixels(x, y), c.Rows[size_t(y)][size_t(x)]) << x << "," << y;
        EXPECT_EQ(bitmap.AlphaFlag(), c.Alpha);
        EXPECT_FALSE(bitmap.KeyFlag());
      }
    }
  }
}

// The key processing of the layout runs after the alpha bytes are taken: a near-key
// pixel becomes the exact key whatever its alpha, and the flags describe the result.
TEST(OldestLayoutBitmaps, KeyProcessingFollowsTheAlphaCopy) {
  const auto source = LoadOldestSkin(Bmp32({{0x807E017F, 0x80102030}}, false, false));
  const TteBitmap& bitmap = *source->Bitmaps().Bitmaps(0);
  EXPECT_EQ(bitmap.Pixels(0, 0), kKeyPixel);
  EXPECT_EQ(bitmap.Pixels(1, 0), 0x80102030u);
  EXPECT_TRUE(bitmap.KeyFlag());
  EXPECT_TRUE(bitmap.AlphaFlag());
}

}  // namespace
}  // namespace vt::skintest
