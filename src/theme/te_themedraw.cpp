// The base theme's drawing families: every IsXxxDefined answers false, and the members
// draw plain shapes in the theme's own system colours (so that a hue or brightness shift
// of the theme shows even here). Controls normally paint themselves when their family is
// undefined; these members are what they get when they ask anyway.
//
// Sections: helpers, then the families in the order of te_theme.h.
#include <algorithm>

#include "theme/te_theme.h"

namespace vt {

namespace {

TRect Inset(const TRect& r, int d) {
  return r.Inflate(-d, -d);
}

// The rectangle a square of `side` takes when centred in `r`.
TRect CentredSquare(const TRect& r, int side) {
  const int left = r.Left + (r.Width() - side) / 2, top = r.Top + (r.Height() - side) / 2;
  return TRect::FromSize(left, top, side, side);
}

QRegion RegionOf(const TRect& r) {
  return r.IsEmpty() ? QRegion() : QRegion(r.ToQRect());
}

bool IsPressedState(uint8_t state) {
  return state == kpsPressed;
}
bool IsHighlightState(uint8_t state) {
  return state == kpsSelected || state == kpsFocused;
}

constexpr int kPlainCheckSize = 13;
constexpr int kPlainScrollSize = 16;
constexpr int kPlainGripSize = 16;

}  // namespace

// ---- Helpers --------------------------------------------------------------------------

TColor TteTheme::PlainColor(TColor color) const {
  const TColor own = SysColors().GetThemeSysColor(color);
  return own == clNone ? color : own;
}

void TteTheme::FillPlain(TCanvas& canvas, const TRect& rect, TColor color) const {
  if (!rect.IsEmpty()) canvas.FillRect(rect, PlainColor(color));
}

namespace {
// One ring of a 3D edge: the top and left lines in one colour, bottom and right in another.
void DrawEdgeRing(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
  if (r.IsEmpty()) return;
  canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
  canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
  canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
  canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
}
}  // namespace

void TteTheme::DrawPlainEdge(TCanvas& canvas, const TRect& rect, TPlainEdge edge) const {
  switch (edge) {
    case TPlainEdge::Raised:
      DrawEdgeRing(canvas, rect, PlainColor(cl3DLight), PlainColor(cl3DDkShadow));
      DrawEdgeRing(canvas, Inset(rect, 1), PlainColor(clBtnHighlight), PlainColor(clBtnShadow));
      break;
    case TPlainEdge::Sunken:
      DrawEdgeRing(canvas, rect, PlainColor(clBtnShadow), PlainColor(clBtnHighlight));
      DrawEdgeRing(canvas, Inset(rect, 1), PlainColor(cl3DDkShadow), PlainColor(cl3DLight));
      break;
    case TPlainEdge::Flat:
      if (!rect.IsEmpty()) canvas.FrameRect(rect, PlainColor(clBtnShadow));
      break;
  }
}

void TteTheme::DrawPlainButton(TCanvas& canvas, const TRect& rect, uint8_t state) const {
  DrawPlainEdge(canvas, rect, IsPressedState(state) ? TPlainEdge::Sunken : TPlainEdge::Raised);
  FillPlain(canvas, Inset(rect, 2), clBtnFace);
}

void TteTheme::DrawPlainField(TCanvas& canvas, const TRect& rect, uint8_t state) const {
  DrawPlainEdge(canvas, rect, TPlainEdge::Sunken);
  FillPlain(canvas, Inset(rect, 2), state == kpsDisabled ? clBtnFace : clWindow);
}

void TteTheme::DrawPlainItem(TCanvas& canvas, const TRect& rect, uint8_t state) const {
  FillPlain(canvas, rect, IsHighlightState(state) ? clHighlight : clWindow);
}

void TteTheme::DrawPlainCheck(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info) const {
  // A mark byte is a mark (0 checked, 5 unchecked, 10 mixed) plus a state 0..3 (normal,
  // hot, pressed, disabled); anything else, and a mixed radio button, paints nothing.
  const int state = info.Mark % 5, mark = info.Mark - state;
  const bool radio = kind == kckRadioButton;
  if (state > 3 || info.Mark > kcmMixedDisabled || (radio && mark == kcmMixedNormal)) return;
  const bool disabled = state == 3, pressed = state == 2;
  const TRect box = CentredSquare(info.Rect, kPlainCheckSize);
  DrawPlainEdge(canvas, box, TPlainEdge::Sunken);
  FillPlain(canvas, Inset(box, 2), disabled || pressed ? clBtnFace : clWindow);
  const TColor ink = PlainColor(disabled ? clGrayText : clWindowText);
  if (mark == kcmUncheckedNormal) return;
  if (radio) {
    canvas.FillRect(CentredSquare(box, 5), ink);
  } else if (mark == kcmMixedNormal) {
    canvas.FillRect(CentredSquare(box, 7), PlainColor(clBtnShadow));
  } else {
    // The classic 7 x 7 check: each column three pixels tall, stepping down then up.
    static constexpr int kRise[7] = {2, 3, 4, 3, 2, 1, 0};
    const TRect glyph = CentredSquare(box, 7);
    for (int x = 0; x < 7; ++x)
      canvas.FillRect(TRect::FromSize(glyph.Left + x, glyph.Top + kRise[x], 1, 3), ink);
  }
}

int TteTheme::PlainBorderWidth(uint8_t windowKind) {
  switch (windowKind) {
    case kwkNone:
      return 0;
    case kwkPopup:
      return 1;
    case kwkSizeable:
      return 4;
    default:
      return 3;
  }
}

bool TteTheme::IsSizeableWindowKind(uint8_t windowKind) {
  return windowKind == kwkSizeable || windowKind == kwkMDIChild || windowKind == kwkToolWindow;
}

int TteTheme::PlainCaptionHeight(uint8_t windowKind) {
  switch (windowKind) {
    case kwkNone:
    case kwkPopup:
      return 0;
    case kwkToolWindow:
      return 15;
    default:
      return 19;
  }
}

// ---- Window frame family ----------------------------------------------------------------

bool TteTheme::IsWindowDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::WindowDraw(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                          const std::string& objectName) {
  const int border = PlainBorderWidth(kind);
  if (border == 0) return;
  const TRect client = WindowGetClientRect(kind, info, objectName);
  const TRect& r = info.Rect;
  // The frame is everything between the window's edge and its client area.
  FillPlain(canvas, {r.Left, r.Top, r.Right, client.Top}, clBtnFace);
  FillPlain(canvas, {r.Left, client.Bottom, r.Right, r.Bottom}, clBtnFace);
  FillPlain(canvas, {r.Left, client.Top, client.Left, client.Bottom}, clBtnFace);
  FillPlain(canvas, {client.Right, client.Top, r.Right, client.Bottom}, clBtnFace);
  DrawPlainEdge(canvas, r, border > 1 ? TPlainEdge::Raised : TPlainEdge::Flat);

  const TRect caption = WindowGetCaptionRect(kind, info, objectName);
  if (caption.IsEmpty()) return;
  FillPlain(canvas, caption, info.Active ? clActiveCaption : clInactiveCaption);
  const bool small = kind == kwkToolWindow;
  const int fontIndex = small ? (info.Active ? fiSmCaptionTextNormal : fiSmCaptionTextInactive)
                              : (info.Active ? fiCaptionTextNormal : fiCaptionTextInactive);
  GetFont(canvas.Font(), fontIndex, objectName);
  TRect textRect = caption.Inflate(-2, 0);
  canvas.DrawText(info.Caption, textRect, dtLeft | dtVCenter | dtSingleLine | dtEndEllipsis);
  for (int icon = 0; icon < kBorderIconCount; ++icon)
    if (info.HasIcon(TteBorderIcon(icon)))
      WindowDrawBorderIcon(canvas, kind, info, TteBorderIcon(icon), kpsNormal, objectName);
}

void TteTheme::WindowDrawClient(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                                const std::string& objectName) {
  FillPlain(canvas, WindowGetClientRect(kind, info, objectName), clBtnFace);
}

TRect TteTheme::WindowGetClientRect(uint8_t kind, const TteWindowInfo& info, const std::string&) {
  TRect r = Inset(info.Rect, PlainBorderWidth(kind));
  r.Top = std::min(r.Bottom, r.Top + PlainCaptionHeight(kind));
  return r;
}

QRegion TteTheme::WindowGetRegion(uint8_t, const TteWindowInfo& info, const std::string&) {
  return RegionOf(info.Rect);
}

TteWindowHit TteTheme::WindowGetHitTest(uint8_t kind, const TteWindowInfo& info, TPoint point,
                                        const std::string& objectName) {
  if (!info.Rect.Contains(point)) return kwhNowhere;
  if (WindowGetClientRect(kind, info, objectName).Contains(point)) return kwhClient;
  for (int icon = 0; icon < kBorderIconCount; ++icon)
    if (WindowGetBorderIconRect(kind, info, TteBorderIcon(icon), objectName).Contains(point))
      return kwhBorderIcon;
  if (WindowGetCaptionRect(kind, info, objectName).Contains(point)) return kwhCaption;
  if (!IsSizeableWindowKind(kind)) return kwhBorder;
  // Sizeable frames: a corner reaches as far along each edge as the caption is tall.
  const TRect& r = info.Rect;
  const int corner = PlainBorderWidth(kind) + PlainCaptionHeight(kind);
  const bool left = point.X < r.Left + corner, right = point.X >= r.Right - corner;
  const bool top = point.Y < r.Top + corner, bottom = point.Y >= r.Bottom - corner;
  const int border = PlainBorderWidth(kind);
  if (point.Y < r.Top + border) return left ? kwhTopLeft : right ? kwhTopRight : kwhTop;
  if (point.Y >= r.Bottom - border)
    return left ? kwhBottomLeft : right ? kwhBottomRight : kwhBottom;
  if (point.X < r.Left + border) return top ? kwhTopLeft : bottom ? kwhBottomLeft : kwhLeft;
  return top ? kwhTopRight : bottom ? kwhBottomRight : kwhRight;
}

TRect TteTheme::WindowGetCaptionRect(uint8_t kind, const TteWindowInfo& info, const std::string&) {
  const int height = PlainCaptionHeight(kind);
  if (height == 0) return {};
  const TRect inner = Inset(info.Rect, PlainBorderWidth(kind));
  return {inner.Left, inner.Top, inner.Right, std::min(inner.Bottom, inner.Top + height)};
}

TRect TteTheme::WindowGetBorderIconRect(uint8_t kind, const TteWindowInfo& info, TteBorderIcon icon,
                                        const std::string& objectName) {
  const TRect caption = WindowGetCaptionRect(kind, info, objectName);
  if (caption.IsEmpty() || !info.HasIcon(icon)) return {};
  const int side = caption.Height() - 4;
  if (icon == kbiSysMenu) return TRect::FromSize(caption.Left + 2, caption.Top + 2, side, side);
  // Right to left: close, maximise or its restore, minimise or its restore, roll, tray, help.
  static constexpr TteBorderIcon kOrder[] = {kbiClose,    kbiMaximize,   kbiMaxRestore,
                                             kbiMinimize, kbiMinRestore, kbiRollUp,
                                             kbiRollDown, kbiTray,       kbiHelp};
  int right = caption.Right - 2;
  for (TteBorderIcon placed : kOrder) {
    if (!info.HasIcon(placed)) continue;
    if (placed == icon) return {right - side, caption.Top + 2, right, caption.Top + 2 + side};
    right -= side + 2;
  }
  return {};
}

void TteTheme::WindowDrawBorderIcon(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                                    TteBorderIcon icon, uint8_t state,
                                    const std::string& objectName) {
  DrawPlainButton(canvas, WindowGetBorderIconRect(kind, info, icon, objectName), state);
}

QSize TteTheme::WindowGetSizeGripSize(uint8_t, const std::string&) {
  return {kPlainGripSize, kPlainGripSize};
}

void TteTheme::WindowDrawSizeGrip(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  // Three rows of 2 x 2 dots in a triangle against the bottom-right corner.
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col <= row; ++col) {
      const int x = rect.Right - 4 - col * 4, y = rect.Bottom - 4 - (2 - row) * 4;
      canvas.FillRect(TRect::FromSize(x, y, 2, 2), PlainColor(clBtnShadow));
    }
}

