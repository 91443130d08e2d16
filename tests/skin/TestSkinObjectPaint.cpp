// Painting of skin objects: rules, golden scenes, nine-part bands against single pieces.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>

#include <array>

#include "TestSkinObjectHelpers.h"

namespace vt {
namespace {

using test::Argb;
using test::ExpectGolden;
using test::kBackgroundPixel;
using test::LinkTo;
using test::MakeBitmap;
using test::PixelAt;
using test::SetMargins;

constexpr uint32_t kWhitePixel = 0xFFFFFFFF;
constexpr uint32_t kRedPixel = 0xFFFF0000;

// The smallest rectangle holding every pixel that differs from `background`.
TRect InkBounds(const QImage& image, uint32_t background) {
  TRect ink{image.width(), image.height(), 0, 0};
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (PixelAt(image, x, y) != background) {
        ink.Left = std::min(ink.Left, x);
        ink.Top = std::min(ink.Top, y);
        ink.Right = std::max(ink.Right, x + 1);
        ink.Bottom = std::max(ink.Bottom, y + 1);
      }
  return ink;
}

// Several objects painted in turn on one surface.
class TScene {
 public:
  TScene(int width, int height, uint32_t background = kBackgroundPixel) {
    FSurface.SetSize(width, height);
    FSurface.FillColor(background);
  }
  TScene& Paint(TSeSkinObject& object, const TRect& clip = {}) {
    TCanvas canvas(FSurface.Surface());
    object.Draw(canvas, clip);
    return *this;
  }
  QImage Image() const { return FSurface.ToImage().convertToFormat(QImage::Format_ARGB32); }

