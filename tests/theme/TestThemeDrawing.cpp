// The base theme's drawing: the theme's own system colours (so deltas and overrides show),
// the plain window-frame geometry, and a golden sampler of the plain parts.
#include <gtest/gtest.h>

#include <QImage>

#include "GoldenImage.h"

#include "theme/te_thememanager.h"

namespace vt {
namespace {

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
