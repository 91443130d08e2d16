// Layout of skin object trees: bounds, the alignment passes, anchored children.
#include <gtest/gtest.h>

#include "TestSkinObjectHelpers.h"

namespace vt {
namespace {

TSeSkinObject* AddChild(TSeSkinObject& parent, TSeAlign align, int width, int height) {
  auto* child = new TSeSkinObject(&parent);
  child->SetBounds(TRect::FromSize(0, 0, width, height));
  child->SetAlign(align);
  return child;
}

TEST(SkinObjectLayout, EdgeAndClientChildrenShareTheParent) {
  TSeSkinObject parent(nullptr);
  TSeSkinObject* top = AddChild(parent, TSeAlign::saMostTop, 0, 10);
  TSeSkinObject* left = AddChild(parent, TSeAlign::saLeft, 20, 0);
  TSeSkinObject* client = AddChild(parent, TSeAlign::saClient, 0, 0);
  TSeSkinObject* client2 = AddChild(parent, TSeAlign::saClient, 3, 3);
  TSeSkinObject* hidden = AddChild(parent, TSeAlign::saTop, 0, 10);  // takes no part
  hidden->SetVisible(false);
  parent.SetBounds({0, 0, 100, 50});
  EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 100, 10}));
  EXPECT_EQ(left->BoundsRect(), (TRect{0, 10, 20, 50}));
  EXPECT_EQ(client->BoundsRect(), (TRect{20, 10, 100, 50}));
  EXPECT_EQ(client2->BoundsRect(), client->BoundsRect());
  EXPECT_EQ(hidden->BoundsRect(), (TRect{0, 0, 0, 10}));
  // Grandchildren follow through SetBounds.
  TSeSkinObject* inner = AddChild(*client, TSeAlign::saBottom, 0, 5);
  parent.SetBounds({0, 0, 60, 40});
  EXPECT_EQ(inner->BoundsRect(), (TRect{20, 35, 60, 40}));
}

TEST(SkinObjectLayout, MostAlignedChildrenTakeTheWholeSideBeforeThePlainOnes) {
  TSeSkinObject parent(nullptr);
  // Declared first but laid out after the "most" ones.
  TSeSkinObject* top = AddChild(parent, TSeAlign::saTop, 0, 5);
  TSeSkinObject* right = AddChild(parent, TSeAlign::saRight, 7, 0);
  TSeSkinObject* mostBottom = AddChild(parent, TSeAlign::saMostBottom, 0, 4);
  TSeSkinObject* mostLeft = AddChild(parent, TSeAlign::saMostLeft, 6, 0);
  TSeSkinObject* bottom = AddChild(parent, TSeAlign::saBottom, 0, 3);
  parent.SetBounds({10, 20, 110, 70});
  EXPECT_EQ(mostBottom->BoundsRect(), (TRect{10, 66, 110, 70}));
  EXPECT_EQ(mostLeft->BoundsRect(), (TRect{10, 20, 16, 66}));
  EXPECT_EQ(top->BoundsRect(), (TRect{16, 20, 110, 25}));
  EXPECT_EQ(bottom->BoundsRect(), (TRect{16, 63, 110, 66}));
  EXPECT_EQ(right->BoundsRect(), (TRect{103, 25, 110, 63}));
}

TEST(SkinObjectLayout, CenterRoundsTowardZeroInTheFreeRectangle) {
  TSeSkinObject parent(nullptr);
  TSeSkinObject* centred = AddChild(parent, TSeAlign::saCenter, 11, 11);
  parent.SetBounds({0, 0, 20, 20});
  EXPECT_EQ(centred->BoundsRect(), (TRect{4, 4, 15, 15}));
  // Wider than the free rectangle: the offset is negative and rounds toward zero.
  TSeSkinObject* wide = AddChild(parent, TSeAlign::saCenter, 25, 2);
  parent.SetBounds({0, 0, 20, 21});
  EXPECT_EQ(wide->GetLeft(), -2);
  EXPECT_EQ(wide->GetTop(), 9);
}