 private:
  TteBitmap FSurface;
};

QImage Render(TSeSkinObject& object, int width, int height, uint32_t background = kBackgroundPixel,
              const TRect& clip = {}) {
  return TScene(width, height, background).Paint(object, clip).Image();
}

struct SkinObjectPaint : ::testing::Test {
  TteBitmapList Images;
  void TearDown() override {
    SkinDesignMode = false;
    SysLocaleRightToLeft = false;
  }
  void Attach(TSeSkinObject& object) {
    object.SetBitmapList(&Images);
    object.UpdateLinks();
  }
  // Links the object to a part of a named image, places it and resolves the link.
  template <class TObject>
  void Place(TObject& object, const char* image, const TRect& part, const TRect& bounds) {
    object.SetBitmap(*LinkTo(image, part));
    object.SetBounds(bounds);
    Attach(object);
  }
};

// ---- Base painting ----

TEST_F(SkinObjectPaint, BaseObjectsFillTheirBoundsOwnersPaintTheirVisibleChildrenInTheClip) {
  TSeSkinObject object(nullptr);
  object.SetBounds({2, 3, 6, 5});
  object.SetColor(clRed);
  QImage image = Render(object, 8, 8);
  EXPECT_EQ(InkBounds(image, kBackgroundPixel), (TRect{2, 3, 6, 5}));
  EXPECT_EQ(PixelAt(image, 2, 3), kRedPixel);
  object.SetColor(clNone);
  EXPECT_EQ(InkBounds(Render(object, 8, 8), kBackgroundPixel), (TRect{8, 8, 0, 0}));
  SkinDesignMode = true;
  image = Render(object, 8, 8);
  EXPECT_EQ(PixelAt(image, 3, 4), kKeyPixel);
  EXPECT_EQ(InkBounds(image, kBackgroundPixel), (TRect{2, 3, 6, 5}));
  SkinDesignMode = false;
  SCOPED_TRACE("an owner paints only its visible children unless DrawIfOwner");
  TSeSkinObject parent(nullptr);
  parent.SetBounds({0, 0, 10, 10});
  auto* child = new TSeSkinObject(&parent);
  child->SetBounds({2, 2, 4, 4});
  child->SetColor(clRed);
  auto* hidden = new TSeSkinObject(&parent);
  hidden->SetBounds({6, 6, 8, 8});
  hidden->SetVisible(false);
  EXPECT_EQ(InkBounds(Render(parent, 10, 10), kBackgroundPixel), (TRect{2, 2, 4, 4}));
  parent.SetDrawIfOwner(true);
  image = Render(parent, 10, 10);
  EXPECT_EQ(PixelAt(image, 0, 0), kWhitePixel);
  EXPECT_EQ(PixelAt(image, 2, 2), kRedPixel);
  EXPECT_EQ(PixelAt(image, 7, 7), kWhitePixel);
  // The clip rectangle limits every pixel; entirely outside it, nothing at all is painted.
  const QImage clipped = Render(parent, 10, 10, kBackgroundPixel, {3, 3, 9, 9});
  EXPECT_EQ(InkBounds(clipped, kBackgroundPixel), (TRect{3, 3, 9, 9}));
  EXPECT_EQ(PixelAt(clipped, 3, 3), kRedPixel);
  EXPECT_EQ(PixelAt(clipped, 5, 5), kWhitePixel);
  EXPECT_EQ(InkBounds(Render(parent, 10, 10, kBackgroundPixel, {20, 20, 30, 30}), kBackgroundPixel),
            (TRect{10, 10, 0, 0}));
  parent.SetVisible(false);
  EXPECT_EQ(InkBounds(Render(parent, 10, 10), kBackgroundPixel), (TRect{10, 10, 0, 0}));
}

// A separator line, right-to-left mirroring, opposite text and title ellipses.
TEST_F(SkinObjectPaint, TextRulesOfSeparatorsReadingOrderAndTitles) {
  TSeSkinObject label(nullptr);
  label.SetBounds({10, 10, 50, 30});
  label.SetText("-");
  label.Font()->SetColor(clRed);
  SCOPED_TRACE("a minus paints a line at row 10 + 20 / 2 - 1, 3 pixels in from each side");
  EXPECT_EQ(InkBounds(Render(label, 60, 40, kWhitePixel), kWhitePixel), (TRect{13, 19, 47, 20}));
  label.SetHeight(7);  // an odd height rounds the half toward zero
  EXPECT_EQ(InkBounds(Render(label, 60, 40, kWhitePixel), kWhitePixel), (TRect{13, 12, 47, 13}));

  SCOPED_TRACE("right-to-left reading mirrors the alignment, opposite text the other side");
  label.SetBounds({0, 0, 120, 20});
  label.Font()->SetColor(clBlack);
  label.SetText("Ab");
  const TRect leftInk = InkBounds(Render(label, 120, 20), kWhitePixel);
  EXPECT_LT(leftInk.Right, 60);
  label.SetBiDiMode(TBiDiMode::bdRightToLeft);
  EXPECT_EQ(InkBounds(Render(label, 120, 20), kWhitePixel), leftInk);  // locale reads left to right
  SysLocaleRightToLeft = true;
  const TRect mirrored = InkBounds(Render(label, 120, 20), kWhitePixel);
  EXPECT_GT(mirrored.Left, 60);
  EXPECT_EQ(mirrored.Width(), leftInk.Width());
  SysLocaleRightToLeft = false;
  label.SetBiDiMode(TBiDiMode::bdLeftToRight);
  label.SetText("");
  label.SetOppositeText("Ab");
  EXPECT_GT(InkBounds(Render(label, 120, 20), kWhitePixel).Left, 60);

  SCOPED_TRACE("titles end with an ellipsis within their text width, other kinds are cut");
  label.SetOppositeText("");
  label.SetKind(TSeKind::skTitle);
  label.SetBounds({0, 0, 60, 16});
  label.SetTextMarginLeft(5);
  label.SetTextMarginRight(15);
  label.SetText("A caption far too long for its place");
  const QImage shortened = Render(label, 80, 16, kWhitePixel);
  const TRect ink = InkBounds(shortened, kWhitePixel);
  EXPECT_GE(ink.Left, 5);
  EXPECT_LE(ink.Right, 45);
  EXPECT_GT(ink.Right, 35);  // the dots end near the limit
  label.SetKind(TSeKind::skCaption);
  EXPECT_NE(Render(label, 80, 16, kWhitePixel), shortened);
}

// ---- Bitmap objects: rules ----

// Without a resolved link, or without colour, nothing is painted.
TEST_F(SkinObjectPaint, BitmapObjectsNeedALinkAndAColourTheirPiecesTheLinksTransparency) {
  TSeBitmapObject unlinked(nullptr);
  unlinked.SetBounds({0, 0, 10, 10});
  unlinked.SetText("x");
  (new TSeSkinObject(&unlinked))->SetBounds({0, 0, 5, 5});
  EXPECT_EQ(InkBounds(Render(unlinked, 10, 10), kBackgroundPixel), (TRect{10, 10, 0, 0}));

  Images.Add(MakeBitmap("solid", 2, 2, [](int, int) { return Argb(0, 0, 255); }));
  TSeBitmapObject object(nullptr);
  object.SetColor(clNone);
  Place(object, "solid", {0, 0, 2, 2}, {0, 0, 4, 4});
  EXPECT_EQ(InkBounds(Render(object, 4, 4), kBackgroundPixel), (TRect{4, 4, 0, 0}));
  object.SetColor(clRed);  // any colour: the bitmap is drawn, the colour is not
  EXPECT_EQ(PixelAt(Render(object, 4, 4), 1, 1), Argb(0, 0, 255));

  // Bitmap objects align and paint their children, bitmap skin objects do not.
  object.SetBounds({0, 0, 8, 8});
  auto* child = new TSeSkinObject(&object);
  child->SetColor(clRed);
  child->SetAlign(TSeAlign::saClient);
  child->SetBounds({0, 0, 1, 1});  // out of place until painting aligns it
  EXPECT_EQ(PixelAt(Render(object, 8, 8), 7, 7), kRedPixel);

  TSeBitmapSkinObject skin(nullptr);
  auto* ignored = new TSeSkinObject(&skin);
  ignored->SetColor(clRed);
  ignored->SetBounds({0, 0, 8, 8});
  Place(skin, "solid", {0, 0, 2, 2}, {0, 0, 8, 8});
  EXPECT_EQ(PixelAt(Render(skin, 8, 8), 7, 7), Argb(0, 0, 255));
  // Pieces take the link's transparency (centre key pixels here) and restore the image's flag.
  Images.Add(MakeBitmap("holes", 4, 4, [](int x, int y) {
    return (x == 1 && y == 1) ? kKeyPixel : Argb(0, 255, 0);
  }));
  TSeBitmapObject holed(nullptr);
  Place(holed, "holes", {0, 0, 4, 4}, {0, 0, 4, 4});
  ASSERT_TRUE(holed.Bitmap()->Masked);
  Images.Bitmaps(1)->SetKeyFlag(false);
  EXPECT_EQ(PixelAt(Render(holed, 4, 4), 1, 1), kBackgroundPixel);
  EXPECT_FALSE(Images.Bitmaps(1)->KeyFlag());
  holed.Bitmap()->Masked = false;  // an opaque centre copies the key pixel as it is
  EXPECT_EQ(PixelAt(Render(holed, 4, 4), 1, 1), kKeyPixel);
}

// ---- System-menu button ----

class TFormStub : public TSeControl {
 public:
  bool Form = true;
  QIcon Icon;
  bool IsForm() const override { return Form; }
  QIcon WindowIcon() const override { return Icon; }
};

QIcon SolidIcon(QColor color) {
  QPixmap pixmap(16, 16);
  pixmap.fill(color);
  return QIcon(pixmap);
}

TEST_F(SkinObjectPaint, TheSystemMenuButtonShowsTheWindowIconOfAForm) {
  TFormStub form;
  form.Icon = SolidIcon(Qt::red);
  for (TSeSkinObject* button : std::initializer_list<TSeSkinObject*>{
           new TSeSystemButton(nullptr), new TSeSysButtonSkinObject(nullptr)}) {
    std::unique_ptr<TSeSkinObject> owned(button);
    SetPropValue(*button, "Action", int64_t(TSeAction::sbaSysMenu));
    button->SetBounds({4, 2, 24, 22});
    button->SetControl(&form);
    QImage image = Render(*button, 30, 30);
    EXPECT_EQ(InkBounds(image, kBackgroundPixel), (TRect{4, 2, 20, 18})) << button->ClassName();
    EXPECT_EQ(PixelAt(image, 10, 10), kRedPixel);

    form.Icon = QIcon();  // the application's icon next
    const QIcon saved = QGuiApplication::windowIcon();
    QGuiApplication::setWindowIcon(SolidIcon(Qt::green));
    image = Render(*button, 30, 30);
    EXPECT_EQ(PixelAt(image, 10, 10), 0xFF00FF00);

    QGuiApplication::setWindowIcon(QIcon());  // no icon at all: the default one, 16 x 16
    const TRect ink = InkBounds(Render(*button, 30, 30), kBackgroundPixel);
    QGuiApplication::setWindowIcon(saved);
    EXPECT_FALSE(ink.IsEmpty());
    EXPECT_LE(ink.Right, 4 + 16);
    EXPECT_LE(ink.Bottom, 2 + 16);
    form.Icon = SolidIcon(Qt::red);

    form.Form = false;  // a control that is no window shows no icon
    EXPECT_EQ(InkBounds(Render(*button, 30, 30), kBackgroundPixel), (TRect{30, 30, 0, 0}));
    button->SetControl(nullptr);  // a picture of the skin shows the program's own icon
    EXPECT_EQ(InkBounds(Render(*button, 30, 30), kBackgroundPixel), (TRect{4, 2, 20, 18}));
    form.Form = true;
  }
}

// ---- Golden scenes ----

// A 6 x 4 image whose every pixel differs, so that placement, stretching and tiling show.
TteBitmap* GradientImage() {
  return MakeBitmap("gradient", 6, 4,
                    [](int x, int y) { return Argb(30 + 40 * x, 40 + 60 * y, 160); });
}

// 8 x 8, 2-pixel margins: corners red, edges green, centre blue, some key pixels.
TteBitmap* NinePartImage(bool keyInCentre) {
  return MakeBitmap("nine", 8, 8, [keyInCentre](int x, int y) {
    if ((x == 0 && y == 0) || (x == 4 && y == 0) || (keyInCentre && x == 3 && y == 4))
      return kKeyPixel;
    const bool edgeColumn = x < 2 || x >= 6;
    const bool edgeRow = y < 2 || y >= 6;
    const int shade = 90 + 20 * x + 10 * y;
    if (edgeColumn && edgeRow) return Argb(shade, 30, 30);
    if (edgeColumn || edgeRow) return Argb(30, shade, 30);
    return Argb(30, 30, shade);
  });
}

constexpr TscTileStyle kStyles[] = {
    TscTileStyle::tsTile,           TscTileStyle::tsStretch,
    TscTileStyle::tsCenter,         TscTileStyle::tsVertCenterStretch,
    TscTileStyle::tsVertCenterTile, TscTileStyle::tsHorzCenterStretch,
    TscTileStyle::tsHorzCenterTile};

TEST_F(SkinObjectPaint, GoldenSimpleDrawingInEveryTileStyle) {
  Images.Add(GradientImage());
  TScene scene(7 * 22 + 2, 3 * 18 + 2);
  for (int i = 0; i < 7; ++i) {
    TSeBitmapObject object(nullptr);
    object.SetTileStyle(kStyles[i]);
    Place(object, "gradient", {0, 0, 6, 4}, TRect::FromSize(2 + 22 * i, 2, 20, 16));
    scene.Paint(object);
    // The same styles for the bitmap-skin family, where only three of them draw.
    TSeBitmapSkinObject skin(nullptr);
    skin.SetTileStyle(kStyles[i]);
    Place(skin, "gradient", {0, 0, 6, 4}, TRect::FromSize(2 + 22 * i, 20, 20, 16));
    scene.Paint(skin);
  }
  // A part of the image tiled, cut at the clip rectangle.
  TSeBitmapObject clipped(nullptr);
  Place(clipped, "gradient", {1, 1, 5, 4}, {2, 38, 30, 54});
  scene.Paint(clipped, {5, 40, 24, 51});
  ExpectGolden(scene.Image(), "objects/simple_tile_styles");
}

TEST_F(SkinObjectPaint, GoldenNinePartDrawingInEveryStyleWithTransparentPiecesAndBoxes) {
  Images.Add(NinePartImage(true));
  TScene scene(7 * 28 + 2, 2 * 26 + 2);
  for (int i = 0; i < 7; ++i) {
    for (int row = 0; row < 2; ++row) {
      // Row 0: the centre takes each style; row 1: the borders do.
      TSeBitmapObject object(nullptr);
      object.SetTileStyle(row == 0 ? kStyles[i] : TscTileStyle::tsStretch);
      object.SetBorderTileStyle(row == 0 ? TscTileStyle::tsTile : kStyles[i]);
      SetMargins(object, 2);
      Place(object, "nine", {0, 0, 8, 8}, TRect::FromSize(2 + 28 * i, 2 + 26 * row, 26, 24));
      ASSERT_TRUE(object.Bitmap()->Masked && object.Bitmap()->MaskedBorder &&
                  object.Bitmap()->MaskedAngles);
      scene.Paint(object);
    }
  }
  ExpectGolden(scene.Image(), "objects/ninepart_styles");

  // Boxes draw edges with the (opaque) centre flag, corners with the image's own flag.
  Images.Clear();
  Images.Add(NinePartImage(false));
  TScene boxes(4 * 28 + 2, 26 + 2);
  const TscTileStyle styles[] = {TscTileStyle::tsTile, TscTileStyle::tsStretch,
                                 TscTileStyle::tsCenter};
  for (int i = 0; i < 3; ++i) {
    TSeBitmapBoxObject box(nullptr);
    box.SetTileStyle(styles[i]);
    box.SetBorderTileStyle(TscTileStyle::tsStretch);
    SetMargins(box, 2);
    Place(box, "nine", {0, 0, 8, 8}, TRect::FromSize(2 + 28 * i, 2, 26, 24));
    ASSERT_FALSE(box.Bitmap()->Masked);
    boxes.Paint(box);
  }
  TSeBitmapBoxObject plain(nullptr);  // no margins: as a bitmap skin object
  plain.SetTileStyle(TscTileStyle::tsStretch);
  Place(plain, "nine", {0, 0, 8, 8}, TRect::FromSize(2 + 28 * 3, 2, 26, 24));
  boxes.Paint(plain);
  ExpectGolden(boxes.Image(), "objects/bitmapbox");
}

TEST_F(SkinObjectPaint, GoldenNineTextAlignmentsWithMargins) {
  TScene scene(3 * 62 + 2, 3 * 32 + 2);
  for (int i = 0; i < 9; ++i) {
    TSeSkinObject label(nullptr);
    label.SetBounds(TRect::FromSize(2 + 62 * (i % 3), 2 + 32 * (i / 3), 60, 30));
    label.SetColor(RGB(255, 255, 224));
    label.Font()->SetColor(clBlack);
    label.SetTextAlign(static_cast<TSeTextAlign>(i));
    label.SetTextMarginLeft(4);
    label.SetTextMarginRight(7);
    label.SetTextMarginTop(3);
    label.SetText("Ab");
    scene.Paint(label);
  }
  ExpectGolden(scene.Image(), "objects/text_alignments", test::kTextTolerance);
}

TEST_F(SkinObjectPaint, GoldenSeparatorShadowDisabledTitleOppositeTextAndLinkPlaceholder) {
  TScene scene(2 * 92 + 2, 4 * 22 + 2);
  const auto cell = [](int index) {
    return TRect::FromSize(2 + 92 * (index % 2), 2 + 22 * (index / 2), 90, 20);
  };
  std::vector<std::unique_ptr<TSeSkinObject>> objects;
  for (int i = 0; i < 6; ++i) {
    objects.push_back(std::make_unique<TSeSkinObject>(nullptr));
    objects.back()->SetBounds(cell(i));
    objects.back()->Font()->SetColor(RGB(0, 0, 160));
    objects.back()->SetText("Weather");
  }
  objects[0]->SetText("-");
  objects[1]->SetTextEffect(TSeTextEffect::teShadow);
  objects[2]->SetEnabled(false);
  objects[3]->SetKind(TSeKind::skTitle);
  objects[3]->SetText("Veltrane weather forecast");
  objects[4]->SetOppositeText("Ctrl+W");
  objects[5]->SetTextAlign(TSeTextAlign::taCenter);
  objects[5]->SetTextEffect(TSeTextEffect::teShadow);
  objects[5]->Font()->SetStyle(TFontStyles{TFontStyle::fsBold});
  for (auto& object : objects) scene.Paint(*object);
  // A link object shows its placeholder only in the placeholder state.
  TSeLinkSkinObject link(nullptr);
  link.SetLinkControl("Grid1");
  link.Font()->SetColor(clBlack);
  link.SetBounds(cell(6));
  const QImage before = scene.Image();
  scene.Paint(link);
  EXPECT_EQ(scene.Image(), before);
  link.SetState(ssPlaceholder);
  scene.Paint(link);
  ExpectGolden(scene.Image(), "objects/text_effects", test::kTextTolerance);
}

// A 4 x 4 square per state: normal, hot, pressed, focused, disabled, active, inactive.
TteBitmap* StatesImage() {
  static const uint32_t colours[] = {Argb(128, 128, 128), Argb(255, 140, 0),   Argb(0, 0, 140),
                                     Argb(0, 160, 0),     Argb(210, 210, 210), Argb(140, 0, 160),
                                     Argb(90, 60, 30)};
  return MakeBitmap("states", 28, 4, [](int x, int) { return colours[x / 4]; });
}

TRect StateSquare(int index) {
  return TRect::FromSize(4 * index, 0, 4, 4);
}

enum TStateSquare { kNormal, kHot, kPressed, kFocused, kDisabled, kActive, kInactive };

using TStateLinks = std::vector<std::pair<const char*, int>>;

// Links each named bitmap property to one square of the states image.
void LinkStates(TSeSkinObject& object, const TStateLinks& links) {
  for (auto [name, square] : links)
    GetPropInfo(object, name)->SetObject(object, *LinkTo("states", StateSquare(square)));
}

TEST_F(SkinObjectPaint, GoldenStateSwapsOfTheBitmapClasses) {
  Images.Add(StatesImage());
  TScene scene(5 * 18 + 2, 6 * 14 + 18 + 2);
  using TCases = std::vector<std::pair<TSeState, bool>>;
  const TCases activeStates = {{ssNormal, false},  {ssNormal, true},   {ssHot, false},
                               {ssPressed, false}, {ssFocused, false}, {ssDisabled, false}};
  const TCases buttonStates = {{ssNormal, false},  {ssHot, false},      {ssPressed, false},
                               {ssFocused, false}, {ssDisabled, false}, {ssPlaceholder, true}};
  TSeActiveBitmap active(nullptr);
  TSeButtonObject button(nullptr);
  button.SetBitmapDisabled(*LinkTo("missing", StateSquare(kDisabled)));  // falls back
  TSeButtonBitmapBoxObject box(nullptr);
  TSeActiveBitmapBoxObject activeBox(nullptr);
  TSeFormBitmapSkinObject form(nullptr);
  const struct {
    TSeSkinObject* Object;
    TStateLinks Links;
    TCases Cases;
  } rows[] = {{&active, {{"Bitmap", kNormal}, {"ActiveBitmap", kActive}}, activeStates},
              {&button,
               {{"Bitmap", kNormal},
                {"BitmapHot", kHot},
                {"BitmapPressed", kPressed},
                {"BitmapFocused", kFocused}},
               buttonStates},
              {&box,
               {{"Bitmap", kNormal},
                {"HotBitmap", kHot},
                {"PressedBitmap", kPressed},
                {"FocusedBitmap", kFocused},
                {"DisabledBitmap", kDisabled}},
               buttonStates},
              {&activeBox, {{"Bitmap", kNormal}, {"FocusedBitmap", kFocused}}, buttonStates},
              {&form,
               {{"Bitmap", kActive}, {"InactiveBitmap", kInactive}},
               {{ssNormal, true}, {ssNormal, false}}}};
  int row = 0;
  for (const auto& [object, links, cases] : rows) {
    LinkStates(*object, links);
    Attach(*object);
    for (size_t i = 0; i < cases.size(); ++i) {
      object->SetState(cases[i].first);
      object->SetActive(cases[i].second);
      object->SetBounds(TRect::FromSize(2 + 14 * int(i), 2 + 14 * row, 12, 12));
      scene.Paint(*object);
    }
    ++row;
  }

  TSeSysButtonSkinObject sysButton(nullptr);
  sysButton.SetAction(TSeAction::sbaClose);
  LinkStates(sysButton, {{"Bitmap", kNormal}, {"BitmapHover", kHot}, {"BitmapDown", kPressed}});
  Attach(sysButton);
  for (int i = 0; i < 3; ++i) {
    sysButton.SetButtonState(static_cast<TSeButtonState>(i));
    sysButton.SetBounds(TRect::FromSize(2 + 14 * i, 2 + 14 * row, 12, 12));
    scene.Paint(sysButton);
  }
  ++row;

  // The system button active in three states and inactive; its colour-button glyph stays normal.
  TSeSystemButton systemButton(nullptr);
  systemButton.SetAction(TSeAction::sbaClose);
  LinkStates(systemButton, {{"Bitmap", kNormal},
                            {"ActiveBitmap", kActive},
                            {"BitmapHot", kHot},
                            {"BitmapPressed", kPressed}});
  auto* glyph = new TSeColorButtonObject(&systemButton);
  glyph->SetAlign(TSeAlign::saCenter);
  glyph->SetBounds({0, 0, 6, 6});
  glyph->SetColor(RGB(255, 255, 255));
  glyph->SetHotColor(RGB(255, 255, 0));
  glyph->SetPressedColor(RGB(0, 255, 255));
  glyph->SetDisabledColor(RGB(0, 0, 0));
  Attach(systemButton);
  using enum TSeButtonState;  // the last one: inactive wins over the button state
  const std::pair<bool, TSeButtonState> steps[] = {
      {true, bsNormal}, {true, bsHot}, {true, bsPressed}, {false, bsNormal}, {false, bsHot}};
  for (int i = 0; i < 5; ++i) {
    systemButton.SetActive(steps[i].first);
    systemButton.SetButtonState(steps[i].second);
    systemButton.SetBounds(TRect::FromSize(2 + 18 * i, 2 + 14 * row, 16, 16));
    scene.Paint(systemButton);
    EXPECT_EQ(glyph->GetState(), ssNormal);
    EXPECT_EQ(systemButton.GetActive(), steps[i].first);
  }
  ExpectGolden(scene.Image(), "objects/state_swaps_bitmaps");
}

// Colour swaps, then font swaps; every swap is undone after painting.
TEST_F(SkinObjectPaint, GoldenStateSwapsOfTheColoursAndFonts) {
  TScene scene(5 * 32 + 2, 3 * 14 + 2 * 22 + 2);
  const std::vector<std::pair<TSeState, bool>> cases = {
      {ssNormal, false}, {ssNormal, true}, {ssHot, false}, {ssPressed, false}, {ssDisabled, false}};
  TSeActiveObject active(nullptr);
  active.SetColor(RGB(128, 128, 128));
  active.SetActiveColor(RGB(140, 0, 160));
  TSeActiveSkinObject activeSkin(nullptr);
  activeSkin.SetColor(RGB(128, 128, 128));
  activeSkin.SetActiveColor(RGB(0, 160, 0));
  TSeColorButtonObject colorButton(nullptr);
  colorButton.SetColor(RGB(128, 128, 128));
  colorButton.SetHotColor(RGB(255, 140, 0));
  colorButton.SetPressedColor(RGB(0, 0, 140));
  colorButton.SetDisabledColor(RGB(210, 210, 210));
  int row = 0;
  for (TSeSkinObject* object :
       std::initializer_list<TSeSkinObject*>{&active, &activeSkin, &colorButton}) {
    for (size_t i = 0; i < cases.size(); ++i) {
      object->SetState(cases[i].first);
      object->SetActive(cases[i].second);
      object->SetBounds(TRect::FromSize(2 + 14 * int(i), 2 + 14 * row, 12, 12));
      scene.Paint(*object);
    }
    EXPECT_EQ(object->GetColor(), RGB(128, 128, 128)) << "the swap is undone";
    ++row;
  }

  TSeTextObject text(nullptr);
  text.Font()->SetColor(clBlack);
  text.FontHot()->SetColor(RGB(255, 100, 0));
  text.FontPressed()->SetColor(RGB(0, 0, 200));
  text.FontPressed()->SetStyle(TFontStyles{TFontStyle::fsBold});
  text.FontFocused()->SetColor(RGB(0, 150, 0));
  text.FontFocused()->SetStyle(TFontStyles{TFontStyle::fsUnderline});
  text.FontDisabled()->SetColor(RGB(160, 160, 160));
  TSeActiveObject activeFonts(nullptr);
  activeFonts.Font()->SetColor(clBlack);
  activeFonts.ActiveFont()->SetColor(RGB(200, 0, 0));
  activeFonts.ActiveFont()->SetStyle(TFontStyles{TFontStyle::fsItalic});
  activeFonts.DisabledFont()->SetColor(RGB(0, 120, 120));
  activeFonts.SetActiveColor(RGB(255, 255, 224));
  const TSeState states[] = {ssNormal, ssHot, ssPressed, ssFocused, ssDisabled};
  row = 0;
  for (TSeSkinObject* object : std::initializer_list<TSeSkinObject*>{&text, &activeFonts}) {
    object->SetText("Tx");
    object->SetTextAlign(TSeTextAlign::taCenter);
    for (int i = 0; i < 5; ++i) {
      object->SetState(states[i]);
      object->SetBounds(TRect::FromSize(2 + 32 * i, 2 + 3 * 14 + 22 * row, 30, 20));
      scene.Paint(*object);
    }
    EXPECT_EQ(object->Font()->GetColor(), clBlack) << "the swap is undone";
    ++row;
  }
  ExpectGolden(scene.Image(), "objects/state_swaps_colors_fonts", test::kTextTolerance);
}

// Row bands drawn into memory equal the pieces one by one through a painter.

constexpr uint32_t kBackground = 0xFF305070;

// 10 x 9, opaque, all pixels differ, key pixels in every part (both routes exact).
TteBitmap* KeyedImage() {
  return MakeBitmap("nine", 10, 9, [](int x, int y) {
    return (x * 7 + y * 3) % 11 == 0 ? kKeyPixel : Argb(20 * x, 25 * y, 90);
  });
}

// The object's colours over the background, drawn into memory or through an alpha-less painter.
std::vector<uint32_t> Colours(TSeSkinObject& object, const TRect& clip, bool throughPainter) {
  QImage image(40, 30, QImage::Format_RGB888);
  image.fill(QColor::fromRgb(kBackground));
  if (throughPainter) {
    TCanvas canvas(image);
    object.Draw(canvas, clip);
  } else {
    image = Render(object, 40, 30, kBackground, clip);
  }
  std::vector<uint32_t> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.push_back(image.pixel(x, y) & 0x00FFFFFFu);
  return colours;
}

struct TMarginCase {
  int Left, Top, Right, Bottom;
  TRect Bounds;
};

// Ordinary, exactly filling, missing on two sides, overlapping, and image-sized margins;
// objects as wide as the image and as high as it (drawn as strips).
constexpr std::array<TMarginCase, 7> kMargins{{
    {3, 2, 4, 3, {3, 2, 37, 27}},
    {6, 2, 4, 1, {5, 4, 15, 29}},
    {0, 3, 2, 0, {1, 1, 33, 21}},
    {6, 5, 3, 4, {8, 6, 15, 12}},
    {3, 2, 4, 3, {4, 7, 14, 16}},
    {3, 2, 0, 3, {2, 3, 12, 28}},
    {3, 2, 4, 3, {1, 10, 39, 19}},
}};

template <class TObject>
void Prepare(TObject& object, TteBitmapList& images, const TMarginCase& margins,
             TscTileStyle centre, TscTileStyle border) {
  object.SetBitmap(*LinkTo("nine", {0, 0, 10, 9}));
  object.SetTileStyle(centre);
  object.SetBorderTileStyle(border);
  object.SetMarginLeft(margins.Left);
  object.SetMarginTop(margins.Top);
  object.SetMarginRight(margins.Right);
  object.SetMarginBottom(margins.Bottom);
  object.SetBounds(margins.Bounds);
  object.SetBitmapList(&images);
  object.UpdateLinks();
}

TEST(SkinObjectNinePart, BandsPaintAsThePiecesDoOneByOne) {
  TteBitmapList images;
  images.Add(KeyedImage());
  const std::array<TRect, 3> clips{TRect{}, TRect{6, 0, 40, 30}, TRect{0, 5, 20, 18}};
  test::TRandom random(5);
  for (const TscTileStyle centre : kStyles) {
    for (const TscTileStyle border : kStyles) {
      for (const TMarginCase& margins : kMargins) {
        TSeBitmapObject object(nullptr);
        Prepare(object, images, margins, centre, border);
        object.Bitmap()->Masked = random.Below(2) == 1;
        object.Bitmap()->MaskedBorder = random.Below(2) == 1;
        object.Bitmap()->MaskedAngles = random.Below(2) == 1;
        const TRect& clip = clips[random.Below(clips.size())];
        ASSERT_EQ(Colours(object, clip, false), Colours(object, clip, true))
            << int(centre) << " " << int(border) << " margins " << margins.Left;
        // The box family draws edges with the centre flag and corners with the image's own.
        TSeBitmapBoxObject box(nullptr);
        Prepare(box, images, margins, centre, border);
        box.Bitmap()->Masked = object.Bitmap()->Masked;
        ASSERT_EQ(Colours(box, clip, false), Colours(box, clip, true))
            << "box " << int(centre) << " " << int(border) << " margins " << margins.Left;
      }
    }
  }
}

}  // namespace
}  // namespace vt
