// The work area: handle hit tests, zoom rounding, painting and mouse drags.
#include <gtest/gtest.h>

#include <QTest>

#include "EditorTestUtil.h"
#include "GoldenImage.h"
#include "editor/WorkArea.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt::test {
namespace {

using enum TDragHandle;

TEST(WorkAreaTest, HandlesAreHitInOrderAndZoomedPointsRoundHalvesToEven) {
  struct TCase {
    TRect Bounds;
    TPoint Point;
    std::optional<TDragHandle> Expected;
  };
  const TCase cases[] = {
      {{10, 10, 50, 40}, {10, 10}, dhTopLeft},
      {{10, 10, 50, 40}, {7, 7}, dhTopLeft},       // left edge of the square is inside
      {{10, 10, 50, 40}, {13, 13}, std::nullopt},  // right edge is outside
      {{10, 10, 50, 40}, {49, 9}, dhTopRight},
      {{10, 10, 50, 40}, {12, 42}, dhBottomLeft},
      {{10, 10, 50, 40}, {52, 42}, dhBottomRight},
      {{10, 10, 50, 40}, {30, 25}, dhMove},
      {{10, 10, 16, 16}, {10, 10}, dhMove},   // 6 pixels: the centre covers the corner
      {{-9, -9, 0, 0}, {-8, -8}, dhTopLeft},  // the centre -4.5 truncates toward zero
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Point.X << "," << c.Point.Y);
    EXPECT_EQ(HandleAt(c.Bounds, c.Point), c.Expected);
  }

  // Zoomed points round halves to even.
  const std::pair<int, int> zoomed[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {5, 2}, {7, 4}};
  for (auto [screen, skin] : zoomed) EXPECT_EQ(SkinPoint({screen, screen}, 2.0).X, skin) << screen;
}

struct WorkAreaFixture : testing::Test {
  void SetUp() override {
    SkinDesignMode = true;
    Form = Document.Source().GetFormObject();
    Form->SetColor(0x00336699);
    Document.Select(Form);
    Child = Document.CreateSkinObject(TSeSkinObject::StaticClassInfo());
    Child->SetColor(0x00CCEEFF);
    Child->SetBounds({20, 20, 60, 50});
    Area.resize(300, 250);
    Area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Area));
  }
  QImage Picture(QRect visible) {
    QImage image(visible.size(), QImage::Format_ARGB32);
    Area.Render(image, visible);
    return image;
  }

  TSkinDocument Document;
  TWorkArea Area{Document};
  TSeSkinObject* Form = nullptr;
  TSeSkinObject* Child = nullptr;
};

// The selection at 200 %, a visible part far into the form, a form without area.
TEST_F(WorkAreaFixture, Painting) {
  Area.SetScale(2.0);
  ExpectGolden(Picture(QRect(0, 0, 160, 140)), "editor/selection-200", {0, 0});
  Area.SetScale(8.0);
  EXPECT_EQ(Picture(QRect(8 * 30, 8 * 30, 16, 16)).pixel(0, 0), qRgb(0xFF, 0xEE, 0xCC));
  const QImage outside = Picture(QRect(8 * 300, 0, 16, 16));  // beyond the form's width
  EXPECT_EQ(outside.pixel(0, 0), outside.pixel(15, 15));
  Area.SetScale(1.0);
  Form->SetBounds({0, 0, 0, 100});
  const QImage image = Picture(QRect(0, 0, 20, 20));
  EXPECT_EQ(image.pixel(0, 0), image.pixel(19, 19));
}

// After a top-level form is deleted nothing is selected; the form must still be painted.
TEST_F(WorkAreaFixture, TheCurrentFormIsPaintedWithNothingSelected) {
  Document.Select(Form);
  TSeSkinObject* other = Document.CreateSkinObject(TSeSkinObject::StaticClassInfo());
  Document.Select(other);
  Document.DeleteSelected();
  ASSERT_EQ(Document.CurrentForm(), Form);
  EXPECT_EQ(Picture(QRect(0, 0, 30, 30)).pixel(25, 25), qRgb(0xFF, 0xEE, 0xCC));
}

// Real mouse events drag the centre handle; a press on another object picks it.
TEST_F(WorkAreaFixture, DraggingTheCentreHandleMovesTheObjectAndAClickPicks) {
  Area.SetScale(2.0);
  const QPoint centre(2 * 40, 2 * 35);
  QTest::mousePress(&Area, Qt::LeftButton, {}, centre);
  QMouseEvent move(QEvent::MouseMove, centre + QPoint(20, 10),
                   Area.mapToGlobal(centre + QPoint(20, 10)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&Area, &move);
  QTest::mouseRelease(&Area, Qt::LeftButton, {}, centre + QPoint(20, 10));
  EXPECT_EQ(Child->BoundsRect(), (TRect{30, 25, 70, 55}));
  EXPECT_FALSE(Area.Dragging());
  TSeSkinObject* picked = nullptr;
  QObject::connect(&Area, &TWorkArea::ObjectClicked, [&](TSeSkinObject* o) { picked = o; });
  QTest::mouseClick(&Area, Qt::LeftButton, {}, QPoint(200, 200));
  EXPECT_EQ(picked, Form);
}

}  // namespace
}  // namespace vt::test
