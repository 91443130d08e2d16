// TTeSkinFile: the window frame, hint and text families.
#include "skin/se_skinfilters.h"
#include "skin/se_skinsource.h"
#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

#include <algorithm>

namespace vt {

namespace {

// The system button action of each border icon, by icon number.
constexpr TSeAction kIconActions[kBorderIconCount] = {
    TSeAction::sbaSysMenu,  TSeAction::sbaClose,    TSeAction::sbaHelp,    TSeAction::sbaMinimize,
    TSeAction::sbaRestore,  TSeAction::sbaMaximize, TSeAction::sbaRestore, TSeAction::sbaRollUp,
    TSeAction::sbaRollDown, TSeAction::sbaTray,
};

TSeSkinObject* FindIconButton(TSeSkinObject& form, TteBorderIcon icon) {
  if (icon >= kBorderIconCount) return nullptr;
  return form.FindSysButton(kIconActions[icon]);
}

TSeButtonState ButtonStateOf(uint8_t requestState) {
  switch (requestState) {
    case kpsHot:
      return TSeButtonState::bsHot;
    case kpsPressed:
      return TSeButtonState::bsPressed;
    default:
      return TSeButtonState::bsNormal;
  }
}

// Both system button classes keep a caption-button state; other objects have none.
void SetButtonState(TSeSkinObject& button, TSeButtonState state) {
  if (auto* systemButton = dynamic_cast<TSeSystemButton*>(&button))
    systemButton->SetButtonState(state);
  else if (auto* sysButton = dynamic_cast<TSeSysButtonSkinObject*>(&button))
    sysButton->SetButtonState(state);
}

constexpr TColor kHintFrameColor = 0x808080;

// The system-menu button paints the icon of the window it belongs to, which it asks its
// control for. The theme paints for no window of its own, so it lends the button one that
// answers the window info's icon while it paints.
class TWindowIconControl final : public TSeControl {
 public:
  explicit TWindowIconControl(QIcon icon) : FIcon(std::move(icon)) {}
  bool IsForm() const override { return true; }
  QIcon WindowIcon() const override { return FIcon; }