// ---- Hint family ----------------------------------------------------------------------

bool TteTheme::IsHintDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::HintDraw(TCanvas& canvas, const TRect& rect, const std::string&) {
  FillPlain(canvas, rect, clInfoBk);
  if (!rect.IsEmpty()) canvas.FrameRect(rect, PlainColor(clWindowFrame));
}

TRect TteTheme::HintGetContentRect(const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

// ---- Text family ----------------------------------------------------------------------

bool TteTheme::IsTextDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::TextDraw(TCanvas& canvas, uint8_t, const TteTextInfo& info, const std::string&) {
  DrawText(canvas, info);
}

TRect TteTheme::TextCalcRect(TCanvas& canvas, uint8_t, const TteTextInfo& info,
                             const std::string&) {
  TRect rect = info.Rect;
  canvas.DrawText(info.Text, rect, info.Flags | dtCalcRect);
  return rect;
}

// ---- Container family -----------------------------------------------------------------

bool TteTheme::IsContainerDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ContainerDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                             const std::string& objectName) {
  FillPlain(canvas, info.Rect, ContainerGetColor(kind, info.State, objectName));
}

TRect TteTheme::ContainerGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return rect;
}

TColor TteTheme::ContainerGetColor(uint8_t, uint8_t, const std::string&) {
  return PlainColor(clBtnFace);
}

