// TTeSkinFile: the families of bars and lists: menu, control bar, tool bar, scroll box,
// panel, tabs, list box, item list, grid.
#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

namespace vt {

namespace {

TSkinCacheEntry MenuEntry(uint8_t kind) {
  return kind == kmkPopupMenu ? cePopupMenu : ceMenuBar;
}

// Requests whose records know more states than the skin: a selected menu item lights up as
// if hot; a selected list item or cell, and the active tab, look pressed.
uint8_t SelectedAs(uint8_t state, uint8_t selectedLook) {
  return state == kpsSelected ? selectedLook : state;
}

}  // namespace

// ---- Menu -----------------------------------------------------------------------------

bool TTeSkinFile::IsMenuDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored,
                     {{kmkMenuBar, ceMenuBar}, {kmkPopupMenu, cePopupMenu}});
}

void TTeSkinFile::MenuDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                                const std::string& objectName) {
  PaintRequest(canvas, objectName, MenuEntry(kind), catalogue::kFrame, rect, kpsNormal);
}

TRect TTeSkinFile::MenuGetClientRect(uint8_t kind, const TRect& rect,
                                     const std::string& objectName) {
  return RequestClientRect(objectName, MenuEntry(kind), catalogue::kFrame, rect)
      .value_or(TteTheme::MenuGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::MenuDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                               const std::string& objectName) {
  // Part names are compared ignoring case, so "Item" also finds the "item" of older skins.
  PaintRequest(canvas, objectName, MenuEntry(kind), catalogue::kItem, info.Rect,
               SelectedAs(info.State, kpsHot));
}

QSize TTeSkinFile::MenuGetItemSize(uint8_t kind, const std::string& objectName) {
  return PartSize(ChoosePart(objectName, MenuEntry(kind), catalogue::kItem)).value_or(QSize());
}

void TTeSkinFile::MenuDrawSeparator(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, MenuEntry(kind), catalogue::kSeparator, info.Rect, info.State);
}

void TTeSkinFile::MenuDrawScrollButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                       const std::string& objectName) {
  const TPartNames* part = info.Part == kmsUp     ? &catalogue::kMenuUpButton
                           : info.Part == kmsDown ? &catalogue::kMenuDownButton
                                                  : nullptr;
  if (part) PaintRequest(canvas, objectName, MenuEntry(kind), *part, info.Rect, info.State);
}

void TTeSkinFile::MenuDrawMDIButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                    const std::string& objectName) {
  static constexpr const TPartNames* kParts[] = {&catalogue::kMenuMin, &catalogue::kMenuRestore,
                                                 &catalogue::kMenuClose};
  if (info.Part < std::size(kParts))
    PaintRequest(canvas, objectName, MenuEntry(kind), *kParts[info.Part], info.Rect, info.State);
}

// ---- Control bar ----------------------------------------------------------------------

bool TTeSkinFile::IsControlBarDefined(uint8_t, const std::string& objectName) const {
  return HasNamedObject(objectName) || FCache[ceControlBar];
}

void TTeSkinFile::ControlBarDraw(TCanvas& canvas, uint8_t, const TRect& rect,
                                 const std::string& objectName) {
  PaintRequest(canvas, objectName, ceControlBar, catalogue::kBack, rect, kpsNormal);
}

TRect TTeSkinFile::ControlBarGetClientRect(uint8_t kind, const TRect& rect,
                                           const std::string& objectName) {
  return RequestClientRect(objectName, ceControlBar, catalogue::kBack, rect)
      .value_or(TteTheme::ControlBarGetClientRect(kind, rect, objectName));
}

// ---- Tool bar -------------------------------------------------------------------------

bool TTeSkinFile::IsToolBarDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind, {{0, ceControlBar}, {1, ceControlBar}});
}

void TTeSkinFile::ToolBarDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                   const std::string& objectName) {
  PaintRequest(canvas, objectName, ceControlBar, catalogue::kFrame, rect, kpsNormal);
}

void TTeSkinFile::ToolBarDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string& objectName) {
  // A button that stays down looks pressed until it is pressed or disabled otherwise.
  uint8_t state = info.State;
  if ((info.Flags & kpfChecked) && (state == kpsNormal || state == kpsHot)) state = kpsPressed;
  if (info.Flags & kpfFlat)
    PaintRequest(canvas, objectName, ceSpeedButton, catalogue::kFlatFace, info.Rect, state);
  else
    PaintRequest(canvas, objectName, ceSpeedButton, catalogue::kFace, info.Rect, state);
}

