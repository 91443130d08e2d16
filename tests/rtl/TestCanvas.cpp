#include <gtest/gtest.h>

#include <vector>

#include "rtl/Canvas.h"

using namespace vt;

namespace {

struct TPixels {
  TPixels(int w, int h, uint32_t fill = 0) : W(w), H(h), Data(size_t(w) * h, fill) {}
  TPixelSurface Surface() { return {Data.data(), W, H, W}; }
  uint32_t At(int x, int y) const { return Data[size_t(y) * W + x]; }
  int W, H;
  std::vector<uint32_t> Data;
};

int CountNot(const TPixels& p, uint32_t value, const TRect& area) {
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += p.At(x, y) != value;
  return n;
}

}  // namespace

TEST(Canvas, FillsFramesClipsOriginsLinesAndXor) {
  TPixels p(4, 4, 0x11223344);
  TCanvas c(p.Surface());
  c.FillRect({0, 0, 2, 4}, RGB(1, 2, 3));
  c.FillRect({2, 0, 4, 4}, kKeyColor);
  EXPECT_EQ(p.At(0, 0), 0xFF010203u);
  EXPECT_EQ(p.At(3, 3), kKeyPixel);
  c.FillRect({0, 0, 4, 4}, clNone);
  EXPECT_EQ(p.At(0, 0), 0xFF010203u);
  // A frame draws only the border.
  TPixels framed(5, 5);
  TCanvas f(framed.Surface());
  f.FrameRect({0, 0, 5, 5}, clWhite);
  EXPECT_EQ(CountNot(framed, 0, {0, 0, 5, 5}), 16);
  EXPECT_EQ(framed.At(2, 2), 0u);
  // Images without pixel memory go through the painter.
  QImage img(4, 4, QImage::Format_RGB16);
  img.fill(Qt::black);
  {
    TCanvas painted(img);
    EXPECT_EQ(painted.Surface(), nullptr);
    painted.FillRect({1, 1, 3, 3}, clWhite);
  }
  EXPECT_EQ(img.pixel(1, 1), 0xFFFFFFFFu);
  EXPECT_EQ(img.pixel(0, 0), 0xFF000000u);
  // The origin and the clip rectangle limit drawing.
  TPixels clip(8, 8);
  TCanvas clipped(clip.Surface());
  clipped.SetOrigin({10, 20});  // logical (10, 20) is device (0, 0)
  clipped.SetClipRect(TRect{10, 20, 14, 22});
  clipped.FillRect({0, 0, 100, 100}, clWhite);
  EXPECT_EQ(CountNot(clip, 0, {0, 0, 8, 8}), 4 * 2);
  EXPECT_EQ(clip.At(3, 1), 0xFFFFFFFFu);
  EXPECT_EQ(clip.At(4, 1), 0u);
  // Lines leave out the end point, and XOR undoes itself.
  TPixels line(6, 3, 0xFF102030);
  TCanvas lined(line.Surface());
  lined.PenColor = RGB(0xFF, 0, 0);
  lined.MoveTo(0, 1);
  lined.LineTo(5, 1);
  EXPECT_EQ(line.At(4, 1), 0xFFFF0000u);
  EXPECT_EQ(line.At(5, 1), 0xFF102030u);
  TPixels q(6, 1, 0x80102030);
  TCanvas x(q.Surface());
  x.PenMode = TPenMode::pmXor;
  x.PenStyle = TPenStyle::psDot;
  x.PenColor = clWhite;
  x.MoveTo(0, 0);
  x.LineTo(6, 0);
  EXPECT_EQ(q.At(0, 0), 0x80EFDFCFu);  // colour flipped, alpha kept
  EXPECT_EQ(q.At(1, 0), 0x80102030u);  // dotted: every second pixel
  x.MoveTo(0, 0);
  x.LineTo(6, 0);
  EXPECT_EQ(q.At(0, 0), 0x80102030u);
}

