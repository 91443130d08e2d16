// The element table and the paint members it names. Each paint member is one call into
// the theme (two where a part is painted over the background it sits on).
//
// Sections: 1. states  2. paint members  3. the table  4. look-ups
#include "controls/te_styleelements.h"

#include <QStyleOption>
#include <QTabBar>
#include <QToolBar>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "theme/te_thememanager.h"

namespace vt {

// ---- 1. States ----------------------------------------------------------------------

TSeState ObjectStateOf(const QStyleOption& option, uint32_t subControl) {
  const QStyle::State state = option.state;
  if (!(state & QStyle::State_Enabled)) return ssDisabled;
  bool active = true;
  if (subControl != 0) {
    const auto* complex = qstyleoption_cast<const QStyleOptionComplex*>(&option);
    active = complex && (complex->activeSubControls & subControl);
  }
  if (active && (state & QStyle::State_Sunken)) return ssPressed;
  if (active && (state & QStyle::State_MouseOver)) return ssHot;
  if (subControl == 0 && (state & QStyle::State_HasFocus)) return ssFocused;
  return ssNormal;
}

uint8_t RequestStateOf(TSeState state) {
  switch (state) {
    case ssPressed:
      return kpsPressed;
    case ssHot:
      return kpsHot;
    case ssDisabled:
      return kpsDisabled;
    case ssFocused:
      return kpsFocused;
    default:
      return kpsNormal;
  }
}

TteOrientation OrientationOf(const QStyleOption& option) {
  return (option.state & QStyle::State_Horizontal) ? koHorizontal : koVertical;
}

uint8_t TStyleRequest::RequestState() const {
  return RequestStateOf(ObjectState);
}

TtePartInfo TStyleRequest::PartInfo() const {
  TtePartInfo info;
  info.Rect = Rect;
  info.Part = Part;
  info.State = RequestState();
  info.Orientation = Orientation;
  if (Option.state & QStyle::State_HasFocus) info.Flags |= kpfFocused;
  return info;
}

TteTabPosition TabPositionOf(QTabBar::Shape shape) {
  switch (shape) {
    case QTabBar::RoundedSouth:
    case QTabBar::TriangularSouth:
      return ktpBottom;
    case QTabBar::RoundedWest:
    case QTabBar::TriangularWest:
      return ktpLeft;
    case QTabBar::RoundedEast:
    case QTabBar::TriangularEast:
      return ktpRight;
    default:
      return ktpTop;
  }
}

TFrameRole FrameRoleOf(const QWidget* widget) {
  return widget ? TFrameRole(widget->property(kFrameRoleProperty).toInt()) : TFrameRole::None;
}

namespace {

bool IsChecked(const QStyleOption& option) {
  return option.state & QStyle::State_On;
}

// The mark byte of a check request: which mark, then which of its four looks.
uint8_t CheckMarkOf(const QStyleOption& option, TSeState state) {
  const uint8_t mark = (option.state & QStyle::State_NoChange) ? kcmMixedNormal
                       : IsChecked(option)                     ? kcmCheckedNormal
                                                               : kcmUncheckedNormal;
  switch (state) {
    case ssHot:
      return mark + 1;
    case ssPressed:
      return mark + 2;
    case ssDisabled:
      return mark + 3;
    default:
      return mark;
  }
}

TteSectionDrawState SectionStateOf(TSeState state) {
  switch (state) {
    case ssPressed:
      return khdsPressed;
    case ssHot:
      return khdsHot;
    case ssDisabled:
      return khdsDisabled;
    default:
      return khdsNormal;
  }
}

TteThumbPart ThumbPartOf(const QStyleOption& option) {
  const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(&option);
  if (!slider) return kthPlain;
  switch (slider->tickPosition) {
    case QSlider::TicksAbove:
      return kthTopLeft;
    case QSlider::TicksBelow:
      return kthBottomRight;
    case QSlider::TicksBothSides:
      return kthBoth;
    default:
      return kthPlain;
  }
}

// The filled part of a progress bar's contents rectangle.
TRect ProgressFillOf(const QStyleOptionProgressBar& bar, const TRect& rect) {
  const double span = double(bar.maximum) - double(bar.minimum);
  const double done = std::clamp((double(bar.progress) - double(bar.minimum)) / span, 0.0, 1.0);
  const bool vertical = !(bar.state & QStyle::State_Horizontal);
  const bool reversed = bar.invertedAppearance != (bar.direction == Qt::RightToLeft && !vertical);
  TRect fill = rect;
  if (vertical) {
    const int length = int(rect.Height() * done + 0.5);
    if (bar.invertedAppearance)
      fill.Bottom = rect.Top + length;
    else
      fill.Top = rect.Bottom - length;
  } else {
    const int length = int(rect.Width() * done + 0.5);
    if (reversed)
      fill.Left = rect.Right - length;
    else
      fill.Right = rect.Left + length;
  }
  return fill;
}

// ---- 2. Paint members -----------------------------------------------------------------

void PaintButton(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  // A checked push button stays down.
  if (IsChecked(request.Option) && request.ObjectState != ssDisabled) info.State = kpsPressed;
  if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&request.Option))
    if (button->features & QStyleOptionButton::DefaultButton) info.Flags |= kpfDefault;
  theme.ButtonDraw(canvas, request.Kind, info, request.Object);
}

