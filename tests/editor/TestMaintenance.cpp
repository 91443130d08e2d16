// The maintenance panel's commands and the charset change, clicked as the designer does.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "PanelTestUtil.h"
#include "editor/SkinMaintenance.h"

namespace vt::test {
namespace {

struct MaintenanceTest : PanelWindowTest {
  void SetUp() override {
    PanelWindowTest::SetUp();
    Window->findChild<QWidget*>("SecretPanel")->show();
    Window->ShowMessage = [this](const QString& message) { Messages << message; };
  }
  void Type(const char* edit, const QString& text) {
    auto* line = Window->findChild<QLineEdit*>(edit);
    line->clear();
    QTest::keyClicks(line, text);
  }
  TteBitmap* AddImage(const std::string& name, int w, int h, uint32_t pixel = 0xFF336699u) {
    TteBitmap* image = SolidImage(name, w, h, pixel).release();
    Source().Bitmaps().Add(image);
    return image;
  }
  std::vector<std::string> ImageNames() {
    std::vector<std::string> names;
    for (int i = 0; i < Source().Bitmaps().Count(); ++i)
      names.push_back(Source().Bitmaps().Bitmaps(i)->Name());
    return names;
  }
  QStringList Messages;
};

TEST_F(MaintenanceTest, DuplicatesKeepTheFirstOfANameIgnoringCase) {
  AddImage("Btn", 2, 2);
  AddImage("other", 2, 2);
  AddImage("btn", 3, 3);
  TSeBitmapObject& object = AddPicture("btn", {0, 0, 2, 2});
  Click("Button4");
  EXPECT_EQ(Messages, QStringList{"1 images removed."});
  EXPECT_EQ(ImageNames(), (std::vector<std::string>{"Btn", "other"}));
  EXPECT_EQ(object.Bitmap()->Bitmap(), Source().Bitmaps().Bitmaps(0));
  EXPECT_TRUE(Document().Modified());
}

TEST_F(MaintenanceTest, PackingPlacesRowByRowMovesTheLinksAndCopiesThePixels) {
  AddImage("wide", 390, 10, 0xFF0000FFu);
  AddImage("small", 20, 5, 0xFF00FF00u);
  TSeBitmapObject& wide = AddPicture("wide", {1, 2, 3, 4});
  TSeBitmapObject& small = AddPicture("small", {0, 1, 20, 5});
  Click("Button5");
  ASSERT_EQ(ImageNames(), std::vector<std::string>{kPackedImageName});
  TteBitmap* packed = Source().Bitmaps().Bitmaps(0);
  EXPECT_EQ(QSize(packed->Width(), packed->Height()), QSize(400, 300));
  EXPECT_EQ(wide.Bitmap()->Rect(), (TRect{1, 2, 3, 4}));
  // 20 pixels do not fit beside the 390 wide image: the first free row is 10.
  EXPECT_EQ(small.Bitmap()->Rect(), (TRect{0, 11, 20, 15}));
  EXPECT_EQ(small.Bitmap()->Bitmap(), packed);
  EXPECT_EQ(packed->Pixels(389, 9), 0xFF0000FFu);
  EXPECT_EQ(packed->Pixels(19, 14), 0xFF00FF00u);
  EXPECT_EQ(packed->Pixels(20, 10), kKeyPixel);
  EXPECT_EQ(Document().SelectedImage(), packed);
  EXPECT_TRUE(Document().Modified());
}

TEST_F(MaintenanceTest, ExactlyTheSizeFitsAtTheOriginOnePixelMoreChangesNothing) {
  AddImage("full", 400, 300);
  ASSERT_TRUE(PlaceImages(Source().Bitmaps(), 400, 300));
  EXPECT_EQ(PlaceImages(Source().Bitmaps(), 400, 300)->front(), (TPoint{0, 0}));

  Source().Bitmaps().Clear();
  TteBitmap* tooWide = AddImage("wide", 401, 300);
  Click("Button5");
  EXPECT_EQ(Messages, QStringList{"Error optimization"});
  EXPECT_EQ(Source().Bitmaps().Bitmaps(0), tooWide);
  EXPECT_EQ(Source().Bitmaps().Count(), 1);
  EXPECT_FALSE(Document().Modified());

  Type("Edit4", "40O");
  Click("Button5");
  EXPECT_EQ(Errors.size(), 1u);
  EXPECT_FALSE(Document().Modified());
}

// A cancel at any step changes nothing; a full run tells growing steps up to its total.
TEST_F(MaintenanceTest, ProgressGrowsToItsTotalAndACancelAtAnyStepChangesNothing) {
  AddImage("a", 4, 4);
  AddImage("b", 3, 3);
  AddImage("A", 2, 2);
  const TSeBitmapObject& object = AddPicture("b", {0, 0, 2, 2});
  using TRun = std::function<bool(TSeSkinSource&, const TProgress&)>;
  const std::pair<const char*, TRun> operations[] = {
      {"duplicates", [](TSeSkinSource& s,
                        const TProgress& p) { return RemoveDuplicateImages(s, p).has_value(); }},
      {"pack",
       [](TSeSkinSource& s, const TProgress& p) { return PackImages(s, 400, 300, p) != nullptr; }},
  };
  for (const auto& operation : operations) {
    SCOPED_TRACE(operation.first);
    const TRun& run = operation.second;
    for (int cancelAt = 1;; ++cancelAt) {
      const std::vector<std::string> namesBefore = ImageNames();
      const TRect rectBefore = object.Bitmap()->Rect();
      std::vector<int> told;
      int lastTotal = 0;
      const bool finished = Document().TryEditSkin(TSkinPart::spImages, [&](TSeSkinSource& s) {
        return run(s, [&](int done, int total) {
          told.push_back(done);
          lastTotal = total;
          return done != cancelAt;
        });
      });
      ASSERT_FALSE(told.empty());
      EXPECT_EQ(std::adjacent_find(told.begin(), told.end(), std::greater_equal<>()), told.end());
      if (finished) {
        EXPECT_EQ(told.back(), lastTotal);
        EXPECT_GT(cancelAt, lastTotal);  // no cancel was asked for
        EXPECT_TRUE(Document().Modified());
        break;
      }
      EXPECT_EQ(told.back(), cancelAt);
      EXPECT_EQ(ImageNames(), namesBefore);
      EXPECT_EQ(object.Bitmap()->Rect(), rectBefore);
      EXPECT_EQ(object.Bitmap()->Bitmap(), Source().Bitmaps().GetBitmapByName("b"));
      EXPECT_FALSE(Document().Modified());
    }
    Document().SetModified(false);
  }
  EXPECT_EQ(ImageNames(), std::vector<std::string>{kPackedImageName});
}

TEST_F(MaintenanceTest, ReplaceColorChangeFontAndCharsetReachTheirObjects) {
  TSeSkinObject& form = *Source().GetFormObject();
  form.SetColor(clWindowText);  // counted: every object's Color
  Document().Select(&form);
  auto* active = dynamic_cast<TSeActiveObject*>(
      Document().CreateSkinObject(TSeActiveObject::StaticClassInfo()));
  active->SetColor(clRed);
  active->SetActiveColor(clWindowText);
  active->ActiveFont()->SetColor(clWindowText);
  active->Font()->SetColor(clBlue);
  form.Font()->SetColor(clWindowText);  // a plain object's font is not compared
  Document().SetModified(false);
  Type("Edit3", "$00102030");
  Click("Button3");
  EXPECT_EQ(Messages, QStringList{"3 color changed"});
  EXPECT_EQ(form.GetColor(), TColor(0x00102030));
  EXPECT_EQ(active->GetActiveColor(), TColor(0x00102030));
  EXPECT_EQ(active->ActiveFont()->GetColor(), TColor(0x00102030));
  EXPECT_EQ(form.Font()->GetColor(), clWindowText);
  EXPECT_TRUE(Document().Modified());

  // Change font and charset reach every font and mark the document.
  Document().Select(Source().GetFormObject());
  auto* text =
      dynamic_cast<TSeTextObject*>(Document().CreateSkinObject(TSeTextObject::StaticClassInfo()));
  text->FontHot()->SetColor(clWindowText);
  Document().SetModified(false);
  Window->AskFont = [](const QFont&) { return std::optional(QFont("Verdana")); };
  Click("Button2");
  for (TFont* font : {text->Font(), text->FontHot(), text->FontDisabled()})
    EXPECT_EQ(font->GetName(), "Verdana");
  EXPECT_EQ(text->FontHot()->GetColor(), ColorToRGB(clWindowText));
  EXPECT_TRUE(Document().Modified());

  Document().SetModified(false);
  Window->findChild<QComboBox*>("cbCharset")->setCurrentText("GREEK_CHARSET");
  Click("Button1");
  EXPECT_EQ(text->FontPressed()->GetCharset(), *IdentToCharset("GREEK_CHARSET"));
  EXPECT_TRUE(Document().Modified());
}

}  // namespace
}  // namespace vt::test
