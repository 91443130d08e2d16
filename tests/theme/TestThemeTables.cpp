// The theme's tables: exact, never cumulative shifts, the system colour lookup, assignment,
// and the font and colour text forms the skin files store. The base theme's drawing: the
// theme's own system colours (so deltas and overrides show), the plain window-frame geometry,
// and a golden sampler of the plain parts.
#include <gtest/gtest.h>

#include <QImage>

#include "GoldenImage.h"
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

// Classic desktop colours, so that the pictures do not depend on the platform palette.
void UseClassicColours(TteTheme& theme) {
  const std::pair<TColor, TColor> classic[] = {
      {clBtnFace, 0xC0C0C0},    {clBtnHighlight, 0xFFFFFF},  {clBtnShadow, 0x808080},
      {cl3DLight, 0xE0E0E0},    {cl3DDkShadow, 0x404040},    {clWindow, 0xFFFFFF},
      {clWindowText, 0x000000}, {clWindowFrame, 0x000000},   {clGrayText, 0x808080},
      {clHighlight, 0x800000},  {clActiveCaption, 0x800000}, {clInactiveCaption, 0x808080},
      {clScrollBar, 0xD0D0D0},  {clMenu, 0xC0C0C0},          {clInfoBk, 0xE1FFFF},
  };
  for (const auto& [system, value] : classic) theme.SysColors().SetThemeSysColor(system, value);
}

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(qRgb(0x12, 0x34, 0x56));
  return image;
}

