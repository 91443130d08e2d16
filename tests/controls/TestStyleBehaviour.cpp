// The style's behaviour: states from real events, theme changes and links reaching exactly
// the widgets concerned, the base style where a skin has no family, and direct painting
// into image memory matching painting through QPainter.
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
#include <functional>
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

class StyleBehaviourTest : public testing::Test {
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

// The face a theme paints for a 75 x 25 button in `state`, over the button's window colour.
QImage ThemeFace(TteTheme& theme, uint8_t state, const QWidget& button) {
  QImage image(75, 25, QImage::Format_ARGB32_Premultiplied);
  image.fill(button.palette().window().color());
  TCanvas canvas(image);
  TtePartInfo info;
  info.Rect = TRect::FromSize(0, 0, 75, 25);
  info.State = state;
  theme.ButtonDraw(canvas, kbkPushButton, info, "default");
  return image;
}

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
  EXPECT_EQ(lastState([] {}), kpsNormal);
  EXPECT_EQ(lastState([&] { QTest::mouseMove(button, {30, 12}); }), kpsHot);
  EXPECT_EQ(lastState([&] {
              QTest::mousePress(button, Qt::LeftButton, {}, {30, 12});
            }),
            kpsPressed);
  QTest::mouseRelease(button, Qt::LeftButton, {}, {30, 12});
  QTest::mouseMove(&FHost, {230, 110});
  button->clearFocus();
  FHost.setFocus();
  EXPECT_EQ(lastState([&] { QTest::keyClick(&FHost, Qt::Key_Tab); }), kpsFocused);
  EXPECT_EQ(lastState([&] { button->setEnabled(false); }), kpsDisabled);
}

TEST_F(StyleBehaviourTest, ThemeChangeRepaintsTheWidgetsThatUseIt) {
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
  TPaintCounter counter;
  current->installEventFilter(&counter);
  linked->installEventFilter(&counter);
  QApplication::processEvents();

  // Another theme with the same colours and fonts: nothing but the theme change itself
  // repaints.
  counter.Counts.clear();
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  QApplication::processEvents();
  EXPECT_GE(counter.Counts[current], 1);
  EXPECT_EQ(counter.Counts[linked], 0);

  counter.Counts.clear();
  BroadcastThemeNotify(reinterpret_cast<intptr_t>(&link));
  QApplication::processEvents();
  EXPECT_EQ(counter.Counts[current], 0);
  EXPECT_GE(counter.Counts[linked], 1);
  SetThemeLink(linked, nullptr);
  SetThemeLink(&linkedWindow, nullptr);
}

TEST_F(StyleBehaviourTest, ALinkOverridesTheCurrentThemeForItsWidgetsOnly) {
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  std::unique_ptr<TTeSkinFile> dark = MakeDemoTheme(TDemo::Dark);
  TTestLink link(dark.get());
  QPushButton* current = AddButton(10);
  QPushButton* linked = AddButton(100);
  SetThemeLink(linked, &link);

  EXPECT_EQ(
      CountDifferingPixels(GrabImage(*current), ThemeFace(*CurrentTheme(), kpsNormal, *current), 0),
      0);
  EXPECT_EQ(CountDifferingPixels(GrabImage(*linked), ThemeFace(*dark, kpsNormal, *linked), 0), 0);
  EXPECT_GT(CountDifferingPixels(GrabImage(*linked), GrabImage(*current), 0), 0);
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

// The preview repaints on both broadcasts: a change of the current theme (0x0800) and a
// link's notification (0x0801). The change is announced alone, with no new fonts or
// colours given to the application that would repaint every widget.
TEST_F(StyleBehaviourTest, ThemePreviewRepaintsOnBothThemeBroadcasts) {
  SetCurrentTheme(MakeDemoTheme(TDemo::Light));
  TTestLink link(CurrentTheme());
  auto* preview = new TTeThemePreview(&FHost);
  preview->setGeometry(0, 0, 120, 80);
  preview->show();
  TPaintCounter counter;
  preview->installEventFilter(&counter);
  QApplication::processEvents();
  const std::pair<const char*, std::function<void()>> broadcasts[] = {
      {"theme change", [] { TteThemeManager::Instance().BroadcastThemeChange(tccReplaced); }},
      {"link notification", [&] { BroadcastThemeNotify(reinterpret_cast<intptr_t>(&link)); }},
  };
  for (const auto& [name, broadcast] : broadcasts) {
    counter.Counts.clear();
    broadcast();
    QApplication::processEvents();
    EXPECT_GE(counter.Counts[preview], 1) << name;
  }
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
  QImage direct(FHost.size(), QImage::Format_ARGB32_Premultiplied);
  direct.fill(Qt::transparent);
  FHost.render(&direct);
  QImage painted(FHost.size(), QImage::Format_RGBA8888_Premultiplied);
  painted.fill(Qt::transparent);
  FHost.render(&painted);
  EXPECT_EQ(CountDifferingPixels(direct, painted.convertToFormat(direct.format()), 2), 0);

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
