#include <gtest/gtest.h>

#include "rtl/Graphics.h"

using namespace vt;

TEST(Colors, TextFormsPixelsAndCharsetIdentifiers) {
  EXPECT_EQ(ColorToString(0x00123456), "$00123456");
  EXPECT_EQ(ColorToString(MakeSysColor(25)), "$FF000019");
  for (const std::string& name : ColorIdents()) {
    // Aliases are not in the list, so every identifier is its value's first name.
    EXPECT_EQ(ColorToString(StringToColor(name)), name);
  }
  // Reading accepts identifiers, hex and decimal.
  EXPECT_EQ(StringToColor("clwindowtext"), clWindowText);
  EXPECT_EQ(StringToColor("$00FF8000"), 0x00FF8000);
  EXPECT_EQ(StringToColor("$FF00000F"), clBtnFace);
  EXPECT_EQ(StringToColor("255"), 255);
  EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
  for (const char* bad : {"", "$", "clNothing", "12x", "$1FFFFFFFF", "99999999999"})
    EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
  // Pixels are opaque BGRA of the resolved colour.
  EXPECT_EQ(ColorToPixel(RGB(1, 2, 3)), 0xFF010203u);
  EXPECT_EQ(PixelToColor(0x12345678u), RGB(0x34, 0x56, 0x78));
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_FALSE(IsSysColor(face));
  EXPECT_EQ(ColorToPixel(clBtnFace) & 0x00FFFFFF, ColorToPixel(face) & 0x00FFFFFF);
  EXPECT_EQ(ColorToRGB(clNone), 0);
  // Charsets: identifiers both ways.
  EXPECT_EQ(CharsetToIdent(DEFAULT_CHARSET), "DEFAULT_CHARSET");
  EXPECT_EQ(CharsetToIdent(RUSSIAN_CHARSET), "RUSSIAN_CHARSET");
  EXPECT_EQ(CharsetToIdent(3), std::nullopt);
  EXPECT_EQ(IdentToCharset("easteurope_charset"), 238);
  // Font assignment copies everything and notifies once.
  TFont a, b;
  int changes = 0;
  b.OnChange = [&](TFont&) { ++changes; };
  a.SetName("Verdana");
  a.SetSize(12);
  a.SetColor(clRed);
  a.SetStyle({TFontStyle::fsBold, TFontStyle::fsStrikeOut});
  a.SetPitch(TFontPitch::fpFixed);
  a.SetCharset(GREEK_CHARSET);
  b.Assign(a);
  EXPECT_TRUE(a == b);
  EXPECT_EQ(changes, 1);
  b.Assign(a);
  EXPECT_EQ(changes, 1);
  b.SetColor(clRed);
  EXPECT_EQ(changes, 1);
  b.SetColor(clBlue);
  EXPECT_EQ(changes, 2);
  // The Qt font follows the style and the pixel height (12 points are 16 pixels at 96 dpi).
  EXPECT_EQ(HeightToPoints(PointsToHeight(9)), 9);
  const QFont q = a.ToQFont();
  EXPECT_EQ(q.pixelSize(), 16);
  EXPECT_TRUE(q.bold());
  EXPECT_TRUE(q.strikeOut());
  EXPECT_FALSE(q.italic());
  EXPECT_EQ(q.family(), "Verdana");
}
