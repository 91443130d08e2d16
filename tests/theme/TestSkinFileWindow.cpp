// The skin-backed theme's window frame: the prepared form, client rectangles, hit tests on
// the demo skins and wide frame pieces, border icons, tool windows and named forms.
#include <gtest/gtest.h>

#include <QPixmap>
#include <span>

#include "DemoTheme.h"
#include "SkinThemeTestSkin.h"
#include "theme/te_thememanager.h"

namespace vt {
namespace {

using namespace vt::testing;

constexpr uint16_t kIcons =
    BorderIconBit(kbiClose) | BorderIconBit(kbiMinimize) | BorderIconBit(kbiMaximize);
constexpr uint16_t kMaximisedIcons =
    BorderIconBit(kbiClose) | BorderIconBit(kbiMinimize) | BorderIconBit(kbiMaxRestore);

TteWindowInfo Window(const TRect& rect, uint16_t icons = kIcons) {
  TteWindowInfo info;
  info.Rect = rect;
  info.BorderIcons = icons;
  info.Caption = "Test";
  return info;
}

struct THitCase {
  TPoint Point;
  TteWindowHit Hit;
};

// A 300 x 200 window: points the demo frames and wide plain ones (8 top and bottom, 10
// sides, no corner pieces) answer alike.
constexpr THitCase kEveryFrame[] = {
    {{2, 2}, kwhTopLeft},      {{150, 1}, kwhTop},           {{297, 2}, kwhTopRight},
    {{1, 100}, kwhLeft},       {{298, 100}, kwhRight},       {{150, 198}, kwhBottom},
    {{2, 198}, kwhBottomLeft}, {{297, 198}, kwhBottomRight}, {{150, 14}, kwhCaption},
    {{150, 100}, kwhClient},   {{287, 14}, kwhBorderIcon},   {{300, 100}, kwhNowhere},
};
// The demo skins' corner pieces reach down beside the caption.
constexpr THitCase kDemoFrame[] = {{{6, 20}, kwhTopLeft}, {{294, 20}, kwhTopRight}};
// Wide sides: the whole 10 pixels are the side (a 4-pixel guess would say "right").
constexpr THitCase kWideFrame[] = {
    {{6, 80}, kwhLeft}, {{293, 80}, kwhRight}, {{6, 16}, kwhCaption}, {{8, 4}, kwhTopLeft}};

void ExpectHits(TteTheme& theme, uint8_t kind, std::span<const THitCase> cases,
                const std::string& skin) {
  const TteWindowInfo info = Window({0, 0, 300, 200}, BorderIconBit(kbiClose));
  for (const THitCase& c : cases)
    EXPECT_EQ(theme.WindowGetHitTest(kind, info, c.Point, "default"), c.Hit)
        << skin << " kind " << int(kind) << " at " << c.Point.X << "," << c.Point.Y;
}

class SkinFileWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FSkin = TTestSkin::Full();
    FTheme = FSkin->Theme();
  }
  std::unique_ptr<TTestSkin> FSkin;
  std::unique_ptr<TTeSkinFile> FTheme;
  TteTheme FBase;
  const std::string d = "default";
};