bool TteTheme::ContainerIsTransparent(uint8_t, const std::string&) {
  return false;
}

QRegion TteTheme::ContainerGetRegion(uint8_t, const TRect& rect, const std::string&) {
  return RegionOf(rect);
}

// ---- Button family --------------------------------------------------------------------

bool TteTheme::IsButtonDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ButtonDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  TRect face = info.Rect;
  if (info.Flags & kpfDefault) {
    if (!face.IsEmpty()) canvas.FrameRect(face, PlainColor(clWindowFrame));
    face = Inset(face, 1);
  }
  DrawPlainButton(canvas, face, info.State);
}

TRect TteTheme::ButtonGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 3);
}

bool TteTheme::ButtonIsMasked(uint8_t, const std::string&) {
  return false;
}

QRegion TteTheme::ButtonGetRegion(uint8_t, const TtePartInfo& info, const std::string&) {
  return RegionOf(info.Rect);
}

// ---- Check box and radio button family ------------------------------------------------

bool TteTheme::IsCheckDefined(uint8_t, const std::string&) const {
  return false;
}

QSize TteTheme::CheckGetSize(uint8_t, const std::string&) {
  return {kPlainCheckSize, kPlainCheckSize};
}

void TteTheme::CheckDraw(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                         const std::string&) {
  DrawPlainCheck(canvas, kind, info);
}