 private:
  QIcon FIcon;
};

// Paints `object` (a form, or one of its buttons) with `menuButton`, the system-menu
// button, showing the window's icon; a button that has a control of its own keeps it.
void DrawWithWindowIcon(TCanvas& canvas, TSeSkinObject& object, TSeSkinObject* menuButton,
                        const TteWindowInfo& info) {
  if (!menuButton || info.Icon.isNull() || menuButton->GetControl())
    return object.Draw(canvas, TRect{});
  TWindowIconControl control(info.Icon);
  struct TLend {
    TSeSkinObject& Button;
    ~TLend() { Button.SetControl(nullptr); }
  } lend{*menuButton};
  menuButton->SetControl(&control);
  object.Draw(canvas, TRect{});
}

// What a frame object answers for a point on it, by its Kind; nothing for the kinds that
// leave the answer to the objects around them (system buttons, menus, plain pieces).
std::optional<TteWindowHit> HitOfKind(TSeKind kind) {
  switch (kind) {
    case TSeKind::skCaption:
    case TSeKind::skTitle:
      return kwhCaption;
    case TSeKind::skTop:
      return kwhTop;
    case TSeKind::skLeft:
      return kwhLeft;
    case TSeKind::skRight:
      return kwhRight;
    case TSeKind::skBottom:
      return kwhBottom;
    case TSeKind::skTopLeft:
      return kwhTopLeft;
    case TSeKind::skTopRight:
      return kwhTopRight;
    case TSeKind::skBottomLeft:
      return kwhBottomLeft;
    case TSeKind::skBottomRight:
      return kwhBottomRight;
    case TSeKind::skClient:
      return kwhClient;
    default:
      return std::nullopt;
  }
}

// The answer of the deepest object at the point, or of the nearest of its owners that has
// one, up to the form.
std::optional<TteWindowHit> HitOfObjects(TSeSkinObject& form, TPoint point) {
  for (TComponent* object = form.HitTest(point); object && object != &form;
       object = object->Owner())
    if (auto* skinObject = dynamic_cast<TSeSkinObject*>(object))
      if (auto hit = HitOfKind(skinObject->GetKind())) return hit;
  return std::nullopt;
}

// Where the objects do not say (a gap between pieces, a plain band), the point's place
// around the client area does: beside it an edge, diagonally off it a corner, above it the
// caption when the caption is there.
TteWindowHit HitAroundClient(const TRect& client, const TRect& caption, TPoint point) {
  const bool left = point.X < client.Left, right = point.X >= client.Right;
  const bool top = point.Y < client.Top, bottom = point.Y >= client.Bottom;
  if (top) {
    if (left) return kwhTopLeft;
    if (right) return kwhTopRight;
    return caption.Contains(point) ? kwhCaption : kwhTop;
  }
  if (bottom) return left ? kwhBottomLeft : right ? kwhBottomRight : kwhBottom;
  if (left) return kwhLeft;
  if (right) return kwhRight;
  return kwhClient;
}

// An edge piece that reaches past the client area's side resizes both ways there: the top
// and bottom edges left and right of the client area, the left and right edges above and
// below it. The client area gives the extent of the borders.
TteWindowHit CornerOfEdge(TteWindowHit edge, const TRect& client, TPoint point) {
  const bool left = point.X < client.Left, right = point.X >= client.Right;
  const bool top = point.Y < client.Top, bottom = point.Y >= client.Bottom;
  switch (edge) {
    case kwhTop:
      return left ? kwhTopLeft : right ? kwhTopRight : kwhTop;
    case kwhBottom:
      return left ? kwhBottomLeft : right ? kwhBottomRight : kwhBottom;
    case kwhLeft:
      return top ? kwhTopLeft : bottom ? kwhBottomLeft : kwhLeft;
    case kwhRight:
      return top ? kwhTopRight : bottom ? kwhBottomRight : kwhRight;
    default:
      return edge;
  }
}

bool IsEdgeOrCorner(TteWindowHit hit) {
  return hit >= kwhTop && hit <= kwhBottomRight;
}

}  // namespace

// ---- Window state and form choice ------------------------------------------------------

TSeState TTeSkinFile::WindowStateOf(const TteWindowInfo& info) {
  TSeState state = ssNormal;
  if (info.FirstFlagByte() & 0x40) state = ssMaximized;
  if (info.FirstFlagByte() & 0x10) state = ssMinimized;
  if (info.SecondFlagByte() & 0x01) state = ssRolledUp;
  return state;
}

std::optional<TTeSkinFile::TFormEntries> TTeSkinFile::FormEntriesOf(uint8_t windowKind) {
  switch (windowKind) {
    case kwkSizeable:
    case kwkSingle:
    case kwkDialog:
    case kwkMDIChild:
      return TFormEntries{ceForm, ceFormClient, ceFormHitTest, ceFormIcons, ceFormClientObject};
    case kwkToolWindow:
      return TFormEntries{ceToolWindow, ceToolWindowClient, ceToolWindowHitTest, ceToolWindowIcons,
                          ceToolWindowClientObject};
    default:
      return std::nullopt;
  }
}

// A named form serves every purpose itself; otherwise the cache entry `which` of the
// window kind's form. A form without a client has no clones and serves for them.
TSeSkinObject* TTeSkinFile::FrameObject(uint8_t kind, const std::string& objectName,
                                        TSkinCacheEntry TFormEntries::*which) const {
  const auto entries = FormEntriesOf(kind);
  if (!entries) return nullptr;
  if (TSeSkinObject* named = NamedObject(objectName)) return named;
  if (TSeSkinObject* cached = FCache[(*entries).*which]) return cached;
  return FCache[entries->Form];
}

// Puts the form in the window's look and lays it out over the window rectangle. Every form,
// the prepared one too (whose system buttons start hidden), shows the buttons the window's
// state and border icons call for, so that the title leaves room for them, the
// system-menu icon on its left above all.
void TTeSkinFile::LayOutForm(TSeSkinObject& form, const TteWindowInfo& info) {
  form.SetState(WindowStateOf(info));
  form.SetBorderIcons(info.BorderIcons);
  form.SetActive(info.Active);
  if (TSeSkinObject* title = form.FindByKind(TSeKind::skTitle)) title->SetText(info.Caption);
  PlaceObject(form, info.Rect, true);
}

TSeSkinObject* TTeSkinFile::LayOutFrame(uint8_t kind, const TteWindowInfo& info,
                                        const std::string& objectName,
                                        TSkinCacheEntry TFormEntries::*which) {
  TSeSkinObject* form = FrameObject(kind, objectName, which);
  if (form) LayOutForm(*form, info);
  return form;
}

// A named form's own client object, else the clone of the cached form's client.
TSeSkinObject* TTeSkinFile::ClientObjectOf(uint8_t kind, const std::string& objectName) const {
  const auto entries = FormEntriesOf(kind);
  if (!entries) return nullptr;
  if (TSeSkinObject* named = NamedObject(objectName))
    if (TSeSkinObject* client = FindChildOfKind(*named, TSeKind::skClient)) return client;
  return FCache[entries->ClientObject];
}

// ---- Window frame family --------------------------------------------------------------

// Frameless and popup windows have no frame to paint, whatever object they name.
bool TTeSkinFile::IsWindowDefined(uint8_t kind, const std::string& objectName) const {
  if (!FormEntriesOf(kind)) return false;
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind,
                     {{kwkSizeable, ceForm}, {kwkSingle, ceForm}, {kwkToolWindow, ceToolWindow}});
}

