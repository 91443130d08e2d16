// TTeStyle: painting, sizes, palette and fonts, and the theme-change protocol.
//
// Sections: 1. tables of palette roles and fonts  2. painting  3. sizes  4. polish and
// theme changes
#include "controls/TTeStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>

#include "controls/te_controls.h"
#include "controls/te_stylecanvas.h"
#include "theme/te_thememanager.h"

namespace vt {

// ---- 1. Palette roles and fonts -----------------------------------------------------

namespace {

// Indices into the theme's 26 system colours (TteThemeSysColors).
enum TSysColorIndex : int {
  sciBtnFace = 4,
  sciBtnHighlight = 5,
  sciBtnShadow = 6,
  sciBtnText = 7,
  sciGrayText = 10,
  sciHighlight = 11,
  sciHighlightText = 12,
  sciInfoBk = 16,
  sciInfoText = 17,
  sci3DDkShadow = 21,
  sci3DLight = 22,
  sciWindow = 23,
  sciWindowText = 25,
};

struct TPaletteEntry {
  QPalette::ColorGroup Group;
  QPalette::ColorRole Role;
  int SysColor;
};

// Disabled entries come after the others, so that they win over QPalette::All.
const TPaletteEntry kPaletteRoles[] = {
    {QPalette::All, QPalette::Window, sciBtnFace},
    {QPalette::All, QPalette::WindowText, sciWindowText},
    {QPalette::All, QPalette::Base, sciWindow},
    {QPalette::All, QPalette::AlternateBase, sciBtnFace},
    {QPalette::All, QPalette::Text, sciWindowText},
    {QPalette::All, QPalette::Button, sciBtnFace},
    {QPalette::All, QPalette::ButtonText, sciBtnText},
    {QPalette::All, QPalette::BrightText, sciBtnHighlight},
    {QPalette::All, QPalette::Light, sciBtnHighlight},
    {QPalette::All, QPalette::Midlight, sci3DLight},
    {QPalette::All, QPalette::Mid, sciBtnShadow},
    {QPalette::All, QPalette::Dark, sciBtnShadow},
    {QPalette::All, QPalette::Shadow, sci3DDkShadow},
    {QPalette::All, QPalette::Highlight, sciHighlight},
    {QPalette::All, QPalette::HighlightedText, sciHighlightText},
    {QPalette::All, QPalette::ToolTipBase, sciInfoBk},
    {QPalette::All, QPalette::ToolTipText, sciInfoText},
    {QPalette::All, QPalette::PlaceholderText, sciGrayText},
    {QPalette::Disabled, QPalette::WindowText, sciGrayText},
    {QPalette::Disabled, QPalette::Text, sciGrayText},
    {QPalette::Disabled, QPalette::ButtonText, sciGrayText},
};

// The theme font each widget class shows its text in (TteThemeFonts indices).
struct TClassFont {
  const char* ClassName;
  int FontIndex;
};

const TClassFont kClassFonts[] = {
    {"QLabel", 4},
    {"QPushButton", 10},
    {"QCheckBox", 15},
    {"QRadioButton", 20},
    {"QGroupBox", 25},
    {"QLineEdit", 29},
    {"QAbstractSpinBox", 29},
    {"QComboBox", 29},
    {"QTextEdit", 29},
    {"QPlainTextEdit", 29},
    {"QMenuBar", 34},
    {"QToolButton", 38},
    {"QHeaderView", 42},
    {"QStatusBar", 49},
    {"QTabBar", 54},
    {"QAbstractItemView", 57},
    {"QMenu", 62},
};
constexpr int kWindowTextFont = 27;

QColor ToQColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// Where the frame of a widget of this class comes from, or which part Qt's own button plays.
TFrameRole FrameRoleForClass(const QWidget& widget) {
  if (widget.objectName() == QLatin1String("qt_dockwidget_closebutton"))
    return TFrameRole::DockClose;
  if (widget.objectName() == QLatin1String("qt_toolbar_ext_button"))
    return TFrameRole::ToolBarExtension;
  if (qobject_cast<const QTableView*>(&widget)) return TFrameRole::Grid;
  if (qobject_cast<const QTreeView*>(&widget)) return TFrameRole::ItemList;
  if (qobject_cast<const QAbstractItemView*>(&widget)) return TFrameRole::ListBox;
  if (qobject_cast<const QTextEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget))
    return TFrameRole::Edit;
  if (qobject_cast<const QAbstractScrollArea*>(&widget)) return TFrameRole::ScrollBox;
  if (qobject_cast<const QFrame*>(&widget)) return TFrameRole::Panel;
  return TFrameRole::None;
}

// Widgets whose look changes under the mouse and that Fusion does not mark already.
bool WantsHover(const QWidget& widget) {
  return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QTabBar*>(&widget) ||
         qobject_cast<const QHeaderView*>(&widget) || qobject_cast<const QMenuBar*>(&widget);
}

// The left inset of a family's client rectangle, as a frame width.
int InsetOf(const TRect& outer, const TRect& client) {
  return std::max(0, client.Left - outer.Left);
}

const TRect kProbeRect = TRect::FromSize(0, 0, 100, 100);
constexpr int kSkinTabCaptionSpace = 4;

}  // namespace

