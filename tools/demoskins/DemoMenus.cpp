// Menu bars, popup menus, headers, status bars, control bars and tool bars.
#include "DemoSkin.h"

namespace vt::demo {

namespace {

// A bar background: a gentle gradient with a line at the top or the bottom edge.
enum class TBarEdge { Top, Bottom };
TPicture BarPicture(const TLook& look, int height, TBarEdge edge) {
  TPicture p(8, height);
  p.FillRect({0, 0, 8, double(height)}, VerticalGradient(0, look.BarTop, height, look.BarBottom));
  const TRgba line = look.Dark ? Lighten(look.Line, 0.05) : Mix(look.Line, look.BarBottom, 0.35);
  if (edge == TBarEdge::Top)
    p.FillRect({0, 0, 8, 1}, Solid(line));
  else
    p.FillRect({0, double(height - 1), 8, double(height)}, Solid(line));
  return p;
}

TPicture GlyphButton(const TLook& look, TLookState state, TGlyph glyph, int width, int height) {
  TPicture p = FlatFace(look, state, width, height, 2.5);
  const double side = std::min(width, height) * 0.6;
  const double cx = width / 2.0, cy = height / 2.0;
  PaintGlyph(p, glyph, {cx - side / 2, cy - side / 2, cx + side / 2, cy + side / 2},
             GlyphColour(look, state));
  return p;
}

void AddGlyphButtonStates(TDemoSkinBuilder& b, TAtlas& atlas, const std::string& prefix,
                          TGlyph glyph, int width, int height) {
  b.AddStates(atlas, prefix,
              [&](TLookState s) { return GlyphButton(b.Look, s, glyph, width, height); });
}

TPicture SeparatorLine(const TLook& look, bool vertical) {
  const int w = vertical ? 5 : 16, h = vertical ? 16 : 5;
  TPicture p(w, h);
  const TRgba line = look.Dark ? Lighten(look.MenuBack, 0.14) : look.MenuLine;
  if (vertical)
    p.FillRect({2, 0, 3, double(h)}, Solid(line));
  else
    p.FillRect({0, 2, double(w), 3}, Solid(line));
  return p;
}

void BuildMenuBar(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("menubar");
  const TLook& look = b.Look;
  atlas.Add("frame", BarPicture(look, 22, TBarEdge::Bottom));
  atlas.Add("separator", SeparatorLine(look, true));
  b.AddStates(atlas, "item", [&](TLookState s) { return FlatFace(look, s, 16, 16, 3); });
  AddGlyphButtonStates(b, atlas, "min", TGlyph::Minimize, 16, 14);
  AddGlyphButtonStates(b, atlas, "restore", TGlyph::Restore, 16, 14);
  AddGlyphButtonStates(b, atlas, "close", TGlyph::Close, 16, 14);

  auto* bar = b.TopLevel("MenuBar", 200, 22);
  b.ImagePart(bar, "Frame", {0, 0, 200, 22}, atlas, "frame", {0, 0, 0, 1});
  b.StatePart(bar, "Item", {4, 2, 44, 20}, atlas, "item", TMargins::All(4));
  b.ImagePart(bar, "Separator", {48, 3, 53, 19}, atlas, "separator", {},
              TscTileStyle::tsVertCenterStretch);
  b.StatePart(bar, "Min", {144, 4, 160, 18}, atlas, "min", {}, TscTileStyle::tsCenter);
  b.StatePart(bar, "Restore", {162, 4, 178, 18}, atlas, "restore", {}, TscTileStyle::tsCenter);
  b.StatePart(bar, "Close", {180, 4, 196, 18}, atlas, "close", {}, TscTileStyle::tsCenter);
}

TPicture PopupItem(const TLook& look, TLookState state) {
  TPicture p(16, 16);
  if (state == TLookState::Normal || state == TLookState::Disabled) return p;
  const TBox box{0, 0, 16, 16};
  p.Fill(RoundRect(box, TCorners::All(3)),
         VerticalGradient(0, Lighten(look.Accent, 0.12), 16, look.Accent));
  return p;
}

void BuildPopupMenu(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("popupmenu");
  const TLook& look = b.Look;
  TPicture frame(24, 24);
  const TBox box{0, 0, 24, 24};
  frame.Fill(RoundRect(box, TCorners::All(4)), Solid(look.MenuBack));
  frame.Fill(RoundRectOutline(box, TCorners::All(4), 1), Solid(look.MenuLine));
  atlas.Add("frame", std::move(frame));
  atlas.Add("separator", SeparatorLine(look, false));
  b.AddStates(atlas, "item", [&](TLookState s) { return PopupItem(look, s); });
  AddGlyphButtonStates(b, atlas, "up", TGlyph::ArrowUp, 16, 12);
  AddGlyphButtonStates(b, atlas, "down", TGlyph::ArrowDown, 16, 12);

  auto* popup = b.TopLevel("PopupMenu", 140, 90);
  b.ImagePart(popup, "Frame", {0, 0, 140, 90}, atlas, "frame", TMargins::All(5));
  b.StatePart(popup, "upbutton", {3, 3, 137, 15}, atlas, "up", {}, TscTileStyle::tsCenter);
  b.StatePart(popup, "Item", {3, 18, 137, 40}, atlas, "item", TMargins::All(4));
  b.ImagePart(popup, "Separator", {3, 42, 137, 49}, atlas, "separator", {},
              TscTileStyle::tsHorzCenterStretch);
  b.StatePart(popup, "downbutton", {3, 75, 137, 87}, atlas, "down", {}, TscTileStyle::tsCenter);
}

TPicture HeaderSection(const TLook& look, TLookState state) {
  TPicture p(24, 22);
  TRgba top = look.BarTop, bottom = look.BarBottom;
  if (state == TLookState::Hot || state == TLookState::Focused) {
    top = Mix(look.BarTop, look.Accent, 0.1);
    bottom = Mix(look.BarBottom, look.Accent, 0.14);
  } else if (state == TLookState::Pressed) {
    top = Mix(look.BarBottom, look.Accent, 0.22);
    bottom = Mix(look.BarTop, look.Accent, 0.16);
  }
  p.FillRect({0, 0, 24, 22}, VerticalGradient(0, top, 22, bottom));
  const TRgba line = look.Dark ? Lighten(look.Line, 0.05) : Mix(look.Line, look.BarBottom, 0.35);
  p.FillRect({23, 4, 24, 18}, Solid(line));
  p.FillRect({0, 21, 24, 22}, Solid(line));
  return p;
}

void BuildHeader(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("header");
  atlas.Add("frame", BarPicture(b.Look, 22, TBarEdge::Bottom));
  b.AddStates(atlas, "section", [&](TLookState s) { return HeaderSection(b.Look, s); });
  auto* header = b.TopLevel("Header", 200, 22);
  b.ImagePart(header, "Frame", {0, 0, 200, 22}, atlas, "frame", {0, 0, 0, 1});
  b.StatePart(header, "Section", {0, 0, 80, 22}, atlas, "section", {0, 4, 2, 4});
}

void BuildStatusBar(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("statusbar", TTransparency::Key);
  const TLook& look = b.Look;
  atlas.Add("frame", BarPicture(look, 22, TBarEdge::Top));
  TPicture panel(16, 18);
  const TRgba line = look.Dark ? Lighten(look.Line, 0.05) : Mix(look.Line, look.BarBottom, 0.35);
  panel.FillRect({14, 3, 15, 15}, Solid(line));
  atlas.Add("panel", std::move(panel));
  atlas.Add("gripper", GlyphPicture(TGlyph::GripCorner, 12, 12, look.TextDim));
  auto* status = b.TopLevel("StatusBar", 220, 22);
  b.ImagePart(status, "Frame", {0, 0, 220, 22}, atlas, "frame", {0, 1, 0, 0});
  b.ImagePart(status, "Panel", {2, 3, 102, 21}, atlas, "panel", {0, 3, 2, 3});
  b.ImagePart(status, "Gripper", {206, 8, 218, 20}, atlas, "gripper", {}, TscTileStyle::tsCenter);
}

// Grabbers repeat a dot along the bar: each picture holds one dot and its gap.
TPicture GrabberDot(const TLook& look, bool vertical) {
  TPicture p(vertical ? 4 : 5, vertical ? 5 : 4);
  const double x = vertical ? 1 : 1.5, y = vertical ? 1.5 : 1;
  p.FillRect({x, y, x + 2, y + 2}, Solid(look.TextDim.WithAlpha(170)));
  return p;
}

void BuildControlBar(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("controlbar");
  const TLook& look = b.Look;
  TPicture back(8, 16);
  back.FillRect({0, 0, 8, 16}, VerticalGradient(0, look.BarTop, 16, look.BarBottom));
  atlas.Add("back", std::move(back));
  TPicture band(16, 24);
  const TBox box{0, 0, 16, 24};
  band.Fill(RoundRect(box, TCorners::All(3)),
            VerticalGradient(0, look.FaceTop, 24, look.BarBottom));
  band.Fill(RoundRectOutline(box, TCorners::All(3), 1),
            Solid(look.Shade.WithAlpha(look.Dark ? 200 : 70)));
  atlas.Add("frame", std::move(band));
  atlas.Add("grabber", GrabberDot(look, false));
  atlas.Add("grabbervert", GrabberDot(look, true));
  auto* bar = b.TopLevel("ControlBar", 160, 60);
  b.ImagePart(bar, "Back", {0, 0, 160, 60}, atlas, "back", {})->SetAlign(TSeAlign::saClient);
  b.ImagePart(bar, "Frame", {4, 4, 156, 30}, atlas, "frame", TMargins::All(4));
  b.ImagePart(bar, "Grabber", {6, 6, 11, 28}, atlas, "grabber", {}, TscTileStyle::tsVertCenterTile);
  b.ImagePart(bar, "GrabberVert", {6, 36, 66, 41}, atlas, "grabbervert", {},
              TscTileStyle::tsHorzCenterTile);
}

void BuildToolBar(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("toolbar");
  const TLook& look = b.Look;
  atlas.Add("frame", BarPicture(look, 28, TBarEdge::Bottom));
  atlas.Add("separator", SeparatorLine(look, true));
  b.AddStates(atlas, "face", [&](TLookState s) { return FlatFace(look, s, 22, 22, 3); });
  auto* bar = b.TopLevel("ToolBar", 160, 28);
  b.ImagePart(bar, "Frame", {0, 0, 160, 28}, atlas, "frame", {0, 0, 0, 1})
      ->SetAlign(TSeAlign::saClient);
  b.StatePart(bar, "Face", {3, 3, 25, 25}, atlas, "face", TMargins::All(4));
  b.ImagePart(bar, "Separator", {28, 4, 33, 24}, atlas, "separator", {},
              TscTileStyle::tsVertCenterStretch);
}

}  // namespace

void BuildMenusAndBars(TDemoSkinBuilder& builder) {
  BuildMenuBar(builder);
  BuildPopupMenu(builder);
  BuildHeader(builder);
  BuildStatusBar(builder);
  BuildControlBar(builder);
  BuildToolBar(builder);
}

}  // namespace vt::demo
