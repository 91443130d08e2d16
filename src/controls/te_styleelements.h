#pragma once
// The one table that says which theme family and part paints each Qt style element, and
// the one function that turns a style option's state into an object state.
//
// A style element is a primitive (PE_), a control element (CE_) or a sub-control of a
// complex control (CC_ + SC_). Frames, items and Qt's own buttons (a dock widget's close
// button, a tool bar's extension) carry the role polish() gave their widget in place of a
// sub-control, so that a list's frame and a scroll area's frame find different families;
// an element the theme cannot paint for the widget's role is painted as for every widget.
// Each entry names the family (whose IsXxxDefined query decides whether the theme paints
// it), the sub-kind and the part (one for horizontal, one for vertical controls), and the
// one theme member that paints it.
#include <QStyle>
#include <QTabBar>
#include <span>
#include <string>

#include "rtl/Canvas.h"
#include "skin/theme_se3objects.h"
#include "theme/te_catalogue.h"
#include "theme/te_theme.h"

class QWidget;

namespace vt {

class TteCustomThemeLink;

enum class TElementClass : uint8_t { Primitive, Control, Complex };

// The kind of frame a QFrame-based widget shows, or the part a button inside a tool bar or
// dock widget plays; polish() decides it from the class and the name Qt gives the button.
enum class TFrameRole : uint8_t {
  None,
  Panel,
  ListBox,
  ItemList,
  Grid,
  ScrollBox,
  Edit,
  DockClose,         // the close button of a dock widget's title bar
  ToolBarExtension,  // the button that shows the actions a tool bar has no room for
};
inline constexpr const char* kFrameRoleProperty = "vtThemeFrameRole";
TFrameRole FrameRoleOf(const QWidget* widget);

// What the base style still draws after the theme painted an element's background.
enum class TElementContent : uint8_t {
  None,               // the theme painted everything
  BaseUnhighlighted,  // the base style's contents, its highlight fill made transparent
  MenuBarText,        // the caption of a menu bar item
  FocusFrame,         // the focus rectangle inside the frame, when the widget has the focus
  DockTitleText,      // the title of a dock widget
};

// The panel kind that paints dock widgets (the skin's panels with a caption).
inline constexpr uint8_t kpkDock = 1;

// One request to the theme: the element's entry resolved against one option.
struct TStyleRequest {
  const QStyleOption& Option;
  const QWidget* Widget;
  TRect Rect;
  uint8_t Kind;
  uint8_t Part;
  TSeState ObjectState;
  TteOrientation Orientation;
  const std::string& Object;

  uint8_t RequestState() const;
  TtePartInfo PartInfo() const;
};

using TThemePaint = void (*)(TteTheme& theme, TCanvas& canvas, const TStyleRequest& request);
using TElementApplies = bool (*)(const QStyleOption& option);

struct TStyleElement {
  TElementClass Class;
  int Element;
  uint32_t Sub;         // the sub-control of a complex control, the widget's TFrameRole, else 0
  TThemeFamily Family;  // the catalogue's family, whose IsXxxDefined decides
  uint8_t Kind;
  uint8_t Part;
  uint8_t PartVertical;
  TThemePaint Paint;        // nullptr: painted as part of another sub-control
  TElementApplies Applies;  // nullptr: always; otherwise the base style paints when false
  // Which active sub-controls light this one up: 0 for the state of the whole control
  // (frames, elements that are not sub-controls).
  uint32_t StateSubControls;
  bool WholeRect;  // sub-controls painted over the whole control
  TElementContent Content;
};

const TStyleElement* FindStyleElement(TElementClass elementClass, int element, uint32_t sub = 0);
// The sub-controls of a complex control that the theme paints, in painting order.
std::span<const TStyleElement> ComplexControlElements(int control);

// Normal 0, hot 5, pressed 6, focused 7, disabled 8. For a sub-control, pressed and hot
// count only when the option names it among its active sub-controls, and focus not at all.
TSeState ObjectStateOf(const QStyleOption& option, uint32_t subControl = 0);
// The state byte of a theme request for an object state.
uint8_t RequestStateOf(TSeState state);

bool IsFamilyDefined(TThemeFamily family, uint8_t kind, const std::string& objectName,
                     const TteCustomThemeLink* link);

TteTabPosition TabPositionOf(QTabBar::Shape shape);

// Horizontal when the option says so (scroll bars, sliders, progress bars).
TteOrientation OrientationOf(const QStyleOption& option);

}  // namespace vt