TTeStyle::TTeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
  setObjectName(QStringLiteral("vtskin"));
  AddThemeNotification(this);
}

TTeStyle::~TTeStyle() {
  RemoveThemeNotification(this);
}

// ---- 2. Painting --------------------------------------------------------------------

TTeStyle::TWidgetTheme TTeStyle::WidgetThemeOf(const QWidget* widget) const {
  if (!widget) return {kDefaultObjectName, nullptr, TFrameRole::None};
  const auto found = FWidgets.constFind(widget);
  if (found != FWidgets.constEnd()) return *found;
  return {ThemeObjectOf(widget), ThemeLinkOf(widget), FrameRoleOf(widget)};
}

void TTeStyle::RememberWidget(QWidget& widget) {
  if (!FWidgets.contains(&widget))
    connect(&widget, &QObject::destroyed, this,
            [this](QObject* object) { FWidgets.remove(static_cast<QWidget*>(object)); });
  FWidgets.insert(&widget, {ThemeObjectOf(&widget), ThemeLinkOf(&widget), FrameRoleOf(&widget)});
}

TteTheme* TTeStyle::DefinedTheme(TThemeFamily family, uint8_t kind,
                                 const TWidgetTheme& widget) const {
  if (!IsFamilyDefined(family, kind, widget.Object, widget.Link)) return nullptr;
  return TteThemeManager::Instance().ThemeFor(widget.Link);
}

bool TTeStyle::DrawElement(const TStyleElement* entry, const QStyleOption& option,
                           QPainter& painter, const QWidget* widget,
                           const TWidgetTheme& widgetTheme, const TRect& rect) const {
  if (!entry || (entry->Applies && !entry->Applies(option))) return false;
  TteTheme* theme = DefinedTheme(entry->Family, entry->Kind, widgetTheme);
  if (!theme) return false;
  if (!entry->Paint) return true;
  const std::string& object = widgetTheme.Object;
  const TteOrientation orientation = OrientationOf(option);
  const TStyleRequest request{option,
                              widget,
                              rect,
                              entry->Kind,
                              orientation == koVertical ? entry->PartVertical : entry->Part,
                              ObjectStateOf(option, entry->StateSubControls),
                              orientation,
                              object};
  PaintOnCanvas(painter, [&](TCanvas& canvas) { entry->Paint(*theme, canvas, request); });
  return true;
}

// An element as the theme paints it for the widget's role (a list's frame, a dock widget's
// close button), else as it paints it for every widget; nullptr when the theme paints
// neither.
const TStyleElement* TTeStyle::DrawThroughTheme(TElementClass elementClass, int element,
                                                const QStyleOption* option, QPainter& painter,
                                                const QWidget* widget) const {
  if (!option) return nullptr;
  const TWidgetTheme widgetTheme = WidgetThemeOf(widget);
  const TRect rect = TRect::FromQRect(option->rect);
  const TStyleElement* own = FindStyleElement(elementClass, element, uint32_t(widgetTheme.Role));
  if (own && DrawElement(own, *option, painter, widget, widgetTheme, rect)) return own;
  const TStyleElement* any = FindStyleElement(elementClass, element);
  if (any && any != own && DrawElement(any, *option, painter, widget, widgetTheme, rect))
    return any;
  return nullptr;
}

void TTeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const {
  if (const TStyleElement* entry =
          DrawThroughTheme(TElementClass::Primitive, element, option, *painter, widget))
    return DrawContent(*entry, *option, *painter, widget);
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TTeStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const {
  if (const TStyleElement* entry =
          DrawThroughTheme(TElementClass::Control, element, option, *painter, widget))
    return DrawContent(*entry, *option, *painter, widget);
  QProxyStyle::drawControl(element, option, painter, widget);
}

// What is left for the base style once the theme painted an element's background.
void TTeStyle::DrawContent(const TStyleElement& entry, const QStyleOption& option,
                           QPainter& painter, const QWidget* widget) const {
  switch (entry.Content) {
    case TElementContent::None:
      return;
    case TElementContent::BaseUnhighlighted: {
      const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(&option);
      if (!item || item->menuItemType == QStyleOptionMenuItem::Separator) return;
      QStyleOptionMenuItem copy = *item;
      copy.palette.setBrush(QPalette::Highlight, Qt::transparent);
      return QProxyStyle::drawControl(ControlElement(entry.Element), &copy, &painter, widget);
    }
    case TElementContent::MenuBarText: {
      const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(&option);
      if (!item) return;
      const int alignment =
          Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
      return proxy()->drawItemText(&painter, item->rect, alignment, item->palette,
                                   item->state & State_Enabled, item->text, QPalette::ButtonText);
    }
    case TElementContent::FocusFrame: {
      // A skin paints a button or an edit the same with and without the focus; the focus
      // rectangle inside the face tells them apart.
      if (!(option.state & State_HasFocus)) return;
      QStyleOptionFocusRect focus;
      focus.QStyleOption::operator=(option);
      if (qstyleoption_cast<const QStyleOptionButton*>(&option)) {
        focus.rect = proxy()->subElementRect(SE_PushButtonFocusRect, &option, widget);
      } else {
        const int frame = proxy()->pixelMetric(PM_DefaultFrameWidth, &option, widget);
        focus.rect = option.rect.adjusted(frame, frame, -frame, -frame);
      }
      return proxy()->drawPrimitive(PE_FrameFocusRect, &focus, &painter, widget);
    }
    case TElementContent::DockTitleText: {
      const auto* dock = qstyleoption_cast<const QStyleOptionDockWidget*>(&option);
      if (!dock || dock->title.isEmpty()) return;
      const QRect text = proxy()->subElementRect(SE_DockWidgetTitleBarText, &option, widget);
      return proxy()->drawItemText(
          &painter, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, dock->palette,
          dock->state & State_Enabled,
          painter.fontMetrics().elidedText(dock->title, Qt::ElideRight, text.width()),
          QPalette::WindowText);
    }
  }
}

bool TTeStyle::DrawComplexThroughTheme(ComplexControl control, const QStyleOptionComplex& option,
                                       QPainter& painter, const QWidget* widget) const {
  const std::span<const TStyleElement> entries = ComplexControlElements(control);
  if (entries.empty()) return false;
  // A control is painted by the theme as a whole or not at all: half a skinned spin box
  // beside half a Fusion one looks broken.
  const TWidgetTheme widgetTheme = WidgetThemeOf(widget);
  for (const TStyleElement& entry : entries)
    if (!DefinedTheme(entry.Family, entry.Kind, widgetTheme)) return false;
  SubControls painted = SC_None;
  for (const TStyleElement& entry : entries) {
    if (!(option.subControls & entry.Sub)) continue;
    painted |= SubControl(entry.Sub);
    const QRect rect =
        entry.WholeRect ? option.rect
                        : proxy()->subControlRect(control, &option, SubControl(entry.Sub), widget);
    DrawElement(&entry, option, painter, widget, widgetTheme, TRect::FromQRect(rect));
  }
  // Sub-controls the theme has no part for (tick marks) are the base style's.
  if (const SubControls rest = option.subControls & ~painted) {
    if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(&option)) {
      QStyleOptionSlider ticks = *slider;
      ticks.subControls = rest;
      QProxyStyle::drawComplexControl(control, &ticks, &painter, widget);
    }
  }
  return true;
}

void TTeStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                  QPainter* painter, const QWidget* widget) const {
  if (!option || !DrawComplexThroughTheme(control, *option, *painter, widget))
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

// ---- 3. Sizes -----------------------------------------------------------------------

int TTeStyle::FrameInset(const TWidgetTheme& widget) const {
  const std::string& object = widget.Object;
  switch (widget.Role) {
    case TFrameRole::ListBox:
      if (TteTheme* theme = DefinedTheme(TThemeFamily::ListBox, 0, widget))
        return InsetOf(kProbeRect, theme->ListBoxGetClientRect(0, kProbeRect, object));
      break;
    case TFrameRole::ItemList:
      if (TteTheme* theme = DefinedTheme(TThemeFamily::ItemList, 0, widget))
        return InsetOf(kProbeRect, theme->ItemListGetClientRect(0, kProbeRect, object));
      break;
    case TFrameRole::Grid:
      if (TteTheme* theme = DefinedTheme(TThemeFamily::Grid, 0, widget))
        return InsetOf(kProbeRect, theme->GridGetClientRect(0, kProbeRect, object));
      break;
    case TFrameRole::ScrollBox:
      if (TteTheme* theme = DefinedTheme(TThemeFamily::ScrollBox, 0, widget))
        return InsetOf(kProbeRect, theme->ScrollBoxGetClientRect(0, kProbeRect, object));
      break;
    case TFrameRole::Panel:
      if (TteTheme* theme = DefinedTheme(TThemeFamily::Container, 0, widget))
        return InsetOf(kProbeRect, theme->ContainerGetClientRect(0, kProbeRect, object));
      break;
    case TFrameRole::Edit:
    case TFrameRole::None:
    case TFrameRole::DockClose:
    case TFrameRole::ToolBarExtension:
      if (TteTheme* theme = DefinedTheme(TThemeFamily::Edit, kekEdit, widget))
        return InsetOf(kProbeRect, theme->EditGetClientRect(kekEdit, kProbeRect, object));
      break;
  }
  return -1;
}

namespace {

bool IsThemeMetric(QStyle::PixelMetric metric) {
  switch (metric) {
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_SliderLength:
    case QStyle::PM_SliderControlThickness:
    case QStyle::PM_SliderThickness:
    case QStyle::PM_SplitterWidth:
    case QStyle::PM_SizeGripSize:
    case QStyle::PM_MenuPanelWidth:
    case QStyle::PM_DefaultFrameWidth:
    case QStyle::PM_TabBarTabVSpace:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::optional<int> TTeStyle::ThemeMetric(PixelMetric metric, const QStyleOption* option,
                                         const QWidget* widgetPointer) const {
  // Base-style metrics are asked for many times per paint: they cost no look-up.
  if (!IsThemeMetric(metric)) return std::nullopt;
  const TWidgetTheme widget = WidgetThemeOf(widgetPointer);
  const std::string& object = widget.Object;
  const TteOrientation orientation = option ? OrientationOf(*option) : koVertical;
  TteTheme* theme = nullptr;
  switch (metric) {
    case PM_ScrollBarExtent:
      if ((theme = DefinedTheme(TThemeFamily::Scroll, 0, widget)))
        return theme->ScrollGetSize(0, orientation, object);
      break;
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
      if ((theme = DefinedTheme(TThemeFamily::Check, kckCheckBox, widget))) {
        const QSize size = theme->CheckGetSize(kckCheckBox, object);
        return metric == PM_IndicatorWidth ? size.width() : size.height();
      }
      break;
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
      if ((theme = DefinedTheme(TThemeFamily::Check, kckRadioButton, widget))) {
        const QSize size = theme->CheckGetSize(kckRadioButton, object);
        return metric == PM_ExclusiveIndicatorWidth ? size.width() : size.height();
      }
      break;
    case PM_SliderLength:
    case PM_SliderControlThickness:
    case PM_SliderThickness:
      if ((theme = DefinedTheme(TThemeFamily::Track, 0, widget))) {
        const QSize thumb = theme->TrackGetThumbSize(0, orientation, kthPlain, object);
        const bool along = metric == PM_SliderLength;
        return (orientation == koHorizontal) == along ? thumb.width() : thumb.height();
      }
      break;
    case PM_SplitterWidth:
      if ((theme = DefinedTheme(TThemeFamily::Splitter, 0, widget)))
        return theme->SplitterGetSize(0, object);
      break;
    case PM_SizeGripSize:
      if ((theme = DefinedTheme(TThemeFamily::Status, 0, widget)))
        return theme->StatusGetGripperSize(0, object).width();
      break;
    case PM_MenuPanelWidth:
      if ((theme = DefinedTheme(TThemeFamily::Menu, kmkPopupMenu, widget)))
        return InsetOf(kProbeRect, theme->MenuGetClientRect(kmkPopupMenu, kProbeRect, object));
      break;
    case PM_DefaultFrameWidth:
      if (const int inset = FrameInset(widget); inset >= 0) return inset;
      break;
    case PM_TabBarTabVSpace:
      // A skin's tab is designed with room around its caption: the caption needs only a
      // little more when its font is taller than the tab.
      if ((theme = DefinedTheme(TThemeFamily::Tab, 0, widget)) &&
          !theme->TabGetTabSize(0, ktpTop, object).isEmpty())
        return kSkinTabCaptionSpace;
      break;
    default:
      break;
  }
  return std::nullopt;
}

int TTeStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                          const QWidget* widget) const {
  if (const std::optional<int> value = ThemeMetric(metric, option, widget); value && *value > 0)
    return *value;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

std::optional<TTeStyle::TThickness> TTeStyle::ThemeThickness(ContentsType type,
                                                             const QStyleOption* option,
                                                             const QWidget* widget) const {
  // Sizes of other contents are asked for often: they cost no look-up.
  if (type != CT_HeaderSection && type != CT_MenuItem && type != CT_MenuBarItem &&
      type != CT_TabBarTab)
    return std::nullopt;
  const TWidgetTheme widgetTheme = WidgetThemeOf(widget);
  const std::string& object = widgetTheme.Object;
  TteTheme* theme = nullptr;
  switch (type) {
    case CT_HeaderSection:
      // Only the height of a horizontal header is the skin's: a vertical one's sections are
      // rows.
      if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option))
        if (header->orientation == Qt::Horizontal &&
            (theme = DefinedTheme(TThemeFamily::Header, 0, widgetTheme)))
          return TThickness{theme->HeaderGetHeight(0, object), false};
      break;
    case CT_MenuItem:
      if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
        if (item->menuItemType != QStyleOptionMenuItem::Separator &&
            (theme = DefinedTheme(TThemeFamily::Menu, kmkPopupMenu, widgetTheme)))
          return TThickness{theme->MenuGetItemSize(kmkPopupMenu, object).height(), false};
      break;
    case CT_MenuBarItem:
      if ((theme = DefinedTheme(TThemeFamily::Menu, kmkMenuBar, widgetTheme)))
        return TThickness{theme->MenuGetItemSize(kmkMenuBar, object).height(), false};
      break;
    case CT_TabBarTab:
      if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option))
        if ((theme = DefinedTheme(TThemeFamily::Tab, 0, widgetTheme))) {
          const TteTabPosition position = TabPositionOf(tab->shape);
          const QSize size = theme->TabGetTabSize(0, position, object);
          const bool across = position == ktpLeft || position == ktpRight;
          return TThickness{across ? size.width() : size.height(), across};
        }
      break;
    default:
      break;
  }
  return std::nullopt;
}

