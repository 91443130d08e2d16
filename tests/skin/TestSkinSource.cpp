// TSeSkinSource: defaults, the object list, copying, image replacement, shifts, clients.
#include "SkinFileTestUtil.h"

using namespace vt;
using namespace vt::skintest;

namespace {

TteBitmap* NamedBitmap(const std::string& name, uint32_t pixel) {
  auto* bitmap = new TteBitmap;
  bitmap->SetName(name);
  bitmap->SetSize(4, 4);
  bitmap->FillColor(pixel);
  return bitmap;
}

// The stored form writes the published strings in this order.
TEST(SkinSource, PublishesItsStringsInOrderAndFindsTopLevelObjects) {
  TSeSkinSource source;
  std::vector<std::string> names;
  for (const TPropInfo* prop : source.ClassInfo().AllProperties()) names.push_back(prop->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "SkinName", "SkinVersion", "Author",
                                             "AuthorEMail", "AuthorURL"}));
  auto* button = new TSeSkinObject(nullptr);
  button->SetName("Button");
  auto* form = new TSeSkinObject(nullptr);
  form->SetKind(TSeKind::skForm);
  auto* nested = new TSeSkinObject(button);
  nested->SetName("Form");
  source.AddObject(button);
  source.AddObject(form);
  EXPECT_EQ(source.GetObjectByName("BUTTON"), button);
  EXPECT_EQ(source.GetObjectByName("Form"), nullptr);  // top level only
  EXPECT_EQ(source.GetFormObject(), form);
  EXPECT_EQ(source.GetObjectByKind(TSeKind::skForm), form);
  EXPECT_EQ(source.Objects(-1), nullptr);
  EXPECT_EQ(source.Objects(2), nullptr);
  EXPECT_EQ(nested->BitmapList(), &source.Bitmaps());
  std::unique_ptr<TSeSkinObject> extracted(source.ExtractObject(button));
  EXPECT_EQ(source.Count(), 1);
  source.DeleteObject(extracted.get());  // not in the list: nothing happens
  source.DeleteObject(form);
  EXPECT_EQ(source.Count(), 0);
}

TEST(SkinSource, ClearEmptiesObjectsImagesAndClients) {
  TSeSkinSource source;
  int client = 0;
  source.AddClient(&client);
  source.AddObject(new TSeSkinObject(nullptr));
  source.Bitmaps().Add(NamedBitmap("a", 0xFF000000));
  source.Clear();
  EXPECT_EQ(source.Count(), 0);
  EXPECT_EQ(source.Bitmaps().Count(), 0);
  EXPECT_TRUE(source.Clients().empty());
  source.AddClient(&client);
  source.RemoveClient(&client);
  EXPECT_TRUE(source.Clients().empty());
}

TEST(SkinSource, AssignCopiesEverythingAndBindsTheCopies) {
  TSkinGenerator generator(21);
  const auto original = generator.Skin();
  TSeSkinSource copy;
  copy.Assign(*original);
  ExpectSameSkin(*original, copy, false);
  for (int i = 0; i < copy.Count(); ++i) {
    EXPECT_NE(copy.Objects(i), original->Objects(i));
    EXPECT_EQ(copy.Objects(i)->BitmapList(), &copy.Bitmaps());
  }
  for (int i = 0; i < copy.Bitmaps().Count(); ++i)
    EXPECT_NE(copy.Bitmaps().Bitmaps(i), original->Bitmaps().Bitmaps(i));
}

TEST(SkinSource, ReplaceBitmapTakesTheNameAndPlaceAndRelinks) {
  TSeSkinSource source;
  source.Bitmaps().Add(NamedBitmap("first", 0xFF111111));
  TteBitmap* old = NamedBitmap("second", 0xFF222222);
  source.Bitmaps().Add(old);
  auto* object = new TSeBitmapObject(nullptr);
  object->Bitmap()->SetName("second");
  object->Bitmap()->SetRect(TRect{0, 0, 2, 2});
  auto replacement = std::make_unique<TteBitmap>();
  replacement->SetSize(4, 4);
  // A skin without objects replaces nothing.
  EXPECT_FALSE(source.ReplaceBitmap(old, replacement.get()));
  EXPECT_EQ(source.Bitmaps().Bitmaps(1), old);
  source.AddObject(object);
  EXPECT_EQ(object->Bitmap()->Bitmap(), old);
  EXPECT_FALSE(source.ReplaceBitmap(nullptr, replacement.get()));
  TteBitmap* fresh = replacement.release();
  ASSERT_TRUE(source.ReplaceBitmap(old, fresh));
  EXPECT_EQ(source.Bitmaps().Bitmaps(1), fresh);
  EXPECT_EQ(fresh->Name(), "second");
  EXPECT_EQ(object->Bitmap()->Bitmap(), fresh);
  // An image that is not in the list is not replaced.
  std::unique_ptr<TteBitmap> stranger(NamedBitmap("x", 0)), other(NamedBitmap("y", 0));
  EXPECT_FALSE(source.ReplaceBitmap(stranger.get(), other.get()));
}

TEST(SkinSource, HueAndBrightnessShiftImagesAndObjects) {
  TSeSkinSource source;
  source.Bitmaps().Add(NamedBitmap("a", 0xFF804020));
  auto* object = new TSeSkinObject(nullptr);
  object->SetColor(RGB(0x80, 0x40, 0x20));
  source.AddObject(object);
  source.ChangeBrightness(16);
  EXPECT_EQ(source.Bitmaps().Bitmaps(0)->Pixels(0, 0), 0xFF905030u);
  EXPECT_EQ(object->GetColor(), RGB(0x90, 0x50, 0x30));
  source.ChangeHue(40);
  EXPECT_EQ(object->GetColor(), PixelToColor(source.Bitmaps().Bitmaps(0)->Pixels(0, 0)));
  EXPECT_NE(object->GetColor(), RGB(0x90, 0x50, 0x30));
}

TEST(SkinSource, SaveToStreamAlwaysUsesTheDefaultFilter) {
  TSeSkinSource source;
  const TSeSkinFilterClass* saved = DefaultSkinFilter();
  for (const TSeSkinFilterClass* cls : Variants()) {
    DefaultSkinFilter() = cls;
    TMemoryStream stream;
    source.SaveToStream(stream);
    EXPECT_EQ(std::string(stream.Bytes().begin(), stream.Bytes().begin() + 5),
              std::string(cls->Create()->SkinTag().data(), 5));
  }
  DefaultSkinFilter() = saved;
}

}  // namespace
