// The pixel routines through every Draw form, clips, stretch and tile, painter, bands.
#include <QPainter>

#include <array>
#include <span>

#include "TestBitmapUtil.h"

namespace vt {
namespace {

using test::AllPixels;
using test::MakeBitmap;
using test::RowOf;

constexpr uint32_t kBlue = 0xFF0000FF, kGrey = 0xFF808080;

std::unique_ptr<TteBitmap> Target(int width, int height, uint32_t fill = kGrey) {
  auto target = std::make_unique<TteBitmap>();
  target->SetSize(width, height);
  target->FillColor(fill);
  return target;
}

// One pixel index per source column so that the mapping can be read from the target.
std::unique_ptr<TteBitmap> Numbered(int width, int height = 1) {
  auto bitmap = std::make_unique<TteBitmap>();
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, 0xFF000000u | (y << 8) | x);
  return bitmap;
}

std::vector<int> Columns(const std::vector<uint32_t>& row) {
  std::vector<int> columns;
  for (uint32_t p : row) columns.push_back(int(p & 0xFF));
  return columns;
}

// The flags choose blend, key copy (result opaque) or plain copy (alpha included).
TEST(TteBitmapDraw, TheFlagsChooseBlendKeyCopyOrPlainCopy) {
  const auto drawn = [](bool alpha, bool key, const std::vector<uint32_t>& pixels) {
    auto source = MakeBitmap(4, pixels);
    source->SetAlphaFlag(alpha);
    source->SetKeyFlag(key);
    auto target = Target(4, 1, kBlue);
    TCanvas canvas(target->Surface());
    source->Draw(canvas, 0, 0);
    return RowOf(*target, 0);
  };
  // a = 128: red (255*128) >> 8 = 127, blue (255*127) >> 8 = 126; a = 0 keeps the
  // target; a = 255 copies; a = 1: (255*1 + 0*254) >> 8 = 0, (255*1 + 255*254) >> 8 = 254.
  EXPECT_EQ(drawn(true, false, {0x80FF0000, 0x00123456, 0xFF00FF00, 0x01FFFFFF}),
            (std::vector<uint32_t>{0xFF7F007E, kBlue, 0xFF00FF00, 0xFF0000FE}));
  EXPECT_EQ(drawn(false, true, {kKeyPixel, 0xFF7F007F, 0x00123456, 0x807F007E}),
            (std::vector<uint32_t>{kBlue, kBlue, 0xFF123456, 0xFF7F007E}));
  const std::vector<uint32_t> plain{kKeyPixel, 0x00123456, 0x80FF0000, 0xFF000001};
  EXPECT_EQ(drawn(false, false, plain), plain);
}

// Unscaled draws write only what the source rectangle, the clip and the target all hold.
TEST(TteBitmapDraw, UnscaledDrawsAreCutToTheSourceTheClipAndTheTarget) {
  const uint32_t g = kGrey;
  auto source = Numbered(4, 3);
  {
    SCOPED_TRACE("source rectangle, origin and clip");
    auto target = Target(5, 4);
    TCanvas canvas(target->Surface());
    canvas.SetOrigin(TPoint{10, 20});           // logical (11, 21) is device (1, 1)
    canvas.SetClipRect(TRect{10, 20, 13, 30});  // device columns 0..2
    source->Draw(canvas, 11, 21, TRect{1, 1, 4, 3});
    EXPECT_EQ(AllPixels(*target), (std::vector<uint32_t>{g, g,          g,          g, g,  //
                                                         g, 0xFF000101, 0xFF000102, g, g,  //
                                                         g, 0xFF000201, 0xFF000202, g, g,  //
                                                         g, g,          g,          g, g}));
  }
  {
    SCOPED_TRACE("a source partly outside the image and draws beyond the target");
    auto target = Target(6, 3);
    TCanvas canvas(target->Surface());
    source->Draw(canvas, 0, 0, TRect{-2, -1, 2, 1});  // only image pixels (0,0) and (1,0)
    EXPECT_EQ(RowOf(*target, 0), std::vector<uint32_t>(6, g));
    EXPECT_EQ(RowOf(*target, 1), (std::vector<uint32_t>{g, g, 0xFF000000, 0xFF000001, g, g}));
    source->Draw(canvas, -1, 2);
    EXPECT_EQ(RowOf(*target, 2),
              (std::vector<uint32_t>{0xFF000001, 0xFF000002, 0xFF000003, g, g, g}));
    TteBitmap empty;
    empty.Draw(canvas, 0, 0);
  }
  SCOPED_TRACE("huge rectangles from files");
  auto target = Target(4, 4);
  TCanvas canvas(target->Surface());
  // Stretching over more than 2^30 pixels is refused; unscaled draws and tiles just
  // draw their visible part.
  source->Draw(canvas, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
               TRect{INT32_MIN, 0, INT32_MAX, 3});
  source->Draw(canvas, TRect{0, 0, 4, 4}, TRect{0, 0, (1 << 30) + 1, 3});
  source->Draw(canvas, INT32_MAX, INT32_MAX, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_EQ(AllPixels(*target), std::vector<uint32_t>(16, g));
  // Source and destination both start at INT32_MIN: the image lands at (0, 0).
  source->Draw(canvas, INT32_MIN, INT32_MIN, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_EQ(target->Pixels(2, 2), 0xFF000202u);
  EXPECT_EQ(target->Pixels(3, 3), g);
  source->Tile(canvas, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, TRect{0, 0, 1, 1});
  EXPECT_EQ(AllPixels(*target), std::vector<uint32_t>(16, 0xFF000000u));
}

// Column i of W shows source column ((2i+1) * srcW) / (2W): sampled at pixel centres.
TEST(TteBitmapDraw, StretchSamplesAtPixelCentresInRowsAndColumnsAndUnderAClip) {
  auto source = Numbered(7);
  auto target = Target(7, 1);
  TCanvas canvas(target->Surface());
  source->Draw(canvas, TRect{0, 0, 7, 1}, TRect{0, 0, 3, 1});
  EXPECT_EQ(Columns(RowOf(*target, 0)), (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));
  source->Draw(canvas, TRect{0, 0, 3, 1}, TRect{0, 0, 7, 1});
  EXPECT_EQ(Columns(RowOf(*target, 0)), (std::vector<int>{1, 3, 5, 1, 1, 2, 2}));
  source->Draw(canvas, TRect{0, 0, 7, 1}, TRect{2, 0, 4, 1});
  EXPECT_EQ(Columns(RowOf(*target, 0)), (std::vector<int>{2, 2, 2, 3, 3, 3, 3}));
  auto wide = Target(21, 1);  // stretched four times or more: filled as runs
  TCanvas wideCanvas(wide->Surface());
  source->Draw(wideCanvas, TRect{0, 0, 21, 1}, TRect{2, 0, 4, 1});
  std::vector<int> runs(10, 2);
  runs.resize(21, 3);
  EXPECT_EQ(Columns(RowOf(*wide, 0)), runs);
  // Four source columns -1..2 over four target columns: only 0 and 1 exist.
  auto two = Numbered(2);
  auto small = Target(4, 1);
  TCanvas smallCanvas(small->Surface());
  two->Draw(smallCanvas, TRect{0, 0, 4, 1}, TRect{-1, 0, 3, 1});
  EXPECT_EQ(RowOf(*small, 0), (std::vector<uint32_t>{kGrey, 0xFF000000, 0xFF000001, kGrey}));
  // Rows map the same way.
  source = Numbered(2, 3);
  auto full = Target(5, 7);
  TCanvas fullCanvas(full->Surface());
  source->Draw(fullCanvas, TRect{0, 0, 5, 7}, TRect{0, 0, 2, 3});
  std::vector<int> rows;
  for (int y = 0; y < 7; ++y) rows.push_back(int(full->Pixels(0, y) >> 8) & 0xFF);
  EXPECT_EQ(rows, (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));
  // A clipped draw writes exactly the clipped part of the unclipped one.
  auto clipped = Target(5, 7);
  TCanvas clippedCanvas(clipped->Surface());
  clippedCanvas.SetClipRect(TRect{1, 2, 4, 6});
  source->Draw(clippedCanvas, TRect{0, 0, 5, 7}, TRect{0, 0, 2, 3});
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 5; ++x) {
      const bool inside = x >= 1 && x < 4 && y >= 2 && y < 6;
      EXPECT_EQ(clipped->Pixels(x, y), inside ? full->Pixels(x, y) : kGrey) << x << "," << y;
    }
}

// Enlarged alpha rows cover runs of the right length, in targets as wide as the draw or wider;
// opaque rows that follow one another each show their own pixels.
TEST(TteBitmapDraw, EnlargedAlphaRowsCoverTheirRunsInEveryTarget) {
  constexpr uint32_t kRowAlpha[] = {0xFF000000u, 0xFF000000u, 0x80000000u, 0x00000000u};
  struct TCase {
    int SourceRows, DestRows, TargetWidth;
  };
  for (const TCase c : {TCase{1, 7, 5}, TCase{3, 7, 5}, TCase{3, 40, 5}, TCase{4, 67, 9},
                        TCase{6, 398, 17}, TCase{6, 398, 20}}) {
    auto source = std::make_unique<TteBitmap>();
    source->SetSize(5, c.SourceRows);
    for (int y = 0; y < c.SourceRows; ++y)
      for (int x = 0; x < 5; ++x)
        source->SetPixel(x, y, kRowAlpha[y % 4] | uint32_t(40 * x + 7 * y) << 8 | 0x33u);
    source->CheckAlpha();
    const int drawWidth = c.TargetWidth == 20 ? 17 : c.TargetWidth;
    auto target = Target(c.TargetWidth, c.DestRows);
    TCanvas canvas(target->Surface());
    source->Draw(canvas, TRect{0, 0, drawWidth, c.DestRows}, TRect{0, 0, 5, c.SourceRows});
    for (int y = 0; y < c.DestRows; ++y)
      for (int x = 0; x < c.TargetWidth; ++x) {
        const int sx = (2 * x + 1) * 5 / (2 * drawWidth);
        const int sy = (2 * y + 1) * c.SourceRows / (2 * c.DestRows);
        const uint32_t expected = x < drawWidth ? BlendPixel(kGrey, source->Pixels(sx, sy)) : kGrey;
        ASSERT_EQ(target->Pixels(x, y), expected)
            << c.SourceRows << " to " << c.DestRows << " at " << x << "," << y;
      }
  }
}

// Wide stretched rows with soft or clear ends: exactly the soft pixels blend, the rest copy.
TEST(TteBitmapDraw, WideRowsWithSoftEndsBlendExactlyTheSoftPixels) {
  auto source = std::make_unique<TteBitmap>();
  source->SetSize(100, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool end = x < 3 || x >= 97;
      uint32_t alpha = end ? 0x80000000u : 0xFF000000u;
      if (y == 1 && x == 50) alpha = 0x40000000u;
      if (y == 2 && end) alpha = x == 2 ? 0x80000000u : 0;
      source->SetPixel(x, y, alpha | uint32_t(x * 2 + y * 50) << 8 | 0x11u);
    }
  source->CheckAlpha();
  auto target = Target(160, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 160; ++x) target->SetPixel(x, y, 0xFF000000u | uint32_t(x * 97 + y * 31));
  const auto background = AllPixels(*target);
  TCanvas canvas(target->Surface());
  source->Draw(canvas, TRect{5, 1, 155, 8}, TRect{0, 0, 100, 3});
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 160; ++x) {
      uint32_t expected = background[size_t(y * 160 + x)];
      if (x >= 5 && x < 155 && y >= 1 && y < 8)
        expected = BlendPixel(
            expected, source->Pixels((2 * (x - 5) + 1) * 100 / 300, (2 * (y - 1) + 1) * 3 / 14));
      ASSERT_EQ(target->Pixels(x, y), expected) << x << "," << y;
    }
}

TEST(TteBitmapDraw, TileRepeatsFromTheTopLeftAndCutsAtEdges) {
  auto source = Numbered(4, 3);
  auto target = Target(6, 4);
  TCanvas canvas(target->Surface());
  source->Tile(canvas, TRect{1, 0, 6, 3}, TRect{1, 1, 3, 3});  // a 2 x 2 piece
  const uint32_t g = kGrey, a = 0xFF000101, b = 0xFF000102, c = 0xFF000201, d = 0xFF000202;
  EXPECT_EQ(AllPixels(*target), (std::vector<uint32_t>{g, a, b, a, b, a,  //
                                                       g, c, d, c, d, c,  //
                                                       g, a, b, a, b, a,  //
                                                       g, g, g, g, g, g}));
  // TileClip keeps the phase of the destination's corner.
  auto clipped = Target(6, 4);
  TCanvas clippedCanvas(clipped->Surface());
  source->TileClip(clippedCanvas, TRect{1, 0, 6, 3}, TRect{1, 1, 3, 3}, TRect{2, 1, 5, 10});
  EXPECT_EQ(AllPixels(*clipped), (std::vector<uint32_t>{g, g, g, g, g, g,  //
                                                        g, g, d, c, d, g,  //
                                                        g, g, b, a, b, g,  //
                                                        g, g, g, g, g, g}));
  // The piece is cut to the image: columns 1 and 2 of three, then nothing of it.
  auto three = Numbered(3);
  auto row = Target(5, 1);
  TCanvas rowCanvas(row->Surface());
  three->Tile(rowCanvas, TRect{0, 0, 5, 1}, TRect{1, 0, 9, 1});
  three->Tile(rowCanvas, TRect{0, 0, 5, 1}, TRect{5, 0, 9, 1});
  EXPECT_EQ(Columns(RowOf(*row, 0)), (std::vector<int>{1, 2, 1, 2, 1}));
}

TEST(TteBitmapDraw, DrawingOntoItselfReadsTheOriginal) {
  auto bitmap = Numbered(4, 4);
  auto expected = Numbered(4, 4);
  auto original = Numbered(4, 4);
  TCanvas expectedCanvas(expected->Surface());
  original->Draw(expectedCanvas, 1, 1);
  TCanvas canvas(bitmap->Surface());
  bitmap->Draw(canvas, 1, 1);
  EXPECT_EQ(AllPixels(*bitmap), AllPixels(*expected));
}

TEST(TteBitmapDraw, ThirtyTwoBitImagesAreWrittenInMemoryOthersGetTheChoicesThroughAPainter) {
  auto source = MakeBitmap(2, {0x80FF0000, kKeyPixel});
  source->SetAlphaFlag(true);
  QImage image(2, 1, QImage::Format_ARGB32);
  image.fill(kBlue);
  TCanvas canvas(image);
  source->Draw(canvas, 0, 0);
  EXPECT_EQ(image.pixel(0, 0), 0xFF7F007Eu);
  EXPECT_EQ(image.pixel(1, 0), kBlue);

  // Through QPainter copies stay exact; Qt blends (straight alpha) within rounding.
  source = MakeBitmap(3, {kKeyPixel, 0x00123456, 0x80FF0000});
  image = QImage(5, 2, QImage::Format_RGB888);
  const auto rowOf = [&image](int y) {
    std::vector<uint32_t> row;
    for (int x = 0; x < image.width(); ++x) row.push_back(image.pixel(x, y));
    return row;
  };
  {
    image.fill(QColor(0, 0, 255));
    TCanvas canvas(image);
    canvas.SetOrigin(TPoint{-1, 0});
    source->Draw(canvas, 0, 0);  // copy: opaque, key included
    source->SetKeyFlag(true);
    source->Draw(canvas, 0, 1);  // key copy
  }
  EXPECT_EQ(rowOf(0), (std::vector<uint32_t>{kBlue, 0xFF7F007F, 0xFF123456, 0xFFFF0000, kBlue}));
  EXPECT_EQ(rowOf(1), (std::vector<uint32_t>{kBlue, kBlue, 0xFF123456, 0xFFFF0000, kBlue}));
  {
    image.fill(QColor(0, 0, 255));
    source->SetAlphaFlag(true);
    TCanvas canvas(image);
    source->Draw(canvas, TRect{0, 0, 6, 1}, TRect{0, 0, 3, 1});  // stretched x2, cut at 5
  }
  const std::vector<uint32_t> blended = rowOf(0);
  EXPECT_EQ(blended[0], kBlue);
  EXPECT_EQ(blended[3], kBlue);
  EXPECT_NEAR(qRed(blended[4]), 127, 1);
  EXPECT_NEAR(qBlue(blended[4]), 126, 1);
}

// Every draw form on a checker, reviewed by eye: alpha disc, keyed arrow tiled and clipped.
TEST(TteBitmapDraw, GoldenScene) {
  TteBitmap disc;
  disc.SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const int d2 = (2 * x - 7) * (2 * x - 7) + (2 * y - 7) * (2 * y - 7);
      const uint32_t alpha = d2 > 64 ? 0 : d2 > 36 ? 0x80 : 0xFF;
      disc.SetPixel(x, y, alpha << 24 | 0x00E04020u);
    }
  disc.CheckAlpha();
  auto arrow = MakeBitmap(4, {0xFF2060C0, kKeyPixel, kKeyPixel, kKeyPixel,    //
                              0xFF2060C0, 0xFF2060C0, kKeyPixel, kKeyPixel,   //
                              0xFF2060C0, 0xFF2060C0, 0xFF2060C0, kKeyPixel,  //
                              0xFF2060C0, 0xFF2060C0, kKeyPixel, kKeyPixel});
  arrow->SetKeyFlag(true);

