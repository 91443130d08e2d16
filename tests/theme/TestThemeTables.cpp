// The theme's tables: exact, never cumulative shifts, the system colour lookup, assignment,
// and the font and colour text forms the skin files store.
#include <gtest/gtest.h>

#include "skin/te_bitmap.h"
#include "theme/te_theme.h"
#include "theme/te_thememanager.h"

namespace vt {
namespace {

constexpr TColor kBlue = 0x00FF0000, kGreen = 0x0000FF00, kRed = 0x000000FF;

class TBigFontTheme : public TteTheme {
 public:
  void GetFont(TFont& font, int index, const std::string& objectName) override {
    TteTheme::GetFont(font, index, objectName);
    if (objectName == "big") font.SetSize(20);
  }
};

TEST(ThemeTables, IndicesDeltasSystemColourLookupAndAssign) {
  TteTheme theme;
  // Indices come from files: out of range is an error, not a write past the table.
  EXPECT_THROW(theme.Colors().SetColor(22, 0), Exception);
  EXPECT_THROW(theme.Colors().GetColor(-1), Exception);
  EXPECT_THROW(theme.SysColors().SetColor(26, 0), Exception);
  EXPECT_THROW(theme.Fonts().Font(66), Exception);
  EXPECT_THROW(TteThemeColors::ColorName(255), Exception);
  // Deltas shift every table from its defaults, not cumulatively.
  theme.SetDeltaHue(85);
  EXPECT_EQ(theme.Colors().GetColor(ciCaptionNormal), kRed);  // blue + 120 degrees
  theme.SetDeltaHue(170);
  EXPECT_EQ(theme.Colors().GetColor(ciCaptionNormal), kGreen);  // from blue, not from red
  theme.SetDeltaHue(0);
  EXPECT_EQ(theme.Colors().GetColor(ciCaptionNormal), kBlue);
  EXPECT_EQ(theme.Colors().GetColor(ciButtonNormal), clBtnFace);  // delta 0 leaves system colours

  theme.SetDeltaBrightness(16);
  theme.UpdateTheme();  // updating again must not shift again
  EXPECT_EQ(theme.Colors().GetColor(ciBorder), 0x00101010);
  // System colours are resolved to RGB before the shift.
  EXPECT_EQ(theme.Colors().GetColor(ciButtonNormal),
            ChangeColorBrightness(ColorToRGB(clBtnFace), 16));
  for (int i = 0; i < TteThemeSysColors::kCount; ++i)
    EXPECT_EQ(theme.SysColors().GetColor(i),
              ChangeColorBrightness(ColorToRGB(TteThemeSysColors::SystemColor(i)), 16));
  EXPECT_EQ(theme.Fonts().Font(fiStaticTextNormal).GetColor(), 0x00101010);
  EXPECT_EQ(theme.Fonts().Font(fiPanelTextNormal).GetColor(),
            ChangeColorBrightness(ColorToRGB(clWindowText), 16));

  theme.SetDeltaBrightness(0);
  EXPECT_EQ(theme.SysColors().GetColor(0), ColorToRGB(clActiveBorder));
  EXPECT_EQ(theme.Fonts().Font(fiPanelTextNormal).GetColor(), clWindowText);

  TteThemeColors colors;  // clNone is never shifted
  colors.SetColor(0, clNone);
  colors.ChangeHue(85);
  colors.ChangeBrightness(10);
  EXPECT_EQ(colors.GetColor(0), clNone);
  // The system colour lookup covers only the twenty-six.
  theme.SysColors().SetThemeSysColor(clBtnFace, 0x123456);
  EXPECT_EQ(theme.SysColors().GetThemeSysColor(clBtnFace), 0x123456);
  EXPECT_EQ(theme.SysColors().GetColor(4), 0x123456);
  EXPECT_EQ(theme.SysColors().GetThemeSysColor(clHotLight), clNone);
  EXPECT_EQ(theme.SysColors().GetThemeSysColor(kRed), clNone);

  const TteThemeSysColors before;
  theme.SysColors().Assign(before);
  theme.SysColors().SetThemeSysColor(clHotLight, 0x654321);  // not one of the 26
  for (int i = 0; i < TteThemeSysColors::kCount; ++i)
    EXPECT_EQ(theme.SysColors().GetColor(i), before.GetColor(i));

  // An override is itself shifted by the theme's deltas, and survives them.
  theme.SysColors().SetThemeSysColor(clWindow, 0x00101010);
  theme.SetDeltaBrightness(16);
  theme.SetDeltaBrightness(32);
  EXPECT_EQ(theme.SysColors().GetThemeSysColor(clWindow), 0x00303030);
  // Assign copies the name, the tables and the options only.
  TteTheme source;
  source.SetName("Source");
  source.SetFileName("source.mskn");
  source.SetDeltaHue(20);
  source.Colors().SetColor(ciHint, 0x010203);
  source.SysColors().SetColor(3, 0x040506);
  source.Fonts().Font(fiButtonTextHot).SetName("Verdana");
  source.Options().SetOneObjectForComboBoxes(true);

  TteTheme target;
  target.Assign(source);
  EXPECT_EQ(target.GetName(), "Source");
  EXPECT_EQ(target.GetFileName(), "");
  EXPECT_EQ(target.GetDeltaHue(), 0);
  EXPECT_EQ(target.Colors().GetColor(ciHint), 0x010203);
  EXPECT_EQ(target.SysColors().GetColor(3), 0x040506);
  EXPECT_EQ(target.Fonts().Font(fiButtonTextHot).GetName(), "Verdana");
  EXPECT_TRUE(target.Options().GetOneObjectForComboBoxes());
  EXPECT_THROW(target.Assign(source.Colors()), Exception);
  // A shifted theme must match its shifted skin images: the table shifts and the bitmap's pixel
  // shifts agree on a 16-level grid.
  std::vector<TColor> colours;
  for (int rgb = 0; rgb < 16 * 16 * 16; ++rgb)
    colours.push_back(RGB(rgb % 16 * 17, rgb / 16 % 16 * 17, rgb / 256 * 17));
  const int count = int(colours.size());
  for (int delta : {1, 40, 85, -100, 300}) {
    TteBitmap hue, brightness;
    hue.SetSize(count, 1);
    brightness.SetSize(count, 1);
    for (int x = 0; x < count; ++x) hue.SetPixel(x, 0, ColorToPixel(colours[x]));
    for (int x = 0; x < count; ++x) brightness.SetPixel(x, 0, ColorToPixel(colours[x]));
    hue.ChangeHue(delta);
    brightness.ChangeBrightness(delta);
    for (int x = 0; x < count; ++x) {
      ASSERT_EQ(hue.Pixels(x, 0), ColorToPixel(ChangeColorHue(colours[x], delta)))
          << x << " " << delta;
      ASSERT_EQ(brightness.Pixels(x, 0), ColorToPixel(ChangeColorBrightness(colours[x], delta)));
    }
  }
  EXPECT_EQ(ChangeColorBrightness(0x00102030, INT32_MAX), 0x00FFFFFF);
  // GetThemeFont fills the scratch font for named objects.
  TBigFontTheme bigTheme;
  TteThemeFonts& fonts = bigTheme.Fonts();
  EXPECT_EQ(&GetThemeFont(fonts, 4, "default"), &fonts.Font(4));
  TFont& named = GetThemeFont(fonts, 4, "big");
  EXPECT_EQ(&named, &fonts.Scratch());
  EXPECT_EQ(named.GetSize(), 20);
  EXPECT_EQ(fonts.Font(4).GetSize(), 8);  // the table itself is untouched

  TteThemeFonts ownerless;
  EXPECT_EQ(&GetThemeFont(ownerless, 4, "big"), &ownerless.Font(4));
  // Font text forms.
  TteTheme fontTheme;
  EXPECT_EQ(FontToString(fontTheme.Fonts().Font(0)), "Tahoma,10,1,255,255,255,bold");
  TFont font;
  font.SetName("Arial");
  font.SetSize(12);
  font.SetCharset(RUSSIAN_CHARSET);
  font.SetColor(RGB(1, 2, 3));
  font.SetStyle(
      {TFontStyle::fsStrikeOut, TFontStyle::fsBold, TFontStyle::fsUnderline, TFontStyle::fsItalic});
  EXPECT_EQ(FontToString(font), "Arial,12,204,1,2,3,bold,italic,underline,strikeout");
  font.SetColor(clBtnShadow);  // system colours are written as their RGB value
  EXPECT_NE(FontToString(font).find(std::to_string(GetBValue(ColorToRGB(clBtnShadow))) + ",bold"),
            std::string::npos);

  // Every default font reads back as it was written.
  fontTheme.Fonts().Font(5).SetStyle({TFontStyle::fsItalic, TFontStyle::fsStrikeOut});
  for (int i = 0; i < TteThemeFonts::kCount; ++i) {
    const TFont& original = fontTheme.Fonts().Font(i);
    TFont read;
    read.SetStyle({TFontStyle::fsUnderline});
    StringToFont(FontToString(original), read);
    EXPECT_EQ(FontToString(read), FontToString(original)) << TteThemeFonts::FontName(i);
    EXPECT_EQ(read.GetStyle(), original.GetStyle()) << TteThemeFonts::FontName(i);
  }
  // Colour table entries round-trip through their text.
  fontTheme.Colors().SetColor(ciGrid, 0x00123456);
  fontTheme.Colors().SetColor(ciTree, clNone);
  for (int i = 0; i < TteThemeColors::kCount; ++i) {
    const TColor c = fontTheme.Colors().GetColor(i);
    EXPECT_EQ(StringToColor(ColorToString(c)), c);
  }
  EXPECT_EQ(ColorToString(fontTheme.Colors().GetColor(ciButtonNormal)), "clBtnFace");
  EXPECT_EQ(ColorToString(fontTheme.Colors().GetColor(ciGrid)), "$00123456");
  // StringToFont splits fields, keeps missing ones and refuses malformed text.
  TFont parsed;
  StringToFont("Courier New;9;0;16;32;48;italic", parsed);
  EXPECT_EQ(parsed.GetName(), "Courier New");
  EXPECT_EQ(parsed.GetSize(), 9);
  EXPECT_EQ(parsed.GetCharset(), ANSI_CHARSET);
  EXPECT_EQ(parsed.GetColor(), RGB(16, 32, 48));
  EXPECT_EQ(parsed.GetStyle(), TFontStyles{TFontStyle::fsItalic});

  StringToFont("Verdana", parsed);  // only the face is given
  EXPECT_EQ(parsed.GetName(), "Verdana");
  EXPECT_EQ(parsed.GetSize(), 9);
  EXPECT_EQ(parsed.GetStyle(), TFontStyles{TFontStyle::fsItalic});

  StringToFont("Verdana,,,1,2,3,BOLD,", parsed);  // empty fields keep the value
  EXPECT_EQ(parsed.GetSize(), 9);
  EXPECT_EQ(parsed.GetColor(), RGB(1, 2, 3));
  EXPECT_EQ(parsed.GetStyle(), TFontStyles{TFontStyle::fsBold});

  // Malformed text fails with a message naming it, and nothing is half-applied.
  for (const char* bad : {"Tahoma,eight", "Tahoma,8,1,0,0,256", "Tahoma,8,-1", "Tahoma,99999",
                          "Tahoma,8,1,0,0,0,wide", "Tahoma,8x"}) {
    try {
      StringToFont(bad, parsed);
      ADD_FAILURE() << bad << " was accepted";
    } catch (const EConvertError& e) {
      EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(parsed.GetName(), "Verdana");
  EXPECT_EQ(parsed.GetSize(), 9);
}

}  // namespace
}  // namespace vt
