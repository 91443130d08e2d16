#include "DemoPieces.h"

#include <algorithm>
#include <cmath>

namespace vt::demo {

std::string StateKey(TLookState state) {
  switch (state) {
    case TLookState::Normal:
      return "normal";
    case TLookState::Hot:
      return "hot";
    case TLookState::Pressed:
      return "pressed";
    case TLookState::Focused:
      return "focused";
    case TLookState::Disabled:
      return "disabled";
  }
  return "normal";
}

namespace {

// Glyph geometry works on a square of side `s` centred at (cx, cy).
struct TGlyphFrame {
  double CX, CY, S;
  TPointD At(double u, double v) const { return {CX + u * S, CY + v * S}; }
};

void Arrow(TPicture& p, const TGlyphFrame& f, double dx, double dy, const TRgba& c) {
  // A solid triangle pointing along (dx, dy), a little wider than deep.
  const double depth = 0.22, half = 0.36;
  const TPointD tip = f.At(dx * depth, dy * depth);
  const TPointD a = f.At(-dx * depth - dy * half, -dy * depth - dx * half);
  const TPointD b = f.At(-dx * depth + dy * half, -dy * depth + dx * half);
  p.Fill(Polygon({tip, a, b}), Solid(c));
}

void Chevron(TPicture& p, const TGlyphFrame& f, double dx, double dy, double offset,
             const TRgba& c) {
  const double depth = 0.18, half = 0.3;
  const TPointD tip = f.At(dx * (depth + offset), dy * (depth + offset));
  const TPointD a = f.At(dx * (offset - depth) - dy * half, dy * (offset - depth) - dx * half);
  const TPointD b = f.At(dx * (offset - depth) + dy * half, dy * (offset - depth) + dx * half);
  p.Fill(Polyline({a, tip, b}, std::max(1.3, f.S * 0.13)), Solid(c));
}

void WindowBox(TPicture& p, const TGlyphFrame& f, double u0, double v0, double u1, double v1,
               const TRgba& c) {
  const TBox box{f.CX + u0 * f.S, f.CY + v0 * f.S, f.CX + u1 * f.S, f.CY + v1 * f.S};
  p.Fill(RoundRectOutline(box, TCorners::All(0.5), 1.2), Solid(c));
  p.FillRect({box.Left, box.Top, box.Right, box.Top + 2.2}, Solid(c));
}

void QuestionMark(TPicture& p, const TGlyphFrame& f, const TRgba& c) {
  std::vector<TPointD> points;
  const double radius = 0.2;
  const double pi = std::acos(-1.0);
  for (int i = 0; i <= 12; ++i) {
    const double angle = pi * (1.1 - 1.6 * i / 12.0);
    points.push_back(f.At(radius * std::cos(angle), -0.17 - radius * std::sin(angle)));
  }
  points.push_back(f.At(0, 0.1));
  points.push_back(f.At(0, 0.17));
  p.Fill(Polyline(points, std::max(1.4, f.S * 0.13)), Solid(c));
  const TPointD dot = f.At(0, 0.35);
  p.Fill(Circle(dot.X, dot.Y, std::max(0.9, f.S * 0.07)), Solid(c));
}

void GripDots(TPicture& p, const TBox& box, int columns, int rows, const TRgba& c) {
  const double cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      const double x = cx + (column - (columns - 1) / 2.0) * 3;
      const double y = cy + (row - (rows - 1) / 2.0) * 3;
      p.FillRect({std::floor(x) - 1, std::floor(y) - 1, std::floor(x) + 1, std::floor(y) + 1},
                 Solid(c));
    }
}

void GripCorner(TPicture& p, const TBox& box, const TRgba& c) {
  // Six dots in a staircase towards the bottom-right corner.
  for (int row = 0; row < 3; ++row)
    for (int column = 2 - row; column < 3; ++column) {
      const double x = box.Right - 2 - (2 - column) * 4, y = box.Bottom - 2 - (2 - row) * 4;
      p.FillRect({x - 2, y - 2, x, y}, Solid(c));
    }
}

void CrossMark(TPicture& p, const TGlyphFrame& f, const TRgba& c) {
  const double w = std::max(1.4, f.S * 0.12), d = 0.25;
  p.Fill(Polyline({f.At(-d, -d), f.At(d, d)}, w), Solid(c));
  p.Fill(Polyline({f.At(d, -d), f.At(-d, d)}, w), Solid(c));
}

void GlyphShapes(TPicture& p, TGlyph glyph, const TBox& box, const TGlyphFrame& f, const TRgba& c) {
  switch (glyph) {
    case TGlyph::ArrowUp:
      return Arrow(p, f, 0, -1, c);
    case TGlyph::ArrowDown:
      return Arrow(p, f, 0, 1, c);
    case TGlyph::ArrowLeft:
      return Arrow(p, f, -1, 0, c);
    case TGlyph::ArrowRight:
      return Arrow(p, f, 1, 0, c);
    case TGlyph::Close:
      return CrossMark(p, f, c);
    case TGlyph::Minimize:
      return p.FillRect(
          {f.CX - 0.26 * f.S, f.CY + 0.14 * f.S, f.CX + 0.26 * f.S, f.CY + 0.14 * f.S + 2},
          Solid(c));
    case TGlyph::Maximize:
      return WindowBox(p, f, -0.27, -0.25, 0.27, 0.27, c);
    case TGlyph::Restore:
      WindowBox(p, f, -0.12, -0.3, 0.3, 0.1, c);
      p.Clear({f.CX - 0.3 * f.S - 1, f.CY - 0.08 * f.S - 1, f.CX + 0.12 * f.S + 1,
               f.CY + 0.32 * f.S + 1});
      return WindowBox(p, f, -0.3, -0.08, 0.12, 0.32, c);
    case TGlyph::Help:
      return QuestionMark(p, f, c);
    case TGlyph::RollUp:
      Chevron(p, f, 0, -1, 0.08, c);
      return p.FillRect(
          {f.CX - 0.26 * f.S, f.CY - 0.3 * f.S, f.CX + 0.26 * f.S, f.CY - 0.3 * f.S + 1.5},
          Solid(c));
    case TGlyph::RollDown:
      Chevron(p, f, 0, 1, -0.08, c);
      return p.FillRect(
          {f.CX - 0.26 * f.S, f.CY + 0.3 * f.S - 1.5, f.CX + 0.26 * f.S, f.CY + 0.3 * f.S},
          Solid(c));
    case TGlyph::Tray:
      Arrow(p, f, 0, 1, c);
      return p.FillRect(
          {f.CX - 0.3 * f.S, f.CY + 0.26 * f.S, f.CX + 0.3 * f.S, f.CY + 0.26 * f.S + 1.6},
          Solid(c));
    case TGlyph::SysMenu:
      return WindowBox(p, f, -0.34, -0.3, 0.34, 0.3, c);
    case TGlyph::Check:
      return p.Fill(Polyline({f.At(-0.3, 0.0), f.At(-0.08, 0.24), f.At(0.32, -0.24)},
                             std::max(1.6, f.S * 0.16)),
                    Solid(c));
    case TGlyph::Dash:
      return p.Fill(RoundRect({f.CX - 0.28 * f.S, f.CY - 1.2, f.CX + 0.28 * f.S, f.CY + 1.2},
                              TCorners::All(0.8)),
                    Solid(c));
    case TGlyph::Dot:
      return p.Fill(Circle(f.CX, f.CY, 0.2 * f.S), Solid(c));
    case TGlyph::Chevron:
      Chevron(p, f, 1, 0, -0.12, c);
      return Chevron(p, f, 1, 0, 0.16, c);
    case TGlyph::ChevronLeft:
      return Chevron(p, f, -1, 0, 0, c);
    case TGlyph::ChevronRight:
      return Chevron(p, f, 1, 0, 0, c);
    case TGlyph::GripLinesVert:
      for (int i = -1; i <= 1; ++i)
        p.FillRect({std::floor(f.CX) + 3 * i - 0.5, f.CY - 0.2 * f.S,
                    std::floor(f.CX) + 3 * i + 0.5, f.CY + 0.2 * f.S},
                   Solid(c));
      return;
    case TGlyph::GripLinesHorz:
      for (int i = -1; i <= 1; ++i)
        p.FillRect({f.CX - 0.2 * f.S, std::floor(f.CY) + 3 * i - 0.5, f.CX + 0.2 * f.S,
                    std::floor(f.CY) + 3 * i + 0.5},
                   Solid(c));
      return;
    case TGlyph::GripDots: {
      const bool tall = box.Bottom - box.Top > box.Right - box.Left;
      return GripDots(p, box, tall ? 1 : int((box.Right - box.Left) / 3),
                      tall ? int((box.Bottom - box.Top) / 3) : 1, c);
    }
    case TGlyph::GripCorner:
      return GripCorner(p, box, c);
  }
}

}  // namespace

