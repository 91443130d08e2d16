// TTeFlatTheme: every family painted with flat fills and one-pixel frames in the theme's
// own colours.
#include "theme/te_flattheme.h"

namespace vt {

namespace {

constexpr int kMarkBoxSize = 13;

TRect Inset(const TRect& r, int d) {
  return r.Inflate(-d, -d);
}

TRect Centred(const TRect& r, int width, int height) {
  const int left = r.Left + (r.Width() - width) / 2, top = r.Top + (r.Height() - height) / 2;
  return TRect::FromSize(left, top, width, height);
}

// Colour table indices of a five-state control (normal, hot, pressed, focused, disabled).
int StateIndex(uint8_t state, int normal, int hot, int pressed, int focused, int disabled) {
  switch (state) {
    case kpsHot:
      return hot;
    case kpsPressed:
      return pressed;
    case kpsDisabled:
      return disabled;
    case kpsFocused:
    case kpsSelected:
      return focused;
    default:
      return normal;
  }
}

}  // namespace

TTeFlatTheme::TTeFlatTheme() {
  SetName("Flat");
}

const TClassInfo& TTeFlatTheme::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTeFlatTheme>("TTeFlatTheme", &TteTheme::StaticClassInfo()).Build();
  return info;
}

TteThemeFileInfo TTeFlatTheme::GetThemeFileInfo() {
  TteThemeFileInfo info;
  info.BuiltIn = true;
  info.Description = "Flat theme";
  return info;
}

// ---- Helpers --------------------------------------------------------------------------

TColor TTeFlatTheme::ThemeColor(int index) const {
  return PlainColor(Colors().GetColor(index));
}

TColor TTeFlatTheme::ButtonColor(uint8_t state) const {
  return ThemeColor(StateIndex(state, ciButtonNormal, ciButtonHot, ciButtonPressed, ciButtonFocused,
                               ciButtonDisabled));
}

TColor TTeFlatTheme::EditColor(uint8_t state) const {
  return ThemeColor(
      StateIndex(state, ciEditNormal, ciEditHot, ciEditFocused, ciEditFocused, ciEditDisabled));
}

TColor TTeFlatTheme::ItemColor(uint8_t state, int normalIndex) const {
  if (state == kpsSelected || state == kpsPressed) return ThemeColor(ciEditSelection);
  if (state == kpsHot) return ThemeColor(ciButtonHot);
  if (state == kpsDisabled) return ThemeColor(ciPanelDisabled);
  return ThemeColor(normalIndex);
}

void TTeFlatTheme::FlatFill(TCanvas& canvas, const TRect& rect, TColor fill) const {
  if (!rect.IsEmpty() && fill != clNone) canvas.FillRect(rect, fill);
}

void TTeFlatTheme::FlatFrame(TCanvas& canvas, const TRect& rect) const {
  if (!rect.IsEmpty()) canvas.FrameRect(rect, FrameColor());
}

void TTeFlatTheme::FlatBox(TCanvas& canvas, const TRect& rect, TColor fill) const {
  FlatFill(canvas, rect, fill);
  FlatFrame(canvas, rect);
}

void TTeFlatTheme::FlatLine(TCanvas& canvas, const TRect& rect, TteOrientation orientation) const {
  if (rect.IsEmpty()) return;
  if (orientation == koVertical) {
    const int x = rect.Left + rect.Width() / 2;
    canvas.FillRect({x, rect.Top, x + 1, rect.Bottom}, FrameColor());
  } else {
    const int y = rect.Top + rect.Height() / 2;
    canvas.FillRect({rect.Left, y, rect.Right, y + 1}, FrameColor());
  }
}

// A box of 13 x 13 with a square mark (checked), a bar (mixed) or nothing (unchecked).
void TTeFlatTheme::FlatMark(TCanvas& canvas, bool radio, const TteCheckInfo& info) const {
  const int state = info.Mark % 5, mark = info.Mark - state;
  if (state > 3 || info.Mark > kcmMixedDisabled || (radio && mark == kcmMixedNormal)) return;
  static constexpr uint8_t kStates[4] = {kpsNormal, kpsHot, kpsPressed, kpsDisabled};
  const TRect box = Centred(info.Rect, kMarkBoxSize, kMarkBoxSize);
  FlatBox(canvas, box, EditColor(kStates[state]));
  const TColor ink = state == 3 ? ThemeColor(ciButtonDisabled) : ThemeColor(ciEditSelection);
  if (mark == kcmCheckedNormal) canvas.FillRect(Centred(box, radio ? 5 : 7, radio ? 5 : 7), ink);
  if (mark == kcmMixedNormal) canvas.FillRect(Centred(box, 7, 3), ink);
}