void TteTheme::CheckDrawFocus(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  if (!rect.IsEmpty()) canvas.FrameRect(rect, PlainColor(clWindowText));
}

bool TteTheme::CheckIsTransparent(uint8_t, const std::string&) {
  return false;
}

// ---- Splitter family ------------------------------------------------------------------

bool TteTheme::IsSplitterDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::SplitterDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  FillPlain(canvas, info.Rect, IsPressedState(info.State) ? clBtnShadow : clBtnFace);
}

int TteTheme::SplitterGetSize(uint8_t, const std::string&) {
  return 3;
}

// ---- Scroll bar family ----------------------------------------------------------------

bool TteTheme::IsScrollDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ScrollDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string&) {
  DrawPlainButton(canvas, info.Rect, info.State);
}

void TteTheme::ScrollDrawTrack(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                               const std::string&) {
  FillPlain(canvas, info.Rect, IsPressedState(info.State) ? clBtnShadow : clScrollBar);
}

int TteTheme::ScrollGetSize(uint8_t, TteOrientation, const std::string&) {
  return kPlainScrollSize;
}

void TteTheme::ScrollDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  DrawPlainEdge(canvas, rect, TPlainEdge::Sunken);
}

// ---- Progress bar family --------------------------------------------------------------

bool TteTheme::IsProgressDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ProgressDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  if (info.Part == kppFrameVert || info.Part == kppFrameHorz) {
    DrawPlainEdge(canvas, info.Rect, TPlainEdge::Sunken);
    FillPlain(canvas, Inset(info.Rect, 2), clBtnFace);
  } else if (info.Part <= kppSolidHorz) {
    FillPlain(canvas, info.Rect, clHighlight);
  }
}