// The golden sampler shows the plain states; here the theme's own overrides and deltas.
TEST(ThemeDrawing, ButtonsUseTheThemesSystemColoursAndDeltas) {
  TteTheme theme;
  UseClassicColours(theme);
  theme.SysColors().SetThemeSysColor(clBtnFace, 0x0000FF);
  theme.SetDeltaBrightness(16);
  QImage image = Blank(8, 8);
  TCanvas canvas(image);
  theme.ButtonDraw(canvas, kbkPushButton, {{0, 0, 8, 8}, kbpFace, kpsPressed}, "default");
  EXPECT_EQ(image.pixel(0, 0), ColorToPixel(0x909090));  // sunken: shadow outside, brightened
  EXPECT_EQ(image.pixel(3, 4), ColorToPixel(0x1010FF));
  // Unknown check marks paint nothing (the valid ones are in the golden sampler).
  auto centreOf = [&](uint8_t kind, uint8_t mark) {
    QImage image = Blank(13, 13);
    TCanvas canvas(image);
    theme.CheckDraw(canvas, kind, {{0, 0, 13, 13}, mark}, "default");
    return image.pixel(6, 6);
  };
  const uint32_t untouched = qRgb(0x12, 0x34, 0x56);
  EXPECT_EQ(centreOf(kckRadioButton, kcmMixedNormal), untouched);
  for (uint8_t invalid : {4, 9, 14, 15, 200})
    EXPECT_EQ(centreOf(kckCheckBox, invalid), untouched) << int(invalid);
  // The plain window frame's geometry.
  TteTheme plain;
  TteWindowInfo window;
  window.Rect = {0, 0, 200, 100};
  window.BorderIcons = BorderIconBit(kbiSysMenu) | BorderIconBit(kbiClose) |
                       BorderIconBit(kbiMaximize) | BorderIconBit(kbiMinimize);
  EXPECT_EQ(plain.WindowGetClientRect(kwkSizeable, window, "default"), (TRect{4, 23, 196, 96}));
  EXPECT_EQ(plain.WindowGetCaptionRect(kwkSizeable, window, "default"), (TRect{4, 4, 196, 23}));
  EXPECT_EQ(plain.WindowGetClientRect(kwkToolWindow, window, "default"), (TRect{3, 18, 197, 97}));
  EXPECT_EQ(plain.WindowGetClientRect(kwkNone, window, "default"), window.Rect);

  auto icon = [&](TteBorderIcon i) {
    return plain.WindowGetBorderIconRect(kwkSizeable, window, i, "default");
  };
  EXPECT_EQ(icon(kbiClose), (TRect{179, 6, 194, 21}));
  EXPECT_EQ(icon(kbiMaximize), (TRect{162, 6, 177, 21}));
  EXPECT_EQ(icon(kbiMinimize), (TRect{145, 6, 160, 21}));
  EXPECT_EQ(icon(kbiSysMenu), (TRect{6, 6, 21, 21}));
  EXPECT_TRUE(icon(kbiHelp).IsEmpty());

  const std::tuple<uint8_t, TPoint, TteWindowHit> hits[] = {
      {kwkSizeable, {100, 50}, kwhClient},      {kwkSizeable, {100, 10}, kwhCaption},
      {kwkSizeable, {185, 10}, kwhBorderIcon},  {kwkSizeable, {1, 1}, kwhTopLeft},
      {kwkSizeable, {100, 1}, kwhTop},          {kwkSizeable, {1, 50}, kwhLeft},
      {kwkSizeable, {199, 99}, kwhBottomRight}, {kwkSizeable, {250, 50}, kwhNowhere},
      {kwkDialog, {1, 50}, kwhBorder}};
  for (const auto& [kind, point, hit] : hits)
    EXPECT_EQ(plain.WindowGetHitTest(kind, window, point, "default"), hit)
        << point.X << "," << point.Y;
  // A golden sampler of the plain parts.
  TteTheme sampled;
  UseClassicColours(sampled);
  QImage sampler = Blank(96, 64);
  TCanvas sampleCanvas(sampler);
  const std::string dflt = kDefaultObjectName;
  sampleCanvas.FillRect({0, 0, 96, 64}, sampled.SysColors().GetThemeSysColor(clBtnFace));
  // Row 1: push buttons (normal, pressed, default), an edit field, a disabled one.
  sampled.ButtonDraw(sampleCanvas, kbkPushButton, {{2, 2, 18, 14}, kbpFace, kpsNormal}, dflt);
  sampled.ButtonDraw(sampleCanvas, kbkPushButton, {{20, 2, 36, 14}, kbpFace, kpsPressed}, dflt);
  sampled.ButtonDraw(sampleCanvas, kbkPushButton,
                     {{38, 2, 54, 14}, kbpFace, kpsNormal, koHorizontal, kpfDefault}, dflt);
  sampled.EditDraw(sampleCanvas, kekEdit, {{56, 2, 74, 14}, 0, kpsNormal}, dflt);
  sampled.EditDraw(sampleCanvas, kekEdit, {{76, 2, 94, 14}, 0, kpsDisabled}, dflt);
  // Row 2: check marks and radio buttons.
  int x = 2;
  for (uint8_t mark : {kcmUncheckedNormal, kcmCheckedNormal, kcmCheckedDisabled, kcmMixedNormal}) {
    sampled.CheckDraw(sampleCanvas, kckCheckBox, {TRect::FromSize(x, 17, 13, 13), mark}, dflt);
    x += 15;
  }
  for (uint8_t mark : {kcmUncheckedNormal, kcmCheckedNormal}) {
    sampled.CheckDraw(sampleCanvas, kckRadioButton, {TRect::FromSize(x, 17, 13, 13), mark}, dflt);
    x += 15;
  }
  // Row 3: scroll bar pieces, a progress bar, a group frame, a separator, a size grip.
  sampled.ScrollDrawButton(sampleCanvas, 0, {{2, 33, 14, 45}, kspTopButton, kpsNormal}, dflt);
  sampled.ScrollDrawTrack(sampleCanvas, 0, {{2, 45, 14, 58}, 0, kpsNormal, koVertical}, dflt);
  sampled.ScrollDrawButton(sampleCanvas, 0, {{2, 50, 14, 54}, kspVertSlider, kpsPressed}, dflt);
  sampled.ProgressDraw(sampleCanvas, 0, {{18, 33, 50, 43}, kppFrameHorz, kpsNormal}, dflt);
  sampled.ProgressDraw(sampleCanvas, 0, {{20, 35, 36, 41}, kppBarHorz, kpsNormal}, dflt);
  sampled.GroupBoxDrawFrame(sampleCanvas, 0, {{18, 46, 50, 62}, 0, kpsNormal}, dflt);
  sampled.MenuDrawSeparator(sampleCanvas, 0, {{54, 33, 76, 39}, 0, kpsNormal}, dflt);
  sampled.TabDrawTab(sampleCanvas, 0, {{54, 42, 66, 58}, ktpTop, kpsSelected}, dflt);
  sampled.TabDrawTab(sampleCanvas, 0, {{66, 42, 78, 58}, ktpTop, kpsNormal}, dflt);
  sampled.WindowDrawSizeGrip(sampleCanvas, 0, {78, 46, 94, 62}, dflt);
  vt::test::ExpectGolden(sampler, "theme/plain-parts");  // exact: nothing here draws text
}

}  // namespace
}  // namespace vt