void PaintGlyph(TPicture& picture, TGlyph glyph, const TBox& box, const TRgba& colour) {
  const TGlyphFrame frame{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2,
                          std::min(box.Right - box.Left, box.Bottom - box.Top)};
  GlyphShapes(picture, glyph, box, frame, colour);
}

TPicture GlyphPicture(TGlyph glyph, int width, int height, const TRgba& colour) {
  TPicture picture(width, height);
  PaintGlyph(picture, glyph, {0, 0, double(width), double(height)}, colour);
  return picture;
}

TRgba GlyphColour(const TLook& look, TLookState state) {
  switch (state) {
    case TLookState::Disabled:
      return look.TextDisabled;
    case TLookState::Pressed:
      return look.Dark ? look.Text : Lighten(look.Text, 0.1);
    case TLookState::Hot:
    case TLookState::Focused:
      return look.Dark ? Rgb(255, 255, 255) : look.Accent;
    case TLookState::Normal:
      break;
  }
  return look.TextDim;
}

namespace {

// The light line just inside the top of a raised face, fading out towards the middle.
void Bevel(TPicture& p, const TBox& box, double radius, const TRgba& light, const TRgba& dark) {
  const TBox inner = box.Inset(1);
  const TCorners corners = TCorners::All(std::max(0.0, radius - 1));
  const double h = inner.Bottom - inner.Top;
  p.Fill(RoundRectOutline(inner, corners, 1),
         VerticalGradient(inner.Top, light, inner.Top + h * 0.6, light.WithAlpha(0)));
  p.Fill(RoundRectOutline(inner, corners, 1),
         VerticalGradient(inner.Top + h * 0.5, dark.WithAlpha(0), inner.Bottom, dark));
}

struct TFaceColours {
  TRgba Top, Bottom, Line;
  double Opacity = 1;
};

TFaceColours RaisedColours(const TLook& look, TLookState state) {
  switch (state) {
    case TLookState::Hot:
      return {look.FaceHotTop, look.FaceHotBottom, look.LineHot};
    case TLookState::Pressed:
      return {look.FacePressedTop, look.FacePressedBottom, Lighten(look.Line, -0.15)};
    case TLookState::Focused:
      return {look.FaceTop, look.FaceBottom, look.Accent};
    case TLookState::Disabled:
      return {Mix(look.FaceTop, look.Window, 0.6), Mix(look.FaceBottom, look.Window, 0.6),
              Mix(look.Line, look.Window, 0.5)};
    case TLookState::Normal:
      break;
  }
  return {look.FaceTop, look.FaceBottom, look.Line};
}

}  // namespace