// Items and tabs are as thick as the skin designs them, thicker only when their contents
// need it; the base style's padding counts only where the skin says nothing. A header
// section keeps it: the skin's height only ever grows a header.
QSize TTeStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                 const QWidget* widget) const {
  QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
  const auto thickness = ThemeThickness(type, option, widget);
  if (!thickness || thickness->Pixels <= 0) return result;
  const QSize contents = type == CT_HeaderSection ? result : size;
  if (thickness->IsWidth)
    result.setWidth(std::max(contents.width(), thickness->Pixels));
  else
    result.setHeight(std::max(contents.height(), thickness->Pixels));
  return result;
}

// The drop button of a combo box sits inside the frame's client area, as wide as the skin
// says; the edit field takes the rest.
std::optional<QRect> TTeStyle::ThemeSubControlRect(ComplexControl control,
                                                   const QStyleOptionComplex& option,
                                                   SubControl subControl,
                                                   const QWidget* widget) const {
  if (control == CC_ComboBox &&
      (subControl == SC_ComboBoxArrow || subControl == SC_ComboBoxEditField)) {
    const TWidgetTheme widgetTheme = WidgetThemeOf(widget);
    TteTheme* theme = DefinedTheme(TThemeFamily::Edit, kekComboBoxRight, widgetTheme);
    if (!theme) return std::nullopt;
    const std::string& object = widgetTheme.Object;
    const QRect client =
        theme->EditGetClientRect(kekComboBoxRight, TRect::FromQRect(option.rect), object).ToQRect();
    const int button =
        std::min(client.width(), theme->EditGetButtonWidth(kekComboBoxRight, object));
    if (subControl == SC_ComboBoxArrow)
      return visualRect(option.direction, option.rect,
                        QRect(client.right() + 1 - button, client.top(), button, client.height()));
    return visualRect(option.direction, option.rect, client.adjusted(2, 0, -button, 0));
  }
  if (control == CC_Slider && subControl == SC_SliderGroove) {
    const TWidgetTheme widgetTheme = WidgetThemeOf(widget);
    TteTheme* theme = DefinedTheme(TThemeFamily::Track, 0, widgetTheme);
    if (!theme) return std::nullopt;
    const TteOrientation orientation = OrientationOf(option);
    const int thickness = theme->TrackGetTrackSize(0, orientation, widgetTheme.Object);
    const QRect rect = option.rect;
    if (thickness <= 0) return std::nullopt;
    if (orientation == koHorizontal)
      return QRect(rect.left(), rect.center().y() - thickness / 2, rect.width(), thickness);
    return QRect(rect.center().x() - thickness / 2, rect.top(), thickness, rect.height());
  }
  return std::nullopt;
}

