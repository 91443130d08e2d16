// The skinned window frame through real mouse events, its look, effects and the preview.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include "DemoTheme.h"
#include "GoldenImage.h"
#include "SkinThemeTestSkin.h"
#include "controls/TeForm.h"
#include "controls/TeThemePreview.h"
#include "theme/te_thememanager.h"

namespace vt {
namespace {

enum class TSkin { DemoLight, DemoDark, WideFrame };

void UseSkin(TSkin skin) {
  if (skin != TSkin::WideFrame)
    return SetCurrentTheme(
        testing::DemoTheme(skin == TSkin::DemoLight ? demo::LightLook() : demo::DarkLook()));
  testing::TTestSkin wide;  // a coded form with left, right and bottom borders 10 pixels wide
  wide.AddForm("Form", true, {3, 10, 10});
  SetCurrentTheme(wide.Theme());
}

class Frame : public ::testing::Test {
 protected:
  void Show(TSkin skin, QSize size = {400, 300}) {
    UseSkin(skin);
    FWidget = std::make_unique<QWidget>();
    FWidget->setWindowTitle("Frame");
    FHook = new TTeForm(FWidget.get());
    FWidget->resize(size);
    FWidget->move(100, 100);
    FWidget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FWidget.get()));
  }
  void TearDown() override { ClearCurrentTheme(); }
  QPoint CaptionPoint() const {
    const QRect client = FHook->ClientRect();
    return {client.left() + 40, client.top() / 2 + 1};
  }
  QPoint IconCentre(TteBorderIcon icon) const { return FHook->BorderIconRect(icon).center(); }

  std::unique_ptr<QWidget> FWidget;
  TTeForm* FHook = nullptr;
};

TEST_F(Frame, HitTestAtEveryEdgeCornerAndTheCaption) {
  const int w = 400, h = 300;
  struct TCase {
    QPoint Point;
    TteWindowHit Hit;
  };
  const TCase outer[] = {
      {{0, 0}, kwhTopLeft},        {{w - 1, 0}, kwhTopRight},
      {{0, h - 1}, kwhBottomLeft}, {{w - 1, h - 1}, kwhBottomRight},
      {{w / 2, 0}, kwhTop},        {{0, h / 2}, kwhLeft},
      {{w - 1, h / 2}, kwhRight},  {{w / 2, h - 1}, kwhBottom},
      {{w / 2, h / 2}, kwhClient},
  };
  for (TSkin skin : {TSkin::DemoLight, TSkin::DemoDark, TSkin::WideFrame}) {
    Show(skin);
    SCOPED_TRACE(int(skin));
    for (const TCase& c : outer)
      EXPECT_EQ(int(FHook->HitTest(c.Point)), int(c.Hit)) << c.Point.x() << "," << c.Point.y();
    EXPECT_EQ(FHook->HitTest(CaptionPoint()), kwhCaption);
    EXPECT_EQ(FHook->HitTest(IconCentre(kbiClose)), kwhBorderIcon);
    EXPECT_EQ(FHook->BorderIconAt(IconCentre(kbiClose)), kbiClose);
  }
  // Deep inside the wide borders the answer must still name the border's own side.
  const TCase inner[] = {
      {{7, h / 2}, kwhLeft}, {{w - 8, h / 2}, kwhRight}, {{w / 2, h - 8}, kwhBottom}};
  for (const TCase& c : inner)
    EXPECT_EQ(int(FHook->HitTest(c.Point)), int(c.Hit)) << c.Point.x() << "," << c.Point.y();
}