TPicture RaisedFace(const TLook& look, TLookState state, int width, int height, double radius) {
  TPicture p(width, height);
  const TBox box{0, 0, double(width), double(height)};
  const TFaceColours colours = RaisedColours(look, state);
  p.Fill(RoundRect(box, TCorners::All(radius)),
         VerticalGradient(0, colours.Top, height, colours.Bottom));
  if (state == TLookState::Pressed)
    Bevel(p, box, radius, look.Shade, Rgb(0, 0, 0, 0));
  else if (state != TLookState::Disabled)
    Bevel(p, box, radius, look.Highlight, look.Shade);
  p.Fill(RoundRectOutline(box, TCorners::All(radius), 1), Solid(colours.Line));
  if (state == TLookState::Focused)
    p.Fill(RoundRectOutline(box.Inset(1), TCorners::All(std::max(0.0, radius - 1)), 1),
           Solid(look.Accent.WithAlpha(90)));
  return p;
}

TPicture FlatFace(const TLook& look, TLookState state, int width, int height, double radius) {
  TPicture p(width, height);
  const TBox box{0, 0, double(width), double(height)};
  if (state == TLookState::Normal || state == TLookState::Disabled) return p;
  const bool pressed = state == TLookState::Pressed;
  const TRgba fill = pressed ? look.Accent.WithAlpha(look.Dark ? 120 : 70)
                             : look.Accent.WithAlpha(look.Dark ? 70 : 34);
  p.Fill(RoundRect(box, TCorners::All(radius)), Solid(fill));
  p.Fill(RoundRectOutline(box, TCorners::All(radius), 1),
         Solid(look.Accent.WithAlpha(pressed ? 200 : 140)));
  return p;
}