  auto scene = Target(40, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 40; ++x)
      scene->SetPixel(x, y, ((x / 4 + y / 4) % 2) ? 0xFFF0F0F0 : 0xFFC8C8C8);
  TCanvas canvas(scene->Surface());
  disc.Draw(canvas, 1, 1);
  disc.Draw(canvas, TRect{10, 1, 30, 13}, TRect{0, 0, 8, 8});
  arrow->Tile(canvas, TRect{1, 14, 20, 23}, TRect{0, 0, 4, 4});
  arrow->TileClip(canvas, TRect{21, 14, 39, 23}, TRect{0, 0, 4, 4}, TRect{23, 16, 37, 21});
  disc.Draw(canvas, TRect{31, 1, 37, 7}, TRect{0, 0, 8, 8});
  test::ExpectGolden(scene->ToImage(), "bitmap/draw-forms");
}

// Bands: pieces drawn together give exactly the pixels of drawing them one by one.

using test::TRandom;
using Scale = TteBandPiece::TScale;

// Clear, opaque, partly transparent pixels and the key colour with either alpha.
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

// The reference: each piece by its own call, with the piece's key flag.
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

// Right piece rows equal, one lower or one more (the latter two are no band).
constexpr std::array<std::pair<int, int>, 3> kRightRows{{{2, 6}, {3, 7}, {2, 7}}};

