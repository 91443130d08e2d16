#pragma once
// The recurring pieces of the demo skins, painted for a look and a state: raised faces,
// flat faces, fields, check marks, glyphs and grips.
#include <array>
#include <string>

#include "DemoLook.h"

namespace vt::demo {

enum class TLookState { Normal, Hot, Pressed, Focused, Disabled };
constexpr std::array<TLookState, 5> kLookStates = {TLookState::Normal, TLookState::Hot,
                                                   TLookState::Pressed, TLookState::Focused,
                                                   TLookState::Disabled};
// "normal", "hot", "pressed", "focused", "disabled": the sprite key suffixes.
std::string StateKey(TLookState state);

enum class TGlyph {
  ArrowUp,
  ArrowDown,
  ArrowLeft,
  ArrowRight,
  Close,
  Minimize,
  Maximize,
  Restore,
  Help,
  RollUp,
  RollDown,
  Tray,
  SysMenu,
  Check,
  Dash,
  Dot,
  Chevron,
  ChevronLeft,
  ChevronRight,
  GripLinesVert,
  GripLinesHorz,
  GripDots,
  GripCorner,
};

// Paints a glyph centred in `box`.
void PaintGlyph(TPicture& picture, TGlyph glyph, const TBox& box, const TRgba& colour);
// A transparent picture with the glyph centred.
TPicture GlyphPicture(TGlyph glyph, int width, int height, const TRgba& colour);
// The glyph's colour on a raised face in that state.
TRgba GlyphColour(const TLook& look, TLookState state);

// A raised push-button face: gradient, outline and bevel by state.
TPicture RaisedFace(const TLook& look, TLookState state, int width, int height, double radius);
// A face that shows only when hot, pressed or focused (tool buttons, menu items).
TPicture FlatFace(const TLook& look, TLookState state, int width, int height, double radius);
// A sunken field (edits, combo boxes): background, inner shade, outline by state.
TPicture FieldFace(const TLook& look, TLookState state, int width, int height, double radius);
// A check box (round = false) or radio button box with its mark.
enum class TMark { None, Check, Mixed };
TPicture CheckBoxPicture(const TLook& look, TLookState state, TMark mark, bool round);
// A plain frame: outline, optional fill (transparent centre when `fill` is null).
TPicture FramePicture(int width, int height, double radius, const TRgba& line, const TRgba* fill);

}  // namespace vt::demo