TEST(SkinObjectLayout, TextChildrenAreAsWideAsTheirTextPlusMargins) {
  TSeSkinObject parent(nullptr);
  TSeSkinObject* label = AddChild(parent, TSeAlign::saText, 1, 12);
  label->SetBounds({7, 8, 8, 20});
  label->SetText("Caption");
  label->SetTextMarginLeft(3);
  label->SetTextMarginRight(4);
  parent.SetBounds({0, 0, 200, 40});
  const int textWidth = ScreenTextExtent(*label->Font(), "Caption").width();
  ASSERT_GT(textWidth, 10);
  EXPECT_EQ(label->BoundsRect(), (TRect{7, 8, 7 + textWidth + 7, 20}));
}

TEST(SkinObjectLayout, NegativeSizesBecomeZeroAndHugeValuesAreClamped) {
  TSeSkinObject object(nullptr);
  object.SetWidth(-5);
  EXPECT_EQ(object.GetWidth(), 0);
  object.SetBounds({10, 10, 5, 2});
  EXPECT_EQ(object.BoundsRect(), (TRect{10, 10, 10, 10}));
  object.SetLeft(INT32_MAX);
  object.SetWidth(INT32_MAX);
  EXPECT_EQ(object.BoundsRect(),
            TRect::FromSize(TSeSkinObject::kMaxCoordinate, 10, TSeSkinObject::kMaxCoordinate, 0));
  // Many tall children push the free rectangle far outside without overflowing.
  for (int i = 0; i < 20; ++i) AddChild(object, TSeAlign::saMostTop, 0, INT32_MAX);
  object.SetHeight(INT32_MAX);
  EXPECT_GE(object.BoundsRect().Right, object.BoundsRect().Left);
}

// ---- Anchored children ----

TEST(SkinObjectAnchored, ChildrenKeepTheirDistanceToTheirAnchorEdges) {
  TSeSkinObject parent(nullptr);
  const auto place = [&parent](TSeAlign align, const TRect& bounds) {
    TSeSkinObject* child = AddChild(parent, align, 0, 0);
    child->SetBounds(bounds);
    return child;
  };
  // From zero size there is no distance to keep: the child stays in place.
  TSeSkinObject* bottomRight = place(TSeAlign::saBottomRight, {80, 60, 95, 75});
  parent.SetBounds({0, 0, 100, 80});
  EXPECT_EQ(bottomRight->BoundsRect(), (TRect{80, 60, 95, 75}));
  TSeSkinObject* topLeft = place(TSeAlign::saTopLeft, {5, 6, 15, 16});
  TSeSkinObject* topRight = place(TSeAlign::saTopRight, {80, 6, 95, 16});
  TSeSkinObject* bottomLeft = place(TSeAlign::saBottomLeft, {5, 60, 15, 75});
  auto* glyph = new TSeSkinObject(bottomRight);  // their own children are laid out again
  glyph->SetAlign(TSeAlign::saClient);
  bottomRight->AlignChildren();
  // Aligning again, as painting does, moves nothing.
  parent.AlignChildren();
  parent.AlignChildren();
  EXPECT_EQ(bottomLeft->BoundsRect(), (TRect{5, 60, 15, 75}));
  parent.SetBounds({0, 0, 150, 100});
  EXPECT_EQ(topLeft->BoundsRect(), (TRect{5, 6, 15, 16}));
  EXPECT_EQ(topRight->BoundsRect(), (TRect{130, 6, 145, 16}));
  EXPECT_EQ(bottomLeft->BoundsRect(), (TRect{5, 80, 15, 95}));
  EXPECT_EQ(bottomRight->BoundsRect(), (TRect{130, 80, 145, 95}));
  EXPECT_EQ(glyph->BoundsRect(), bottomRight->BoundsRect());
  // Shrinking brings them back; a move of the parent moves them along.
  parent.SetBounds({0, 0, 100, 80});
  EXPECT_EQ(bottomRight->BoundsRect(), (TRect{80, 60, 95, 75}));
  parent.SetBounds({30, 40, 130, 120});
  EXPECT_EQ(topRight->BoundsRect(), (TRect{110, 46, 125, 56}));
  EXPECT_EQ(bottomLeft->BoundsRect(), (TRect{35, 100, 45, 115}));
  EXPECT_EQ(bottomRight->BoundsRect(), (TRect{110, 100, 125, 115}));
}

}  // namespace
}  // namespace vt