// Three pieces side by side from (2, 3), the centre `centreWidth` wide, `height` rows.
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

// Every scale combination, row mapping, band width, clip and kernel table.
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

// Overlapping, gapped, reversed or four pieces are no band: drawn in their order.
// Drawn onto itself or through a painter, a band is drawn piece by piece too.
TEST(TteBitmapBand, NoBandsOwnPixelsAndPaintersGetThePiecesOneByOneInTheirOrder) {
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
  // Onto its own pixels, each piece reads what the pieces before it wrote.
  const std::array<TteBandPiece, 3> ontoItself{{
      {{4, 1, 7, 5}, {0, 0, 3, 4}, Scale::Unscaled, false, std::nullopt},
      {{7, 1, 10, 5}, {5, 0, 8, 4}, Scale::Unscaled, false, std::nullopt},
      {{10, 1, 13, 5}, {6, 0, 9, 4}, Scale::Unscaled, false, std::nullopt},
  }};
  auto together = Varied(14, 9, 11);
  auto oneByOne = Varied(14, 9, 11);
  {
    TCanvas canvas(together->Surface());
    together->DrawBand(canvas, ontoItself);
  }
  {
    TCanvas canvas(oneByOne->Surface());
    DrawOneByOne(*oneByOne, canvas, ontoItself);
  }
  EXPECT_EQ(AllPixels(*together), AllPixels(*oneByOne));
  // A canvas without pixel memory gets the same pieces through its painter.
  const auto band =
      Band({Scale::Stretch, Scale::Tile, Scale::Stretch}, 9, 11, {true, false, true}, std::nullopt);
  image->SetAlphaFlag(false);
  auto render = [&](bool asBand) {
    QImage target(30, 20, QImage::Format_RGB888);
    target.fill(QColor(10, 200, 30));
    TCanvas canvas(target);
    if (asBand)
      image->DrawBand(canvas, band);
    else
      DrawOneByOne(*image, canvas, band);
    return target;
  };
  const QImage painted = render(true);
  EXPECT_EQ(painted, render(false));
  EXPECT_NE(painted.pixel(5, 6), QColor(10, 200, 30).rgb());
}

}  // namespace
}  // namespace vt