TRect TteTheme::ProgressGetClientRect(uint8_t, const TRect& rect, TteOrientation,
                                      const std::string&) {
  return Inset(rect, 2);
}

int TteTheme::ProgressGetChunkSize(uint8_t, TteOrientation, const std::string&) {
  return 8;
}

// ---- Track bar family -----------------------------------------------------------------

bool TteTheme::IsTrackDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::TrackDrawTrack(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                              const std::string&) {
  DrawPlainField(canvas, info.Rect, info.State);
}

void TteTheme::TrackDrawThumb(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                              const std::string&) {
  DrawPlainButton(canvas, info.Rect, info.State);
}

QSize TteTheme::TrackGetThumbSize(uint8_t, TteOrientation orientation, uint8_t,
                                  const std::string&) {
  return orientation == koHorizontal ? QSize(11, 21) : QSize(21, 11);
}

int TteTheme::TrackGetTrackSize(uint8_t, TteOrientation, const std::string&) {
  return 4;
}

// ---- Header family --------------------------------------------------------------------

bool TteTheme::IsHeaderDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::HeaderDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  FillPlain(canvas, rect, clBtnFace);
}

void TteTheme::HeaderDrawSection(TCanvas& canvas, uint8_t, const TteHeaderSectionInfo& info,
                                 const std::string&) {
  const bool down = info.State == khdsPressed || info.State == khdsDragging;
  DrawPlainButton(canvas, info.Rect, down ? kpsPressed : kpsNormal);
}

TRect TteTheme::HeaderGetSectionClientRect(uint8_t, const TteHeaderSectionInfo& info,
                                           const std::string&) {
  return Inset(info.Rect, 2);
}

int TteTheme::HeaderGetHeight(uint8_t, const std::string&) {
  return 17;
}

// ---- Status bar family ----------------------------------------------------------------

bool TteTheme::IsStatusDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::StatusDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  FillPlain(canvas, rect, clBtnFace);
}

TRect TteTheme::StatusGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

void TteTheme::StatusDrawPanel(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                               const std::string&) {
  DrawPlainEdge(canvas, info.Rect, TPlainEdge::Flat);
  FillPlain(canvas, Inset(info.Rect, 1), clBtnFace);
}

TRect TteTheme::StatusGetPanelClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

void TteTheme::StatusDrawGripper(TCanvas& canvas, uint8_t kind, const TRect& rect,
                                 const std::string& objectName) {
  WindowDrawSizeGrip(canvas, kind, rect, objectName);
}

QSize TteTheme::StatusGetGripperSize(uint8_t kind, const std::string& objectName) {
  return WindowGetSizeGripSize(kind, objectName);
}

// ---- Edit and combo box family --------------------------------------------------------

bool TteTheme::IsEditDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::EditDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  DrawPlainField(canvas, info.Rect, info.State);
}

TRect TteTheme::EditGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

void TteTheme::EditDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                              const std::string&) {
  DrawPlainButton(canvas, info.Rect, info.State);
}

int TteTheme::EditGetButtonWidth(uint8_t, const std::string&) {
  return 17;
}

