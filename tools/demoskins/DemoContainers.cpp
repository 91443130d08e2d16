// Group boxes, containers, frames, scroll boxes, panels and tab controls.
#include "DemoSkin.h"

namespace vt::demo {

namespace {

TRgba PageColour(const TLook& look) {
  return look.Dark ? Lighten(look.Window, 0.03) : Mix(look.Window, look.Field, 0.6);
}

void BuildGroupBox(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("groupbox");
  // The centre stays transparent: the group's own background shows through.
  const TRgba line =
      b.Look.Dark ? Lighten(b.Look.Line, 0.18) : Mix(b.Look.Line, b.Look.Window, 0.3);
  atlas.Add("frame", FramePicture(24, 24, 4, line, nullptr));
  auto* group = b.TopLevel("GroupBox", 160, 90);
  b.ImagePart(group, "Frame", {0, 0, 160, 90}, atlas, "frame", TMargins::All(6))
      ->SetAlign(TSeAlign::saClient);
}

void BuildContainer(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("container");
  const TRgba fill = b.Look.Window;
  const TRgba line = Mix(b.Look.Line, b.Look.Window, 0.5);
  atlas.Add("panel", FramePicture(16, 16, 3, line, &fill));
  auto* container = b.TopLevel("Container", 120, 80);
  b.ImagePart(container, "Panel", {0, 0, 120, 80}, atlas, "panel", TMargins::All(4))
      ->SetAlign(TSeAlign::saClient);
}

// A sunken border with a transparent centre.
TPicture SunkenFrame(const TLook& look) {
  TPicture p(12, 12);
  const TBox box{0, 0, 12, 12};
  p.Fill(RoundRectOutline(box.Inset(1), TCorners::All(1.5), 1),
         VerticalGradient(1, look.Shade, 6, look.Shade.WithAlpha(0)));
  p.Fill(RoundRectOutline(box, TCorners::All(2.5), 1), Solid(look.FieldLine));
  return p;
}

void BuildFrameAndScrollBox(TDemoSkinBuilder& b) {
  TAtlas& frameAtlas = b.Atlas("frame");
  frameAtlas.Add("frame", SunkenFrame(b.Look));
  auto* frame = b.TopLevel<TSeBitmapObject>("Frame", 100, 60);
  frame->SetTileStyle(TscTileStyle::tsStretch);
  frame->SetBorderTileStyle(TscTileStyle::tsStretch);
  for (auto setter : {&TSeSkinObject::SetMarginLeft, &TSeSkinObject::SetMarginTop,
                      &TSeSkinObject::SetMarginRight, &TSeSkinObject::SetMarginBottom})
    (frame->*setter)(3);
  b.Bind(*frame->Bitmap(), frameAtlas, "frame");

  TAtlas& boxAtlas = b.Atlas("scrollbox");
  boxAtlas.Add("frame", SunkenFrame(b.Look));
  auto* box = b.TopLevel("ScrollBox", 120, 80);
  b.ImagePart(box, "Frame", {0, 0, 120, 80}, boxAtlas, "frame", TMargins::All(3))
      ->SetAlign(TSeAlign::saClient);
}

TPicture PanelCaption(const TLook& look) {
  TPicture p(16, 20);
  const TBox box{0, 0, 16, 20};
  p.Fill(RoundRect(box, TCorners::Top(3)), VerticalGradient(0, look.FaceTop, 20, look.FaceBottom));
  p.Fill(RoundRectOutline(box, TCorners::Top(3), 1), Solid(Mix(look.Line, look.Window, 0.3)));
  return p;
}

void BuildPanel(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("panel");
  const TLook& look = b.Look;
  const TRgba fill = look.Window;
  atlas.Add("frame", FramePicture(16, 16, 3, Mix(look.Line, look.Window, 0.3), &fill));
  atlas.Add("caption", PanelCaption(look));
  const std::pair<const char*, TGlyph> buttons[] = {
      {"hide", TGlyph::Close}, {"rollup", TGlyph::ArrowUp}, {"rolldown", TGlyph::ArrowDown}};
  // The binding is copied into the lambda: clang before 16 cannot capture a structured binding.
  for (const auto& [key, glyph] : buttons)
    b.AddStates(atlas, key, [&, glyph = glyph](TLookState s) {
      TPicture p = FlatFace(look, s, 16, 14, 2.5);
      PaintGlyph(p, glyph, {4, 3, 12, 11}, GlyphColour(look, s));
      return p;
    });

  auto* panel = b.TopLevel("Panel", 160, 100);
  b.ImagePart(panel, "Frame", {0, 0, 160, 100}, atlas, "frame", TMargins::All(4));
  auto* caption = b.ImagePart(panel, "Caption", {0, 0, 160, 20}, atlas, "caption", {4, 4, 4, 1});
  TFont font;
  font.SetStyle({TFontStyle::fsBold});
  font.SetColor(ToColor(look.Text));
  caption->SetFont(font);
  caption->SetTextAlign(TSeTextAlign::taLeft);
  caption->SetTextMarginLeft(6);
  b.StatePart(panel, "ButtonRollDown", {104, 3, 120, 17}, atlas, "rolldown", {},
              TscTileStyle::tsCenter);
  b.StatePart(panel, "ButtonRollup", {122, 3, 138, 17}, atlas, "rollup", {},
              TscTileStyle::tsCenter);
  b.StatePart(panel, "ButtonHide", {140, 3, 156, 17}, atlas, "hide", {}, TscTileStyle::tsCenter);
}

// A tab pointing up (top), left or right. The inactive look is a step darker than the
// page; the active one (pressed and focused) has the page's colour and no line towards it.
enum class TTabSide { Top, Left, Right };

TPicture TabPicture(const TLook& look, TLookState state, TTabSide side) {
  const bool vertical = side != TTabSide::Top;
  const int w = vertical ? 22 : 24, h = vertical ? 24 : 22;
  TPicture p(w, h);
  const TBox box{0, 0, double(w), double(h)};
  const bool active = state == TLookState::Pressed || state == TLookState::Focused;
  TCorners corners = TCorners::Top(3);
  if (side == TTabSide::Left) corners = {3, 0, 0, 3};
  if (side == TTabSide::Right) corners = {0, 3, 3, 0};
  const TRgba page = PageColour(look);
  TRgba top = Mix(look.FaceTop, look.FaceBottom, 0.3), bottom = look.FaceBottom;
  if (state == TLookState::Hot) {
    top = look.FaceHotTop;
    bottom = look.FaceHotBottom;
  }
  if (active) top = bottom = page;
  if (state == TLookState::Disabled) {
    top = Mix(top, look.Window, 0.6);
    bottom = Mix(bottom, look.Window, 0.6);
  }
  p.Fill(RoundRect(box, corners),
         vertical ? HorizontalGradient(0, top, w, bottom) : VerticalGradient(0, top, h, bottom));
  const TRgba line = Mix(look.Line, look.Window, state == TLookState::Disabled ? 0.5 : 0.2);
  // The outline on three sides: the side towards the page is cut off.
  const TCoverage outline = RoundRectOutline(box, corners, 1);
  p.Fill(
      [=](double x, double y) {
        const bool towardsPage = (side == TTabSide::Top && y > h - 1) ||
                                 (side == TTabSide::Left && x > w - 1) ||
                                 (side == TTabSide::Right && x < 1);
        return towardsPage && active ? 0.0 : outline(x, y);
      },
      Solid(line));
  if (active && side == TTabSide::Top) p.FillRect({2, 0, double(w - 2), 2}, Solid(look.Accent));
  return p;
}

TPicture TabScrollButton(const TLook& look, TLookState state, TGlyph glyph) {
  TPicture p = RaisedFace(look, state, 16, 16, 3);
  PaintGlyph(p, glyph, {4, 4, 12, 12}, GlyphColour(look, state));
  return p;
}

void BuildTabs(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("tabs");
  const TLook& look = b.Look;
  const TRgba page = PageColour(look);
  atlas.Add("frame", FramePicture(24, 24, 3, Mix(look.Line, look.Window, 0.2), &page));
  b.AddStates(atlas, "tab", [&](TLookState s) { return TabPicture(look, s, TTabSide::Top); });
  b.AddStates(atlas, "tableft", [&](TLookState s) { return TabPicture(look, s, TTabSide::Left); });
  b.AddStates(atlas, "tabright",
              [&](TLookState s) { return TabPicture(look, s, TTabSide::Right); });
  b.AddStates(atlas, "left",
              [&](TLookState s) { return TabScrollButton(look, s, TGlyph::ChevronLeft); });
  b.AddStates(atlas, "right",
              [&](TLookState s) { return TabScrollButton(look, s, TGlyph::ChevronRight); });

  auto* tabs = b.TopLevel("Tabs", 208, 128);
  b.ImagePart(tabs, "Frame", {0, 21, 180, 101}, atlas, "frame", TMargins::All(4));
  b.StatePart(tabs, "Tab", {2, 0, 62, 22}, atlas, "tab", {4, 4, 4, 1});
  b.StatePart(tabs, "TabTop", {62, 0, 122, 22}, atlas, "tab", {4, 4, 4, 1});
  b.StatePart(tabs, "LeftButton", {145, 3, 161, 19}, atlas, "left", {}, TscTileStyle::tsCenter);
  b.StatePart(tabs, "RightButton", {163, 3, 179, 19}, atlas, "right", {}, TscTileStyle::tsCenter);
  b.StatePart(tabs, "TabLeft", {184, 21, 206, 71}, atlas, "tableft", {4, 4, 1, 4});
  b.StatePart(tabs, "TabRight", {184, 76, 206, 126}, atlas, "tabright", {1, 4, 4, 4});
}

}  // namespace

void BuildContainers(TDemoSkinBuilder& builder) {
  BuildGroupBox(builder);
  BuildContainer(builder);
  BuildFrameAndScrollBox(builder);
  BuildPanel(builder);
  BuildTabs(builder);
}

}  // namespace vt::demo
