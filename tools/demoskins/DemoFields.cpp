// Edits, combo boxes, list boxes, grids and hints.
#include "DemoSkin.h"

namespace vt::demo {

namespace {

// A selected item: the accent, solid, so that the selected text can be white.
TPicture SelectionFace(const TLook& look, TLookState state, int width, int height) {
  TPicture p(width, height);
  const TBox box{0, 0, double(width), double(height)};
  switch (state) {
    case TLookState::Hot:
      p.Fill(RoundRect(box, TCorners::All(2.5)), Solid(look.Accent.WithAlpha(look.Dark ? 60 : 36)));
      break;
    case TLookState::Pressed:
    case TLookState::Focused:
      p.Fill(RoundRect(box, TCorners::All(2.5)),
             VerticalGradient(0, Lighten(look.Accent, 0.1), height, look.Accent));
      break;
    case TLookState::Normal:
    case TLookState::Disabled:
      break;
  }
  return p;
}

void BuildEdit(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("edit");
  b.AddStates(atlas, "frame", [&](TLookState s) { return FieldFace(b.Look, s, 16, 16, 3); });
  auto* edit = b.TopLevel("Edit", 120, 22);
  b.StatePart(edit, "Frame", {0, 0, 120, 22}, atlas, "frame", TMargins::All(4))
      ->SetAlign(TSeAlign::saClient);
}

void BuildComboBox(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("combobox");
  const TLook& look = b.Look;
  b.AddStates(atlas, "frame", [&](TLookState s) { return FieldFace(look, s, 16, 16, 3); });
  b.AddStates(atlas, "button", [&](TLookState s) {
    return s == TLookState::Normal ? TPicture(16, 16) : FlatFace(look, s, 16, 16, 2.5);
  });
  b.AddStates(atlas, "arrow", [&](TLookState s) {
    return GlyphPicture(TGlyph::ArrowDown, 8, 8, GlyphColour(look, s));
  });
  auto* combo = b.TopLevel("ComboBox", 120, 22);
  b.StatePart(combo, "Frame", {0, 0, 120, 22}, atlas, "frame", TMargins::All(4));
  auto* button = b.StatePart(combo, "Button", {101, 2, 118, 20}, atlas, "button", TMargins::All(4));
  b.GlyphChild(button, atlas, "arrow");
}

void BuildListBox(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("listbox");
  const TLook& look = b.Look;
  atlas.Add("frame", FieldFace(look, TLookState::Normal, 16, 16, 2));
  b.AddStates(atlas, "item", [&](TLookState s) { return SelectionFace(look, s, 16, 16); });
  auto* list = b.TopLevel("ListBox", 120, 80);
  b.ImagePart(list, "Frame", {0, 0, 120, 80}, atlas, "frame", TMargins::All(3));
  b.StatePart(list, "Item", {2, 2, 118, 20}, atlas, "item", TMargins::All(3));
}

// Grid cells have square corners and no partial alpha: the grid's image travels as a
// bitmap with the transparent key only.
TPicture GridCell(const TLook& look, TLookState state, bool fixed) {
  TPicture p(16, 18);
  TRgba top = look.Field, bottom = look.Field;
  if (fixed) {
    top = look.BarTop;
    bottom = look.BarBottom;
    if (state == TLookState::Hot) top = bottom = Mix(look.BarTop, look.Accent, 0.12);
    if (state == TLookState::Pressed || state == TLookState::Focused)
      top = bottom = Mix(look.BarBottom, look.Accent, 0.25);
  } else {
    if (state == TLookState::Hot) top = bottom = Mix(look.Field, look.Accent, 0.12);
    if (state == TLookState::Pressed || state == TLookState::Focused) top = bottom = look.Accent;
    if (state == TLookState::Disabled) top = bottom = look.FieldDisabled;
  }
  p.FillRect({0, 0, 16, 18}, VerticalGradient(0, top, 18, bottom));
  const TRgba line = fixed ? Mix(look.Line, look.BarBottom, 0.2) : Mix(look.Line, look.Field, 0.55);
  p.FillRect({15, 0, 16, 18}, Solid(line));
  p.FillRect({0, 17, 16, 18}, Solid(line));
  return p;
}

void BuildGrid(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("grid", TTransparency::Key);
  const TLook& look = b.Look;
  TPicture frame(8, 8);
  frame.FillRect({0, 0, 8, 8}, Solid(look.FieldLine));
  frame.FillRect({1, 1, 7, 7}, Solid(look.Field));
  atlas.Add("frame", std::move(frame));
  b.AddStates(atlas, "fixed", [&](TLookState s) { return GridCell(look, s, true); });
  b.AddStates(atlas, "cell", [&](TLookState s) { return GridCell(look, s, false); });
  auto* grid = b.TopLevel("Grid", 160, 56);
  b.ImagePart(grid, "Frame", {0, 0, 160, 56}, atlas, "frame", TMargins::All(1));
  b.StatePart(grid, "Fixed", {1, 1, 61, 19}, atlas, "fixed", {0, 0, 1, 1});
  b.StatePart(grid, "Cell", {1, 19, 61, 37}, atlas, "cell", {0, 0, 1, 1});
}

void BuildHint(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("hint");
  const TLook& look = b.Look;
  TPicture hint(24, 24);
  const TBox box{0, 0, 24, 24};
  hint.Fill(RoundRect(box, TCorners::All(4)),
            VerticalGradient(0, look.HintTop, 24, look.HintBottom));
  hint.Fill(RoundRectOutline(box, TCorners::All(4), 1), Solid(look.HintLine));
  atlas.Add("hint", std::move(hint));
  auto* object = b.TopLevel<TSeBitmapObject>("Hint", 140, 36);
  object->SetTileStyle(TscTileStyle::tsStretch);
  object->SetBorderTileStyle(TscTileStyle::tsStretch);
  object->SetMarginLeft(5);
  object->SetMarginTop(5);
  object->SetMarginRight(5);
  object->SetMarginBottom(5);
  TFont font;
  font.SetColor(ToColor(look.HintText));
  object->SetFont(font);
  object->SetTextAlign(TSeTextAlign::taLeft);
  object->SetTextMarginLeft(6);
  object->SetTextMarginRight(6);
  b.Bind(*object->Bitmap(), atlas, "hint");
}

}  // namespace

void BuildFields(TDemoSkinBuilder& builder) {
  BuildEdit(builder);
  BuildComboBox(builder);
  BuildListBox(builder);
  BuildGrid(builder);
  BuildHint(builder);
}

}  // namespace vt::demo