// ---- Group box family -----------------------------------------------------------------

bool TteTheme::IsGroupBoxDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::GroupBoxDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string&) {
  // An etched line: a shadow frame with a highlight frame one pixel down and right.
  const TRect& r = info.Rect;
  if (r.Width() < 2 || r.Height() < 2) return;
  canvas.FrameRect({r.Left + 1, r.Top + 1, r.Right, r.Bottom}, PlainColor(clBtnHighlight));
  canvas.FrameRect({r.Left, r.Top, r.Right - 1, r.Bottom - 1}, PlainColor(clBtnShadow));
}

void TteTheme::GroupBoxDrawCaption(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string&) {
  FillPlain(canvas, info.Rect, clBtnFace);
}

TRect TteTheme::GroupBoxGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return {rect.Left + 2, std::min(rect.Bottom, rect.Top + 15), rect.Right - 2, rect.Bottom - 2};
}

TRect TteTheme::GroupBoxGetCaptionRect(uint8_t, const TRect& rect, QSize textSize,
                                       const std::string&) {
  return TRect::FromSize(rect.Left + 8, rect.Top, textSize.width() + 4, textSize.height());
}

// ---- Edit frame family ----------------------------------------------------------------

bool TteTheme::IsEditFrameDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::EditFrameDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                             const std::string&) {
  DrawPlainField(canvas, info.Rect, info.State);
}

TRect TteTheme::EditFrameGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

TColor TteTheme::EditFrameGetColor(uint8_t, uint8_t state, const std::string&) {
  return PlainColor(state == kpsDisabled ? clBtnFace : clWindow);
}

// ---- Bevel family ---------------------------------------------------------------------

bool TteTheme::IsBevelDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::BevelDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  // Part 0 is a lowered bevel, any other a raised one.
  DrawPlainEdge(canvas, info.Rect, info.Part == 0 ? TPlainEdge::Sunken : TPlainEdge::Raised);
}

TRect TteTheme::BevelGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

// ---- Menu family ----------------------------------------------------------------------

bool TteTheme::IsMenuDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::MenuDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect, const std::string&) {
  if (kind == kmkPopupMenu) {
    DrawPlainEdge(canvas, rect, TPlainEdge::Raised);
    FillPlain(canvas, Inset(rect, 2), clMenu);
  } else {
    FillPlain(canvas, rect, clMenu);
  }
}

TRect TteTheme::MenuGetClientRect(uint8_t kind, const TRect& rect, const std::string&) {
  return kind == kmkPopupMenu ? Inset(rect, 3) : rect;
}

QSize TteTheme::MenuGetItemSize(uint8_t, const std::string&) {
  return {};
}

void TteTheme::MenuDrawItem(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  const bool lit = info.State == kpsHot || IsHighlightState(info.State);
  FillPlain(canvas, info.Rect, lit ? clHighlight : clMenu);
}

void TteTheme::MenuDrawSeparator(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string&) {
  const TRect& r = info.Rect;
  if (info.Orientation == koHorizontal) {
    const int y = r.Top + r.Height() / 2 - 1;
    FillPlain(canvas, {r.Left, y, r.Right, y + 1}, clBtnShadow);
    FillPlain(canvas, {r.Left, y + 1, r.Right, y + 2}, clBtnHighlight);
  } else {
    const int x = r.Left + r.Width() / 2 - 1;
    FillPlain(canvas, {x, r.Top, x + 1, r.Bottom}, clBtnShadow);
    FillPlain(canvas, {x + 1, r.Top, x + 2, r.Bottom}, clBtnHighlight);
  }
}

void TteTheme::MenuDrawScrollButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string&) {
  FillPlain(canvas, info.Rect, IsPressedState(info.State) ? clBtnShadow : clMenu);
}

void TteTheme::MenuDrawMDIButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string&) {
  DrawPlainButton(canvas, info.Rect, info.State);
}

// ---- Control bar family ---------------------------------------------------------------

bool TteTheme::IsControlBarDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ControlBarDraw(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  FillPlain(canvas, rect, clBtnFace);
}