// ---- Window frame ---------------------------------------------------------------------

bool TTeFlatTheme::IsWindowDefined(uint8_t kind, const std::string&) const {
  return kind != kwkNone;
}

void TTeFlatTheme::WindowDraw(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                              const std::string& objectName) {
  const TRect& r = info.Rect;
  const TRect client = WindowGetClientRect(kind, info, objectName);
  const TColor border = ThemeColor(ciWindowBorder);
  FlatFill(canvas, {r.Left, r.Top, r.Right, client.Top}, border);
  FlatFill(canvas, {r.Left, client.Bottom, r.Right, r.Bottom}, border);
  FlatFill(canvas, {r.Left, client.Top, client.Left, client.Bottom}, border);
  FlatFill(canvas, {client.Right, client.Top, r.Right, client.Bottom}, border);
  const TRect caption = WindowGetCaptionRect(kind, info, objectName);
  if (caption.IsEmpty()) return;
  FlatFill(canvas, caption, ThemeColor(info.Active ? ciCaptionNormal : ciCaptionInactive));
  const bool small = kind == kwkToolWindow;
  const int fontIndex = small ? (info.Active ? fiSmCaptionTextNormal : fiSmCaptionTextInactive)
                              : (info.Active ? fiCaptionTextNormal : fiCaptionTextInactive);
  GetFont(canvas.Font(), fontIndex, objectName);
  TRect textRect = caption.Inflate(-3, 0);
  canvas.DrawText(info.Caption, textRect, dtLeft | dtVCenter | dtSingleLine | dtEndEllipsis);
  for (int icon = 0; icon < kBorderIconCount; ++icon)
    if (info.HasIcon(TteBorderIcon(icon)))
      WindowDrawBorderIcon(canvas, kind, info, TteBorderIcon(icon), kpsNormal, objectName);
}

void TTeFlatTheme::WindowDrawClient(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                                    const std::string& objectName) {
  FlatFill(canvas, WindowGetClientRect(kind, info, objectName), ThemeColor(ciWindow));
}

void TTeFlatTheme::WindowDrawBorderIcon(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                                        TteBorderIcon icon, uint8_t state,
                                        const std::string& objectName) {
  const TRect rect = WindowGetBorderIconRect(kind, info, icon, objectName);
  if (rect.IsEmpty()) return;
  FlatBox(canvas, rect, ButtonColor(state));
  const TRect glyph = Inset(rect, 4);
  if (glyph.IsEmpty()) return;
  switch (icon) {
    case kbiClose:  // a cross
      for (int i = 0; i < std::min(glyph.Width(), glyph.Height()); ++i) {
        canvas.FillRect(TRect::FromSize(glyph.Left + i, glyph.Top + i, 1, 1), FrameColor());
        canvas.FillRect(TRect::FromSize(glyph.Right - 1 - i, glyph.Top + i, 1, 1), FrameColor());
      }
      break;
    case kbiMinimize:  // a bar at the bottom
      canvas.FillRect({glyph.Left, glyph.Bottom - 2, glyph.Right, glyph.Bottom}, FrameColor());
      break;
    case kbiMaximize:  // a window outline
      FlatFrame(canvas, glyph);
      break;
    default:
      break;
  }
}

void TTeFlatTheme::WindowDrawSizeGrip(TCanvas& canvas, uint8_t, const TRect& rect,
                                      const std::string&) {
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col <= row; ++col) {
      const int x = rect.Right - 4 - col * 4, y = rect.Bottom - 4 - (2 - row) * 4;
      canvas.FillRect(TRect::FromSize(x, y, 2, 2), FrameColor());
    }
}

// ---- Hint and text --------------------------------------------------------------------

bool TTeFlatTheme::IsHintDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::HintDraw(TCanvas& canvas, const TRect& rect, const std::string&) {
  FlatBox(canvas, rect, ThemeColor(ciHint));
}

bool TTeFlatTheme::IsTextDefined(uint8_t, const std::string&) const {
  return true;
}

// ---- Container, button, check, splitter -------------------------------------------------

bool TTeFlatTheme::IsContainerDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ContainerDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName) {
  FlatFill(canvas, info.Rect, ContainerGetColor(kind, info.State, objectName));
}

TColor TTeFlatTheme::ContainerGetColor(uint8_t, uint8_t state, const std::string&) {
  return ThemeColor(state == kpsDisabled ? ciPanelDisabled : ciPanelNormal);
}

bool TTeFlatTheme::IsButtonDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ButtonDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                              const std::string&) {
  FlatBox(canvas, info.Rect, ButtonColor(info.State));
  // The default button of a dialog, and the focused one, get a second ring.
  if (info.Flags & (kpfDefault | kpfFocused)) FlatFrame(canvas, Inset(info.Rect, 1));
}

