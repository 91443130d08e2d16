// The bitmap property dialog with real mouse and key events, and the link editors.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include "editor/BitmapProp.h"
#include "skin/te_bitmap.h"
#include "skin/theme_se3objects.h"

namespace vt::test {
namespace {

class BitmapPropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, width, height] : {std::tuple("other", 4, 4), {"face", 10, 6}}) {
      auto* bitmap = new TteBitmap;
      bitmap->SetSize(width, height);
      bitmap->SetName(name);
      FImages.Add(bitmap);
    }
    FButton.SetBitmapList(&FImages);
    Form.show();
  }
  TteBitmapLink* Load(const TRect& rect) {
    TteBitmapLink* link = FButton.Bitmap();
    link->SetName("face");
    link->SetRect(rect);
    FButton.UpdateLinks();
    Form.SetObject(&FButton);
    Form.LoadLink(link);
    return link;
  }
  void Press(Qt::MouseButton button, QPoint pos) {
    QTest::mouseClick(Form.BmpView, button, {}, pos);
  }
  std::string RectText() const { return Form.edRect->text().toStdString(); }

  TteBitmapList FImages;
  TSeButtonObject FButton{nullptr};
  TfrmBitmapEditor Form;
};

TEST_F(BitmapPropTest, LinksOpenAndApplyBackAsTheyAreAndCancelChangesNothing) {
  TteBitmapLink* link = Load({0, 0, 10, 6});
  EXPECT_TRUE(Form.cbAll->isChecked());
  EXPECT_EQ(Form.BmpList->currentItem()->text(), "face");
  EXPECT_EQ(RectText(), "(0:0)-(9:5)");
  EXPECT_EQ(Form.SizeLabel->text(), "Size: (10:6)");
  Press(Qt::LeftButton, {4, 4});  // ignored while the whole bitmap is chosen
  link->SetBitmap(nullptr);
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(link->Bitmap(), FImages.GetBitmapByName("face"));
  EXPECT_EQ(link->Rect(), (TRect{0, 0, 10, 6}));

  Load({2, 1, 5, 4});
  EXPECT_FALSE(Form.cbAll->isChecked());
  EXPECT_EQ(RectText(), "(2:1)-(4:3)");
  EXPECT_EQ(Form.SizeLabel->text(), "Size: (3:3)");
  // Swapped corners are applied as they are.
  Press(Qt::LeftButton, {8, 5});
  Press(Qt::RightButton, {2, 1});
  EXPECT_EQ(Form.SizeLabel->text(), "Size: (-5:-3)");
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(link->Rect(), (TRect{8, 5, 3, 2}));

  // Cancel changes nothing.
  Load({2, 1, 5, 4});
  Press(Qt::LeftButton, {0, 0});
  QTest::mouseClick(Form.BmpList->viewport(), Qt::LeftButton, {},
                    Form.BmpList->visualItemRect(Form.BmpList->item(0)).center());
  ASSERT_EQ(Form.BmpList->currentRow(), 0);
  QTest::mouseClick(Form.cbAll, Qt::LeftButton);
  QTest::mouseClick(Form.Button2, Qt::LeftButton);
  EXPECT_EQ(link->GetName(), "face");
  EXPECT_EQ(link->Rect(), (TRect{2, 1, 5, 4}));
  EXPECT_EQ(link->Bitmap(), FImages.GetBitmapByName("face"));
}

// Left and right presses set the corners, divided by the zoom and rounded; the readout
// truncates.
TEST_F(BitmapPropTest, CornersFollowTheZoomWithRounding) {
  Load({2, 1, 5, 4});
  const struct {
    QPoint View;
    const char* Rect;
    const char* Position;
  } cases[] = {{{3, 2}, "(3:2)-(3:2)", "Position: (3:2)"},
               {{5, 3}, "(3:2)-(3:2)", "Position: (2:1)"},
               {{9, 5}, "(2:1)-(2:1)", "Position: (2:1)"},
               {{30, 44}, "(4:6)-(4:6)", "Position: (3:5)"}};
  for (int zoom = 0; zoom < 4; ++zoom) {
    ASSERT_EQ(Form.ZoomFactor(), 1 << zoom);
    EXPECT_EQ(Form.BmpView->size(), QSize(10, 6) * Form.ZoomFactor());
    Press(Qt::LeftButton, cases[zoom].View);
    Press(Qt::RightButton, cases[zoom].View);
    QTest::mouseMove(Form.BmpView, cases[zoom].View);
    EXPECT_EQ(RectText(), cases[zoom].Rect) << zoom;
    EXPECT_EQ(Form.PosLabel->text().toStdString(), cases[zoom].Position) << zoom;
    QTest::keyClick(Form.cbZoom, Qt::Key_Down);
  }
  // Ctrl+wheel zooms too.
  QWheelEvent wheel(QPointF(5, 5), Form.BmpView->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                    Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Form.BmpView, &wheel);
  EXPECT_EQ(Form.ZoomFactor(), 4);
}

TEST(BitmapPropertyEditors, BitmapIsATextAndTheOtherLinksKeepTheirRows) {
  RegisterBitmapPropertyEditors();
  TSeButtonObject button(nullptr);
  std::vector<TPropertyRef> editors;
  GetComponentProperties(CreateSelectionList(&button), kAllPropertyKinds,
                         std::make_shared<TZFormDesigner>(),
                         [&editors](const TPropertyRef& p) { editors.push_back(p); });
  int links = 0;
  for (const TPropertyRef& editor : editors) {
    const TPropertyAttributes attributes = editor->GetAttributes();
    if (editor->GetName() == "Bitmap") {
      EXPECT_EQ(editor->GetValue(), "(Bitmap)");
      EXPECT_EQ(attributes.Mask(), 0x44u);
    } else if (editor->GetName().find("Bitmap") != std::string::npos) {
      ++links;
      EXPECT_TRUE(attributes.Contains(TPropertyAttribute::paSubProperties)) << editor->GetName();
      EXPECT_TRUE(attributes.Contains(TPropertyAttribute::paDialog)) << editor->GetName();
    }
  }
  EXPECT_EQ(links, 4);  // BitmapHot, BitmapFocused, BitmapPressed, BitmapDisabled
}

}  // namespace
}  // namespace vt::test
