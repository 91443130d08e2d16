// Push buttons, check boxes, radio buttons, spin buttons and tool-bar speed buttons.
#include "DemoSkin.h"

namespace vt::demo {

namespace {

// A caption painted by a face keeps clear of the face's frame and sits in the middle, as
// on every push button.
void CentreTextInsideFrame(TSeButtonObject* face, int frame) {
  face->SetTextAlign(TSeTextAlign::taCenter);
  face->SetTextMarginLeft(frame);
  face->SetTextMarginRight(frame);
}

void BuildPushButton(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("button");
  b.AddStates(atlas, "face", [&](TLookState s) { return RaisedFace(b.Look, s, 24, 24, 4); });
  auto* button = b.TopLevel("Button", 90, 26);
  TSeButtonObject* face =
      b.StatePart(button, "Face", {0, 0, 90, 26}, atlas, "face", TMargins::All(5));
  face->SetAlign(TSeAlign::saClient);
  CentreTextInsideFrame(face, 5);
}

// The marks of check boxes and radio buttons; the focused look is the hot one.
void BuildMarks(TDemoSkinBuilder& b, const std::string& name, bool round) {
  TAtlas& atlas = b.Atlas(name == "Checkbox" ? "checkbox" : "radiobutton");
  auto* object = b.TopLevel(name, round ? 30 : 47, 13);
  struct TMarkPart {
    const char* Part;
    TMark Mark;
  };
  const std::vector<TMarkPart> parts =
      round ? std::vector<TMarkPart>{{"Checked", TMark::Check}, {"Unchecked", TMark::None}}
            : std::vector<TMarkPart>{
                  {"Checked", TMark::Check}, {"Unchecked", TMark::None}, {"Mixed", TMark::Mixed}};
  int x = 0;
  for (const TMarkPart& part : parts) {
    b.AddStates(atlas, part.Part, [&](TLookState s) {
      return CheckBoxPicture(b.Look, s == TLookState::Focused ? TLookState::Hot : s, part.Mark,
                             round);
    });
    b.StatePart(object, part.Part, TRect::FromSize(x, 0, 13, 13), atlas, part.Part, {},
                TscTileStyle::tsCenter);
    x += 17;
  }
}

void AddArrowStates(TDemoSkinBuilder& b, TAtlas& atlas, const std::string& prefix, TGlyph glyph,
                    int side) {
  b.AddStates(atlas, prefix, [&](TLookState s) {
    return GlyphPicture(glyph, side, side, GlyphColour(b.Look, s));
  });
}

void BuildSpinButton(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("spinbutton");
  b.AddStates(atlas, "button", [&](TLookState s) { return RaisedFace(b.Look, s, 16, 12, 2.5); });
  AddArrowStates(b, atlas, "left", TGlyph::ArrowLeft, 7);
  AddArrowStates(b, atlas, "right", TGlyph::ArrowRight, 7);
  auto* spin = b.TopLevel("SpinButton", 34, 20);
  auto* left = b.StatePart(spin, "LeftButton", {0, 0, 17, 20}, atlas, "button", TMargins::All(3));
  b.GlyphChild(left, atlas, "left");
  auto* right =
      b.StatePart(spin, "RightButton", {17, 0, 34, 20}, atlas, "button", TMargins::All(3));
  b.GlyphChild(right, atlas, "right");
}

TPicture ChevronButton(const TLook& look, TLookState state, bool flat) {
  TPicture p = flat ? FlatFace(look, state, 14, 22, 3) : RaisedFace(look, state, 14, 22, 3);
  PaintGlyph(p, TGlyph::Chevron, {3, 7, 11, 15}, GlyphColour(look, state));
  return p;
}

void BuildSpeedButton(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("speedbutton");
  b.AddStates(atlas, "face", [&](TLookState s) { return RaisedFace(b.Look, s, 22, 22, 3); });
  b.AddStates(atlas, "flat", [&](TLookState s) { return FlatFace(b.Look, s, 22, 22, 3); });
  b.AddStates(atlas, "chevron", [&](TLookState s) { return ChevronButton(b.Look, s, false); });
  b.AddStates(atlas, "flatchevron", [&](TLookState s) { return ChevronButton(b.Look, s, true); });
  atlas.NewRow();
  TPicture separator(2, 16);
  separator.FillRect({0, 0, 1, 16}, Solid(b.Look.Shade.WithAlpha(b.Look.Dark ? 160 : 60)));
  separator.FillRect({1, 0, 2, 16}, Solid(b.Look.Highlight));
  atlas.Add("separator", std::move(separator));

  auto* speed = b.TopLevel("SpeedButton", 100, 24);
  CentreTextInsideFrame(b.StatePart(speed, "Face", {0, 0, 24, 24}, atlas, "face", TMargins::All(4)),
                        4);
  CentreTextInsideFrame(
      b.StatePart(speed, "FlatFace", {28, 0, 52, 24}, atlas, "flat", TMargins::All(4)), 4);
  b.ImagePart(speed, "Separator", {56, 0, 60, 24}, atlas, "separator", {},
              TscTileStyle::tsVertCenterStretch);
  b.StatePart(speed, "Chevron", {64, 0, 78, 24}, atlas, "chevron", {}, TscTileStyle::tsCenter);
  b.StatePart(speed, "FlatChevron", {82, 0, 96, 24}, atlas, "flatchevron", {},
              TscTileStyle::tsCenter);
}

}  // namespace

void BuildButtons(TDemoSkinBuilder& builder) {
  BuildPushButton(builder);
  BuildMarks(builder, "Checkbox", false);
  BuildMarks(builder, "RadioButton", true);
  BuildSpinButton(builder);
  BuildSpeedButton(builder);
}

}  // namespace vt::demo