void TTeSkinFile::WindowDraw(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                             const std::string& objectName) {
  TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::Form);
  if (!form) return TteTheme::WindowDraw(canvas, kind, info, objectName);
  // The border icons' buttons are part of the laid-out form and paint with it, in the
  // normal state; a control paints a hot or pressed one over it with WindowDrawBorderIcon.
  DrawWithWindowIcon(canvas, *form, form->FindSysButton(TSeAction::sbaSysMenu), info);
}

void TTeSkinFile::WindowDrawClient(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                                   const std::string& objectName) {
  TSeSkinObject* client = ClientObjectOf(kind, objectName);
  if (!client) return TteTheme::WindowDrawClient(canvas, kind, info, objectName);
  const TRect clientRect = WindowGetClientRect(kind, info, objectName);
  client->SetActive(info.Active);
  PaintPart(canvas, client, clientRect, ssNormal);
}

// A named form with a client object answers that object's place; otherwise the cached
// form's placeholder does.
TRect TTeSkinFile::WindowGetClientRect(uint8_t kind, const TteWindowInfo& info,
                                       const std::string& objectName) {
  const auto entries = FormEntriesOf(kind);
  if (!entries) return TteTheme::WindowGetClientRect(kind, info, objectName);
  if (TSeSkinObject* named = NamedObject(objectName))
    if (TSeSkinObject* client = FindChildOfKind(*named, TSeKind::skClient)) {
      LayOutForm(*named, info);
      return client->BoundsRect();
    }
  TSeSkinObject* form = FCache[entries->Form];
  TSeSkinObject* placeholder = FCache[entries->Client];
  if (!form || !placeholder) return TteTheme::WindowGetClientRect(kind, info, objectName);
  LayOutForm(*form, info);
  return placeholder->BoundsRect();
}

QRegion TTeSkinFile::WindowGetRegion(uint8_t kind, const TteWindowInfo& info,
                                     const std::string& objectName) {
  TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::HitTest);
  if (!form) return TteTheme::WindowGetRegion(kind, info, objectName);
  return form->GetRegion();
}

// The frame's own objects answer: a present border icon's button, then the deepest object
// at the point with a frame Kind (or its nearest owner with one), then the point's place
// around the client area. Edges and corners resize sizeable kinds only.
TteWindowHit TTeSkinFile::WindowGetHitTest(uint8_t kind, const TteWindowInfo& info, TPoint point,
                                           const std::string& objectName) {
  TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::HitTest);
  if (!form) return TteTheme::WindowGetHitTest(kind, info, point, objectName);
  if (!info.Rect.Contains(point)) return kwhNowhere;
  for (int icon = 0; icon < kBorderIconCount; ++icon)
    if (info.HasIcon(TteBorderIcon(icon)))
      if (TSeSkinObject* button = FindIconButton(*form, TteBorderIcon(icon)))
        if (button->GetVisible() && button->BoundsRect().Contains(point)) return kwhBorderIcon;
  const TRect client = FrameClientRect(*form, info.Rect);
  TSeSkinObject* caption = form->FindByKind(TSeKind::skCaption);
  const TteWindowHit hit =
      HitOfObjects(*form, point)
          .value_or(HitAroundClient(client, caption ? caption->BoundsRect() : TRect{}, point));
  if (!IsEdgeOrCorner(hit)) return hit;
  if (!IsSizeableWindowKind(kind)) return kwhBorder;
  return CornerOfEdge(hit, client, point);
}

