// Operations over skin object trees: finding, hit testing, system-button visibility,
// link resolution, colour shifts, charsets and state fonts.
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

TEST_F(SkinObjectTree, FindOperationsSearchDepthFirstFromTheObjectItself) {
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

TEST_F(SkinObjectTree, HitTestFindsTheDeepestLastChildAndSkipsTransparentOnes) {
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

TEST(SkinObjectVisibility, SystemButtonsFollowBothTables) {
  CheckVisibilityTables<TSeSystemButton>();
  CheckVisibilityTables<TSeSysButtonSkinObject>();
}

TEST(SkinObjectVisibility, RestoreReadsBitSixWhileMaximized) {
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

TEST(SkinObjectLinks, UpdateLinksResolvesByNameAndWorksOutTheFlagsForTheMargins) {
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
  EXPECT_TRUE(object->Bitmap()->MaskedAngles);
  EXPECT_FALSE(object->Bitmap()->MaskedBorder);
  EXPECT_FALSE(object->Bitmap()->Masked);
  EXPECT_TRUE(object->BitmapHot()->IsValid());
  EXPECT_FALSE(object->BitmapHot()->MaskedAngles);  // the key pixel is outside this rectangle
  EXPECT_FALSE(object->BitmapPressed()->IsValid());
  // A link whose image left the list no longer resolves.
  list.Delete(0);
  form.UpdateLinks();
  EXPECT_FALSE(object->Bitmap()->IsValid());
  EXPECT_EQ(object->Bitmap()->Bitmap(), nullptr);
}

TEST(SkinObjectLinks, EveryBitmapClassResolvesAllItsLinks) {
  TteBitmapList list;
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

TEST(SkinObjectColors, HueAndBrightnessShiftColoursLikeImagePixelsAndLeaveNoneAlone) {
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
}

TEST(SkinObjectFonts, GetFontFollowsTheStateAndSetCharsetReachesTheExtraFonts) {
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
  TSeTextObject text(nullptr);
  const std::vector<std::pair<TSeState, TFont*>> fonts = {
      {ssHot, text.FontHot()},         {ssPressed, text.FontPressed()},
      {ssFocused, text.FontFocused()}, {ssDisabled, text.FontDisabled()},
      {ssNormal, text.Font()},         {ssPlaceholder, text.Font()}};
  for (const auto& [state, font] : fonts) {
    text.SetState(state);
    EXPECT_EQ(text.GetFont(), font) << state;
  }
  text.SetState(ssNormal);
  auto* child = new TSeActiveObject(&text);
  text.SetCharset(RUSSIAN_CHARSET);
  for (TFont* font :
       {text.Font(), text.FontHot(), text.FontPressed(), text.FontFocused(), text.FontDisabled(),
        child->Font(), child->ActiveFont(), child->DisabledFont()})
    EXPECT_EQ(font->GetCharset(), RUSSIAN_CHARSET);
}

}  // namespace
}  // namespace vt
