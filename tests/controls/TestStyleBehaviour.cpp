// The style's behaviour: states from real events, theme changes and links reaching exactly
// the widgets concerned, the base style's fallback, and memory and QPainter routes agreeing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyleFactory>
#include <QTabBar>
#include <QTest>
#include <map>

#include "GoldenImage.h"
#include "StyleTestSupport.h"
#include "controls/TTeStyle.h"
#include "controls/TeThemePreview.h"
#include "controls/te_controls.h"

namespace vt::test {
namespace {

// A skin theme that notes the state of every button it paints for the object "spied".
class TSpyTheme : public TTeSkinFile {
 public:
  void ButtonDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                  const std::string& objectName) override {
    if (objectName == "spied") States.push_back(info.State);
    TTeSkinFile::ButtonDraw(canvas, kind, info, objectName);
  }
  std::vector<uint8_t> States;
};

// Counts the paint events of the widgets it watches.
class TPaintCounter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Counts[watched];
    return false;
  }
  std::map<QObject*, int> Counts;
};

class StyleBehaviourTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { QApplication::setStyle(new TTeStyle); }
  void SetUp() override {
    FHost.resize(240, 120);
    FHost.show();
    FHost.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&FHost));
  }
  void TearDown() override { ClearCurrentTheme(); }

  // A button without a caption, so that grabs show the skin's face alone.
  QPushButton* AddButton(int x) {
    auto* button = new QPushButton(&FHost);
    button->setGeometry(x, 10, 75, 25);
    button->show();
    QApplication::processEvents();
    return button;
  }

  QWidget FHost;
};

TEST_F(StyleBehaviourTest, RealEventsGiveTheStates) {
  RegisterSkinTheme();
  auto spy = std::make_unique<TSpyTheme>();
  spy->Assign(*MakeDemoTheme(TDemo::Light));
  TSpyTheme& theme = *spy;
  SetCurrentTheme(std::move(spy));
  QPushButton* button = AddButton(10);
  SetThemeObject(button, QStringLiteral("spied"));
  AddButton(100);  // the next one along for the Tab key

  const auto lastState = [&](auto&& action) {
    theme.States.clear();
    action();
    button->repaint();
    return theme.States.empty() ? uint8_t(255) : theme.States.back();
  };
  const QPoint at(30, 12);
  EXPECT_EQ(lastState([] {}), kpsNormal);
  EXPECT_EQ(lastState([&] { QTest::mouseMove(button, at); }), kpsHot);
  EXPECT_EQ(lastState([&] { QTest::mousePress(button, Qt::LeftButton, {}, at); }), kpsPressed);
  QTest::mouseRelease(button, Qt::LeftButton, {}, at);
  QTest::mouseMove(&FHost, {230, 110});
  button->clearFocus();
  FHost.setFocus();
  EXPECT_EQ(lastState([&] { QTest::keyClick(&FHost, Qt::Key_Tab); }), kpsFocused);
  EXPECT_EQ(lastState([&] { button->setEnabled(false); }), kpsDisabled);
}

// The theme preview repaints on both broadcasts: a change of the current theme (0x0800) and
// a link's notification (0x0801).
TEST_F(StyleBehaviourTest, ThemeChangeRepaintsTheWidgetsThatUseItAndThePreview) {
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  std::unique_ptr<TTeSkinFile> own = MakeDemoTheme(TDemo::Light);
  TTestLink link(own.get());
  QPushButton* current = AddButton(10);
  // A window of its own on the link: a window that repaints repaints its children too.
  QWidget linkedWindow;
  SetThemeLink(&linkedWindow, &link);
  auto* linked = new QPushButton(&linkedWindow);
  SetThemeLink(linked, &link);
  linkedWindow.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&linkedWindow));
  auto* preview = new TTeThemePreview(&FHost);
  preview->setGeometry(100, 40, 120, 80);
  preview->show();
  TPaintCounter counter;
  for (QWidget* widget : std::initializer_list<QWidget*>{current, linked, preview})
    widget->installEventFilter(&counter);
  QApplication::processEvents();

  // Another theme with the same colours and fonts: nothing but the theme change itself
  // repaints.
  counter.Counts.clear();
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  QApplication::processEvents();
  EXPECT_GE(counter.Counts[current], 1);
  EXPECT_EQ(counter.Counts[linked], 0);
  EXPECT_GE(counter.Counts[preview], 1);

  counter.Counts.clear();
  BroadcastThemeNotify(reinterpret_cast<intptr_t>(&link));
  QApplication::processEvents();
  EXPECT_EQ(counter.Counts[current], 0);
  EXPECT_GE(counter.Counts[linked], 1);
  EXPECT_GE(counter.Counts[preview], 1);
  SetThemeLink(linked, nullptr);
  SetThemeLink(&linkedWindow, nullptr);
}

TEST_F(StyleBehaviourTest, ALinkOverridesTheCurrentThemeForItsWidgetsOnly) {
  SetCurrentTheme(MakeDemoTheme(TDemo::Dark));
  QPushButton* current = AddButton(10);
  const QImage darkFace = GrabImage(*current);
  std::unique_ptr<TTeSkinFile> dark = MakeDemoTheme(TDemo::Dark);
  TTestLink link(dark.get());
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  QPushButton* linked = AddButton(100);
  SetThemeLink(linked, &link);
  EXPECT_EQ(CountDifferingPixels(GrabImage(*linked), darkFace, 0), 0);
  EXPECT_GT(CountDifferingPixels(GrabImage(*current), darkFace, 0), 0);
  SetThemeLink(linked, nullptr);
}

