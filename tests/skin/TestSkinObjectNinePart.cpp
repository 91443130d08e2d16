// Nine-part objects drawn into memory, where the three pieces of each row band are drawn
// as one, against the same objects drawn through a painter, where every piece is drawn
// on its own: for every pair of tile styles, mixed transparency flags, margins that meet,
// overlap or are missing, and clips that cut the bands.
#include <QPainter>
#include <array>
#include <random>

#include "TestSkinObjectHelpers.h"

namespace vt {
namespace {

using test::Argb;
using test::LinkTo;

// A fair coin from a fully specified engine (the standard distributions are not).
class TCoin {
 public:
  bool Flip() { return (FEngine() & 1) != 0; }
  size_t Below(size_t n) { return FEngine() % n; }

 private:
  std::mt19937 FEngine{5};
};

constexpr uint32_t kBackground = 0xFF305070;

// 10 x 9, opaque, every pixel different, with key pixels in corners, edges and centre.
// Without an alpha flag both routes give exact results (copy and key copy).
TteBitmap* KeyedImage() {
  auto* image = new TteBitmap;
  image->SetName("nine");
  image->SetSize(10, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 10; ++x)
      image->SetPixel(x, y, (x * 7 + y * 3) % 11 == 0 ? kKeyPixel : Argb(20 * x, 25 * y, 90));
  image->SetAlphaFlag(false);
  image->SetKeyFlag(true);
  return image;
}

// The object's pixels over the background, colour only (the painter target has no alpha).
std::vector<uint32_t> Colours(const QImage& image) {
  std::vector<uint32_t> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.push_back(image.pixel(x, y) & 0x00FFFFFFu);
  return colours;
}

QImage InMemory(TSeSkinObject& object, const TRect& clip) {
  return test::Render(object, 40, 30, kBackground, clip);
}

QImage ThroughPainter(TSeSkinObject& object, const TRect& clip) {
  QImage target(40, 30, QImage::Format_RGB888);
  target.fill(QColor::fromRgb(kBackground));
  TCanvas canvas(target);
  object.Draw(canvas, clip);
  return target;
}

constexpr std::array<TscTileStyle, 7> kStyles{
    TscTileStyle::tsTile,           TscTileStyle::tsStretch,
    TscTileStyle::tsCenter,         TscTileStyle::tsVertCenterStretch,
    TscTileStyle::tsVertCenterTile, TscTileStyle::tsHorzCenterStretch,
    TscTileStyle::tsHorzCenterTile};

struct TMarginCase {
  int Left, Top, Right, Bottom;
  TRect Bounds;
};

// Ordinary margins; margins that exactly fill the width; missing margins on two sides;
// margins wider and taller than the object (the pieces overlap); an object as large as
// the image (every piece at its own size).
constexpr std::array<TMarginCase, 5> kMargins{{
    {3, 2, 4, 3, {3, 2, 37, 27}},
    {6, 2, 4, 1, {5, 4, 15, 29}},
    {0, 3, 2, 0, {1, 1, 33, 21}},
    {6, 5, 3, 4, {8, 6, 15, 12}},
    {3, 2, 4, 3, {4, 7, 14, 16}},
}};

template <class TObject>
void Prepare(TObject& object, const TMarginCase& margins, TscTileStyle centre,
             TscTileStyle border) {
  object.SetBitmap(*LinkTo("nine", {0, 0, 10, 9}));
  object.SetTileStyle(centre);
  object.SetBorderTileStyle(border);
  object.SetMarginLeft(margins.Left);
  object.SetMarginTop(margins.Top);
  object.SetMarginRight(margins.Right);
  object.SetMarginBottom(margins.Bottom);
  object.SetBounds(margins.Bounds);
}

TEST(SkinObjectNinePart, BandsPaintAsThePiecesDoOneByOne) {
  TteBitmapList images;
  images.Add(KeyedImage());
  const std::array<TRect, 3> clips{TRect{}, TRect{6, 0, 40, 30}, TRect{0, 5, 20, 18}};
  TCoin random;
  for (const TscTileStyle centre : kStyles) {
    for (const TscTileStyle border : kStyles) {
      for (const TMarginCase& margins : kMargins) {
        TSeBitmapObject object(nullptr);
        Prepare(object, margins, centre, border);
        object.SetBitmapList(&images);
        object.UpdateLinks();
        object.Bitmap()->Masked = random.Flip();
        object.Bitmap()->MaskedBorder = random.Flip();
        object.Bitmap()->MaskedAngles = random.Flip();
        const TRect& clip = clips[random.Below(clips.size())];
        ASSERT_EQ(Colours(InMemory(object, clip)), Colours(ThroughPainter(object, clip)))
            << int(centre) << " " << int(border) << " margins " << margins.Left;
      }
    }
  }
}

// The box family draws edges with the centre flag and corners with the image's own.
TEST(SkinObjectNinePart, BoxBandsPaintAsThePiecesDoOneByOne) {
  TteBitmapList images;
  images.Add(KeyedImage());
  for (const TscTileStyle centre : kStyles) {
    for (const TMarginCase& margins : kMargins) {
      for (const bool masked : {false, true}) {
        TSeBitmapBoxObject box(nullptr);
        Prepare(box, margins, centre, TscTileStyle::tsStretch);
        box.SetBitmapList(&images);
        box.UpdateLinks();
        box.Bitmap()->Masked = masked;
        ASSERT_EQ(Colours(InMemory(box, {})), Colours(ThroughPainter(box, {})))
            << int(centre) << " margins " << margins.Left;
      }
    }
  }
}

}  // namespace
}  // namespace vt