TPicture FieldFace(const TLook& look, TLookState state, int width, int height, double radius) {
  TPicture p(width, height);
  const TBox box{0, 0, double(width), double(height)};
  const bool disabled = state == TLookState::Disabled;
  p.Fill(RoundRect(box, TCorners::All(radius)), Solid(disabled ? look.FieldDisabled : look.Field));
  p.Fill(RoundRectOutline(box.Inset(1), TCorners::All(std::max(0.0, radius - 1)), 1),
         VerticalGradient(1, look.Shade, height / 2.0, look.Shade.WithAlpha(0)));
  TRgba line = look.FieldLine;
  if (state == TLookState::Hot) line = look.LineHot;
  if (state == TLookState::Focused || state == TLookState::Pressed) line = look.Accent;
  if (disabled) line = Mix(look.FieldLine, look.Window, 0.5);
  p.Fill(RoundRectOutline(box, TCorners::All(radius), 1), Solid(line));
  if (state == TLookState::Focused)
    p.Fill(RoundRectOutline(box.Inset(1), TCorners::All(std::max(0.0, radius - 1)), 1),
           Solid(look.Accent.WithAlpha(80)));
  return p;
}

TPicture CheckBoxPicture(const TLook& look, TLookState state, TMark mark, bool round) {
  constexpr int kSide = 13;
  TPicture p(kSide, kSide);
  const TBox box{0, 0, kSide, kSide};
  const bool marked = mark != TMark::None;
  const bool disabled = state == TLookState::Disabled;
  const double radius = round ? kSide / 2.0 : 2.5;
  TRgba fillTop = look.Field, fillBottom = look.Field, line = look.FieldLine;
  if (state == TLookState::Hot || state == TLookState::Focused) line = look.LineHot;
  if (state == TLookState::Pressed) {
    fillTop = Mix(look.Field, look.Accent, 0.25);
    fillBottom = Mix(look.Field, look.Accent, 0.12);
    line = look.Accent;
  }
  if (marked && !round && !disabled) {
    // Ticked boxes fill with the accent, as most current desktops draw them.
    fillTop = Lighten(look.Accent, state == TLookState::Hot ? 0.2 : 0.08);
    fillBottom = Lighten(look.Accent, state == TLookState::Pressed ? -0.2 : -0.06);
    line = Lighten(look.Accent, -0.25);
  }
  if (disabled) {
    fillTop = fillBottom = look.FieldDisabled;
    line = Mix(look.FieldLine, look.Window, 0.5);
  }
  p.Fill(RoundRect(box, TCorners::All(radius)), VerticalGradient(0, fillTop, kSide, fillBottom));
  p.Fill(RoundRectOutline(box, TCorners::All(radius), 1), Solid(line));
  const bool onAccent = marked && !round && !disabled;
  const TRgba markColour =
      disabled ? look.TextDisabled : (onAccent ? look.AccentText : look.Accent);
  const TBox inner = box.Inset(1);
  if (mark == TMark::Check) PaintGlyph(p, round ? TGlyph::Dot : TGlyph::Check, inner, markColour);
  if (mark == TMark::Mixed) PaintGlyph(p, TGlyph::Dash, inner, markColour);
  return p;
}

TPicture FramePicture(int width, int height, double radius, const TRgba& line, const TRgba* fill) {
  TPicture p(width, height);
  const TBox box{0, 0, double(width), double(height)};
  if (fill) p.Fill(RoundRect(box, TCorners::All(radius)), Solid(*fill));
  p.Fill(RoundRectOutline(box, TCorners::All(radius), 1), Solid(line));
  return p;
}

}  // namespace vt::demo