QRect TTeStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                               SubControl subControl, const QWidget* widget) const {
  if (option)
    if (const std::optional<QRect> rect = ThemeSubControlRect(control, *option, subControl, widget))
      return *rect;
  return QProxyStyle::subControlRect(control, option, subControl, widget);
}

// ---- 4. Polish and theme changes ----------------------------------------------------

namespace {

// `palette` with the roles the theme's system colours give.
QPalette ThemePalette(const TteTheme& theme, QPalette palette) {
  for (const TPaletteEntry& entry : kPaletteRoles)
    palette.setColor(entry.Group, entry.Role, ToQColor(theme.SysColors().GetColor(entry.SysColor)));
  return palette;
}

// The theme font of the widget's class: the first entry the widget inherits.
QFont ThemeFontOf(const TteTheme& theme, const QWidget& widget) {
  for (const TClassFont& entry : kClassFonts)
    if (widget.inherits(entry.ClassName)) return theme.Fonts().Font(entry.FontIndex).ToQFont();
  return theme.Fonts().Font(kWindowTextFont).ToQFont();
}

// Marks a widget whose palette and font the style set from its link's theme.
constexpr const char* kOwnLookProperty = "vtThemeOwnLook";

}  // namespace

QPalette TTeStyle::standardPalette() const {
  const QPalette palette = QProxyStyle::standardPalette();
  const TteTheme* theme = CurrentTheme();
  return theme ? ThemePalette(*theme, palette) : palette;
}

// A widget whose link gives it a theme of its own shows that theme's palette and fonts;
// one that loses its link inherits the application's again.
void TTeStyle::ApplyOwnTheme(QWidget& widget) {
  const TteCustomThemeLink* link = ThemeLinkOf(&widget);
  if (const TteTheme* own = link ? link->GetTheme() : nullptr) {
    widget.setPalette(ThemePalette(*own, QProxyStyle::standardPalette()));
    widget.setFont(ThemeFontOf(*own, widget));
    widget.setProperty(kOwnLookProperty, true);
  } else if (widget.property(kOwnLookProperty).toBool()) {
    widget.setPalette(QPalette());
    widget.setFont(QFont());
    widget.setProperty(kOwnLookProperty, QVariant());
  }
}

