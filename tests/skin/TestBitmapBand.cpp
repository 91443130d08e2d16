// Bands: pieces handed over together give exactly the pixels of drawing them one by one
// through the ordinary calls, whether or not they are drawn as one band.
#include <QPainter>
#include <array>
#include <span>

#include "TestBitmapUtil.h"

namespace vt {
namespace {

using test::AllPixels;
using test::TRandom;
using Scale = TteBandPiece::TScale;

// Pixels of every blending case: clear, opaque, partly transparent, and the key colour
// with either alpha.
std::unique_ptr<TteBitmap> Varied(int width, int height, uint32_t seed) {
  static constexpr uint32_t kAlphas[] = {0x00, 0xFF, 0x80, 0x01, 0xFE};
  TRandom random(seed);
  auto image = std::make_unique<TteBitmap>();
  image->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint32_t pixel = (kAlphas[random.Below(5)] << 24) | (random.Next() & kColorMask);
      if (random.Below(6) == 0) pixel = kKeyPixelValue | (random.Below(2) ? kAlphaMask : 0);
      image->SetPixel(x, y, pixel);
    }
  return image;
}

// Rows of opaque, clear and mixed pixels, so that whole rows take the blend's shortcuts.
std::unique_ptr<TteBitmap> Striped(int width, int height, uint32_t seed) {
  auto image = Varied(width, height, seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint32_t colour = image->Pixels(x, y) & kColorMask;
      if (y % 3 == 0) image->SetPixel(x, y, colour | kAlphaMask);
      if (y % 3 == 1) image->SetPixel(x, y, colour);
    }
  return image;
}

// The reference: each piece by the call its scale names, the image's key flag set to the
// piece's for that call.
void DrawOneByOne(TteBitmap& image, TCanvas& canvas, std::span<const TteBandPiece> pieces) {
  const bool saved = image.KeyFlag();
  for (const TteBandPiece& piece : pieces) {
    image.SetKeyFlag(piece.KeyFlag);
    switch (piece.Scale) {
      case Scale::Unscaled:
        image.Draw(canvas, piece.Dest.Left, piece.Dest.Top, piece.Source);
        break;
      case Scale::Stretch:
        image.Draw(canvas, piece.Dest, piece.Source);
        break;
      case Scale::Tile:
        if (piece.Clip)
          image.TileClip(canvas, piece.Dest, piece.Source, *piece.Clip);
        else
          image.Tile(canvas, piece.Dest, piece.Source);
        break;
    }
  }
  image.SetKeyFlag(saved);
}

struct TCanvasSetup {
  TPoint Origin;
  std::optional<TRect> Clip;  // logical coordinates
};

std::vector<uint32_t> Drawn(TteBitmap& image, std::span<const TteBandPiece> pieces,
                            const TCanvasSetup& setup, bool together) {
  auto target = Varied(64, 40, 99);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 64; ++x) target->SetPixel(x, y, target->Pixels(x, y) | kAlphaMask);
  TCanvas canvas(target->Surface());
  canvas.SetOrigin(setup.Origin);
  if (setup.Clip) canvas.SetClipRect(*setup.Clip);
  if (together)
    image.DrawBand(canvas, pieces);
  else
    DrawOneByOne(image, canvas, pieces);
  return AllPixels(*target);
}

// The three source columns of a nine-part image 14 wide: 3 | 7 | 4.
constexpr std::array<std::pair<int, int>, 3> kSourceColumns{{{0, 3}, {3, 10}, {10, 14}}};

// Source rows 2..6 for every piece, or for the right piece rows one lower or one more
// (then the pieces map rows differently and are no band).
constexpr std::array<std::pair<int, int>, 3> kRightRows{{{2, 6}, {3, 7}, {2, 7}}};

// A band of three pieces side by side from x = 2, the centre `centreWidth` wide, over
// `height` rows from y = 3.
std::array<TteBandPiece, 3> Band(const std::array<Scale, 3>& scales, int centreWidth, int height,
                                 const std::array<bool, 3>& keyFlags,
                                 const std::optional<TRect>& tileClip,
                                 std::pair<int, int> rightRows = kRightRows[0]) {
  std::array<TteBandPiece, 3> band;
  int left = 2;
  for (int k = 0; k < 3; ++k) {
    const auto [sourceLeft, sourceRight] = kSourceColumns[k];
    const int width = k == 1 ? centreWidth : sourceRight - sourceLeft + (k == 0 ? 2 : 0);
    const auto [top, bottom] = k == 2 ? rightRows : kRightRows[0];
    band[k].Source = {sourceLeft, top, sourceRight, bottom};
    band[k].Scale = scales[k];
    band[k].KeyFlag = keyFlags[k];
    // An unscaled piece covers its own size; the next piece starts after it.
    const int drawnWidth = scales[k] == Scale::Unscaled ? sourceRight - sourceLeft : width;
    band[k].Dest = TRect::FromSize(left, 3, drawnWidth, height);
    if (scales[k] == Scale::Tile) band[k].Clip = tileClip;
    left += drawnWidth;
  }
  return band;
}