void PaintCheck(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.CheckDraw(canvas, request.Kind,
                  {request.Rect, CheckMarkOf(request.Option, request.ObjectState)}, request.Object);
}

void PaintListCheck(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.ListBoxDrawCheck(canvas, request.Kind,
                         {request.Rect, CheckMarkOf(request.Option, request.ObjectState)},
                         request.Object);
}

// Most parts are one call into the theme with the request's kind, part and object.
template <auto Draw>
void PaintWhole(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  (theme.*Draw)(canvas, request.Kind, request.PartInfo(), request.Object);
}

constexpr auto PaintEdit = &PaintWhole<&TteTheme::EditDraw>;
constexpr auto PaintEditButton = &PaintWhole<&TteTheme::EditDrawButton>;
constexpr auto PaintEditFrame = &PaintWhole<&TteTheme::EditFrameDraw>;
constexpr auto PaintToolSeparator = &PaintWhole<&TteTheme::ToolBarDrawSeparator>;
constexpr auto PaintGrabber = &PaintWhole<&TteTheme::ToolBarDrawGrabber>;
constexpr auto PaintGroupBox = &PaintWhole<&TteTheme::GroupBoxDrawFrame>;
constexpr auto PaintStatusPanel = &PaintWhole<&TteTheme::StatusDrawPanel>;
constexpr auto PaintListFrame = &PaintWhole<&TteTheme::ListBoxDrawFrame>;
constexpr auto PaintItemListFrame = &PaintWhole<&TteTheme::ItemListDrawFrame>;
constexpr auto PaintGridFrame = &PaintWhole<&TteTheme::GridDrawFrame>;
constexpr auto PaintContainer = &PaintWhole<&TteTheme::ContainerDraw>;
constexpr auto PaintProgressFrame = &PaintWhole<&TteTheme::ProgressDraw>;
constexpr auto PaintScrollTrack = &PaintWhole<&TteTheme::ScrollDrawTrack>;
constexpr auto PaintScrollButton = &PaintWhole<&TteTheme::ScrollDrawButton>;
constexpr auto PaintTrack = &PaintWhole<&TteTheme::TrackDrawTrack>;
constexpr auto PaintSpinButton = &PaintWhole<&TteTheme::ButtonDraw>;
constexpr auto PaintPanelFrame = &PaintWhole<&TteTheme::PanelDrawFrame>;
constexpr auto PaintPanelCaption = &PaintWhole<&TteTheme::PanelDrawCaption>;
constexpr auto PaintPanelButton = &PaintWhole<&TteTheme::PanelDrawButton>;
constexpr auto PaintSeparator = &PaintWhole<&TteTheme::SplitterDraw>;

void PaintToolButton(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  if (request.Option.state & QStyle::State_AutoRaise) info.Flags |= kpfFlat;
  if (IsChecked(request.Option)) info.Flags |= kpfChecked;
  theme.ToolBarDrawButton(canvas, request.Kind, info, request.Object);
}

// A tool bar is a frame on the back of the control bar that holds it.
void PaintToolBar(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.ControlBarDraw(canvas, request.Kind, request.Rect, request.Object);
  theme.ToolBarDrawFrame(canvas, request.Kind, request.Rect, request.Object);
}