// The system buttons and a double click on the caption; the window takes the skin's shape
// except when maximised.
TEST_F(Frame, SystemButtonsAndCaptionDoubleClickMaximiseRestoreAndClose) {
  Show(TSkin::DemoLight);
  const QRegion skinShape =
      CurrentTheme()->WindowGetRegion(kwkSizeable, FHook->WindowInfo(), "default");
  ASSERT_NE(skinShape, QRegion(FWidget->rect())) << "the demo skin has shaped corners";
  EXPECT_EQ(FWidget->mask(), skinShape);
  QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, IconCentre(kbiMaximize));
  QTRY_VERIFY(FWidget->isMaximized());
  EXPECT_TRUE(FHook->WindowInfo().HasIcon(kbiMaxRestore));
  EXPECT_FALSE(FHook->WindowInfo().HasIcon(kbiMaximize));
  EXPECT_TRUE(FWidget->mask().isEmpty());
  QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, IconCentre(kbiMaxRestore));
  QTRY_VERIFY(!FWidget->isMaximized());
  EXPECT_EQ(FWidget->mask(), skinShape);
  QTest::mouseDClick(FWidget.get(), Qt::LeftButton, {}, CaptionPoint());
  QTRY_VERIFY(FWidget->isMaximized());
  QTest::mouseDClick(FWidget.get(), Qt::LeftButton, {}, CaptionPoint());
  QTRY_VERIFY(!FWidget->isMaximized());
  QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, IconCentre(kbiClose));
  QTRY_VERIFY(!FWidget->isVisible());
}

TEST_F(Frame, ButtonsShowHotAndPressedAndActOnlyOnReleaseOverThemselves) {
  Show(TSkin::DemoLight);
  const QPoint close = IconCentre(kbiClose);
  QTest::mouseMove(FWidget.get(), close);
  QTRY_COMPARE(FHook->BorderIconState(kbiClose), kpsHot);
  EXPECT_EQ(FHook->BorderIconState(kbiMaximize), kpsNormal);
  QTest::mousePress(FWidget.get(), Qt::LeftButton, {}, close);
  EXPECT_EQ(FHook->BorderIconState(kbiClose), kpsPressed);
  const QPoint client = FHook->ClientRect().center();
  QTest::mouseMove(FWidget.get(), client);
  EXPECT_EQ(FHook->BorderIconState(kbiClose), kpsNormal) << "pressed only while over it";
  QTest::mouseRelease(FWidget.get(), Qt::LeftButton, {}, client);
  EXPECT_TRUE(FWidget->isVisible()) << "a press that slid off is taken back";
}

// Without a window manager the hook follows the mouse itself.
TEST_F(Frame, DraggingTheCaptionMovesAndABorderSizes) {
  Show(TSkin::DemoLight);
  const QPoint start = FWidget->pos();
  QTest::mousePress(FWidget.get(), Qt::LeftButton, {}, CaptionPoint());
  QTest::mouseMove(FWidget.get(), CaptionPoint() + QPoint(30, 20));
  QTest::mouseRelease(FWidget.get(), Qt::LeftButton, {}, CaptionPoint() + QPoint(30, 20));
  QTRY_COMPARE(FWidget->pos(), start + QPoint(30, 20));
  const QPoint edge(FWidget->width() - 1, 150);
  QTest::mousePress(FWidget.get(), Qt::LeftButton, {}, edge);
  QTest::mouseMove(FWidget.get(), edge + QPoint(40, 0));
  QTest::mouseRelease(FWidget.get(), Qt::LeftButton, {}, edge + QPoint(40, 0));
  QTRY_COMPARE(FWidget->width(), 440);
  EXPECT_EQ(FWidget->pos(), start + QPoint(30, 20));
}

TEST_F(Frame, RollUpAndDownAndContentsInsideTheClientAreaOfTheThemeInUse) {
  Show(TSkin::DemoLight);
  auto* contents = new QLabel("contents");
  (new QVBoxLayout(FWidget.get()))->addWidget(contents);
  contents->show();
  FHook->SetBorderIcons(kAllBorderIcons);
  const int frameHeight = FWidget->height() - FHook->ClientRect().height();
  QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, IconCentre(kbiRollUp));
  QTRY_COMPARE(FWidget->height(), frameHeight);
  EXPECT_FALSE(contents->isVisible());
  EXPECT_TRUE(FHook->WindowInfo().HasIcon(kbiRollDown));
  QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, IconCentre(kbiRollDown));
  QTRY_COMPARE(FWidget->height(), 300);
  EXPECT_TRUE(contents->isVisible());
  EXPECT_EQ(FWidget->contentsRect(), FHook->ClientRect());
  // The frame follows a change of the current theme at once: new borders, new margins.
  UseSkin(TSkin::WideFrame);
  const QRect client = FHook->ClientRect();
  EXPECT_EQ(client.left(), 10);
  EXPECT_EQ(FWidget->height() - client.bottom() - 1, 10);
  EXPECT_EQ(FWidget->contentsRect(), client);
}