TRect TteTheme::ControlBarGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return rect;
}

// ---- Tool bar family ------------------------------------------------------------------

bool TteTheme::IsToolBarDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ToolBarDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  FillPlain(canvas, rect, clBtnFace);
}

void TteTheme::ToolBarDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string&) {
  FillPlain(canvas, info.Rect, clBtnFace);
  const bool down = IsPressedState(info.State) || (info.Flags & kpfChecked);
  if (down)
    DrawPlainEdge(canvas, info.Rect, TPlainEdge::Sunken);
  else if (info.State == kpsHot || !(info.Flags & kpfFlat))
    DrawPlainEdge(canvas, info.Rect, TPlainEdge::Raised);
}

void TteTheme::ToolBarDrawSeparator(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                    const std::string& objectName) {
  // A separator between horizontal tool buttons is a vertical line, and the other way.
  TtePartInfo line = info;
  line.Orientation = info.Orientation == koHorizontal ? koVertical : koHorizontal;
  MenuDrawSeparator(canvas, kind, line, objectName);
}

void TteTheme::ToolBarDrawGrabber(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string&) {
  const TRect& r = info.Rect;
  const TRect bar = info.Orientation == koHorizontal
                        ? TRect{r.Left + 2, r.Top + 2, r.Left + 5, r.Bottom - 2}
                        : TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Top + 5};
  DrawEdgeRing(canvas, bar, PlainColor(clBtnHighlight), PlainColor(clBtnShadow));
}

void TteTheme::ToolBarDrawChevron(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                  const std::string& objectName) {
  ToolBarDrawButton(canvas, kind, info, objectName);
}

// ---- Scroll box family ----------------------------------------------------------------

bool TteTheme::IsScrollBoxDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ScrollBoxDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  DrawPlainEdge(canvas, rect, TPlainEdge::Sunken);
}

TRect TteTheme::ScrollBoxGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

// ---- Panel family ---------------------------------------------------------------------

namespace {
constexpr int kPlainPanelCaption = 18;
}

bool TteTheme::IsPanelDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::PanelDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                              const std::string&) {
  DrawPlainEdge(canvas, info.Rect, TPlainEdge::Raised);
  FillPlain(canvas, Inset(info.Rect, 2), clBtnFace);
}

TRect TteTheme::PanelGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  TRect r = Inset(rect, 2);
  r.Top = std::min(r.Bottom, r.Top + kPlainPanelCaption);
  return r;
}

void TteTheme::PanelDrawCaption(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string&) {
  FillPlain(canvas, info.Rect, info.State == kpsDisabled ? clInactiveCaption : clActiveCaption);
}

TRect TteTheme::PanelGetCaptionRect(uint8_t, const TRect& rect, const std::string&) {
  const TRect r = Inset(rect, 2);
  return {r.Left, r.Top, r.Right, std::min(r.Bottom, r.Top + kPlainPanelCaption)};
}

void TteTheme::PanelDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                               const std::string&) {
  DrawPlainButton(canvas, info.Rect, info.State);
}

TRect TteTheme::PanelGetButtonRect(uint8_t, const TRect& captionRect, uint8_t part,
                                   const std::string&) {
  // The hide button sits rightmost; roll-up and roll-down share the place left of it.
  const int side = captionRect.Height() - 4, slot = part == kpbHide ? 0 : 1;
  const int right = captionRect.Right - 2 - slot * (side + 2);
  return {right - side, captionRect.Top + 2, right, captionRect.Top + 2 + side};
}

// ---- Tab family -----------------------------------------------------------------------

namespace {
constexpr int kPlainTabStrip = 20;
}

bool TteTheme::IsTabDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::TabDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  DrawPlainEdge(canvas, info.Rect, TPlainEdge::Raised);
  FillPlain(canvas, Inset(info.Rect, 2), clBtnFace);
}

