// Finding objects by path, painting an object with its alpha, and thumbnails.
#include <gtest/gtest.h>

#include "skin/se_skinpreview.h"
#include "skin/se_skinrecords.h"

namespace vt {
namespace {

// A form: caption with button "Close", client a 2 x 2 image of opaque, key and half alpha.
class SkinPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSkinObjectClasses();
    auto* image = new TteBitmap;
    image->SetName("pixels");
    image->SetSize(2, 2);
    image->SetPixel(0, 0, 0xFF0000FFu);  // opaque blue
    image->SetPixel(1, 0, kKeyPixel);    // transparent
    image->SetPixel(0, 1, 0x80FF0000u);  // half red
    image->SetPixel(1, 1, 0x80FF0000u);
    image->CheckAlpha();
    image->SetKeyFlag(true);
    Source.Bitmaps().Add(image);
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
    TteBitmapLink link;
    link.SetName("pixels");
    link.SetRect({0, 0, 2, 2});
    client->SetBitmap(link);
    client->SetColor(clRed);  // any colour: a bitmap object then draws its image
    client->SetAlign(TSeAlign::saClient);
    Source.AddObject(form);
  }
  TSeSkinSource Source;
};

TEST_F(SkinPreview, PathsFindObjectsAndNameTheStepThatFails) {
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
}

TEST_F(SkinPreview, RenderingKeepsOpaqueTransparentAndPartialAlpha) {
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
}

TEST_F(SkinPreview, ThumbnailsHaveTheAskedSideAndLeaveTheSkinAlone) {
  TSeSkinObject& form = *Source.GetFormObject();
  form.SetBounds({0, 0, 400, 300});
  struct TCase {
    int Side;
    QSize Expected;
  };
  for (const TCase& c :
       {TCase{1024, {1024, 768}}, TCase{256, {256, 192}}, TCase{64, {64, 48}}, TCase{1, {1, 1}}})
    EXPECT_EQ(RenderSkinThumbnail(Source, c.Side).size(), c.Expected) << c.Side;
  EXPECT_EQ(form.GetWidth(), 400);
  EXPECT_FALSE(form.GetActive());
  // At a large size the form is painted at that size, not blown up from a small picture.
  auto copy = std::unique_ptr<TSeSkinObject>(CloneSkinObject(form, nullptr));
  Source.BindObject(*copy);
  TSkinObjectPose pose;
  pose.Active = true;
  pose.Text = QString::fromStdString(Source.GetSkinName());
  PoseSkinObject(*copy, {1024, 768}, pose);
  EXPECT_EQ(RenderSkinThumbnail(Source, 1024), RenderSkinObject(*copy, false));
}

}  // namespace
}  // namespace vt