void TTeStyle::polish(QPalette& palette) {
  QProxyStyle::polish(palette);
  if (CurrentTheme()) palette = standardPalette();
}

void TTeStyle::polish(QApplication* application) {
  QProxyStyle::polish(application);
  if (!FApplicationFont) FApplicationFont = QApplication::font();
  ApplyThemeToApplication();
}

void TTeStyle::unpolish(QApplication* application) {
  // Setting the application font without a class name drops the per-class fonts.
  if (FApplicationFont) QApplication::setFont(*FApplicationFont);
  FApplicationFont.reset();
  QProxyStyle::unpolish(application);
}

// Gives the application the current theme's palette and the fonts of the widget classes,
// so that what Fusion still draws matches the skin. Only the application's own style does
// this: a style set on a few widgets leaves the application alone.
void TTeStyle::ApplyThemeToApplication() {
  if (QApplication::style() != this || !FApplicationFont) return;
  const TteTheme* theme = CurrentTheme();
  if (!theme) return;
  QApplication::setFont(theme->Fonts().Font(kWindowTextFont).ToQFont());
  for (const TClassFont& entry : kClassFonts)
    QApplication::setFont(theme->Fonts().Font(entry.FontIndex).ToQFont(), entry.ClassName);
  QApplication::setPalette(standardPalette());
}

void TTeStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  widget->setProperty(kFrameRoleProperty, int(FrameRoleForClass(*widget)));
  if (WantsHover(*widget)) widget->setAttribute(Qt::WA_Hover, true);
  ApplyOwnTheme(*widget);
  RememberWidget(*widget);
  widget->installEventFilter(this);
  AddThemeNotification(widget);
}

void TTeStyle::unpolish(QWidget* widget) {
  RemoveThemeNotification(widget);
  widget->removeEventFilter(this);
  FWidgets.remove(widget);
  disconnect(widget, &QObject::destroyed, this, nullptr);
  widget->setProperty(kFrameRoleProperty, QVariant());
  QProxyStyle::unpolish(widget);
}

bool TTeStyle::event(QEvent* event) {
  if (event->type() == TteThemeChangeEvent::EventType()) {
    const TteThemeMessage& message = static_cast<TteThemeChangeEvent*>(event)->Message();
    if (message.Msg == kThemeChangeMessage &&
        (message.WParam == tccAfterChange || message.WParam == tccDataChanged))
      ApplyThemeToApplication();
    return true;
  }
  return QProxyStyle::event(event);
}

bool TTeStyle::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::DynamicPropertyChange && watched->isWidgetType()) {
    const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
    if (name == kThemeObjectProperty || name == kThemeLinkProperty)
      RememberWidget(*static_cast<QWidget*>(watched));
  }
  if (event->type() == TteThemeChangeEvent::EventType() && watched->isWidgetType())
    ThemeChanged(*static_cast<QWidget*>(watched),
                 static_cast<TteThemeChangeEvent*>(event)->Message());
  return QProxyStyle::eventFilter(watched, event);
}

// A change of the current theme concerns the widgets that paint with it, not those whose
// link gives them a theme of their own; a link's notification concerns that link's
// widgets. Sizes may change with the look, so the layout is asked again too.
void TTeStyle::ThemeChanged(QWidget& widget, const TteThemeMessage& message) {
  TteCustomThemeLink* link = ThemeLinkOf(&widget);
  bool concerned = false;
  if (message.Msg == kThemeChangeMessage)
    concerned = (message.WParam == tccAfterChange || message.WParam == tccDataChanged) &&
                !(link && link->GetTheme());
  else if (message.Msg == kThemeNotifyMessage)
    concerned = link && message.WParam == reinterpret_cast<intptr_t>(link);
  if (!concerned) return;
  if (message.Msg == kThemeNotifyMessage) ApplyOwnTheme(widget);
  widget.updateGeometry();
  widget.update();
}

}  // namespace vt