void PaintControlBar(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.ControlBarDraw(canvas, request.Kind, request.Rect, request.Object);
}

// The button that shows a full tool bar's hidden actions points along the bar.
void PaintChevron(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  const auto* bar =
      request.Widget ? qobject_cast<const QToolBar*>(request.Widget->parentWidget()) : nullptr;
  info.Orientation = bar && bar->orientation() == Qt::Vertical ? koVertical : koHorizontal;
  if (request.Option.state & QStyle::State_AutoRaise) info.Flags |= kpfFlat;
  theme.ToolBarDrawChevron(canvas, request.Kind, info, request.Object);
}

void PaintFocusRect(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.CheckDrawFocus(canvas, request.Kind, request.Rect, request.Object);
}

void PaintMenuFrame(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.MenuDrawFrame(canvas, request.Kind, request.Rect, request.Object);
}

void PaintMenuItem(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(&request.Option);
  TtePartInfo info = request.PartInfo();
  if (item && item->menuItemType == QStyleOptionMenuItem::Separator)
    return theme.MenuDrawSeparator(canvas, request.Kind, info, request.Object);
  if (request.Option.state & QStyle::State_Selected) info.State = kpsSelected;
  // Only a lit item has a look of its own; the others show the menu behind them.
  if (info.State != kpsNormal) theme.MenuDrawItem(canvas, request.Kind, info, request.Object);
}

// A menu bar item sits on the bar: the bar's frame is painted over the whole bar, clipped
// to the item, then the item's look when it is lit.
void PaintMenuBarItem(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  const std::optional<TRect> clip = canvas.ClipRect();
  canvas.SetClipRect(clip ? IntersectRect(*clip, request.Rect) : request.Rect);
  const TRect bar = request.Widget ? TRect::FromQRect(request.Widget->rect()) : request.Rect;
  theme.MenuDrawFrame(canvas, request.Kind, bar, request.Object);
  canvas.SetClipRect(clip);
  TtePartInfo info = request.PartInfo();
  if (request.Option.state & QStyle::State_Sunken)
    info.State = kpsPressed;
  else if (request.Option.state & QStyle::State_Selected)
    info.State = kpsSelected;
  if (info.State != kpsNormal && info.State != kpsFocused)
    theme.MenuDrawItem(canvas, request.Kind, info, request.Object);
}

void PaintMenuScroller(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  info.Part = (request.Option.state & QStyle::State_DownArrow) ? kmsDown : kmsUp;
  theme.MenuDrawScrollButton(canvas, request.Kind, info, request.Object);
}

void PaintTabFrame(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  if (const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(&request.Option))
    info.Part = TabPositionOf(frame->shape);
  theme.TabDrawFrame(canvas, request.Kind, info, request.Object);
}

void PaintTab(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(&request.Option))
    info.Part = TabPositionOf(tab->shape);
  if ((request.Option.state & QStyle::State_Selected) && request.ObjectState != ssDisabled)
    info.State = kpsSelected;
  theme.TabDrawTab(canvas, request.Kind, info, request.Object);
}

void PaintStatusFrame(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.StatusDrawFrame(canvas, request.Kind, request.Rect, request.Object);
}

void PaintGripper(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.StatusDrawGripper(canvas, request.Kind, request.Rect, request.Object);
}

void PaintHint(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.HintDraw(canvas, request.Rect, request.Object);
}

void PaintHeaderSection(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.HeaderDrawSection(canvas, request.Kind, {request.Rect, SectionStateOf(request.ObjectState)},
                          request.Object);
}

void PaintHeaderFrame(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.HeaderDrawFrame(canvas, request.Kind, request.Rect, request.Object);
}

// Items look selected when selected, hot under the mouse.
TtePartInfo ItemInfoOf(const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  if ((request.Option.state & QStyle::State_Selected) && request.ObjectState != ssDisabled)
    info.State = kpsSelected;
  return info;
}

void PaintListItem(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.ListBoxDrawItem(canvas, request.Kind, ItemInfoOf(request), request.Object);
}

void PaintItemListItem(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.ItemListDrawItem(canvas, request.Kind, ItemInfoOf(request), request.Object);
}

void PaintGridCell(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.GridDrawCell(canvas, request.Kind, ItemInfoOf(request), request.Object);
}

