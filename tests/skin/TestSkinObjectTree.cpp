// Skin object trees: find, hit test, button visibility, links, colours, layout, regions.
#include <gtest/gtest.h>

#include <tuple>

#include "TestSkinObjectHelpers.h"

namespace vt {
namespace {

using test::LinkTo;
using test::MakeBitmap;

// ---- Find and hit test ----

struct SkinObjectTree : ::testing::Test {
  TSeSkinObject Root{nullptr};
  TSeSkinObject* Caption = nullptr;
  TSeSkinObject* Title = nullptr;
  TSeSystemButton* Close = nullptr;
  TSeSkinObject* Overlay = nullptr;

  void SetUp() override {
    Root.SetName("Form");
    Root.SetBounds({0, 0, 100, 100});
    Caption = new TSeSkinObject(&Root);
    Caption->SetName("Caption");
    Caption->SetKind(TSeKind::skCaption);
    Caption->SetBounds({0, 0, 100, 20});
    Title = new TSeSkinObject(Caption);
    Title->SetName("Title");
    Title->SetKind(TSeKind::skTitle);
    Title->SetBounds({0, 0, 80, 20});
    Close = new TSeSystemButton(Caption);
    Close->SetName("Close");
    Close->SetAction(TSeAction::sbaClose);
    Close->SetBounds({80, 0, 100, 20});
    Overlay = new TSeSkinObject(&Root);
    Overlay->SetKind(TSeKind::skTranparent);
    Overlay->SetBounds({0, 0, 100, 100});
  }
  void TearDown() override { SkinDesignMode = false; }
};

TEST_F(SkinObjectTree, HitTestFindsTheDeepestLastChildFindSearchesDepthFirstFromItself) {
  EXPECT_EQ(Root.HitTest({85, 5}), Close);
  EXPECT_EQ(Root.HitTest({10, 5}), Title);
  EXPECT_EQ(Root.HitTest({10, 50}), &Root);    // the transparent overlay does not answer
  EXPECT_EQ(Root.HitTest({100, 5}), nullptr);  // right edge is exclusive
  SkinDesignMode = true;
  EXPECT_EQ(Root.HitTest({10, 50}), Overlay);
  EXPECT_EQ(Root.HitTest({85, 5}), Overlay);  // the later child wins
  SkinDesignMode = false;
  // HitTestAll ignores visibility.
  Close->SetVisible(false);
  EXPECT_EQ(Root.HitTest({85, 5}), Caption);
  EXPECT_EQ(Root.HitTestAll({85, 5}), Close);
  Root.SetVisible(false);
  EXPECT_EQ(Root.HitTest({85, 5}), nullptr);
  EXPECT_EQ(Root.HitTestAll({85, 5}), Close);
  // Find operations search depth first from the object itself.
  Root.SetVisible(true);
  Close->SetVisible(true);
  EXPECT_EQ(Root.FindByKind(TSeKind::skNone), &Root);
  EXPECT_EQ(Root.FindByKind(TSeKind::skTitle), Title);
  EXPECT_EQ(Root.FindByKind(TSeKind::skMenuBar), nullptr);
  EXPECT_EQ(Root.FindByName("title"), Title);
  EXPECT_EQ(Root.FindByName("FORM"), &Root);
  EXPECT_EQ(Root.FindByName("nothing"), nullptr);
  EXPECT_EQ(Root.FindSysButton(TSeAction::sbaClose), Close);
  EXPECT_EQ(Root.FindSysButton(TSeAction::sbaHelp), nullptr);
  auto* skinButton = new TSeSysButtonSkinObject(Caption);
  skinButton->SetAction(TSeAction::sbaHelp);
  EXPECT_EQ(Root.FindSysButton(TSeAction::sbaHelp), skinButton);
  EXPECT_EQ(Root.FindSysButton(TSeAction::sbaNone), nullptr);  // plain objects have no action
  // The image list and the active flag reach every descendant.
  TteBitmapList list;
  Root.SetBitmapList(&list);
  EXPECT_EQ(Close->BitmapList(), &list);
  Root.SetActive(true);
  EXPECT_TRUE(Title->GetActive());
  EXPECT_TRUE(Close->GetActive());
}

// ---- System-button visibility ----

struct TVisibilityCase {
  TSeAction Action;
  int Bit;                    // the border-icon bit that shows it, -1 for none
  std::vector<int> HiddenIn;  // window states that hide it
};

const std::vector<TVisibilityCase> kVisibility = {
    {TSeAction::sbaSysMenu, 0, {}},      {TSeAction::sbaClose, 1, {}},
    {TSeAction::sbaHelp, 2, {}},         {TSeAction::sbaMinimize, 3, {3}},
    {TSeAction::sbaMaximize, 5, {2, 3}}, {TSeAction::sbaRestore, 4, {0, 4}},
    {TSeAction::sbaRollUp, 7, {3, 4}},   {TSeAction::sbaRollDown, 8, {0, 2, 3}},
    {TSeAction::sbaTray, 9, {}},         {TSeAction::sbaNone, -1, {}},
    {TSeAction::sbaRollPanel, -1, {}},   {TSeAction::sbaCustom, -1, {}},
};

template <class TButton>
void CheckVisibilityTables() {
  for (const TVisibilityCase& c : kVisibility) {
    SCOPED_TRACE(EnumTypeInfo<TSeAction>::Info().NameOf(int(c.Action)));
    TSeSkinObject form(nullptr);
    auto* button = new TButton(&form);
    button->SetAction(c.Action);
    for (int bit = 0; bit < 16; ++bit) {
      button->SetVisible(false);
      form.SetBorderIcons(TSeBorderIcons(1u << bit));
      EXPECT_EQ(button->GetVisible(), bit == c.Bit) << "bit " << bit;
    }
    for (int state : {0, 2, 3, 4}) {
      button->SetVisible(false);
      form.SetState(state);
      const bool hidden =
          std::find(c.HiddenIn.begin(), c.HiddenIn.end(), state) != c.HiddenIn.end();
      EXPECT_EQ(button->GetVisible(), !hidden) << "state " << state;
    }
    for (bool before : {false, true})
      for (int state : {1, 5, 6, 7, 8}) {
        button->SetVisible(before);
        form.SetState(state);
        EXPECT_EQ(button->GetVisible(), before) << "state " << state;
      }
  }
}

TEST(SkinObjectVisibility, SystemButtonsFollowBothTablesAndRestoreReadsBitSixWhileMaximized) {
  CheckVisibilityTables<TSeSystemButton>();
  CheckVisibilityTables<TSeSysButtonSkinObject>();
  TSeSkinObject form(nullptr);
  auto* restore = new TSeSystemButton(&form);
  restore->SetAction(TSeAction::sbaRestore);
  const TSeBorderIcons restoreBit = BorderIconBit(TSeBorderIcon::biRestore);
  const TSeBorderIcons maximizedBit = BorderIconBit(TSeBorderIcon::biRestoreMaximized);
  form.SetState(ssMaximized);
  form.SetBorderIcons(restoreBit);
  EXPECT_FALSE(restore->GetVisible());
  form.SetBorderIcons(maximizedBit);
  EXPECT_TRUE(restore->GetVisible());
  form.SetState(ssMinimized);
  form.SetBorderIcons(restoreBit);
  EXPECT_TRUE(restore->GetVisible());
}

// ---- Links ----

TEST(SkinObjectLinks, UpdateLinksResolvesEveryLinkByNameAndWorksOutTheFlagsForTheMargins) {
  TteBitmapList list;
  // Opaque except one key pixel in the top-left corner piece of a 2-pixel margin.
  list.Add(MakeBitmap("frame", 8, 8, [](int x, int y) {
    return x == 0 && y == 0 ? kKeyPixel : test::Argb(10, 20, 30);
  }));
  TSeSkinObject form(nullptr);
  auto* object = new TSeButtonObject(&form);
  object->SetBitmap(*LinkTo("FRAME", {0, 0, 8, 8}));
  object->SetBitmapHot(*LinkTo("frame", {2, 2, 6, 6}));
  object->SetBitmapPressed(*LinkTo("missing", {0, 0, 8, 8}));
  test::SetMargins(*object, 2);
  form.SetBitmapList(&list);
  form.UpdateLinks();
  EXPECT_EQ(object->Bitmap()->Bitmap(), list.Bitmaps(0));
  EXPECT_TRUE(object->Bitmap()->IsValid());
  EXPECT_TRUE(object->Bitmap()->MaskedAngles);  // the margins reach CheckMasked
  EXPECT_TRUE(object->BitmapHot()->IsValid());
  EXPECT_FALSE(object->BitmapHot()->MaskedAngles);  // the key pixel is outside this rectangle
  EXPECT_FALSE(object->BitmapPressed()->IsValid());
  // A link whose image left the list no longer resolves.
  list.Delete(0);
  form.UpdateLinks();
  EXPECT_FALSE(object->Bitmap()->IsValid());
  EXPECT_EQ(object->Bitmap()->Bitmap(), nullptr);

  SCOPED_TRACE("every bitmap class resolves all its links");
  list.Add(MakeBitmap("img", 4, 4, [](int, int) { return test::Argb(1, 2, 3); }));
  for (const TClassInfo* cls : SkinObjectClasses()) {
    std::unique_ptr<TComponent> made(cls->Create(nullptr));
    auto& object = dynamic_cast<TSeSkinObject&>(*made);
    for (const TPropInfo* prop : cls->AllProperties())
      if (prop->Kind() == TTypeKind::Class && prop->PropType->Name == "TteBitmapLink")
        prop->SetObject(object, *LinkTo("img", {0, 0, 2, 2}));
    object.SetBitmapList(&list);
    object.UpdateLinks();
    for (const TPropInfo* prop : cls->AllProperties()) {
      if (prop->Kind() != TTypeKind::Class || prop->PropType->Name != "TteBitmapLink") continue;
      EXPECT_TRUE(dynamic_cast<TteBitmapLink*>(prop->GetObject(object))->IsValid())
          << cls->Name << "." << prop->Name;
    }
  }
}

// ---- Colours, charsets, state fonts ----

TColor HueShiftedLikeAnImage(TColor color, int delta) {
  TteBitmap pixel;
  pixel.SetSize(1, 1);
  pixel.SetPixel(0, 0, ColorToPixel(color));
  pixel.ChangeHue(delta);
  return PixelToColor(pixel.Pixels(0, 0));
}

TEST(SkinObjectColors, HueBrightnessAndCharsetReachEveryColourAndFontGetFontFollowsTheState) {
  TSeActiveObject object(nullptr);
  object.SetColor(RGB(200, 40, 40));
  object.Font()->SetColor(RGB(10, 100, 200));
  object.SetActiveColor(clNone);
  object.ActiveFont()->SetColor(RGB(0, 200, 0));
  auto* child = new TSeSkinObject(&object);
  child->SetColor(RGB(30, 60, 90));
  object.ChangeHue(60);
  EXPECT_EQ(object.GetColor(), HueShiftedLikeAnImage(RGB(200, 40, 40), 60));
  EXPECT_NE(object.GetColor(), RGB(200, 40, 40));
  EXPECT_EQ(object.Font()->GetColor(), HueShiftedLikeAnImage(RGB(10, 100, 200), 60));
  EXPECT_EQ(object.GetActiveColor(), clNone);
  EXPECT_EQ(object.ActiveFont()->GetColor(), HueShiftedLikeAnImage(RGB(0, 200, 0), 60));
  EXPECT_EQ(child->GetColor(), HueShiftedLikeAnImage(RGB(30, 60, 90), 60));
  // Brightness adds to every channel, clamped, in the state fonts too.
  TSeTextObject text(nullptr);
  text.SetColor(RGB(250, 10, 100));
  text.FontHot()->SetColor(RGB(0, 0, 0));
  text.ChangeBrightness(20);
  EXPECT_EQ(text.GetColor(), RGB(255, 30, 120));
  EXPECT_EQ(text.FontHot()->GetColor(), RGB(20, 20, 20));

  SCOPED_TRACE("GetFont follows the state and SetCharset reaches the extra fonts");
  // Active objects swap in their active font when pressed, active bitmaps when hot.
  TSeActiveObject active(nullptr);
  TSeActiveBitmap bitmap(nullptr);
  const std::tuple<TSeSkinObject*, TSeState, TFont*> swaps[] = {
      {&active, ssNormal, active.Font()},
      {&active, ssPressed, active.ActiveFont()},
      {&active, ssDisabled, active.Font()},
      {&bitmap, ssHot, bitmap.ActiveFont()},
      {&bitmap, ssPressed, bitmap.Font()}};
  for (const auto& [object, state, font] : swaps) {
    object->SetState(state);
    EXPECT_EQ(object->GetFont(), font) << object->ClassName() << " " << state;
  }
  TSeTextObject stateful(nullptr);
  const std::vector<std::pair<TSeState, TFont*>> fonts = {
      {ssHot, stateful.FontHot()},         {ssPressed, stateful.FontPressed()},
      {ssFocused, stateful.FontFocused()}, {ssDisabled, stateful.FontDisabled()},
      {ssNormal, stateful.Font()},         {ssPlaceholder, stateful.Font()}};
  for (const auto& [state, font] : fonts) {
    stateful.SetState(state);
    EXPECT_EQ(stateful.GetFont(), font) << state;
  }
  stateful.SetState(ssNormal);
  auto* activeChild = new TSeActiveObject(&stateful);
  stateful.SetCharset(RUSSIAN_CHARSET);
  for (TFont* font : {stateful.Font(), stateful.FontHot(), stateful.FontPressed(),
                      stateful.FontFocused(), stateful.FontDisabled(), activeChild->Font(),
                      activeChild->ActiveFont(), activeChild->DisabledFont()})
    EXPECT_EQ(font->GetCharset(), RUSSIAN_CHARSET);
}

// Layout of skin object trees: bounds, the alignment passes, anchored children.

TSeSkinObject* AddChild(TSeSkinObject& parent, TSeAlign align, int width, int height) {
  auto* child = new TSeSkinObject(&parent);
  child->SetBounds(TRect::FromSize(0, 0, width, height));
  child->SetAlign(align);
  return child;
}

TEST(SkinObjectLayout, AlignedChildrenShareTheParentInTheirPassesAndTextChildrenFitTheirText) {
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

  SCOPED_TRACE("the most aligned children take the whole side before the plain ones");
  TSeSkinObject most(nullptr);
  // Declared first but laid out after the "most" ones.
  top = AddChild(most, TSeAlign::saTop, 0, 5);
  TSeSkinObject* right = AddChild(most, TSeAlign::saRight, 7, 0);
  TSeSkinObject* mostBottom = AddChild(most, TSeAlign::saMostBottom, 0, 4);
  TSeSkinObject* mostLeft = AddChild(most, TSeAlign::saMostLeft, 6, 0);
  TSeSkinObject* bottom = AddChild(most, TSeAlign::saBottom, 0, 3);
  most.SetBounds({10, 20, 110, 70});
  EXPECT_EQ(mostBottom->BoundsRect(), (TRect{10, 66, 110, 70}));
  EXPECT_EQ(mostLeft->BoundsRect(), (TRect{10, 20, 16, 66}));
  EXPECT_EQ(top->BoundsRect(), (TRect{16, 20, 110, 25}));
  EXPECT_EQ(bottom->BoundsRect(), (TRect{16, 63, 110, 66}));
  EXPECT_EQ(right->BoundsRect(), (TRect{103, 25, 110, 63}));

  SCOPED_TRACE("a centred child rounds toward zero in the free rectangle");
  TSeSkinObject centre(nullptr);
  TSeSkinObject* centred = AddChild(centre, TSeAlign::saCenter, 11, 11);
  centre.SetBounds({0, 0, 20, 20});
  EXPECT_EQ(centred->BoundsRect(), (TRect{4, 4, 15, 15}));
  // Wider than the free rectangle: the offset is negative and rounds toward zero.
  TSeSkinObject* wide = AddChild(centre, TSeAlign::saCenter, 25, 2);
  centre.SetBounds({0, 0, 20, 21});
  EXPECT_EQ(wide->GetLeft(), -2);
  EXPECT_EQ(wide->GetTop(), 9);

  SCOPED_TRACE("text children are as wide as their text plus margins");
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

TEST(SkinObjectLayout, SizesAreClampedAndAnchoredChildrenKeepTheirDistanceToTheirEdges) {
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
  // Anchored children keep their distance to their anchor edges.
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

// Window-shape regions of skin objects and trees.

using test::Argb;

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

TEST_F(SkinObjectRegion, MaskLeavesOutTheKeyPixelsWhereItHasAnyATreeIsTheUnionOfItsChildren) {
  std::unique_ptr<TSeBitmapObject> object(ShapedObject(nullptr, {10, 20, 18, 24}));
  auto* button = new TSeSkinObject(object.get());  // anchored: mask painting puts it back
  button->SetBounds({14, 21, 17, 23});
  button->SetAlign(TSeAlign::saTopRight);
  // Stretched twice as wide: the two left columns are transparent.
  EXPECT_EQ(object->GetMaskRegion(), QRegion(12, 20, 6, 4));
  EXPECT_EQ(object->BoundsRect(), (TRect{10, 20, 18, 24}));
  EXPECT_EQ(button->BoundsRect(), (TRect{14, 21, 17, 23}));
  TSeBitmapSkinObject skin(nullptr);  // the bitmap-skin family has masks too
  skin.SetBitmap(*LinkTo("shape", {0, 0, 4, 4}));
  skin.SetBounds({0, 0, 4, 4});
  skin.SetBitmapList(&Images);
  skin.UpdateLinks();
  EXPECT_EQ(skin.GetMaskRegion(), QRegion(1, 0, 3, 4));
  // The whole rectangle for clients, unmasked objects and unresolved links.
  object->SetBounds({0, 0, 4, 4});
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
  // A tree is the union of its visible children.
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

}  // namespace
}  // namespace vt