bool TTeFlatTheme::IsCheckDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::CheckDraw(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                             const std::string&) {
  FlatMark(canvas, kind == kckRadioButton, info);
}

bool TTeFlatTheme::IsSplitterDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::SplitterDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string&) {
  FlatFill(canvas, info.Rect, ThemeColor(info.State == kpsHot ? ciButtonHot : ciPanelNormal));
}

// ---- Scroll, progress, track ------------------------------------------------------------

bool TTeFlatTheme::IsScrollDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ScrollDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string&) {
  FlatBox(canvas, info.Rect, ButtonColor(info.State));
}

void TTeFlatTheme::ScrollDrawTrack(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string&) {
  FlatFill(canvas, info.Rect, ThemeColor(ciPanelNormal));
}

void TTeFlatTheme::ScrollDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                   const std::string&) {
  FlatFrame(canvas, rect);
}

bool TTeFlatTheme::IsProgressDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ProgressDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string&) {
  if (info.Part == kppFrameVert || info.Part == kppFrameHorz)
    FlatBox(canvas, info.Rect, EditColor(info.State));
  else
    FlatFill(canvas, info.Rect, ThemeColor(ciEditSelection));
}

bool TTeFlatTheme::IsTrackDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::TrackDrawTrack(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string&) {
  FlatBox(canvas, info.Rect, EditColor(info.State));
}

void TTeFlatTheme::TrackDrawThumb(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string&) {
  FlatBox(canvas, info.Rect, ButtonColor(info.State));
}

// ---- Header, status bar, edit, group box, edit frame, bevel ------------------------------

bool TTeFlatTheme::IsHeaderDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::HeaderDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                   const std::string&) {
  FlatBox(canvas, rect, ButtonColor(kpsNormal));
}

void TTeFlatTheme::HeaderDrawSection(TCanvas& canvas, uint8_t, const TteHeaderSectionInfo& info,
                                     const std::string&) {
  uint8_t state = kpsNormal;
  if (info.State == khdsPressed || info.State == khdsDragging) state = kpsPressed;
  if (info.State == khdsHot || info.State == khdsUnderDrag) state = kpsHot;
  if (info.State == khdsDisabled) state = kpsDisabled;
  FlatBox(canvas, info.Rect, ButtonColor(state));
}

bool TTeFlatTheme::IsStatusDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::StatusDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                   const std::string&) {
  FlatFill(canvas, rect, ThemeColor(ciPanelNormal));
}

void TTeFlatTheme::StatusDrawPanel(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string&) {
  FlatFrame(canvas, info.Rect);
}

void TTeFlatTheme::StatusDrawGripper(TCanvas& canvas, uint8_t kind, const TRect& rect,
                                     const std::string& objectName) {
  WindowDrawSizeGrip(canvas, kind, rect, objectName);
}

bool TTeFlatTheme::IsEditDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::EditDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info, const std::string&) {
  FlatBox(canvas, info.Rect, EditColor(info.State));
}

void TTeFlatTheme::EditDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string&) {
  FlatBox(canvas, info.Rect, ButtonColor(info.State));
}

bool TTeFlatTheme::IsGroupBoxDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::GroupBoxDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                     const std::string&) {
  FlatFrame(canvas, info.Rect);
}

void TTeFlatTheme::GroupBoxDrawCaption(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                       const std::string&) {
  FlatFill(canvas, info.Rect, ThemeColor(ciPanelNormal));
}

bool TTeFlatTheme::IsEditFrameDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::EditFrameDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string&) {
  FlatFrame(canvas, info.Rect);
}

TColor TTeFlatTheme::EditFrameGetColor(uint8_t, uint8_t state, const std::string&) {
  return EditColor(state);
}

bool TTeFlatTheme::IsBevelDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::BevelDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                             const std::string&) {
  FlatFrame(canvas, info.Rect);
}

// ---- Menu, control bar, tool bar ---------------------------------------------------------

bool TTeFlatTheme::IsMenuDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::MenuDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                                 const std::string&) {
  if (kind == kmkPopupMenu)
    FlatBox(canvas, rect, ThemeColor(ciWindow));
  else
    FlatFill(canvas, rect, ThemeColor(ciBarDock));
}

void TTeFlatTheme::MenuDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                const std::string&) {
  FlatFill(canvas, info.Rect, ItemColor(info.State, kind == kmkPopupMenu ? ciWindow : ciBarDock));
}

void TTeFlatTheme::MenuDrawSeparator(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                     const std::string&) {
  FlatLine(canvas, info.Rect, info.Orientation);
}