void PaintScrollBoxFrame(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  theme.ScrollBoxDrawFrame(canvas, request.Kind, request.Rect, request.Object);
}

void PaintProgressBar(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(&request.Option);
  TtePartInfo info = request.PartInfo();
  info.Rect = ProgressFillOf(*bar, request.Rect);
  if (!info.Rect.IsEmpty()) theme.ProgressDraw(canvas, request.Kind, info, request.Object);
}

void PaintThumb(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  info.Part = ThumbPartOf(request.Option);
  theme.TrackDrawThumb(canvas, request.Kind, info, request.Object);
}

// A splitter whose handle divides columns (a horizontal splitter) is a vertical bar.
void PaintSplitter(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request) {
  TtePartInfo info = request.PartInfo();
  info.Orientation = request.Orientation == koHorizontal ? koVertical : koHorizontal;
  theme.SplitterDraw(canvas, request.Kind, info, request.Object);
}

// ---- Conditions -------------------------------------------------------------------

bool HasFrame(const QStyleOption& option) {
  const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(&option);
  return frame && frame->lineWidth > 0;
}

bool IsPanelShape(const QStyleOption& option) {
  const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(&option);
  if (!frame) return false;
  switch (frame->frameShape) {
    case QFrame::Box:
    case QFrame::Panel:
    case QFrame::StyledPanel:
    case QFrame::WinPanel:
      return true;
    default:
      return false;
  }
}

bool IsLitItem(const QStyleOption& option) {
  return option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
}

bool HasDeterminateProgress(const QStyleOption& option) {
  const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(&option);
  return bar && bar->maximum > bar->minimum;
}

// ---- 3. The table ------------------------------------------------------------------

using F = TThemeFamily;
using C = TElementClass;
using X = TElementContent;
constexpr uint32_t Role(TFrameRole role) {
  return uint32_t(role);
}

