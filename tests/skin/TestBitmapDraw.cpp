// Drawing: the three pixel routines through every Draw form, origin and clip handling,
// stretch and tile mappings, the painter route, and a golden scene.
#include <QPainter>

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

TEST(TteBitmapDraw, BlendFollowsTheReferenceFormula) {
  auto source = MakeBitmap(4, {0x80FF0000, 0x00123456, 0xFF00FF00, 0x01FFFFFF});
  source->SetAlphaFlag(true);
  auto target = Target(4, 1, kBlue);
  TCanvas canvas(target->Surface());
  source->Draw(canvas, 0, 0);
  // a = 128: red (255*128) >> 8 = 127, blue (255*127) >> 8 = 126; a = 0 keeps the target;
  // a = 255 copies; a = 1: (255*1 + 0*254) >> 8 = 0 and (255*1 + 255*254) >> 8 = 254.
  EXPECT_EQ(RowOf(*target, 0), (std::vector<uint32_t>{0xFF7F007E, kBlue, 0xFF00FF00, 0xFF0000FE}));
}

TEST(TteBitmapDraw, KeyCopyComparesColourOnlyAndMakesOpaque) {
  auto source = MakeBitmap(4, {kKeyPixel, 0xFF7F007F, 0x00123456, 0x807F007E});
  source->SetKeyFlag(true);
  auto target = Target(4, 1, kBlue);
  TCanvas canvas(target->Surface());
  source->Draw(canvas, 0, 0);
  EXPECT_EQ(RowOf(*target, 0), (std::vector<uint32_t>{kBlue, kBlue, 0xFF123456, 0xFF7F007E}));
}

TEST(TteBitmapDraw, PlainCopyCopiesAlphaToo) {
  auto source = MakeBitmap(3, {kKeyPixel, 0x00123456, 0x80FF0000});
  auto target = Target(3, 1, kBlue);
  TCanvas canvas(target->Surface());
  source->Draw(canvas, 0, 0);
  EXPECT_EQ(RowOf(*target, 0), RowOf(*source, 0));
}

TEST(TteBitmapDraw, SourceRectangleOriginAndClip) {
  auto source = Numbered(4, 3);
  auto target = Target(5, 4);
  TCanvas canvas(target->Surface());
  canvas.SetOrigin(TPoint{10, 20});           // logical (11, 21) is device (1, 1)
  canvas.SetClipRect(TRect{10, 20, 13, 30});  // device columns 0..2
  source->Draw(canvas, 11, 21, TRect{1, 1, 4, 3});
  const uint32_t g = kGrey;
  EXPECT_EQ(AllPixels(*target), (std::vector<uint32_t>{g, g,          g,          g, g,  //
                                                       g, 0xFF000101, 0xFF000102, g, g,  //
                                                       g, 0xFF000201, 0xFF000202, g, g,  //
                                                       g, g,          g,          g, g}));
}

TEST(TteBitmapDraw, SourceOutsideTheImageDrawsOnlyTheInside) {
  auto source = Numbered(3, 2);
  auto target = Target(6, 3);
  TCanvas canvas(target->Surface());
  source->Draw(canvas, 0, 0, TRect{-2, -1, 2, 1});  // only image pixels (0,0) and (1,0)
  EXPECT_EQ(RowOf(*target, 0), std::vector<uint32_t>(6, kGrey));
  EXPECT_EQ(RowOf(*target, 1),
            (std::vector<uint32_t>{kGrey, kGrey, 0xFF000000, 0xFF000001, kGrey, kGrey}));
  // Drawing beyond the target on every side is cut, never written outside.
  source->Draw(canvas, -1, 2);
  EXPECT_EQ(RowOf(*target, 2),
            (std::vector<uint32_t>{0xFF000001, 0xFF000002, kGrey, kGrey, kGrey, kGrey}));
  TteBitmap empty;
  empty.Draw(canvas, 0, 0);
}

// Column i of W shows source column ((2i+1) * srcW) / (2W): the source pixel under the
// destination pixel's centre.
TEST(TteBitmapDraw, StretchSamplesAtPixelCentres) {
  auto source = Numbered(7);
  auto target = Target(7, 1);
  TCanvas canvas(target->Surface());
  source->Draw(canvas, TRect{0, 0, 7, 1}, TRect{0, 0, 3, 1});
  EXPECT_EQ(Columns(RowOf(*target, 0)), (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));
  source->Draw(canvas, TRect{0, 0, 3, 1}, TRect{0, 0, 7, 1});
  EXPECT_EQ(Columns(RowOf(*target, 0)), (std::vector<int>{1, 3, 5, 1, 1, 2, 2}));
  source->Draw(canvas, TRect{0, 0, 7, 1}, TRect{2, 0, 4, 1});
  EXPECT_EQ(Columns(RowOf(*target, 0)), (std::vector<int>{2, 2, 2, 3, 3, 3, 3}));
}

