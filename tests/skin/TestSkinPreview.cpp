// Finding objects by path, painting an object with its alpha, and thumbnails.
#include "TestSkinObjectHelpers.h"
#include "skin/se_skinpreview.h"
#include "skin/se_skinrecords.h"

namespace vt {
namespace {

// A form: caption with button "Close", client a 2 x 2 image of opaque, key and half alpha.
class SkinPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSkinObjectClasses();
    // Opaque blue and transparent above, half red below.
    Source.Bitmaps().Add(test::MakeBitmap("pixels", 2, 2, [](int x, int y) {
      return y == 1 ? 0x80FF0000u : x == 0 ? 0xFF0000FFu : kKeyPixel;
    }));
    auto* form = new TSeSkinObject(nullptr);
    form->SetName("Form");
    form->SetKind(TSeKind::skForm);
    form->SetBounds({0, 0, 100, 60});
    auto* caption = new TSeSkinObject(form);
    caption->SetName("Caption");
    auto* close = new TSeSkinObject(caption);
    close->SetName("Close");
    auto* client = new TSeBitmapObject(form);
    client->SetName("Client");
    client->SetBitmap(*test::LinkTo("pixels", {0, 0, 2, 2}));
    client->SetColor(clRed);  // any colour: a bitmap object then draws its image
    client->SetAlign(TSeAlign::saClient);
    Source.AddObject(form);
  }
  TSeSkinSource Source;
};

TEST_F(SkinPreview, PathsFindObjectsAndRenderingKeepsAlphaAndTheSkin) {
  struct TCase {
    const char* Path;
    const char* Found;  // nullptr: not found
    int MissingStep;
  };
  const TCase cases[] = {
      {"Form", "Form", -1},
      {"form/close", "Close", -1},
      {"Form//Close", "Close", -1},
      {"Form/Close", "Close", -1},  // any depth below
      {"", nullptr, 0},
      {"Dialog", nullptr, 0},
      {"Form/Caption/Nope", nullptr, 2},
      {"Form/Close/Caption", nullptr, 2},
  };
  for (const TCase& c : cases) {
    int missing = -1;
    const TSeSkinObject* object = FindSkinObjectByPath(Source, c.Path, &missing);
    EXPECT_EQ(object ? object->GetName() : "(none)", c.Found ? c.Found : "(none)") << c.Path;
    EXPECT_EQ(missing, c.MissingStep) << c.Path;
  }
  EXPECT_EQ(SkinObjectPath(*FindSkinObjectByPath(Source, "Form/Close")), "Form/Caption/Close");
  // Rendering keeps opaque, transparent and partial alpha pixels, and the skin as it was.
  TSeSkinObject& form = *Source.GetFormObject();
  PoseSkinObject(form, {2, 2}, {});
  SkinDesignMode = true;
  const QImage picture = RenderSkinObject(form, false);
  EXPECT_TRUE(SkinDesignMode);  // the switch is put back
  SkinDesignMode = false;
  ASSERT_EQ(picture.size(), QSize(2, 2));
  EXPECT_EQ(picture.pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(qAlpha(picture.pixel(1, 0)), 0);
  // Half-transparent red comes back as red at (about) half alpha, not as a dark mix.
  const QRgb half = picture.pixel(1, 1);
  EXPECT_NEAR(qAlpha(half), 0x80, 1);
  EXPECT_GE(qRed(half), 250);
  EXPECT_EQ(qGreen(half), 0);
  // A thumbnail leaves the skin alone (its sizes and painting are tested through
  // `vtskin thumbnail`).
  form.SetBounds({0, 0, 400, 300});
  EXPECT_EQ(RenderSkinThumbnail(Source, 256).size(), QSize(256, 192));
  EXPECT_EQ(form.GetWidth(), 400);
  EXPECT_FALSE(form.GetActive());
}

}  // namespace
}  // namespace vt