// Complex controls are listed sub-control by sub-control in painting order.
const TStyleElement kStyleElements[] = {
    // clang-format off
    // class     element                               sub                              family       kind                 part            vertical        paint               applies                 state  wholeRect content
    {C::Primitive, QStyle::PE_PanelButtonCommand,       0,                                F::Button,   kbkPushButton,       kbpFace,        kbpFace,        PaintButton,        nullptr,                0, false, X::FocusFrame},
    {C::Primitive, QStyle::PE_PanelButtonBevel,         0,                                F::Button,   kbkPushButton,       kbpFace,        kbpFace,        PaintButton,        nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_IndicatorCheckBox,        0,                                F::Check,    kckCheckBox,         0,              0,              PaintCheck,         nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_IndicatorRadioButton,     0,                                F::Check,    kckRadioButton,      0,              0,              PaintCheck,         nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_IndicatorMenuCheckMark,   0,                                F::Check,    kckCheckBox,         0,              0,              PaintCheck,         nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_IndicatorItemViewItemCheck, 0,                              F::ListBox,  0,                   0,              0,              PaintListCheck,     nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelLineEdit,            0,                                F::Edit,     kekEdit,             0,              0,              PaintEdit,          HasFrame,               0, false, X::FocusFrame},
    {C::Primitive, QStyle::PE_FrameLineEdit,            0,                                F::Edit,     kekEdit,             0,              0,              PaintEdit,          nullptr,                0, false, X::FocusFrame},
    {C::Primitive, QStyle::PE_PanelButtonTool,          0,                                F::ToolBar,  0,                   ktbFace,        ktbFace,        PaintToolButton,    nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_IndicatorButtonDropDown,  0,                                F::ToolBar,  0,                   ktbDropDown,    ktbDropDown,    PaintToolButton,    nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_IndicatorToolBarSeparator, 0,                               F::ToolBar,  0,                   0,              0,              PaintToolSeparator, nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_IndicatorToolBarHandle,   0,                                F::ToolBar,  0,                   0,              0,              PaintGrabber,       nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelButtonTool,          Role(TFrameRole::DockClose),      F::Panel,    kpkDock,             kpbHide,        kpbHide,        PaintPanelButton,   nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelButtonTool,          Role(TFrameRole::ToolBarExtension), F::ToolBar, 0,                  0,              0,              nullptr,            nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelToolBar,             0,                                F::ControlBar, 0,                 0,              0,              PaintControlBar,    nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_FrameDockWidget,          0,                                F::Panel,    kpkDock,             0,              0,              PaintPanelFrame,    nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_IndicatorDockWidgetResizeHandle, 0,                         F::Splitter, 0,                   0,              0,              PaintSeparator,     nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_FrameFocusRect,           0,                                F::Check,    kckCheckBox,         0,              0,              PaintFocusRect,     nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelMenu,                0,                                F::Menu,     kmkPopupMenu,        0,              0,              PaintMenuFrame,     nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_FrameMenu,                0,                                F::Menu,     kmkPopupMenu,        0,              0,              nullptr,            nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelMenuBar,             0,                                F::Menu,     kmkMenuBar,          0,              0,              PaintMenuFrame,     nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_FrameGroupBox,            0,                                F::GroupBox, 0,                   0,              0,              PaintGroupBox,      nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_FrameTabWidget,           0,                                F::Tab,      0,                   ktpTop,         ktpTop,         PaintTabFrame,      nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelStatusBar,           0,                                F::Status,   0,                   0,              0,              PaintStatusFrame,   nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_FrameStatusBarItem,       0,                                F::Status,   0,                   0,              0,              PaintStatusPanel,   nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelTipLabel,            0,                                F::Hint,     0,                   0,              0,              PaintHint,          nullptr,                0, false, X::None},
    {C::Primitive, QStyle::PE_PanelItemViewItem,        Role(TFrameRole::ListBox),        F::ListBox,  0,                   0,              0,              PaintListItem,      IsLitItem,              0, false, X::None},
    {C::Primitive, QStyle::PE_PanelItemViewItem,        Role(TFrameRole::ItemList),       F::ItemList, 0,                   0,              0,              PaintItemListItem,  IsLitItem,              0, false, X::None},
    {C::Primitive, QStyle::PE_PanelItemViewItem,        Role(TFrameRole::Grid),           F::Grid,     0,                   0,              0,              PaintGridCell,      IsLitItem,              0, false, X::None},
    {C::Control,   QStyle::CE_TabBarTabShape,           0,                                F::Tab,      0,                   ktpTop,         ktpTop,         PaintTab,           nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_HeaderSection,            0,                                F::Header,   0,                   0,              0,              PaintHeaderSection, nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_HeaderEmptyArea,          0,                                F::Header,   0,                   0,              0,              PaintHeaderFrame,   nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_ProgressBarGroove,        0,                                F::Progress, 0,                   kppFrameHorz,   kppFrameVert,   PaintProgressFrame, nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_ProgressBarContents,      0,                                F::Progress, 0,                   kppBarHorz,     kppBarVert,     PaintProgressBar,   HasDeterminateProgress, 0, false, X::None},
    {C::Control,   QStyle::CE_MenuItem,                 0,                                F::Menu,     kmkPopupMenu,        0,              0,              PaintMenuItem,      nullptr,                0, false, X::BaseUnhighlighted},
    {C::Control,   QStyle::CE_MenuBarItem,              0,                                F::Menu,     kmkMenuBar,          0,              0,              PaintMenuBarItem,   nullptr,                0, false, X::MenuBarText},
    {C::Control,   QStyle::CE_MenuBarEmptyArea,         0,                                F::Menu,     kmkMenuBar,          0,              0,              PaintMenuFrame,     nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_MenuScroller,             0,                                F::Menu,     kmkPopupMenu,        0,              0,              PaintMenuScroller,  nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_ToolBar,                  0,                                F::ToolBar,  0,                   0,              0,              PaintToolBar,       nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_DockWidgetTitle,          0,                                F::Panel,    kpkDock,             0,              0,              PaintPanelCaption,  nullptr,                0, false, X::DockTitleText},
    {C::Control,   QStyle::CE_ToolButtonLabel,          Role(TFrameRole::DockClose),      F::Panel,    kpkDock,             0,              0,              nullptr,            nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_ToolButtonLabel,          Role(TFrameRole::ToolBarExtension), F::ToolBar, 0,                  0,              0,              PaintChevron,       nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_Splitter,                 0,                                F::Splitter, 0,                   0,              0,              PaintSplitter,      nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_SizeGrip,                 0,                                F::Status,   0,                   0,              0,              PaintGripper,       nullptr,                0, false, X::None},
    {C::Control,   QStyle::CE_ShapedFrame,              Role(TFrameRole::Panel),          F::Container, 0,                  0,              0,              PaintContainer,     IsPanelShape,           0, false, X::None},
    {C::Control,   QStyle::CE_ShapedFrame,              Role(TFrameRole::ListBox),        F::ListBox,  0,                   0,              0,              PaintListFrame,     IsPanelShape,           0, false, X::None},
    {C::Control,   QStyle::CE_ShapedFrame,              Role(TFrameRole::ItemList),       F::ItemList, 0,                   0,              0,              PaintItemListFrame, IsPanelShape,           0, false, X::None},
    {C::Control,   QStyle::CE_ShapedFrame,              Role(TFrameRole::Grid),           F::Grid,     0,                   0,              0,              PaintGridFrame,     IsPanelShape,           0, false, X::None},
    {C::Control,   QStyle::CE_ShapedFrame,              Role(TFrameRole::ScrollBox),      F::ScrollBox, 0,                  0,              0,              PaintScrollBoxFrame, IsPanelShape,          0, false, X::None},
    {C::Control,   QStyle::CE_ShapedFrame,              Role(TFrameRole::Edit),           F::Edit,     kekEdit,             0,              0,              PaintEditFrame,     IsPanelShape,           0, false, X::None},
    {C::Complex,   QStyle::CC_ScrollBar,                QStyle::SC_ScrollBarGroove,       F::Scroll,   0,                   0,              0,              PaintScrollTrack,   nullptr,                QStyle::SC_ScrollBarGroove | QStyle::SC_ScrollBarAddPage | QStyle::SC_ScrollBarSubPage, true, X::None},
    {C::Complex,   QStyle::CC_ScrollBar,                QStyle::SC_ScrollBarAddPage,      F::Scroll,   0,                   0,              0,              nullptr,            nullptr,                QStyle::SC_ScrollBarAddPage, false, X::None},
    {C::Complex,   QStyle::CC_ScrollBar,                QStyle::SC_ScrollBarSubPage,      F::Scroll,   0,                   0,              0,              nullptr,            nullptr,                QStyle::SC_ScrollBarSubPage, false, X::None},
    {C::Complex,   QStyle::CC_ScrollBar,                QStyle::SC_ScrollBarFirst,        F::Scroll,   0,                   0,              0,              nullptr,            nullptr,                QStyle::SC_ScrollBarFirst, false, X::None},
    {C::Complex,   QStyle::CC_ScrollBar,                QStyle::SC_ScrollBarLast,         F::Scroll,   0,                   0,              0,              nullptr,            nullptr,                QStyle::SC_ScrollBarLast, false, X::None},
    {C::Complex,   QStyle::CC_ScrollBar,                QStyle::SC_ScrollBarSubLine,      F::Scroll,   0,                   kspLeftButton,  kspTopButton,   PaintScrollButton,  nullptr,                QStyle::SC_ScrollBarSubLine, false, X::None},
    {C::Complex,   QStyle::CC_ScrollBar,                QStyle::SC_ScrollBarAddLine,      F::Scroll,   0,                   kspRightButton, kspBottomButton, PaintScrollButton, nullptr,                QStyle::SC_ScrollBarAddLine, false, X::None},
    {C::Complex,   QStyle::CC_ScrollBar,                QStyle::SC_ScrollBarSlider,       F::Scroll,   0,                   kspHorzSlider,  kspVertSlider,  PaintScrollButton,  nullptr,                QStyle::SC_ScrollBarSlider, false, X::None},
    {C::Complex,   QStyle::CC_Slider,                   QStyle::SC_SliderGroove,          F::Track,    0,                   0,              0,              PaintTrack,         nullptr,                0,  false, X::None},
    {C::Complex,   QStyle::CC_Slider,                   QStyle::SC_SliderHandle,          F::Track,    0,                   0,              0,              PaintThumb,         nullptr,                QStyle::SC_SliderHandle, false, X::None},
    {C::Complex,   QStyle::CC_SpinBox,                  QStyle::SC_SpinBoxFrame,          F::Edit,     kekEdit,             0,              0,              PaintEdit,          nullptr,                0,  false, X::None},
    {C::Complex,   QStyle::CC_SpinBox,                  QStyle::SC_SpinBoxEditField,      F::Edit,     kekEdit,             0,              0,              nullptr,            nullptr,                QStyle::SC_SpinBoxEditField, false, X::None},
    {C::Complex,   QStyle::CC_SpinBox,                  QStyle::SC_SpinBoxUp,             F::Button,   kbkSpinVertical,     kbpSpinLeft,    kbpSpinLeft,    PaintSpinButton,    nullptr,                QStyle::SC_SpinBoxUp, false, X::None},
    {C::Complex,   QStyle::CC_SpinBox,                  QStyle::SC_SpinBoxDown,           F::Button,   kbkSpinVertical,     kbpSpinRight,   kbpSpinRight,   PaintSpinButton,    nullptr,                QStyle::SC_SpinBoxDown, false, X::None},
    {C::Complex,   QStyle::CC_ComboBox,                 QStyle::SC_ComboBoxFrame,         F::Edit,     kekComboBoxRight,    0,              0,              PaintEdit,          nullptr,                0,  false, X::None},
    {C::Complex,   QStyle::CC_ComboBox,                 QStyle::SC_ComboBoxEditField,     F::Edit,     kekComboBoxRight,    0,              0,              nullptr,            nullptr,                QStyle::SC_ComboBoxEditField, false, X::None},
    {C::Complex,   QStyle::CC_ComboBox,                 QStyle::SC_ComboBoxListBoxPopup,  F::Edit,     kekComboBoxRight,    0,              0,              nullptr,            nullptr,                QStyle::SC_ComboBoxListBoxPopup, false, X::None},
    {C::Complex,   QStyle::CC_ComboBox,                 QStyle::SC_ComboBoxArrow,         F::Edit,     kekComboBoxRight,    1,              1,              PaintEditButton,    nullptr,                QStyle::SC_ComboBoxArrow, false, X::None},
    // clang-format on
};