QImage Stacked(const QImage& top, const QImage& bottom) {
  QImage both(top.width(), top.height() + bottom.height(), QImage::Format_ARGB32);
  QPainter painter(&both);
  painter.drawImage(0, 0, top);
  painter.drawImage(0, top.height(), bottom);
  return both;
}

TEST_F(Frame, ActiveAndInactiveLookAndANewTitle) {
  Show(TSkin::DemoLight, {240, 90});
  FWidget->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FWidget.get()));
  const QImage active = FWidget->grab().toImage();
  QWidget other;
  other.setGeometry(600, 600, 50, 50);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  ASSERT_FALSE(FWidget->isActiveWindow());
  const QImage inactive = FWidget->grab().toImage();
  EXPECT_NE(active, inactive);
  test::ExpectGolden(Stacked(active, inactive), "controls/frame-active-inactive", {24, 40});
  // A new title repaints the caption and nothing else.
  const QRect caption(0, 0, 240, FHook->ClientRect().top());
  FWidget->setWindowTitle("Another title");
  const QImage retitled = FWidget->grab().toImage();
  EXPECT_NE(inactive.copy(caption), retitled.copy(caption));
  const QRect below(0, caption.bottom() + 1, 240, 90 - caption.height());
  EXPECT_EQ(inactive.copy(below), retitled.copy(below));
}

TEST(WindowEffects, SlidesUncoverFromTheirSide) {
  QWidget window;
  window.resize(100, 40);
  const std::pair<const char*, QRect> cases[] = {
      {"Slide from left", {0, 0, 25, 40}},
      {"Slide from right", {75, 0, 25, 40}},
      {"Slide from top", {0, 0, 100, 10}},
      {"Slide from bottom", {0, 30, 100, 10}},
  };
  for (const auto& [name, shown] : cases) {
    const TTeWindowEffect* effect = TTeEffectRegistry::Instance().Resolve(name);
    ASSERT_TRUE(effect) << name;
    effect->Apply(window, 0.25, {});
    EXPECT_EQ(window.mask(), QRegion(shown)) << name;
    effect->Apply(window, 0.0, QRegion(0, 0, 50, 40));
    EXPECT_FALSE(window.mask().isEmpty()) << name << ": an empty mask would show everything";
    effect->Finish(window, {});
    EXPECT_TRUE(window.mask().isEmpty());
  }
}

TEST(WindowEffects, FadingNeedsACompositorAndRandomPicksAnAvailableOne) {
  EXPECT_FALSE(CanFadeWindows()) << "the offscreen platform has no window transparency";
  EXPECT_EQ(TTeEffectRegistry::Instance().Resolve("Fade"), nullptr);
  for (int i = 0; i < 20; ++i) {
    const TTeWindowEffect* chosen = TTeEffectRegistry::Instance().Resolve(kRandomEffectName);
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(chosen->IsAvailable());
  }
}

TEST_F(Frame, HideEffectPlaysBeforeTheWindowCloses) {
  Show(TSkin::DemoLight);
  FHook->SetHideEffect("Slide from top");
  FHook->EffectPlayer().SetDuration(60);
  const QRegion shape = FWidget->mask();
  QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, IconCentre(kbiClose));
  EXPECT_TRUE(FWidget->isVisible()) << "the effect plays first";
  QTRY_VERIFY(!FWidget->isVisible());
  EXPECT_EQ(FWidget->mask(), shape) << "the look is restored once the window is gone";
}

// The sample window in plain drawing (no theme), then with the light demo skin current.
TEST(ThemePreview, PaintsTheSampleWithTheThemeOrPlainly) {
  TTeThemePreview preview;
  preview.resize(200, 110);
  ClearCurrentTheme();
  const QImage plain = preview.Render();
  UseSkin(TSkin::DemoLight);
  const QImage skinned = preview.Render();
  ClearCurrentTheme();
  test::ExpectGolden(Stacked(plain, skinned), "controls/theme-preview", {24, 40});
}

}  // namespace
}  // namespace vt