// Each draw's ink is opaque in full in every font, not only where an earlier font inked.
TEST(Canvas, TextInEveryFontIsOpaqueWhereverItInks) {
  struct TFontCase {
    int Height;
    bool Bold, Italic;
  };
  for (const TFontCase f : {TFontCase{-9, false, false}, TFontCase{-20, false, false},
                            TFontCase{-20, true, false}, TFontCase{-20, false, true}}) {
    TPixels p(140, 40, kKeyPixel);
    TCanvas c(p.Surface());
    c.Font().SetColor(clBlack);
    c.Font().SetHeight(f.Height);
    TFontStyles style;
    if (f.Bold) style.Include(TFontStyle::fsBold);
    if (f.Italic) style.Include(TFontStyle::fsItalic);
    c.Font().SetStyle(style);
    TRect r{2, 2, 138, 38};
    c.DrawText("Sample", r, dtCenter | dtVCenter | dtSingleLine);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 140; ++x)
        if (p.At(x, y) != kKeyPixel) {
          ASSERT_EQ(p.At(x, y) >> 24, 0xFFu) << f.Height << " " << x;
        }
  }
  // Text stays inside its rectangle; alignment and ellipsis place it.
  auto inkBounds = [](const TPixels& p, uint32_t background = 0) {
    TRect b{p.W, p.H, 0, 0};
    for (int y = 0; y < p.H; ++y)
      for (int x = 0; x < p.W; ++x)
        if (p.At(x, y) != background) {
          b.Left = std::min(b.Left, x);
          b.Top = std::min(b.Top, y);
          b.Right = std::max(b.Right, x + 1);
          b.Bottom = std::max(b.Bottom, y + 1);
        }
    return b;
  };
  TPixels left(60, 20, kKeyPixel);
  {
    TCanvas c(left.Surface());
    c.Font().SetColor(clBlack);
    TRect r{5, 2, 55, 18};
    c.DrawText("Sample", r, dtLeft | dtVCenter | dtSingleLine);
  }
  const TRect lb = inkBounds(left, kKeyPixel);
  EXPECT_TRUE(lb.Left >= 5 && lb.Top >= 2 && lb.Bottom <= 18 && lb.Right <= 55 && lb.Width() > 20);
  TPixels right(100, 30);
  {
    TCanvas c(right.Surface());
    TRect r{0, 0, 100, 30};
    c.DrawText("Sample", r, dtRight | dtBottom | dtSingleLine);
  }
  const TRect rb = inkBounds(right);
  EXPECT_GE(rb.Left, 100 - 37);
  EXPECT_GE(rb.Top, 30 - 14);

  TPixels clipped(30, 14);
  TCanvas c(clipped.Surface());
  TRect r{0, 0, 30, 14};
  c.DrawText("A rather long caption", r, dtLeft | dtSingleLine | dtEndEllipsis);
  EXPECT_LE(inkBounds(clipped).Right, 30);
  // The free Tahoma measures 36 pixels here at 96 dpi; a substituted face would be wider.
  TRect calc{3, 4, 3, 4};
  c.DrawText("Sample", calc, dtCalcRect);
  EXPECT_EQ(calc.Width(), 36);
  EXPECT_EQ(calc.Left, 3);
  EXPECT_EQ(c.TextWidth("Sample"), 36);
  EXPECT_EQ(ScreenTextExtent(c.Font(), "Sample").width(), 36);
}

// A canvas keeps the Qt font of its last text: a changed font must be drawn as a fresh
// canvas draws it, and ink over partly transparent pixels leaves the uninked ones alone.
TEST(Canvas, TextFollowsFontChangesAndLeavesUninkedPixelsAlone) {
  auto draw = [](TPixels& p, TCanvas& c, int height, int top) {
    c.Font().SetHeight(height);
    c.Font().SetStyle(height < -12 ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
    TRect r{0, top, p.W, top + 30};
    c.DrawText("Sample text", r, dtCenter | dtVCenter | dtSingleLine);
  };
  TPixels reused(140, 60, kKeyPixel), fresh(140, 60, kKeyPixel);
  for (int y = 0; y < 60; ++y)  // the left half opaque, the right half the key
    for (int x = 0; x < 70; ++x)
      reused.Data[size_t(y) * 140 + x] = fresh.Data[size_t(y) * 140 + x] = 0xFFFFFFFFu;
  TCanvas reusedCanvas(reused.Surface()), freshCanvas(fresh.Surface());
  draw(reused, reusedCanvas, -9, 0);
  draw(reused, reusedCanvas, -20, 30);
  draw(fresh, freshCanvas, -20, 30);
  for (int y = 30; y < 60; ++y)
    for (int x = 0; x < 140; ++x) ASSERT_EQ(reused.At(x, y), fresh.At(x, y)) << x << "," << y;
  EXPECT_GT(CountNot(fresh, kKeyPixel, {70, 30, 140, 60}), 20);  // ink on the key half
  // Uninked key pixels stay the key: most of the key half, though the text's box covers it.
  EXPECT_LT(CountNot(fresh, kKeyPixel, {70, 30, 140, 60}), 70 * 30 / 2);
}