// The prepared form (no client, hidden buttons) shows in FramePaintingLeavesOut... below.
TEST_F(SkinFileWindow, ClientRectangleRegionHitTestsAndCaptionButtons) {
  const TteWindowInfo info = Window({10, 10, 210, 160});
  const QRegion region = FTheme->WindowGetRegion(kwkSizeable, info, d);
  EXPECT_EQ(region.boundingRect(), info.Rect.ToQRect());
  EXPECT_TRUE(region.contains(QPoint(100, 100)));
  const std::pair<TRect, TRect> cases[] = {{{0, 0, 200, 150}, {4, 23, 196, 146}},
                                           {{-5, -5, 95, 45}, {-1, 18, 91, 41}}};
  for (const auto& [window, client] : cases)
    for (uint8_t kind : {kwkSizeable, kwkDialog})
      EXPECT_EQ(FTheme->WindowGetClientRect(kind, Window(window), d), client);
  const TRect tiny = FTheme->WindowGetClientRect(kwkSizeable, Window({0, 0, 6, 20}), d);
  EXPECT_TRUE(tiny.Width() >= 0 && tiny.Height() >= 0);
  EXPECT_EQ(FTheme->WindowGetClientRect(kwkNone, Window({0, 0, 200, 150}), d),
            FBase.WindowGetClientRect(kwkNone, Window({0, 0, 200, 150}), d));
  // The window state comes from the flag bytes.
  const std::pair<uint16_t, TSeState> states[] = {
      {0, ssNormal},        {0x40, ssMaximized},  {0x10, ssMinimized}, {0x50, ssMinimized},
      {0x0100, ssRolledUp}, {0x0150, ssRolledUp}, {0x02AF, ssNormal}};
  for (const auto& [icons, expected] : states)
    EXPECT_EQ(TTeSkinFile::WindowStateOf(Window({}, icons)), expected) << icons;
  // The frame leaves out the client area and the hidden buttons; the client paints on its own
  // request, and each border icon in the state asked for.
  QImage image = BlankImage(200, 150);
  TCanvas canvas(image);
  const TteWindowInfo noIcons = Window({0, 0, 200, 150}, 0);
  FTheme->WindowDraw(canvas, kwkSizeable, noIcons, d);
  const std::tuple<int, int, const char*> pieces[] = {
      {100, 1, "Top"}, {1, 80, "Left"}, {198, 80, "Right"}, {100, 148, "Bottom"}};
  for (const auto& [x, y, piece] : pieces)
    EXPECT_EQ(ProbeAt(image, x, y), Expect(FSkin->IdOf("Form", piece), scNormal)) << piece;
  EXPECT_EQ(ProbeAt(image, 195, 20), Expect(FSkin->IdOf("Caption", "Title"), scNormal))
      << "the title runs under where the hidden buttons would be";
  EXPECT_FALSE(ProbeAt(image, 100, 100).Painted) << "the client area is the control's";
  FTheme->WindowDrawClient(canvas, kwkSizeable, noIcons, d);
  EXPECT_EQ(ProbeAt(image, 100, 100), Expect(FSkin->IdOf("Form", "Client"), scNormal));

  const TteWindowInfo iconsInfo = Window({0, 0, 200, 150});
  FTheme->WindowDraw(canvas, kwkSizeable, iconsInfo, d);
  const std::tuple<TteBorderIcon, uint8_t, int, int> iconCases[] = {
      {kbiClose, kpsNormal, 190, 0}, {kbiMinimize, kpsNormal, 160, 0},
      {kbiClose, kpsHot, 190, 1},    {kbiMinimize, kpsPressed, 160, 2},
      {kbiClose, kpsNormal, 190, 0},  // the state does not stay with the button
  };
  for (const auto& [icon, state, x, third] : iconCases) {
    FTheme->WindowDrawBorderIcon(canvas, kwkSizeable, iconsInfo, icon, state, d);
    EXPECT_EQ(image.pixel(x, 10), TTestSkin::ButtonPixel(third)) << int(icon) << int(state);
  }
  QImage blank = BlankImage(200, 150);
  TCanvas blankCanvas(blank);
  FTheme->WindowDrawBorderIcon(blankCanvas, kwkSizeable, iconsInfo, kbiHelp, kpsNormal, d);
  EXPECT_EQ(blank, BlankImage(200, 150)) << "an icon that is not present paints nothing";
  // Tool windows need their own object.
  const std::pair<uint8_t, bool> defined[] = {
      {kwkSizeable, true}, {kwkSingle, true}, {kwkDialog, false}, {kwkToolWindow, false}};
  for (const auto& [kind, answer] : defined) EXPECT_EQ(FTheme->IsWindowDefined(kind, d), answer);
  const TteWindowInfo toolInfo = Window({0, 0, 120, 80}, BorderIconBit(kbiClose));
  EXPECT_EQ(FTheme->WindowGetClientRect(kwkToolWindow, toolInfo, d),
            FBase.WindowGetClientRect(kwkToolWindow, toolInfo, d));
  const QImage ours = PaintWindow(*FTheme, kwkToolWindow, toolInfo);
  EXPECT_TRUE(ProbeAt(ours, 60, 1).Painted);
  EXPECT_NE(ProbeAt(ours, 60, 1), Expect(FSkin->IdOf("Form", "Top"), scNormal))
      << "a tool window is not painted from \"Form\"";

  FSkin->AddForm("ToolWindow");
  auto toolTheme = FSkin->Theme();
  EXPECT_TRUE(toolTheme->IsWindowDefined(kwkToolWindow, d));
  EXPECT_EQ(toolTheme->WindowGetClientRect(kwkToolWindow, toolInfo, d), (TRect{4, 23, 116, 76}));
  // Named forms serve themselves.
  TSeSkinObject* wide = FSkin->AddForm("WideForm");
  wide->FindByName("Left")->SetWidth(10);
  auto named = FSkin->Theme();
  const TteWindowInfo namedInfo = Window({0, 0, 200, 150});
  EXPECT_EQ(named->WindowGetClientRect(kwkSizeable, namedInfo, "WideForm"),
            (TRect{10, 23, 196, 146}));
  EXPECT_EQ(named->WindowGetClientRect(kwkSizeable, namedInfo, "NoSuchForm"),
            (TRect{4, 23, 196, 146}));
  EXPECT_EQ(ProbeAt(PaintWindow(*named, kwkSizeable, namedInfo, "WideForm"), 100, 100),
            Expect(FSkin->IdOf("WideForm", "Client"), scNormal));
  EXPECT_EQ(named->WindowGetBorderIconRect(kwkSizeable, namedInfo, kbiClose, "WideForm"),
            (TRect{184, 3, 200, 23}));
  // Every window kind: the defined query and the painting agree about a named form.
  for (uint8_t kind = kwkSizeable; kind <= kwkToolWindow; ++kind) {
    const bool painted = ProbeAt(PaintWindow(*named, kind, namedInfo, "WideForm"), 5, 80) ==
                         Expect(FSkin->IdOf("WideForm", "Left"), scNormal);
    EXPECT_EQ(named->IsWindowDefined(kind, "WideForm"), painted) << "kind " << int(kind);
  }
  // Hit tests on the demo frames and wide plain ones, and where the caption buttons go.
  for (const demo::TLook& look : {demo::LightLook(), demo::DarkLook()}) {
    auto theme = DemoTheme(look);
    for (uint8_t kind : {kwkSizeable, kwkToolWindow}) {
      ExpectHits(*theme, kind, kEveryFrame, look.FileStem);
      ExpectHits(*theme, kind, kDemoFrame, look.FileStem);
    }
  }
  TTestSkin wideSkin;
  wideSkin.AddForm("Form", true, {8, 10, 8});
  wideSkin.AddForm("ToolWindow", true, {8, 10, 8});
  auto theme = wideSkin.Theme();
  for (uint8_t kind : {kwkSizeable, kwkToolWindow}) {
    ExpectHits(*theme, kind, kEveryFrame, "wide");
    ExpectHits(*theme, kind, kWideFrame, "wide");
  }
  // A frame that does not resize answers "border" on its edges and corners.
  const TteWindowInfo closeOnly = Window({0, 0, 300, 200}, BorderIconBit(kbiClose));
  for (const THitCase& c : kEveryFrame) {
    const bool edge = c.Hit >= kwhTop && c.Hit <= kwhBottomRight;
    EXPECT_EQ(theme->WindowGetHitTest(kwkSingle, closeOnly, c.Point, "default"),
              edge ? kwhBorder : c.Hit);
  }
  // With or without a client object, the window's state and border icons decide which caption
  // buttons show, and where.
  struct TCase {
    uint16_t Icons;
    TteBorderIcon Icon;
    TRect Rect;
  };
  const TCase iconRects[] = {
      {kIcons, kbiClose, {184, 3, 200, 23}},
      {kIcons, kbiMaximize, {168, 3, 184, 23}},
      {kIcons, kbiMinimize, {152, 3, 168, 23}},
      {kIcons, kbiHelp, {}},
      {kIcons, kbiMaxRestore, {}},
      {kMaximisedIcons, kbiMaxRestore, {168, 3, 184, 23}},
      {kMaximisedIcons, kbiMinimize, {152, 3, 168, 23}},
  };
  for (bool withClient : {true, false}) {
    TTestSkin skin;
    skin.AddForm("Form", withClient);
    auto formTheme = skin.Theme();
    for (const TCase& c : iconRects)
      EXPECT_EQ(formTheme->WindowGetBorderIconRect(kwkSizeable, Window({0, 0, 200, 150}, c.Icons),
                                                   c.Icon, "default"),
                c.Rect)
          << "client " << withClient << " icons " << c.Icons << " icon " << int(c.Icon);

    // A window with only a close button shows no other caption button.
    const QImage closeImage =
        PaintWindow(*formTheme, kwkSizeable, Window({0, 0, 200, 150}, BorderIconBit(kbiClose)));
    EXPECT_EQ(closeImage.pixel(190, 10), TTestSkin::ButtonPixel(0));
    EXPECT_EQ(ProbeAt(closeImage, 160, 10), Expect(skin.IdOf("Caption", "Title"), scNormal))
        << "client " << withClient;
    if (withClient) continue;
    // Without a client: no placeholder, the base theme's client rectangle, and the pieces
    // along the sides still leave the client area.
    for (int entry : {ceFormClient, ceFormHitTest, ceFormIcons, ceFormClientObject})
      EXPECT_FALSE(formTheme->CachedObject(entry)) << entry;
    const TteWindowInfo formInfo = Window({0, 0, 200, 150});
    EXPECT_EQ(formTheme->WindowGetClientRect(kwkSizeable, formInfo, "default"),
              TteTheme().WindowGetClientRect(kwkSizeable, formInfo, "default"));
    EXPECT_EQ(formTheme->WindowGetHitTest(kwkSizeable, formInfo, {20, 10}, "default"), kwhCaption);
    EXPECT_EQ(formTheme->WindowGetHitTest(kwkSizeable, formInfo, {100, 100}, "default"), kwhClient);
  }
  // The system-menu button shows the window's icon, and the program's own without one.
  auto demoTheme = DemoTheme(demo::LightLook());
  auto paint = [&](uint16_t icons, const QIcon& icon) {
    TteWindowInfo iconInfo = Window({0, 0, 300, 200}, icons);
    iconInfo.Icon = icon;
    return PaintWindow(*demoTheme, kwkSizeable, iconInfo);
  };
  const uint16_t withMenu = BorderIconBit(kbiClose) | BorderIconBit(kbiSysMenu);
  const TRect button = demoTheme->WindowGetBorderIconRect(
      kwkSizeable, Window({0, 0, 300, 200}, withMenu), kbiSysMenu, "default");
  ASSERT_FALSE(button.IsEmpty());
  QPixmap red(16, 16);
  red.fill(Qt::red);
  EXPECT_EQ(paint(withMenu, QIcon(red)).pixel(button.Left + 8, button.Top + 8), qRgb(255, 0, 0));
  const QRect area = button.ToQRect();
  EXPECT_NE(paint(withMenu, QIcon()).copy(area),
            paint(BorderIconBit(kbiClose), QIcon()).copy(area));
}

}  // namespace
}  // namespace vt
