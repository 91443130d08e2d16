// The images panel: add, replace and delete, and the links of the objects naming them.
#include <QLabel>
#include <QToolButton>

#include "PanelTestUtil.h"

namespace vt::test {
namespace {

struct ImagesPanelTest : PanelWindowTest {
  const QLabel& ImageView() { return *Window->findChild<QLabel*>("ImageView"); }
};

TEST_F(ImagesPanelTest, AddShowsTheImageAndCancelStillMarksTheDocument) {
  Press("Ctrl+A");  // cancelled
  EXPECT_TRUE(Document().Modified());
  EXPECT_EQ(Source().Bitmaps().Count(), 0);

  NextBitmap = SolidImage("btn", 3, 2, 0u);  // transparent: shown on the key colour
  NextBitmap->SetAlphaFlag(true);
  Press("Ctrl+A");
  ASSERT_EQ(Source().Bitmaps().Count(), 1);
  EXPECT_EQ(Document().SelectedImage(), Source().Bitmaps().Bitmaps(0));
  EXPECT_EQ(Window->CurrentPanel(), TCentrePanel::cpImages);
  const QImage shown = ImageView().pixmap().toImage();
  ASSERT_EQ(shown.size(), QSize(3, 2));
  EXPECT_EQ(shown.pixel(2, 1), qRgb(127, 0, 127));
  EXPECT_TRUE(Action("actnDeleteImage")->isEnabled());
}

// Replace keeps the name and the links follow; delete drops the links but keeps their
// names for a later image.
TEST_F(ImagesPanelTest, ReplaceAndDeleteReResolveTheLinks) {
  TSeBitmapObject& object = AddPicture("btn");
  NextBitmap = SolidImage("btn", 4, 4);
  Press("Ctrl+A");
  EXPECT_EQ(object.Bitmap()->Bitmap(), Source().Bitmaps().Bitmaps(0));
  NextBitmap = SolidImage("other", 6, 6, 0xFF00FF00u);
  Press("Ctrl+R");
  ASSERT_EQ(Source().Bitmaps().Count(), 1);
  TteBitmap* replacement = Source().Bitmaps().Bitmaps(0);
  EXPECT_EQ(replacement->Name(), "btn");
  EXPECT_EQ(replacement->Width(), 6);
  EXPECT_EQ(Document().SelectedImage(), replacement);
  EXPECT_EQ(object.Bitmap()->Bitmap(), replacement);

  Document().SetModified(false);
  QTest::mouseClick(Window->findChild<QToolButton*>("btnDelImage"), Qt::LeftButton);
  EXPECT_EQ(Source().Bitmaps().Count(), 0);
  EXPECT_EQ(object.Bitmap()->Bitmap(), nullptr);  // the placeholder, not freed memory
  EXPECT_EQ(object.Bitmap()->GetName(), "btn");
  EXPECT_EQ(Document().SelectedImage(), nullptr);
  EXPECT_TRUE(Document().Modified());
  EXPECT_TRUE(ImageView().pixmap().isNull());
  EXPECT_FALSE(Action("actnDeleteImage")->isEnabled());
  NextBitmap = SolidImage("btn", 4, 4);
  Press("Ctrl+A");
  EXPECT_EQ(object.Bitmap()->Bitmap(), Source().Bitmaps().Bitmaps(0));
}

}  // namespace
}  // namespace vt::test
