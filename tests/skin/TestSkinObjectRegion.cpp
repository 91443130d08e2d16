// Window-shape regions of skin objects and trees.
#include <gtest/gtest.h>

#include "TestSkinObjectHelpers.h"

namespace vt {
namespace {

using test::Argb;
using test::LinkTo;
using test::MakeBitmap;

struct SkinObjectRegion : ::testing::Test {
  TteBitmapList Images;
  void SetUp() override {
    // A 4 x 4 image with its left column transparent.
    Images.Add(
        MakeBitmap("shape", 4, 4, [](int x, int) { return x == 0 ? kKeyPixel : Argb(9, 9, 9); }));
  }
  TSeBitmapObject* ShapedObject(TComponent* owner, const TRect& bounds) {
    auto* object = new TSeBitmapObject(owner);
    object->SetBitmap(*LinkTo("shape", {0, 0, 4, 4}));
    object->SetTileStyle(TscTileStyle::tsStretch);
    object->SetBounds(bounds);
    object->SetBitmapList(&Images);
    object->UpdateLinks();
    return object;
  }
};

TEST_F(SkinObjectRegion, MaskRegionLeavesOutTheKeyPixelsAtTheObjectsPlace) {
  std::unique_ptr<TSeBitmapObject> object(ShapedObject(nullptr, {10, 20, 18, 24}));
  // Stretched twice as wide: the two left columns are transparent.
  EXPECT_EQ(object->GetMaskRegion(), QRegion(12, 20, 6, 4));
  EXPECT_EQ(object->BoundsRect(), (TRect{10, 20, 18, 24}));
}

TEST_F(SkinObjectRegion, TheMaskIsTheRectangleForClientsUnmaskedObjectsAndUnresolvedLinks) {
  std::unique_ptr<TSeBitmapObject> object(ShapedObject(nullptr, {0, 0, 4, 4}));
  object->SetKind(TSeKind::skClient);
  EXPECT_EQ(object->GetMaskRegion(), QRegion(0, 0, 4, 4));
  object->SetKind(TSeKind::skNone);
  object->SetMasked(false);
  EXPECT_EQ(object->GetMaskRegion(), QRegion(0, 0, 4, 4));
  object->SetMasked(true);
  object->SetBitmap(*LinkTo("", {0, 0, 4, 4}));
  EXPECT_EQ(object->GetMaskRegion(), QRegion(0, 0, 4, 4));
  TSeSkinObject plain(nullptr);
  plain.SetBounds({1, 2, 3, 4});
  EXPECT_EQ(plain.GetMaskRegion(), QRegion(1, 2, 2, 2));
}

TEST_F(SkinObjectRegion, BitmapSkinObjectsHaveMasksToo) {
  TSeBitmapSkinObject object(nullptr);
  object.SetBitmap(*LinkTo("shape", {0, 0, 4, 4}));
  object.SetBounds({0, 0, 4, 4});
  object.SetBitmapList(&Images);
  object.UpdateLinks();
  EXPECT_EQ(object.GetMaskRegion(), QRegion(1, 0, 3, 4));
}

TEST_F(SkinObjectRegion, ATreeIsTheUnionOfItsVisibleChildren) {
  TSeSkinObject form(nullptr);
  form.SetBounds({0, 0, 20, 10});
  ShapedObject(&form, {0, 0, 4, 4});
  ShapedObject(&form, {10, 0, 14, 4});
  TSeSkinObject* hidden = ShapedObject(&form, {0, 6, 4, 10});
  hidden->SetVisible(false);
  auto* client = new TSeSkinObject(&form);
  client->SetBounds({4, 4, 10, 10});
  QRegion expected = QRegion(1, 0, 3, 4) + QRegion(11, 0, 3, 4) + QRegion(4, 4, 6, 6);
  EXPECT_EQ(form.GetRegion(), expected);

  // Painting itself, or not masked: its own mask instead.
  form.SetDrawIfOwner(true);
  EXPECT_EQ(form.GetRegion(), QRegion(0, 0, 20, 10));
  form.SetDrawIfOwner(false);
  form.SetMasked(false);
  EXPECT_EQ(form.GetRegion(), QRegion(0, 0, 20, 10));
  form.SetMasked(true);
  form.SetWidth(0);
  EXPECT_TRUE(form.GetRegion().isEmpty());
  // Only hidden children: no shape at all.
  TSeSkinObject empty(nullptr);
  empty.SetBounds({0, 0, 20, 10});
  ShapedObject(&empty, {0, 0, 4, 4})->SetVisible(false);
  EXPECT_TRUE(empty.GetRegion().isEmpty());
}

TEST_F(SkinObjectRegion, MaskPaintingPutsAnchoredChildrenBack) {
  std::unique_ptr<TSeBitmapObject> caption(ShapedObject(nullptr, {30, 40, 70, 50}));
  auto* button = new TSeSkinObject(caption.get());
  button->SetBounds({60, 42, 68, 48});
  button->SetAlign(TSeAlign::saTopRight);
  caption->GetMaskRegion();
  EXPECT_EQ(caption->BoundsRect(), (TRect{30, 40, 70, 50}));
  EXPECT_EQ(button->BoundsRect(), (TRect{60, 42, 68, 48}));
}

}  // namespace
}  // namespace vt