// The IsXxxDefined query of each family, in TThemeFamily order.
const TteThemeManager::TIsDefinedQuery kFamilyQueries[] = {
    &TteTheme::IsWindowDefined,    &TteTheme::IsHintDefined,       &TteTheme::IsTextDefined,
    &TteTheme::IsContainerDefined, &TteTheme::IsButtonDefined,     &TteTheme::IsCheckDefined,
    &TteTheme::IsSplitterDefined,  &TteTheme::IsScrollDefined,     &TteTheme::IsProgressDefined,
    &TteTheme::IsTrackDefined,     &TteTheme::IsHeaderDefined,     &TteTheme::IsStatusDefined,
    &TteTheme::IsEditDefined,      &TteTheme::IsGroupBoxDefined,   &TteTheme::IsEditFrameDefined,
    &TteTheme::IsMenuDefined,      &TteTheme::IsControlBarDefined, &TteTheme::IsToolBarDefined,
    &TteTheme::IsScrollBoxDefined, &TteTheme::IsPanelDefined,      &TteTheme::IsTabDefined,
    &TteTheme::IsListBoxDefined,   &TteTheme::IsItemListDefined,   &TteTheme::IsGridDefined,
};
static_assert(std::size(kFamilyQueries) == size_t(TThemeFamily::Grid) + 1, "one query per family");

}  // namespace

// ---- 4. Look-ups ------------------------------------------------------------------

const TStyleElement* FindStyleElement(TElementClass elementClass, int element, uint32_t sub) {
  for (const TStyleElement& entry : kStyleElements)
    if (entry.Class == elementClass && entry.Element == element && entry.Sub == sub) return &entry;
  return nullptr;
}

std::span<const TStyleElement> ComplexControlElements(int control) {
  const auto isControl = [control](const TStyleElement& entry) {
    return entry.Class == TElementClass::Complex && entry.Element == control;
  };
  const auto* first = std::find_if(std::begin(kStyleElements), std::end(kStyleElements), isControl);
  const auto* last = std::find_if_not(first, std::end(kStyleElements), isControl);
  return {first, last};
}

bool IsFamilyDefined(TThemeFamily family, uint8_t kind, const std::string& objectName,
                     const TteCustomThemeLink* link) {
  return TteThemeManager::Instance().IsDefined(kFamilyQueries[size_t(family)], kind, objectName,
                                               link);
}

}  // namespace vt