// Every combination of scales, over equal, enlarged and reduced rows, narrow and wide
// bands, the three ways of combining, and clips that cut the band, with every kernel
// table. Bands form where all pieces map rows alike; the rest is drawn one by one.
TEST(TteBitmapBand, EqualsThePiecesDrawnOneByOne) {
  constexpr std::array<Scale, 3> kScales{Scale::Unscaled, Scale::Stretch, Scale::Tile};
  const std::array<TCanvasSetup, 4> setups{{
      {},
      {{-3, 1}, std::nullopt},
      {{}, TRect{5, 0, 64, 40}},  // cuts into the left piece
      {{}, TRect{0, 6, 14, 12}},  // cuts rows and the centre
  }};
  const std::array<std::optional<TRect>, 2> tileClips{std::nullopt, TRect{0, 4, 64, 11}};
  TRandom random(7);
  for (const TPixelKernels* kernels : AvailableKernels()) {
    const test::TKernelScope scope(kernels);
    for (int combination = 0; combination < 27; ++combination) {
      const std::array<Scale, 3> scales{kScales[combination % 3], kScales[combination / 3 % 3],
                                        kScales[combination / 9]};
      for (const int height : {4, 3, 11, 25}) {
        for (const int centreWidth : {1, 7, 40}) {
          auto image = random.Below(2) ? Varied(14, 9, random.Next()) : Striped(14, 9, 5);
          image->SetAlphaFlag(random.Below(3) != 0);
          const std::array<bool, 3> keys{random.Below(2) == 1, random.Below(2) == 1,
                                         random.Below(2) == 1};
          const auto rightRows = kRightRows[random.Below(4) == 0 ? 1 + random.Below(2) : 0];
          const auto band =
              Band(scales, centreWidth, height, keys, tileClips[random.Below(2)], rightRows);
          const TCanvasSetup& setup = setups[random.Below(setups.size())];
          ASSERT_EQ(Drawn(*image, band, setup, true), Drawn(*image, band, setup, false))
              << kernels->Name << " scales " << combination << " height " << height << " centre "
              << centreWidth;
        }
      }
    }
  }
}

// Pieces that overlap, leave a gap, come right to left or number more than three are no
// band: they are drawn in their order, the later piece over the earlier.
TEST(TteBitmapBand, PiecesThatAreNoBandAreDrawnInTheirOrder) {
  auto image = Varied(14, 9, 3);
  auto stretch = [](TRect dest, TRect source, bool key = false) {
    return TteBandPiece{dest, source, Scale::Stretch, key, std::nullopt};
  };
  const std::vector<std::vector<TteBandPiece>> cases{
      {stretch({2, 2, 12, 8}, {0, 0, 5, 4}), stretch({8, 2, 20, 8}, {5, 0, 14, 4})},
      {stretch({2, 2, 12, 8}, {0, 0, 5, 4}), stretch({13, 2, 20, 8}, {5, 0, 14, 4})},
      {stretch({12, 2, 20, 8}, {5, 0, 14, 4}), stretch({2, 2, 12, 8}, {0, 0, 5, 4})},
      {stretch({2, 2, 6, 8}, {0, 0, 2, 4}), stretch({6, 2, 9, 8}, {2, 0, 5, 4}, true),
       stretch({9, 2, 12, 8}, {5, 0, 8, 4}), stretch({12, 2, 20, 8}, {8, 0, 14, 4})},
  };
  for (const bool alpha : {false, true}) {
    image->SetAlphaFlag(alpha);
    for (const auto& pieces : cases)
      EXPECT_EQ(Drawn(*image, pieces, {}, true), Drawn(*image, pieces, {}, false));
  }
}

// Drawn onto its own pixels, every piece reads what the pieces before it wrote, as the
// single draws do.
TEST(TteBitmapBand, DrawnOntoItselfEachPieceSeesTheOnesBefore) {
  const std::array<TteBandPiece, 3> band{{
      {{4, 1, 7, 5}, {0, 0, 3, 4}, Scale::Unscaled, false, std::nullopt},
      {{7, 1, 10, 5}, {5, 0, 8, 4}, Scale::Unscaled, false, std::nullopt},
      {{10, 1, 13, 5}, {6, 0, 9, 4}, Scale::Unscaled, false, std::nullopt},
  }};
  auto together = Varied(14, 9, 11);
  auto oneByOne = Varied(14, 9, 11);
  {
    TCanvas canvas(together->Surface());
    together->DrawBand(canvas, band);
  }
  {
    TCanvas canvas(oneByOne->Surface());
    DrawOneByOne(*oneByOne, canvas, band);
  }
  EXPECT_EQ(AllPixels(*together), AllPixels(*oneByOne));
}

// A canvas without pixel memory gets the same pieces through its painter.
TEST(TteBitmapBand, PainterCanvasGetsThePiecesOneByOne) {
  auto image = Varied(14, 9, 21);
  const auto band =
      Band({Scale::Stretch, Scale::Tile, Scale::Stretch}, 9, 11, {true, false, true}, std::nullopt);
  auto render = [&](bool together) {
    QImage target(30, 20, QImage::Format_RGB888);
    target.fill(QColor(10, 200, 30));
    TCanvas canvas(target);
    if (together)
      image->DrawBand(canvas, band);
    else
      DrawOneByOne(*image, canvas, band);
    return target;
  };
  const QImage together = render(true);
  EXPECT_EQ(together, render(false));
  EXPECT_NE(together.pixel(5, 6), QColor(10, 200, 30).rgb());
}

}  // namespace
}  // namespace vt