// The client object's place in the laid-out form; without one, what the frame pieces along
// the four sides leave free.
TRect TTeSkinFile::FrameClientRect(TSeSkinObject& form, const TRect& window) {
  if (TSeSkinObject* client = FindChildOfKind(form, TSeKind::skClient)) return client->BoundsRect();
  TRect free = window;
  ShrinkByPieces(form, free);
  return free;
}

void TTeSkinFile::ShrinkByPieces(TSeSkinObject& object, TRect& free) {
  for (int i = 0; i < object.ChildCount(); ++i) {
    TSeSkinObject* child = object.Children(i);
    if (!child || !child->GetVisible()) continue;
    const TRect r = child->BoundsRect();
    switch (child->GetKind()) {
      case TSeKind::skLeft:
        free.Left = std::max(free.Left, r.Right);
        break;
      case TSeKind::skRight:
        free.Right = std::min(free.Right, r.Left);
        break;
      case TSeKind::skTop:
      case TSeKind::skCaption:
        free.Top = std::max(free.Top, r.Bottom);
        break;
      case TSeKind::skBottom:
        free.Bottom = std::min(free.Bottom, r.Top);
        break;
      default:
        ShrinkByPieces(*child, free);
    }
  }
}

TRect TTeSkinFile::WindowGetCaptionRect(uint8_t kind, const TteWindowInfo& info,
                                        const std::string& objectName) {
  if (TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::HitTest))
    if (TSeSkinObject* caption = form->FindByKind(TSeKind::skCaption)) return caption->BoundsRect();
  return TteTheme::WindowGetCaptionRect(kind, info, objectName);
}

TRect TTeSkinFile::WindowGetBorderIconRect(uint8_t kind, const TteWindowInfo& info,
                                           TteBorderIcon icon, const std::string& objectName) {
  if (!info.HasIcon(icon)) return {};
  if (TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::Icons))
    if (TSeSkinObject* button = FindIconButton(*form, icon)) return button->BoundsRect();
  return TteTheme::WindowGetBorderIconRect(kind, info, icon, objectName);
}

void TTeSkinFile::WindowDrawBorderIcon(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                                       TteBorderIcon icon, uint8_t state,
                                       const std::string& objectName) {
  if (!info.HasIcon(icon)) return;
  TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::Icons);
  if (!form) return TteTheme::WindowDrawBorderIcon(canvas, kind, info, icon, state, objectName);
  TSeSkinObject* button = FindIconButton(*form, icon);
  if (!button) return;
  SetButtonState(*button, ButtonStateOf(state));
  DrawWithWindowIcon(canvas, *button, icon == kbiSysMenu ? button : nullptr, info);
  SetButtonState(*button, TSeButtonState::bsNormal);
}

QSize TTeSkinFile::WindowGetSizeGripSize(uint8_t kind, const std::string& objectName) {
  if (auto size = PartSize(FindPart(FCache[ceStatusBar], catalogue::kGripper))) return *size;
  return TteTheme::WindowGetSizeGripSize(kind, objectName);
}

void TTeSkinFile::WindowDrawSizeGrip(TCanvas& canvas, uint8_t, const TRect& rect,
                                     const std::string&) {
  PaintPart(canvas, FindPart(FCache[ceStatusBar], catalogue::kGripper), rect, ssNormal);
}

// ---- Hint family ----------------------------------------------------------------------

bool TTeSkinFile::IsHintDefined(uint8_t, const std::string&) const {
  return true;
}

void TTeSkinFile::HintDraw(TCanvas& canvas, const TRect& rect, const std::string& objectName) {
  if (TSeSkinObject* hint = ChooseObject(objectName, ceHint))
    return PaintPart(canvas, hint, rect, ssNormal);
  if (rect.IsEmpty()) return;
  canvas.FillRect(rect, PlainColor(clInfoBk));
  canvas.FrameRect(rect, kHintFrameColor);
}

TRect TTeSkinFile::HintGetContentRect(const TRect& rect, const std::string&) {
  return {rect.Left + 4, rect.Top + 3, rect.Right - 4, rect.Bottom - 3};
}

// ---- Text family ----------------------------------------------------------------------

bool TTeSkinFile::IsTextDefined(uint8_t, const std::string&) const {
  return true;
}

}  // namespace vt