void TTeFlatTheme::MenuDrawScrollButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                        const std::string&) {
  FlatBox(canvas, info.Rect, ButtonColor(info.State));
}

void TTeFlatTheme::MenuDrawMDIButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                     const std::string&) {
  FlatBox(canvas, info.Rect, ButtonColor(info.State));
}

bool TTeFlatTheme::IsControlBarDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ControlBarDraw(TCanvas& canvas, uint8_t, const TRect& rect, const std::string&) {
  FlatFill(canvas, rect, ThemeColor(ciBarDock));
}

bool TTeFlatTheme::IsToolBarDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ToolBarDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                    const std::string&) {
  FlatFill(canvas, rect, ThemeColor(ciBarDock));
}

void TTeFlatTheme::ToolBarDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                     const std::string&) {
  uint8_t state = info.State;
  if ((info.Flags & kpfChecked) && (state == kpsNormal || state == kpsHot)) state = kpsPressed;
  // Flat buttons show only while they are hot or down.
  if ((info.Flags & kpfFlat) && state != kpsHot && state != kpsPressed) return;
  FlatBox(canvas, info.Rect, ButtonColor(state));
}

void TTeFlatTheme::ToolBarDrawSeparator(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                        const std::string&) {
  FlatLine(canvas, info.Rect, info.Orientation == koVertical ? koHorizontal : koVertical);
}

void TTeFlatTheme::ToolBarDrawGrabber(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                      const std::string&) {
  FlatLine(canvas, info.Rect.Inflate(-1, -1),
           info.Orientation == koVertical ? koHorizontal : koVertical);
}

void TTeFlatTheme::ToolBarDrawChevron(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                      const std::string& objectName) {
  ToolBarDrawButton(canvas, kind, info, objectName);
}

// ---- Scroll box, panel, tabs ------------------------------------------------------------

bool TTeFlatTheme::IsScrollBoxDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ScrollBoxDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                      const std::string&) {
  FlatFrame(canvas, rect);
}

bool TTeFlatTheme::IsPanelDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::PanelDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string&) {
  FlatBox(canvas, info.Rect,
          ThemeColor(info.State == kpsDisabled ? ciPanelDisabled : ciPanelNormal));
}

void TTeFlatTheme::PanelDrawCaption(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string&) {
  FlatFill(canvas, info.Rect,
           ThemeColor(info.State == kpsDisabled ? ciCaptionInactive : ciCaptionNormal));
}

void TTeFlatTheme::PanelDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string&) {
  FlatBox(canvas, info.Rect, ButtonColor(info.State));
}

bool TTeFlatTheme::IsTabDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::TabDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string&) {
  FlatBox(canvas, info.Rect, ThemeColor(ciPanelNormal));
}

void TTeFlatTheme::TabDrawTab(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                              const std::string&) {
  // The active tab takes the page's colour; the others the button face.
  FlatBox(canvas, info.Rect,
          info.State == kpsSelected ? ThemeColor(ciPanelNormal) : ButtonColor(info.State));
}

void TTeFlatTheme::TabDrawScrollButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                       const std::string&) {
  FlatBox(canvas, info.Rect, ButtonColor(info.State));
}

// ---- Lists and grids ------------------------------------------------------------------

bool TTeFlatTheme::IsListBoxDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ListBoxDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string&) {
  FlatBox(canvas, info.Rect, ThemeColor(ciList));
}

void TTeFlatTheme::ListBoxDrawItem(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string&) {
  FlatFill(canvas, info.Rect, ItemColor(info.State, ciList));
}

void TTeFlatTheme::ListBoxDrawCheck(TCanvas& canvas, uint8_t, const TteCheckInfo& info,
                                    const std::string&) {
  FlatMark(canvas, false, info);
}

bool TTeFlatTheme::IsItemListDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::ItemListDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                     const std::string&) {
  FlatBox(canvas, info.Rect, ThemeColor(ciTree));
}

void TTeFlatTheme::ItemListDrawItem(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string&) {
  FlatFill(canvas, info.Rect, ItemColor(info.State, ciTree));
}

bool TTeFlatTheme::IsGridDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeFlatTheme::GridDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string&) {
  FlatBox(canvas, info.Rect, ThemeColor(ciGrid));
}

void TTeFlatTheme::GridDrawFixedCell(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                     const std::string&) {
  FlatBox(canvas, info.Rect,
          ButtonColor(info.State == kpsSelected ? uint8_t(kpsPressed) : info.State));
}

void TTeFlatTheme::GridDrawCell(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string&) {
  FlatFill(canvas, info.Rect, ItemColor(info.State, ciGrid));
}

TColor TTeFlatTheme::GridGetLineColor(uint8_t, const std::string&) {
  return FrameColor();
}

}  // namespace vt
