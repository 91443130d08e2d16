// CreateRegion: runs of non-key pixels merged into bands, for every kernel table.
#include <QBitmap>

#include "TestBitmapUtil.h"

namespace vt {
namespace {

// A 40 x 30 shape with rounded corners, two round holes and a square hole; the inside
// pixels vary so that nothing but the key decides.
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
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(region.contains(QPoint(x + 5, y - 3)), mask->Pixels(x, y) != kKeyPixel)
          << x << "," << y;
  // The same area as Qt's QBitmap route, in fewer rectangles: rows with equal runs share
  // one band there, where Qt keeps a band per row.
  const QRegion reference = QBitmapRoute(*mask, 5, -3);
  EXPECT_TRUE(region.xored(reference).isEmpty());
  EXPECT_LT(region.rectCount(), reference.rectCount());
}

TEST_P(TRegionTest, StraightShapesBecomeFewRectangles) {
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
}

TEST_P(TRegionTest, OnlyTheExactKeyPixelIsLeftOut) {
  TteBitmap bitmap;
  bitmap.SetSize(4, 1);
  bitmap.FillColor(kKeyPixel);
  EXPECT_TRUE(bitmap.CreateRegion(0, 0).isEmpty());  // fully transparent: empty
  bitmap.SetPixel(1, 0, 0xFF7F007F);                 // the key colour, but opaque
  bitmap.SetPixel(3, 0, 0x00000000);                 // transparent black is not the key
  const QRegion region = bitmap.CreateRegion(0, 0);
  EXPECT_TRUE(region.xored(QRegion(1, 0, 1, 1) + QRegion(3, 0, 1, 1)).isEmpty());
  EXPECT_TRUE(TteBitmap().CreateRegion(0, 0).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Available, TRegionTest, testing::ValuesIn(AvailableKernels()),
                         [](const testing::TestParamInfo<const TPixelKernels*>& info) {
                           return std::string(info.param->Name);
                         });

}  // namespace
}  // namespace vt
