// TteBitmapLink (validity, assignment, transparency flags) and TteBitmapList.
#include "TestBitmapUtil.h"
#include "rtl/TypInfo.h"

namespace vt {
namespace {

using test::MakeBitmap;

TEST(TteBitmapLink, PublishesNameAndRectangleInOrder) {
  std::vector<std::string> names;
  for (const TPropInfo* p : TteBitmapLink::StaticClassInfo().AllProperties())
    names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Left", "Top", "Right", "Bottom"}));
}

TEST(TteBitmapLink, ValidNeedsAnImageAndAPositiveArea) {
  auto bitmap = MakeBitmap(1, {0});
  EXPECT_TRUE(TteBitmapLink(bitmap.get(), TRect{0, 0, 1, 1}).IsValid());
  EXPECT_FALSE(TteBitmapLink(bitmap.get(), TRect{3, 0, 3, 5}).IsValid());
  EXPECT_FALSE(TteBitmapLink(bitmap.get(), TRect{0, 5, 3, 4}).IsValid());
  EXPECT_FALSE(TteBitmapLink(nullptr, TRect{0, 0, 1, 1}).IsValid());
  // Differences that overflow 32 bits are not a positive area.
  EXPECT_FALSE(TteBitmapLink(bitmap.get(), TRect{INT32_MAX, 0, INT32_MIN, 1}).IsValid());
}

TEST(TteBitmapLink, AssignCopiesNameRectangleImageAndFlags) {
  auto bitmap = MakeBitmap(1, {0}, "pic");
  TteBitmapLink source(bitmap.get(), TRect{1, 2, 3, 4});
  source.MaskedAngles = true;
  source.Masked = true;
  TteBitmapLink copy;
  copy.MaskedBorder = true;
  copy.Assign(source);
  EXPECT_EQ(copy.GetName(), "pic");
  EXPECT_EQ(copy.Rect(), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(copy.Bitmap(), bitmap.get());
  EXPECT_TRUE(copy.MaskedAngles);
  EXPECT_FALSE(copy.MaskedBorder);
  EXPECT_TRUE(copy.Masked);
}

// A 6 x 6 opaque image; the link covers columns 1..5 and rows 0..4 (5 x 5), margins 2
// everywhere except 1 at the bottom.
struct TMaskFixture {
  std::unique_ptr<TteBitmap> Bitmap = [] {
    auto b = std::make_unique<TteBitmap>();
    b->SetSize(6, 6);
    b->FillColor(0xFF808080);
    return b;
  }();
  TteBitmapLink Link{Bitmap.get(), TRect{1, 0, 6, 5}};

  std::array<bool, 3> FlagsWithTransparentAt(int x, int y, uint32_t pixel = kKeyPixel) {
    Bitmap->FillColor(0xFF808080);
    Bitmap->SetPixel(x, y, pixel);
    Link.CheckMasked(2, 2, 2, 1);
    return {Link.MaskedAngles, Link.MaskedBorder, Link.Masked};
  }
};

TEST(TteBitmapLink, CheckMaskedClassifiesByPiece) {
  TMaskFixture f;
  using Flags = std::array<bool, 3>;                                       // corner, border, centre
  EXPECT_EQ(f.FlagsWithTransparentAt(1, 0), (Flags{true, false, false}));  // top-left corner
  EXPECT_EQ(f.FlagsWithTransparentAt(5, 4), (Flags{true, false, false}));  // bottom-right
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 1), (Flags{false, true, false}));  // top edge
  EXPECT_EQ(f.FlagsWithTransparentAt(1, 2), (Flags{false, true, false}));  // left edge
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 4), (Flags{false, true, false}));  // bottom edge
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 2), (Flags{false, false, true}));  // centre
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 3), (Flags{false, false, true}));  // centre
  EXPECT_EQ(f.FlagsWithTransparentAt(0, 2), (Flags{false, false, false}));  // outside the link
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 5), (Flags{false, false, false}));  // outside the link
  // Any alpha below 255 is transparent.
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 2, 0xFE808080), (Flags{false, false, true}));
}

TEST(TteBitmapLink, CheckMaskedWithoutMarginsOrOutsideTheImage) {
  TMaskFixture f;
  f.Bitmap->SetPixel(1, 0, kKeyPixel);
  f.Link.MaskedAngles = true;
  f.Link.CheckMasked();
  EXPECT_TRUE(f.Link.Masked);
  EXPECT_FALSE(f.Link.MaskedAngles);
  EXPECT_FALSE(f.Link.MaskedBorder);
  f.Bitmap->FillColor(0xFF000000);
  f.Link.CheckMasked();
  EXPECT_FALSE(f.Link.Masked);
  // Parts of the rectangle outside the image count for nothing.
  f.Link.SetRect(TRect{-4, -4, 10, 10});
  f.Link.CheckMasked(1, 1, 1, 1);
  EXPECT_FALSE(f.Link.Masked || f.Link.MaskedBorder || f.Link.MaskedAngles);
  TteBitmapLink unresolved;
  unresolved.SetRect(TRect{0, 0, 2, 1});
  unresolved.Masked = true;
  unresolved.CheckMasked();
  EXPECT_FALSE(unresolved.Masked);
}

TEST(TteBitmapList, OwnsFindsIgnoringCaseAndMakesLinks) {
  TteBitmapList list;
  TteBitmap* first = new TteBitmap;
  first->SetName("button.bmp");
  first->SetSize(2, 2);
  TteBitmap* second = new TteBitmap;
  second->SetName("Button.BMP");
  list.Add(first);
  list.Add(second);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Bitmaps(1), second);
  EXPECT_EQ(list.Bitmaps(2), nullptr);
  EXPECT_EQ(list.Bitmaps(-1), nullptr);
  EXPECT_EQ(list.GetBitmapByName("BUTTON.bmp"), first);
  EXPECT_EQ(list.GetBitmapByName("button"), nullptr);

  std::unique_ptr<TteBitmapLink> link = list.GetLink("BUTTON.BMP", TRect{0, 0, 1, 2});
  ASSERT_TRUE(link);
  EXPECT_EQ(link->Bitmap(), first);
  EXPECT_EQ(link->GetName(), "button.bmp");
  EXPECT_EQ(link->Rect(), (TRect{0, 0, 1, 2}));
  EXPECT_EQ(list.GetLink("other", TRect{0, 0, 1, 1}), nullptr);

  EXPECT_EQ(list.Extract(0), first);
  EXPECT_EQ(list.IndexOf(second), 0);
  list.Insert(5, first);  // clamped to the end
  EXPECT_EQ(list.IndexOf(first), 1);
  list.Delete(1);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_FALSE(TteBitmap::IsRegistered(first));  // freed (it had pixels)
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace vt
