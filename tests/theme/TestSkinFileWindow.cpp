// The window-frame family of the skin-backed theme: the prepared form entries of the
// cache, the client rectangle, hit tests, border-icon rectangles and painting, the window
// state from the border icons, tool windows and forms without a client.
#include <gtest/gtest.h>

#include "SkinThemeTestSkin.h"
#include "theme/te_thememanager.h"

namespace vt {
namespace {

using namespace vt::testing;

constexpr uint16_t kIcons =
    BorderIconBit(kbiClose) | BorderIconBit(kbiMinimize) | BorderIconBit(kbiMaximize);

TteWindowInfo Window(const TRect& rect, uint16_t icons = kIcons, bool active = true) {
  TteWindowInfo info;
  info.Rect = rect;
  info.BorderIcons = icons;
  info.Active = active;
  info.Caption = "Test";
  return info;
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

TEST_F(SkinFileWindow, CachePreparesTheForm) {
  TSeSkinObject* form = FTheme->CachedObject(ceForm);
  ASSERT_TRUE(form);
  EXPECT_EQ(form->GetName(), "Form");
  EXPECT_EQ(form->FindByName("Client"), nullptr) << "the client leaves the form";
  TSeSkinObject* placeholder = FTheme->CachedObject(ceFormClient);
  ASSERT_TRUE(placeholder);
  EXPECT_EQ(placeholder->Owner(), form);
  EXPECT_EQ(placeholder->GetKind(), TSeKind::skClient);
  EXPECT_EQ(placeholder->GetColor(), clNone);
  EXPECT_EQ(placeholder->GetAlign(), TSeAlign::saClient);
  TSeSkinObject* client = FTheme->CachedObject(ceFormClientObject);
  ASSERT_TRUE(client);
  EXPECT_EQ(client->GetName(), "Client");
  EXPECT_EQ(client->Owner(), nullptr);
  for (int clone : {ceFormHitTest, ceFormIcons}) {
    ASSERT_TRUE(FTheme->CachedObject(clone));
    EXPECT_NE(FTheme->CachedObject(clone), form);
    EXPECT_TRUE(FTheme->CachedObject(clone)->FindByName("Close")->GetVisible());
    EXPECT_EQ(FTheme->CachedObject(clone)->FindByKind(TSeKind::skClient)->GetColor(), clNone);
  }
  for (const char* button : {"Close", "Max", "Restore", "Min"})
    EXPECT_FALSE(form->FindByName(button)->GetVisible()) << button;
  for (int entry = 5; entry < kSkinCacheSize; ++entry) {
    const char* name = SkinCacheName(entry);
    if (!name) continue;
    const bool inSkin = std::string(name) != "ToolWindow" && std::string(name) != "Frame" &&
                        std::string(name) != "ToolBar";
    EXPECT_EQ(FTheme->CachedObject(entry) != nullptr, inSkin) << name;
  }
  EXPECT_FALSE(FTheme->CachedObject(ceToolWindow));
  EXPECT_EQ(FTheme->CachedObject(ceScrollBox), FTheme->CachedObject(ceScrollBoxFrame));
}

TEST_F(SkinFileWindow, ClientRectangleAtSeveralSizes) {
  const std::pair<TRect, TRect> cases[] = {
      {{0, 0, 200, 150}, {4, 23, 196, 146}},
      {{10, 20, 310, 420}, {14, 43, 306, 416}},
      {{-5, -5, 95, 45}, {-1, 18, 91, 41}},
      {{0, 0, 1024, 768}, {4, 23, 1020, 764}},
  };
  for (const auto& [window, client] : cases) {
    EXPECT_EQ(FTheme->WindowGetClientRect(kwkSizeable, Window(window), d), client);
    EXPECT_EQ(FTheme->WindowGetClientRect(kwkDialog, Window(window), d), client);
  }
  const TRect tiny = FTheme->WindowGetClientRect(kwkSizeable, Window({0, 0, 6, 20}), d);
  EXPECT_GE(tiny.Width(), 0);
  EXPECT_GE(tiny.Height(), 0);
  EXPECT_EQ(FTheme->WindowGetClientRect(kwkNone, Window({0, 0, 200, 150}), d),
            FBase.WindowGetClientRect(kwkNone, Window({0, 0, 200, 150}), d));
}

TEST_F(SkinFileWindow, HitTestsAnswerCaptionAndTop) {
  const TteWindowInfo info = Window({0, 0, 200, 150});
  EXPECT_EQ(FTheme->WindowGetHitTest(kwkSizeable, info, {100, 1}, d), kwhTop);
  EXPECT_EQ(FTheme->WindowGetHitTest(kwkSizeable, info, {20, 10}, d), kwhCaption);
  for (TPoint other : {TPoint{1, 80}, TPoint{190, 10}, TPoint{100, 100}, TPoint{100, 148}})
    EXPECT_EQ(FTheme->WindowGetHitTest(kwkSizeable, info, other, d),
              FBase.WindowGetHitTest(kwkSizeable, info, other, d))
        << other.X << "," << other.Y;
  EXPECT_EQ(FTheme->WindowGetHitTest(kwkSizeable, Window({50, 50, 450, 350}), {300, 52}, d),
            kwhTop);
  EXPECT_EQ(FTheme->WindowGetCaptionRect(kwkSizeable, info, d), (TRect{0, 3, 200, 23}));
}

TEST_F(SkinFileWindow, WindowStateFromTheFlagBytes) {
  EXPECT_EQ(TTeSkinFile::WindowStateOf(Window({}, 0)), ssNormal);
  EXPECT_EQ(TTeSkinFile::WindowStateOf(Window({}, 0x40)), ssMaximized);
  EXPECT_EQ(TTeSkinFile::WindowStateOf(Window({}, 0x10)), ssMinimized);
  EXPECT_EQ(TTeSkinFile::WindowStateOf(Window({}, 0x50)), ssMinimized);
  EXPECT_EQ(TTeSkinFile::WindowStateOf(Window({}, 0x0100)), ssRolledUp);
  EXPECT_EQ(TTeSkinFile::WindowStateOf(Window({}, 0x0150)), ssRolledUp);
  EXPECT_EQ(TTeSkinFile::WindowStateOf(Window({}, 0x02AF)), ssNormal);
}

TEST_F(SkinFileWindow, BorderIconRectanglesByAction) {
  const TteWindowInfo info = Window({0, 0, 200, 150});
  EXPECT_EQ(FTheme->WindowGetBorderIconRect(kwkSizeable, info, kbiClose, d),
            (TRect{184, 3, 200, 23}));
  EXPECT_EQ(FTheme->WindowGetBorderIconRect(kwkSizeable, info, kbiMaximize, d),
            (TRect{168, 3, 184, 23}));
  EXPECT_EQ(FTheme->WindowGetBorderIconRect(kwkSizeable, info, kbiMinimize, d),
            (TRect{152, 3, 168, 23}));
  EXPECT_EQ(FTheme->WindowGetBorderIconRect(kwkSizeable, info, kbiHelp, d), TRect{});
  EXPECT_EQ(FTheme->WindowGetBorderIconRect(kwkSizeable, info, kbiMaxRestore, d), TRect{});
  // Maximised: the restore button stands where maximise was.
  const TteWindowInfo maximised =
      Window({0, 0, 200, 150},
             BorderIconBit(kbiClose) | BorderIconBit(kbiMinimize) | BorderIconBit(kbiMaxRestore));
  EXPECT_EQ(FTheme->WindowGetBorderIconRect(kwkSizeable, maximised, kbiMaxRestore, d),
            (TRect{168, 3, 184, 23}));
  EXPECT_EQ(FTheme->WindowGetBorderIconRect(kwkSizeable, maximised, kbiMinimize, d),
            (TRect{152, 3, 168, 23}));
  // An icon whose button the skin lacks gets the base answer: a square in the caption.
  const TteWindowInfo help = Window({0, 0, 200, 150}, BorderIconBit(kbiHelp));
  const TRect helpRect = FTheme->WindowGetBorderIconRect(kwkSizeable, help, kbiHelp, d);
  EXPECT_FALSE(helpRect.IsEmpty());
  EXPECT_EQ(IntersectRect(helpRect, {0, 3, 200, 23}), helpRect);
}

TEST_F(SkinFileWindow, FramePaintingLeavesOutClientAndButtons) {
  QImage image = BlankImage(200, 150);
  TCanvas canvas(image);
  const TteWindowInfo noIcons = Window({0, 0, 200, 150}, 0);
  FTheme->WindowDraw(canvas, kwkSizeable, noIcons, d);
  EXPECT_EQ(ProbeAt(image, 100, 1), Expect(FSkin->IdOf("Form", "Top"), scNormal));
  EXPECT_EQ(ProbeAt(image, 1, 80), Expect(FSkin->IdOf("Form", "Left"), scNormal));
  EXPECT_EQ(ProbeAt(image, 198, 80), Expect(FSkin->IdOf("Form", "Right"), scNormal));
  EXPECT_EQ(ProbeAt(image, 100, 148), Expect(FSkin->IdOf("Form", "Bottom"), scNormal));
  EXPECT_EQ(ProbeAt(image, 195, 20), Expect(FSkin->IdOf("Caption", "Title"), scNormal))
      << "the title runs under where the hidden buttons would be";
  EXPECT_FALSE(ProbeAt(image, 100, 100).Painted) << "the client area is the control's";

  FTheme->WindowDrawClient(canvas, kwkSizeable, noIcons, d);
  EXPECT_EQ(ProbeAt(image, 100, 100), Expect(FSkin->IdOf("Form", "Client"), scNormal));
  EXPECT_EQ(ProbeAt(image, 100, 1), Expect(FSkin->IdOf("Form", "Top"), scNormal));
}

TEST_F(SkinFileWindow, BorderIconsPaintInTheirStates) {
  QImage image = BlankImage(200, 150);
  TCanvas canvas(image);
  const TteWindowInfo info = Window({0, 0, 200, 150});
  FTheme->WindowDraw(canvas, kwkSizeable, info, d);
  EXPECT_EQ(image.pixel(190, 10), TTestSkin::ButtonPixel(0));
  EXPECT_EQ(image.pixel(160, 10), TTestSkin::ButtonPixel(0));
  FTheme->WindowDrawBorderIcon(canvas, kwkSizeable, info, kbiClose, kpsHot, d);
  EXPECT_EQ(image.pixel(190, 10), TTestSkin::ButtonPixel(1));
  FTheme->WindowDrawBorderIcon(canvas, kwkSizeable, info, kbiMinimize, kpsPressed, d);
  EXPECT_EQ(image.pixel(160, 10), TTestSkin::ButtonPixel(2));
  // The state does not stay with the button.
  FTheme->WindowDrawBorderIcon(canvas, kwkSizeable, info, kbiClose, kpsNormal, d);
  EXPECT_EQ(image.pixel(190, 10), TTestSkin::ButtonPixel(0));
  // An icon that is not present paints nothing.
  QImage blank = BlankImage(200, 150);
  TCanvas blankCanvas(blank);
  FTheme->WindowDrawBorderIcon(blankCanvas, kwkSizeable, info, kbiHelp, kpsNormal, d);
  EXPECT_EQ(blank, BlankImage(200, 150));
}

TEST_F(SkinFileWindow, ToolWindowsNeedTheirOwnObject) {
  EXPECT_TRUE(FTheme->IsWindowDefined(kwkSizeable, d));
  EXPECT_TRUE(FTheme->IsWindowDefined(kwkSingle, d));
  EXPECT_FALSE(FTheme->IsWindowDefined(kwkDialog, d));
  EXPECT_FALSE(FTheme->IsWindowDefined(kwkToolWindow, d));
  const TteWindowInfo info = Window({0, 0, 120, 80}, BorderIconBit(kbiClose));
  EXPECT_EQ(FTheme->WindowGetClientRect(kwkToolWindow, info, d),
            FBase.WindowGetClientRect(kwkToolWindow, info, d));
  QImage ours = BlankImage(120, 80);
  TCanvas oursCanvas(ours);
  FTheme->WindowDraw(oursCanvas, kwkToolWindow, info, d);
  EXPECT_TRUE(ProbeAt(ours, 60, 1).Painted);
  EXPECT_NE(ProbeAt(ours, 60, 1), Expect(FSkin->IdOf("Form", "Top"), scNormal))
      << "a tool window is not painted from \"Form\"";

  auto skin = TTestSkin::Full();
  skin->AddForm("ToolWindow");
  auto theme = skin->Theme();
  EXPECT_TRUE(theme->IsWindowDefined(kwkToolWindow, d));
  EXPECT_EQ(theme->WindowGetClientRect(kwkToolWindow, info, d), (TRect{4, 23, 116, 76}));
  EXPECT_TRUE(theme->CachedObject(ceToolWindowClient));
  EXPECT_TRUE(theme->CachedObject(ceToolWindowClientObject));
}

TEST_F(SkinFileWindow, FormWithoutClientHasNoPlaceholder) {
  TTestSkin skin;
  skin.AddForm("Form", false);
  auto theme = skin.Theme();
  EXPECT_TRUE(theme->CachedObject(ceForm));
  for (int entry : {ceFormClient, ceFormHitTest, ceFormIcons, ceFormClientObject})
    EXPECT_FALSE(theme->CachedObject(entry)) << entry;
  const TteWindowInfo info = Window({0, 0, 200, 150});
  EXPECT_EQ(theme->WindowGetClientRect(kwkSizeable, info, d),
            FBase.WindowGetClientRect(kwkSizeable, info, d));
  // The system buttons stay visible (only a form with a client is prepared), and the form
  // itself answers for the missing clones.
  EXPECT_TRUE(theme->CachedObject(ceForm)->FindByName("Close")->GetVisible());
  EXPECT_EQ(theme->WindowGetBorderIconRect(kwkSizeable, info, kbiClose, d),
            (TRect{184, 3, 200, 23}));
  EXPECT_EQ(theme->WindowGetHitTest(kwkSizeable, info, {20, 10}, d), kwhCaption);
}

TEST_F(SkinFileWindow, NamedFormsServeThemselves) {
  auto skin = TTestSkin::Full();
  TSeSkinObject* wide = skin->AddForm("WideForm");
  wide->FindByName("Left")->SetWidth(10);
  auto theme = skin->Theme();
  const TteWindowInfo info = Window({0, 0, 200, 150});
  EXPECT_EQ(theme->WindowGetClientRect(kwkSizeable, info, "WideForm"), (TRect{10, 23, 196, 146}));
  EXPECT_EQ(theme->WindowGetClientRect(kwkSizeable, info, "NoSuchForm"), (TRect{4, 23, 196, 146}));
  EXPECT_TRUE(theme->IsWindowDefined(kwkDialog, "WideForm"));
  QImage image = BlankImage(200, 150);
  TCanvas canvas(image);
  theme->WindowDraw(canvas, kwkSizeable, info, "WideForm");
  EXPECT_EQ(ProbeAt(image, 5, 80), Expect(skin->IdOf("WideForm", "Left"), scNormal));
  EXPECT_EQ(ProbeAt(image, 100, 100), Expect(skin->IdOf("WideForm", "Client"), scNormal));
  EXPECT_EQ(theme->WindowGetBorderIconRect(kwkSizeable, info, kbiClose, "WideForm"),
            (TRect{184, 3, 200, 23}));
}

TEST_F(SkinFileWindow, RegionCoversTheLaidOutForm) {
  const TteWindowInfo info = Window({10, 10, 210, 160});
  const QRegion region = FTheme->WindowGetRegion(kwkSizeable, info, d);
  EXPECT_EQ(region.boundingRect(), info.Rect.ToQRect());
  EXPECT_TRUE(region.contains(QPoint(100, 100)));
}

}  // namespace
}  // namespace vt