void TTeSkinFile::ToolBarDrawSeparator(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                       const std::string& objectName) {
  PaintRequest(canvas, objectName, ceSpeedButton, catalogue::kSeparator, info.Rect, info.State);
}

void TTeSkinFile::ToolBarDrawGrabber(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                     const std::string& objectName) {
  if (info.Orientation == koVertical)
    PaintRequest(canvas, objectName, ceControlBar, catalogue::kGrabberVert, info.Rect, info.State);
  else
    PaintRequest(canvas, objectName, ceControlBar, catalogue::kGrabber, info.Rect, info.State);
}

void TTeSkinFile::ToolBarDrawChevron(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                     const std::string& objectName) {
  if (info.Flags & kpfFlat)
    PaintRequest(canvas, objectName, ceSpeedButton, catalogue::kFlatChevron, info.Rect, info.State);
  else
    PaintRequest(canvas, objectName, ceSpeedButton, catalogue::kChevron, info.Rect, info.State);
}

// ---- Scroll box -----------------------------------------------------------------------

bool TTeSkinFile::IsScrollBoxDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::ListedKinds, {{0, ceScrollBox}});
}

void TTeSkinFile::ScrollBoxDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                     const std::string& objectName) {
  PaintRequest(canvas, objectName, ceScrollBox, catalogue::kFrame, rect, kpsNormal);
}

TRect TTeSkinFile::ScrollBoxGetClientRect(uint8_t kind, const TRect& rect,
                                          const std::string& objectName) {
  return RequestClientRect(objectName, ceScrollBox, catalogue::kFrame, rect)
      .value_or(TteTheme::ScrollBoxGetClientRect(kind, rect, objectName));
}

// ---- Panel ----------------------------------------------------------------------------

bool TTeSkinFile::IsPanelDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::ListedKinds, {{1, cePanel}});
}

void TTeSkinFile::PanelDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string& objectName) {
  PaintRequest(canvas, objectName, cePanel, catalogue::kFrame, info.Rect, info.State);
}

TRect TTeSkinFile::PanelGetClientRect(uint8_t kind, const TRect& rect,
                                      const std::string& objectName) {
  return RequestClientRect(objectName, cePanel, catalogue::kFrame, rect)
      .value_or(TteTheme::PanelGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::PanelDrawCaption(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string& objectName) {
  PaintRequest(canvas, objectName, cePanel, catalogue::kCaption, info.Rect, info.State);
}

void TTeSkinFile::PanelDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string& objectName) {
  static constexpr const TPartNames* kParts[] = {&catalogue::kPanelButtonHide,
                                                 &catalogue::kPanelButtonRollup,
                                                 &catalogue::kPanelButtonRollDown};
  if (info.Part < std::size(kParts))
    PaintRequest(canvas, objectName, cePanel, *kParts[info.Part], info.Rect, info.State);
}

// ---- Tabs -----------------------------------------------------------------------------

bool TTeSkinFile::IsTabDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind, {{0, ceTabs}, {1, ceTabs}});
}

void TTeSkinFile::TabDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                               const std::string& objectName) {
  PaintRequest(canvas, objectName, ceTabs, catalogue::kFrame, info.Rect, info.State);
}

TRect TTeSkinFile::TabGetClientRect(uint8_t kind, const TRect& rect, TteTabPosition position,
                                    const std::string& objectName) {
  return RequestClientRect(objectName, ceTabs, catalogue::kFrame, rect)
      .value_or(TteTheme::TabGetClientRect(kind, rect, position, objectName));
}

namespace {
// The tab part of a side; a bottom tab is the plain "Tab".
const TPartNames& TabPartOf(uint8_t position) {
  switch (position) {
    case ktpTop:
      return catalogue::kTabTop;
    case ktpLeft:
      return catalogue::kTabLeft;
    case ktpRight:
      return catalogue::kTabRight;
    default:
      return catalogue::kTab;
  }
}
}  // namespace

void TTeSkinFile::TabDrawTab(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                             const std::string& objectName) {
  PaintRequest(canvas, objectName, ceTabs, TabPartOf(info.Part), info.Rect,
               SelectedAs(info.State, kpsPressed));
}