TRect TteTheme::TabGetClientRect(uint8_t, const TRect& rect, TteTabPosition position,
                                 const std::string&) {
  TRect page = rect;
  switch (position) {
    case ktpTop:
      page.Top = std::min(page.Bottom, page.Top + kPlainTabStrip);
      break;
    case ktpBottom:
      page.Bottom = std::max(page.Top, page.Bottom - kPlainTabStrip);
      break;
    case ktpLeft:
      page.Left = std::min(page.Right, page.Left + kPlainTabStrip);
      break;
    case ktpRight:
      page.Right = std::max(page.Left, page.Right - kPlainTabStrip);
      break;
  }
  return Inset(page, 2);
}

void TteTheme::TabDrawTab(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  // Inactive tabs stand back by two pixels on their outer side.
  TRect tab = info.Rect;
  if (info.State != kpsSelected) {
    switch (info.Part) {
      case ktpBottom:
        tab.Bottom -= 2;
        break;
      case ktpLeft:
        tab.Left += 2;
        break;
      case ktpRight:
        tab.Right -= 2;
        break;
      default:
        tab.Top += 2;
        break;
    }
  }
  DrawPlainEdge(canvas, tab, TPlainEdge::Raised);
  FillPlain(canvas, Inset(tab, 2), clBtnFace);
}

TRect TteTheme::TabGetTabClientRect(uint8_t, const TtePartInfo& info, const std::string&) {
  return Inset(info.Rect, 3);
}

QSize TteTheme::TabGetTabSize(uint8_t, TteTabPosition, const std::string&) {
  return {};
}

void TteTheme::TabDrawScrollButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string&) {
  DrawPlainButton(canvas, info.Rect, info.State);
}

QSize TteTheme::TabGetScrollButtonSize(uint8_t, const std::string&) {
  return {kPlainScrollSize, kPlainScrollSize};
}

// ---- List box family ------------------------------------------------------------------

bool TteTheme::IsListBoxDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ListBoxDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string&) {
  DrawPlainField(canvas, info.Rect, info.State);
}

TRect TteTheme::ListBoxGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

void TteTheme::ListBoxDrawItem(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                               const std::string&) {
  DrawPlainItem(canvas, info.Rect, info.State);
}

TRect TteTheme::ListBoxGetItemClientRect(uint8_t, const TRect& rect, const std::string&) {
  return rect.Inflate(-2, 0);
}

void TteTheme::ListBoxDrawCheck(TCanvas& canvas, uint8_t, const TteCheckInfo& info,
                                const std::string&) {
  DrawPlainCheck(canvas, kckCheckBox, info);
}

QSize TteTheme::ListBoxGetCheckSize(uint8_t, const std::string&) {
  return {kPlainCheckSize, kPlainCheckSize};
}

// ---- Item list family -----------------------------------------------------------------

bool TteTheme::IsItemListDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::ItemListDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string&) {
  DrawPlainField(canvas, info.Rect, info.State);
}

TRect TteTheme::ItemListGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

void TteTheme::ItemListDrawItem(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string&) {
  DrawPlainItem(canvas, info.Rect, info.State);
}

TRect TteTheme::ItemListGetItemClientRect(uint8_t, const TRect& rect, const std::string&) {
  return rect.Inflate(-2, 0);
}

// ---- Grid family ----------------------------------------------------------------------

bool TteTheme::IsGridDefined(uint8_t, const std::string&) const {
  return false;
}

void TteTheme::GridDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                             const std::string&) {
  DrawPlainField(canvas, info.Rect, info.State);
}

TRect TteTheme::GridGetClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

void TteTheme::GridDrawFixedCell(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string&) {
  DrawPlainButton(canvas, info.Rect, info.State);
}

void TteTheme::GridDrawCell(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  DrawPlainItem(canvas, info.Rect, info.State);
}

TRect TteTheme::GridGetCellClientRect(uint8_t, const TRect& rect, const std::string&) {
  return Inset(rect, 2);
}

TColor TteTheme::GridGetLineColor(uint8_t, const std::string&) {
  return PlainColor(clBtnFace);
}

}  // namespace vt