TEST(TteBitmapDraw, StretchRowsAndClipKeepTheMapping) {
  auto source = Numbered(2, 3);
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

// An alpha image enlarged downwards: its rows are opaque, half transparent or clear in
// turn, each shown over a run of target rows. Targets exactly as wide as the draw (whose
// rows lie back to back) and wider ones must both get every run, of the right length.
TEST(TteBitmapDraw, EnlargedAlphaRowsCoverTheirRunsInEveryTarget) {
  constexpr uint32_t kRowAlpha[] = {0xFF000000u, 0x80000000u, 0x00000000u};
  struct TCase {
    int SourceRows, DestRows, TargetWidth;
  };
  for (const TCase c : {TCase{1, 7, 5}, TCase{3, 7, 5}, TCase{3, 40, 5}, TCase{4, 67, 9},
                        TCase{6, 398, 17}, TCase{6, 398, 20}}) {
    auto source = std::make_unique<TteBitmap>();
    source->SetSize(5, c.SourceRows);
    for (int y = 0; y < c.SourceRows; ++y)
      for (int x = 0; x < 5; ++x)
        source->SetPixel(x, y, kRowAlpha[y % 3] | uint32_t(40 * x + 7 * y) << 8 | 0x33u);
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

// Wide stretched rows whose ends are soft and whose middle is opaque, once with a soft
// pixel inside and once with clear ends: the soft pixels blend, the others copy, over a
// target whose pixels all differ.
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

TEST(TteBitmapDraw, StretchOfASourcePartlyOutsideSkipsThoseColumns) {
  auto source = Numbered(2);
  auto target = Target(4, 1);
  TCanvas canvas(target->Surface());
  // Four source columns -1..2 over four target columns: only 0 and 1 exist.
  source->Draw(canvas, TRect{0, 0, 4, 1}, TRect{-1, 0, 3, 1});
  EXPECT_EQ(RowOf(*target, 0), (std::vector<uint32_t>{kGrey, 0xFF000000, 0xFF000001, kGrey}));
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
}

TEST(TteBitmapDraw, TilePieceIsCutToTheImage) {
  auto source = Numbered(3);
  auto target = Target(5, 1);
  TCanvas canvas(target->Surface());
  source->Tile(canvas, TRect{0, 0, 5, 1}, TRect{1, 0, 9, 1});  // columns 1, 2
  EXPECT_EQ(Columns(RowOf(*target, 0)), (std::vector<int>{1, 2, 1, 2, 1}));
  source->Tile(canvas, TRect{0, 0, 5, 1}, TRect{5, 0, 9, 1});  // nothing of the image
  EXPECT_EQ(Columns(RowOf(*target, 0)), (std::vector<int>{1, 2, 1, 2, 1}));
}

TEST(TteBitmapDraw, HugeRectanglesFromFilesAreHarmless) {
  auto source = Numbered(3, 3);
  auto target = Target(4, 4);
  TCanvas canvas(target->Surface());
  // Stretching over more than 2^30 pixels is refused; unscaled draws and tiles just
  // draw their visible part.
  source->Draw(canvas, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
               TRect{INT32_MIN, 0, INT32_MAX, 3});
  source->Draw(canvas, TRect{0, 0, 4, 4}, TRect{0, 0, (1 << 30) + 1, 3});
  source->Draw(canvas, INT32_MAX, INT32_MAX, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_EQ(AllPixels(*target), std::vector<uint32_t>(16, kGrey));
  // Source and destination both start at INT32_MIN: the image lands at (0, 0).
  source->Draw(canvas, INT32_MIN, INT32_MIN, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_EQ(target->Pixels(2, 2), 0xFF000202u);
  EXPECT_EQ(target->Pixels(3, 3), kGrey);
  source->Tile(canvas, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, TRect{0, 0, 1, 1});
  EXPECT_EQ(AllPixels(*target), std::vector<uint32_t>(16, 0xFF000000u));
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

TEST(TteBitmapDraw, QImageCanvasOfThirtyTwoBitsIsWrittenInMemory) {
  auto source = MakeBitmap(2, {0x80FF0000, kKeyPixel});
  source->SetAlphaFlag(true);
  QImage image(2, 1, QImage::Format_ARGB32);
  image.fill(kBlue);
  TCanvas canvas(image);
  source->Draw(canvas, 0, 0);
  EXPECT_EQ(image.pixel(0, 0), 0xFF7F007Eu);
  EXPECT_EQ(image.pixel(1, 0), kBlue);
}

// Other targets go through QPainter: copy and key copy stay exact, blending is Qt's
// (straight alpha over the target) and may differ by rounding.
TEST(TteBitmapDraw, PainterTargetsGetTheSameThreeChoices) {
  auto source = MakeBitmap(3, {kKeyPixel, 0x00123456, 0x80FF0000});
  QImage image(5, 2, QImage::Format_RGB888);
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

// A small scene of every draw form, reviewed by eye: a checker background, an alpha
// disc blended unscaled and stretched, a keyed arrow tiled and clipped.
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

}  // namespace
}  // namespace vt
