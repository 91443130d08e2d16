#pragma once
// The two looks of the demo skins: every colour a piece is painted with, by role.
#include <string>

#include "DemoPainter.h"

namespace vt::demo {

struct TLook {
  std::string FileStem;  // "demo-light"
  std::string SkinName;  // "Veltrane Light"
  bool Dark = false;

  TRgba Accent, AccentText;  // selection, focus, progress; text on it
  TRgba Window;              // form and panel background
  TRgba FaceTop, FaceBottom, FaceHotTop, FaceHotBottom, FacePressedTop, FacePressedBottom;
  TRgba Line, LineHot;  // control outlines
  TRgba FieldLine;      // outlines of fields and check boxes, which sit on darker ground
  TRgba Highlight;      // the bevel's light inner line (with alpha)
  TRgba Shade;          // the bevel's dark inner line (with alpha)
  TRgba Text, TextDim, TextDisabled;
  TRgba Field, FieldDisabled;  // edit and list backgrounds
  TRgba Track;                 // scroll bar and track bar grooves
  TRgba CaptionTop, CaptionBottom, CaptionLine, CaptionText;
  TRgba InactiveTop, InactiveBottom, InactiveLine, InactiveText;
  TRgba CloseHot;
  TRgba MenuBack, MenuLine;
  TRgba HintTop, HintBottom, HintLine, HintText;
  TRgba BarTop, BarBottom;  // menu bar, tool bars, status bar, headers
};

TLook LightLook();
TLook DarkLook();

}  // namespace vt::demo