QSize TTeSkinFile::TabGetTabSize(uint8_t, TteTabPosition position, const std::string& objectName) {
  return PartSize(ChoosePart(objectName, ceTabs, TabPartOf(position))).value_or(QSize());
}

void TTeSkinFile::TabDrawScrollButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                      const std::string& objectName) {
  const TPartNames* part = info.Part == ktsLeft    ? &catalogue::kTabLeftButton
                           : info.Part == ktsRight ? &catalogue::kTabRightButton
                                                   : nullptr;
  if (part) PaintRequest(canvas, objectName, ceTabs, *part, info.Rect, info.State);
}

QSize TTeSkinFile::TabGetScrollButtonSize(uint8_t kind, const std::string& objectName) {
  return PartSize(ChoosePart(objectName, ceTabs, catalogue::kTabLeftButton))
      .value_or(TteTheme::TabGetScrollButtonSize(kind, objectName));
}

// ---- List box -------------------------------------------------------------------------

bool TTeSkinFile::IsListBoxDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind, {{0, ceListBox}});
}

void TTeSkinFile::ListBoxDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string& objectName) {
  PaintRequest(canvas, objectName, ceListBox, catalogue::kFrame, info.Rect, info.State);
}

TRect TTeSkinFile::ListBoxGetClientRect(uint8_t kind, const TRect& rect,
                                        const std::string& objectName) {
  return RequestClientRect(objectName, ceListBox, catalogue::kFrame, rect)
      .value_or(TteTheme::ListBoxGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::ListBoxDrawItem(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string& objectName) {
  PaintRequest(canvas, objectName, ceListBox, catalogue::kItem, info.Rect,
               SelectedAs(info.State, kpsPressed));
}

// The marks of a check list: the named object's own when it has them, else those of
// "Checkbox".
void TTeSkinFile::ListBoxDrawCheck(TCanvas& canvas, uint8_t, const TteCheckInfo& info,
                                   const std::string& objectName) {
  const auto mark = CheckPartOf(kckCheckBox, info.Mark);
  if (!mark) return;
  TSeSkinObject* part = FindPart(NamedObject(objectName), *mark->Part);
  if (!part) part = FindPart(FCache[ceCheckbox], *mark->Part);
  PaintPart(canvas, part, info.Rect, mark->State);
}

QSize TTeSkinFile::ListBoxGetCheckSize(uint8_t, const std::string& objectName) {
  TSeSkinObject* checked = FindPart(NamedObject(objectName), catalogue::kChecked);
  if (!checked) checked = FindPart(FCache[ceCheckbox], catalogue::kChecked);
  return PartSize(checked).value_or(CheckGetSize(kckCheckBox, objectName));
}

// ---- Item list ------------------------------------------------------------------------

bool TTeSkinFile::IsItemListDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceListBox}});
}

void TTeSkinFile::ItemListDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, ceListBox, catalogue::kFrame, info.Rect, info.State);
}

TRect TTeSkinFile::ItemListGetClientRect(uint8_t kind, const TRect& rect,
                                         const std::string& objectName) {
  return RequestClientRect(objectName, ceListBox, catalogue::kFrame, rect)
      .value_or(TteTheme::ItemListGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::ItemListDrawItem(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string& objectName) {
  PaintRequest(canvas, objectName, ceListBox, catalogue::kItem, info.Rect,
               SelectedAs(info.State, kpsPressed));
}

// ---- Grid -----------------------------------------------------------------------------

bool TTeSkinFile::IsGridDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceGrid}});
}

void TTeSkinFile::GridDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string& objectName) {
  PaintRequest(canvas, objectName, ceGrid, catalogue::kFrame, info.Rect, info.State);
}

TRect TTeSkinFile::GridGetClientRect(uint8_t kind, const TRect& rect,
                                     const std::string& objectName) {
  return RequestClientRect(objectName, ceGrid, catalogue::kFrame, rect)
      .value_or(TteTheme::GridGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::GridDrawFixedCell(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, ceGrid, catalogue::kFixed, info.Rect,
               SelectedAs(info.State, kpsPressed));
}

void TTeSkinFile::GridDrawCell(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                               const std::string& objectName) {
  PaintRequest(canvas, objectName, ceGrid, catalogue::kCell, info.Rect,
               SelectedAs(info.State, kpsPressed));
}

}  // namespace vt
