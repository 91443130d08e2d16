// Scroll bars, progress bars, track bars and splitters.
#include <cmath>

#include "DemoSkin.h"

namespace vt::demo {

namespace {

// ---- Scroll bar ---------------------------------------------------------------------

// Scroll buttons are quiet until the pointer is over them.
TPicture ScrollButtonFace(const TLook& look, TLookState state) {
  if (state == TLookState::Normal || state == TLookState::Disabled) {
    TPicture p(17, 17);
    p.FillRect({0, 0, 17, 17}, Solid(look.Track));
    return p;
  }
  TPicture p(17, 17);
  p.FillRect({0, 0, 17, 17}, Solid(look.Track));
  p.Blit(RaisedFace(look, state, 15, 15, 2.5), 1, 1);
  return p;
}

TPicture ScrollTrack(const TLook& look, TLookState state, bool horizontal) {
  const int w = horizontal ? 8 : 17, h = horizontal ? 17 : 8;
  TPicture p(w, h);
  const TRgba fill =
      state == TLookState::Pressed ? Lighten(look.Track, look.Dark ? 0.08 : -0.08) : look.Track;
  p.FillRect({0, 0, double(w), double(h)}, Solid(fill));
  const TRgba edge = look.Shade;
  if (horizontal)
    p.FillRect({0, 0, double(w), 1}, Solid(edge));
  else
    p.FillRect({0, 0, 1, double(h)}, Solid(edge));
  return p;
}

TPicture Slider(const TLook& look, TLookState state, bool horizontal) {
  const int w = horizontal ? 26 : 17, h = horizontal ? 17 : 26;
  TPicture p(w, h);
  const TLookState face = state == TLookState::Disabled ? TLookState::Disabled : state;
  if (horizontal)
    p.Blit(RaisedFace(look, face, w, h - 4, 3), 0, 2);
  else
    p.Blit(RaisedFace(look, face, w - 4, h, 3), 2, 0);
  return p;
}

TSeButtonObject* ScrollButton(TDemoSkinBuilder& b, TSeSkinObject* owner, const char* name,
                              TRect bounds, TAtlas& atlas, const char* glyph) {
  auto* button = b.StatePart(owner, name, bounds, atlas, "button", TMargins::All(4));
  b.GlyphChild(button, atlas, glyph);
  return button;
}

void BuildScrollBar(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("scrollbar");
  const TLook& look = b.Look;
  b.AddStates(atlas, "button", [&](TLookState s) { return ScrollButtonFace(look, s); });
  const std::pair<const char*, TGlyph> arrows[] = {{"up", TGlyph::ArrowUp},
                                                   {"down", TGlyph::ArrowDown},
                                                   {"left", TGlyph::ArrowLeft},
                                                   {"right", TGlyph::ArrowRight}};
  // The binding is copied into the lambda: clang before 16 cannot capture a structured binding.
  for (const auto& [key, glyph] : arrows)
    b.AddStates(atlas, key, [&, glyph = glyph](TLookState s) {
      return GlyphPicture(glyph, 8, 8, GlyphColour(look, s));
    });
  b.AddStates(atlas, "hslider", [&](TLookState s) { return Slider(look, s, true); });
  b.AddStates(atlas, "vslider", [&](TLookState s) { return Slider(look, s, false); });
  b.AddStates(atlas, "hgrip", [&](TLookState s) {
    return GlyphPicture(TGlyph::GripLinesVert, 9, 9, GlyphColour(look, s).WithAlpha(150));
  });
  b.AddStates(atlas, "vgrip", [&](TLookState s) {
    return GlyphPicture(TGlyph::GripLinesHorz, 9, 9, GlyphColour(look, s).WithAlpha(150));
  });
  b.AddStates(atlas, "htrack", [&](TLookState s) { return ScrollTrack(look, s, true); });
  b.AddStates(atlas, "vtrack", [&](TLookState s) { return ScrollTrack(look, s, false); });

  // A horizontal bar above, a vertical one at the right, as a designer would see them.
  auto* bar = b.TopLevel("ScrollBar", 184, 120);
  b.StatePart(bar, "HorzFrame", {17, 0, 143, 17}, atlas, "htrack", {1, 1, 1, 1});
  auto* horz = b.StatePart(bar, "HorzSlider", {44, 0, 84, 17}, atlas, "hslider", TMargins::All(5));
  b.GlyphChild(horz, atlas, "hgrip");
  ScrollButton(b, bar, "LeftButton", {0, 0, 17, 17}, atlas, "left");
  ScrollButton(b, bar, "RightButton", {143, 0, 160, 17}, atlas, "right");
  b.StatePart(bar, "VertFrame", {167, 17, 184, 103}, atlas, "vtrack", {1, 1, 1, 1});
  auto* vert =
      b.StatePart(bar, "VertSlider", {167, 30, 184, 70}, atlas, "vslider", TMargins::All(5));
  b.GlyphChild(vert, atlas, "vgrip");
  ScrollButton(b, bar, "TopButton", {167, 0, 184, 17}, atlas, "up");
  ScrollButton(b, bar, "BottomButton", {167, 103, 184, 120}, atlas, "down");
}

// ---- Progress bar -------------------------------------------------------------------

// The bar: the accent with a gradient across and soft diagonal stripes along it, which
// tile seamlessly every 16 pixels.
TPicture ProgressBarPicture(const TLook& look, bool horizontal, bool striped) {
  const int w = horizontal ? 16 : 14, h = horizontal ? 14 : 16;
  TPicture p(w, h);
  const TRgba light = Lighten(look.Accent, 0.25), dark = Lighten(look.Accent, -0.12);
  const TPaint across =
      horizontal ? VerticalGradient(0, light, h, dark) : HorizontalGradient(0, light, w, dark);
  p.FillRect({0, 0, double(w), double(h)}, across);
  if (striped)
    p.Fill(
        [horizontal](double x, double y) {
          const double along = horizontal ? x + y : y + x;
          return std::fmod(along, 16.0) < 8 ? 1.0 : 0.0;
        },
        Solid(Rgb(255, 255, 255, 34)));
  const TRgba edge = Lighten(look.Accent, -0.3);
  p.FillRect(horizontal ? TBox{0, double(h - 1), double(w), double(h)}
                        : TBox{double(w - 1), 0, double(w), double(h)},
             Solid(edge.WithAlpha(120)));
  return p;
}

void BuildProgressBar(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("progressbar");
  const TLook& look = b.Look;
  atlas.Add("frame", FieldFace(look, TLookState::Normal, 16, 16, 3));
  atlas.NewRow();
  atlas.Add("bar.h", ProgressBarPicture(look, true, true));
  atlas.Add("bar.v", ProgressBarPicture(look, false, true));
  atlas.Add("solid.h", ProgressBarPicture(look, true, false));
  atlas.Add("solid.v", ProgressBarPicture(look, false, false));

  auto* progress = b.TopLevel("ProgressBar", 196, 104);
  const TMargins frame = TMargins::All(4);
  b.ImagePart(progress, "FrameHorz", {0, 0, 150, 18}, atlas, "frame", frame);
  b.ImagePart(progress, "BarHorz", {2, 2, 92, 16}, atlas, "bar.h", {}, TscTileStyle::tsTile);
  b.ImagePart(progress, "Frame", {0, 24, 150, 42}, atlas, "frame", frame);
  b.ImagePart(progress, "Bar", {2, 26, 72, 40}, atlas, "bar.h", {}, TscTileStyle::tsTile);
  b.ImagePart(progress, "SolidHorz", {0, 48, 60, 62}, atlas, "solid.h", {},
              TscTileStyle::tsStretch);
  b.ImagePart(progress, "Solid", {64, 48, 124, 62}, atlas, "solid.h", {}, TscTileStyle::tsStretch);
  b.ImagePart(progress, "FrameVert", {156, 0, 174, 104}, atlas, "frame", frame);
  b.ImagePart(progress, "BarVert", {158, 40, 172, 102}, atlas, "bar.v", {}, TscTileStyle::tsTile);
  b.ImagePart(progress, "SolidVert", {180, 0, 194, 60}, atlas, "solid.v", {},
              TscTileStyle::tsStretch);
}

// ---- Track bar ----------------------------------------------------------------------

TPicture Groove(const TLook& look, bool horizontal) {
  const int w = horizontal ? 16 : 5, h = horizontal ? 5 : 16;
  TPicture p(w, h);
  const TBox box{0, 0, double(w), double(h)};
  p.Fill(RoundRect(box, TCorners::All(2.5)), Solid(Lighten(look.Track, look.Dark ? -0.2 : -0.06)));
  p.Fill(RoundRectOutline(box, TCorners::All(2.5), 1),
         Solid(look.Shade.WithAlpha(look.Dark ? 160 : 70)));
  return p;
}

enum class TPointing { None, Up, Down, Left, Right };

TPicture Thumb(const TLook& look, TLookState state, TPointing pointing) {
  const bool vertical = pointing == TPointing::Left || pointing == TPointing::Right;
  const int w = vertical ? 19 : 11, h = vertical ? 11 : 19;
  if (pointing == TPointing::None) return RaisedFace(look, state, 11, 19, 3);
  if (pointing == TPointing::Left || pointing == TPointing::Right) {
    // The vertical thumbs are the horizontal ones turned: paint upright, then transpose.
    TPicture upright =
        Thumb(look, state, pointing == TPointing::Left ? TPointing::Up : TPointing::Down);
    TPicture turned(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) turned.Blit(upright.Crop(y, x, 1, 1), x, y);
    return turned;
  }
  TPicture p(w, h);
  const bool up = pointing == TPointing::Up;
  auto shape = [up](double inset) {
    const double tip = up ? inset * 1.4 : 19 - inset * 1.4, base = up ? 6 : 13;
    const double edge = up ? 19 - inset : inset;
    return Polygon(
        {{inset, edge}, {11 - inset, edge}, {11 - inset, base}, {5.5, tip}, {inset, base}});
  };
  TRgba top = look.FaceTop, bottom = look.FaceBottom, line = look.Line;
  if (state == TLookState::Hot || state == TLookState::Focused) {
    top = look.FaceHotTop;
    bottom = look.FaceHotBottom;
    line = look.LineHot;
  } else if (state == TLookState::Pressed) {
    top = look.FacePressedTop;
    bottom = look.FacePressedBottom;
    line = look.Accent;
  } else if (state == TLookState::Disabled) {
    top = Mix(top, look.Window, 0.6);
    bottom = Mix(bottom, look.Window, 0.6);
    line = Mix(line, look.Window, 0.5);
  }
  p.Fill(shape(0), Solid(line));
  p.Fill(shape(1), VerticalGradient(0, top, 19, bottom));
  return p;
}

void BuildTrackBar(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("trackbar");
  const TLook& look = b.Look;
  atlas.Add("track.h", Groove(look, true));
  atlas.Add("track.v", Groove(look, false));
  const std::pair<const char*, TPointing> thumbs[] = {{"thumb", TPointing::None},
                                                      {"thumbup", TPointing::Up},
                                                      {"thumbdown", TPointing::Down},
                                                      {"thumbleft", TPointing::Left},
                                                      {"thumbright", TPointing::Right}};
  for (const auto& [key, pointing] : thumbs)
    b.AddStates(atlas, key,
                [&, pointing = pointing](TLookState s) { return Thumb(look, s, pointing); });
  b.AddStates(atlas, "thumbvert", [&](TLookState s) { return RaisedFace(look, s, 19, 11, 3); });

  auto* track = b.TopLevel("TrackBar", 148, 100);
  // The groove keeps its thickness and runs the object's length; the ends keep their
  // rounding through the left and right margins.
  const TMargins horzEnds{3, 0, 3, 0}, vertEnds{0, 3, 0, 3};
  b.ImagePart(track, "Track", {0, 0, 120, 21}, atlas, "track.h", horzEnds,
              TscTileStyle::tsHorzCenterStretch);
  b.ImagePart(track, "TrackHorz", {0, 24, 120, 45}, atlas, "track.h", horzEnds,
              TscTileStyle::tsHorzCenterStretch);
  b.ImagePart(track, "TrackVert", {126, 0, 147, 100}, atlas, "track.v", vertEnds,
              TscTileStyle::tsVertCenterStretch);
  struct TThumbPart {
    const char* Name;
    const char* Key;
    TRect Bounds;
  };
  const TThumbPart parts[] = {
      {"Thumb", "thumb", {20, 1, 31, 20}},
      {"ThumbHorz", "thumb", {10, 25, 21, 44}},
      {"ThumbHorzBoth", "thumb", {30, 25, 41, 44}},
      {"ThumbHorzTop", "thumbup", {50, 25, 61, 44}},
      {"ThumbHorzBottom", "thumbdown", {70, 25, 81, 44}},
      {"ThumbVert", "thumbvert", {127, 8, 146, 19}},
      {"ThumbVertBoth", "thumbvert", {127, 28, 146, 39}},
      {"ThumbVertLeft", "thumbleft", {127, 48, 146, 59}},
      {"ThumbVertRight", "thumbright", {127, 68, 146, 79}},
  };
  for (const TThumbPart& part : parts)
    b.StatePart(track, part.Name, part.Bounds, atlas, part.Key, {}, TscTileStyle::tsCenter);
}

// ---- Splitter -------------------------------------------------------------------------

void BuildSplitter(TDemoSkinBuilder& b) {
  TAtlas& atlas = b.Atlas("splitter", TTransparency::Key);
  const TLook& look = b.Look;
  TPicture back(8, 8);
  const TRgba face = Mix(look.FaceTop, look.FaceBottom, 0.5);
  back.FillRect({0, 0, 8, 8}, Solid(face));
  back.FillRect({0, 0, 8, 1}, Solid(Lighten(face, look.Dark ? 0.12 : 0.6)));
  back.FillRect({0, 7, 8, 8}, Solid(Mix(look.Line, look.Window, 0.4)));
  atlas.Add("back", std::move(back));
  auto* splitter = b.TopLevel<TSeBitmapObject>("Splitter", 120, 6);
  splitter->SetTileStyle(TscTileStyle::tsStretch);
  splitter->SetBorderTileStyle(TscTileStyle::tsStretch);
  splitter->SetMarginTop(1);
  splitter->SetMarginBottom(1);
  b.Bind(*splitter->Bitmap(), atlas, "back");
}

}  // namespace

void BuildBarsAndTracks(TDemoSkinBuilder& builder) {
  BuildScrollBar(builder);
  BuildProgressBar(builder);
  BuildTrackBar(builder);
  BuildSplitter(builder);
}

}  // namespace vt::demo