TEST_F(StyleBehaviourTest, ASkinWithoutAFamilyLeavesItToTheBaseStyle) {
  SetCurrentTheme(MakeDemoTheme(TDemo::Light, {"Button"}));
  QPushButton* themed = AddButton(10);
  QPushButton* fusion = AddButton(100);
  QProxyStyle base(QStyleFactory::create(QStringLiteral("Fusion")));
  fusion->setStyle(&base);
  EXPECT_EQ(CountDifferingPixels(GrabImage(*themed), GrabImage(*fusion), 0), 0);

  // With the family back, the same button is the skin's.
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  EXPECT_GT(CountDifferingPixels(GrabImage(*themed), GrabImage(*fusion), 0), 100);
  fusion->setStyle(nullptr);
}

// Run once more at a device pixel ratio of 2 (the test controls_scale2): each widget grabs
// at twice its size and looks like its rendering at 1x with every pixel doubled.
TEST_F(StyleBehaviourTest, AtScaleTwoTheLookIsTheSameScaled) {
  if (qEnvironmentVariable("QT_SCALE_FACTOR") != QLatin1String("2"))
    GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
  ASSERT_EQ(FHost.devicePixelRatio(), 2.0);
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  QWidget* widgets[] = {AddButton(10), new QCheckBox(&FHost),
                        new QScrollBar(Qt::Horizontal, &FHost),
                        new QSlider(Qt::Horizontal, &FHost)};
  for (QWidget* widget : widgets) {
    widget->resize(std::max(widget->width(), 60), std::max(widget->height(), 16));
    widget->show();
    QApplication::processEvents();
    QImage once(widget->size(), QImage::Format_ARGB32_Premultiplied);
    once.fill(Qt::transparent);
    widget->render(&once);
    const QImage twice = GrabImage(*widget);
    const QString name = QString::fromLatin1(widget->metaObject()->className());
    ASSERT_EQ(twice.size(), widget->size() * 2) << name.toStdString();
    const QImage doubled = once.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_LE(CountDifferingPixels(twice, doubled, 48), twice.width() * twice.height() / 50)
        << name.toStdString();
  }
}

// Menu items, menu bar items and tabs are as thick as the demo skin's parts; a skin
// without the family leaves them the base style's size.
TEST_F(StyleBehaviourTest, ItemsAndTabsAreAsThickAsTheSkinSays) {
  struct TCase {
    const char* Object;  // the skin object of the family
    int Skin;            // the height of its item or tab part
    int (*Measure)(QStyle* style);
  };
  const TCase cases[] = {
      {"PopupMenu", 22,
       [](QStyle* style) {
         QMenu menu;
         menu.setStyle(style);
         return menu.actionGeometry(menu.addAction(QStringLiteral("Open"))).height();
       }},
      {"MenuBar", 18,
       [](QStyle* style) {
         QMenuBar bar;
         bar.setStyle(style);
         return bar.actionGeometry(bar.addAction(QStringLiteral("File"))).height();
       }},
      {"Tabs", 22,
       [](QStyle* style) {
         QTabBar bar;
         bar.setStyle(style);
         bar.addTab(QStringLiteral("Page"));
         return bar.sizeHint().height();
       }},
  };
  QProxyStyle base(QStyleFactory::create(QStringLiteral("Fusion")));
  for (const TCase& c : cases) {
    SetCurrentTheme(MakeDemoTheme(TDemo::Light));
    EXPECT_EQ(c.Measure(nullptr), c.Skin) << c.Object;
    SetCurrentTheme(MakeDemoTheme(TDemo::Light, {c.Object}));
    EXPECT_EQ(c.Measure(nullptr), c.Measure(&base)) << c.Object;
  }
}

// A whole window rendered into a 32-bit image (composed in memory) and into an image
// format that QPainter must convert (painted through QPainter) look the same; a render
// limited to a region leaves every pixel outside it alone.
TEST_F(StyleBehaviourTest, MemoryAndPainterRoutesAgreeAndKeepToTheClip) {
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  AddButton(10)->setDown(true);
  AddButton(100);
  const auto render = [this](QImage::Format format) {
    QImage image(FHost.size(), format);
    image.fill(Qt::transparent);
    FHost.render(&image);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  };
  const QImage direct = render(QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(CountDifferingPixels(direct, render(QImage::Format_RGBA8888_Premultiplied), 2), 0);

  QImage clipped(FHost.size(), QImage::Format_ARGB32_Premultiplied);
  clipped.fill(QColor(1, 2, 3));
  const QRegion region = QRegion(20, 15, 30, 5) + QRegion(110, 12, 8, 20);
  // The region's top-left lands on the target offset: here, in its own place.
  FHost.render(&clipped, region.boundingRect().topLeft(), region);
  for (int y = 0; y < clipped.height(); ++y)
    for (int x = 0; x < clipped.width(); ++x)
      if (!region.contains(QPoint(x, y))) {
        ASSERT_EQ(clipped.pixel(x, y), qRgb(1, 2, 3)) << x << "," << y;
      }
  for (const QRect& rect : region) EXPECT_EQ(clipped.copy(rect), direct.copy(rect));
}

}  // namespace
}  // namespace vt::test
