// TTeSkinFile: the window frame, hint and text families.
#include "skin/se_skinfilters.h"
#include "skin/se_skinsource.h"
#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

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

// Puts the form in the window's look and lays it out over the window rectangle. With
// `buttonsFollowWindow` the window's state and border icons decide which system buttons
// show; the cached form keeps them hidden instead (they are painted one by one).
void TTeSkinFile::LayOutForm(TSeSkinObject& form, const TteWindowInfo& info,
                             bool buttonsFollowWindow) {
  if (buttonsFollowWindow) {
    form.SetState(WindowStateOf(info));
    form.SetBorderIcons(info.BorderIcons);
  }
  form.SetActive(info.Active);
  if (TSeSkinObject* title = form.FindByKind(TSeKind::skTitle)) title->SetText(info.Caption);
  PlaceObject(form, info.Rect, buttonsFollowWindow);
}

TSeSkinObject* TTeSkinFile::LayOutFrame(uint8_t kind, const TteWindowInfo& info,
                                        const std::string& objectName,
                                        TSkinCacheEntry TFormEntries::*which) {
  TSeSkinObject* form = FrameObject(kind, objectName, which);
  if (form) LayOutForm(*form, info, form != FCache[ceForm] && form != FCache[ceToolWindow]);
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

bool TTeSkinFile::IsWindowDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind,
                     {{kwkSizeable, ceForm}, {kwkSingle, ceForm}, {kwkToolWindow, ceToolWindow}});
}

void TTeSkinFile::WindowDraw(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                             const std::string& objectName) {
  TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::Form);
  if (!form) return TteTheme::WindowDraw(canvas, kind, info, objectName);
  form->Draw(canvas, TRect{});
  for (int icon = 0; icon < kBorderIconCount; ++icon)
    if (info.HasIcon(TteBorderIcon(icon)))
      WindowDrawBorderIcon(canvas, kind, info, TteBorderIcon(icon), kpsNormal, objectName);
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
      LayOutForm(*named, info, true);
      return client->BoundsRect();
    }
  TSeSkinObject* form = FCache[entries->Form];
  TSeSkinObject* placeholder = FCache[entries->Client];
  if (!form || !placeholder) return TteTheme::WindowGetClientRect(kind, info, objectName);
  LayOutForm(*form, info, false);
  return placeholder->BoundsRect();
}

QRegion TTeSkinFile::WindowGetRegion(uint8_t kind, const TteWindowInfo& info,
                                     const std::string& objectName) {
  TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::HitTest);
  if (!form) return TteTheme::WindowGetRegion(kind, info, objectName);
  return form->GetRegion();
}

TteWindowHit TTeSkinFile::WindowGetHitTest(uint8_t kind, const TteWindowInfo& info, TPoint point,
                                           const std::string& objectName) {
  if (TSeSkinObject* form = LayOutFrame(kind, info, objectName, &TFormEntries::HitTest))
    if (TSeSkinObject* hit = form->HitTestAll(point)) {
      const TSeKind hitKind = hit->GetKind();
      if (hitKind == TSeKind::skCaption || hitKind == TSeKind::skTitle) return kwhCaption;
      if (hitKind == TSeKind::skTop) return kwhTop;
    }
  return TteTheme::WindowGetHitTest(kind, info, point, objectName);
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
  button->Draw(canvas, TRect{});
  SetButtonState(*button, TSeButtonState::bsNormal);
}

QSize TTeSkinFile::WindowGetSizeGripSize(uint8_t kind, const std::string& objectName) {
  if (auto size = PartSize(FindPart(FCache[ceStatusBar], {"Gripper"}))) return *size;
  return TteTheme::WindowGetSizeGripSize(kind, objectName);
}

void TTeSkinFile::WindowDrawSizeGrip(TCanvas& canvas, uint8_t, const TRect& rect,
                                     const std::string&) {
  PaintPart(canvas, FindPart(FCache[ceStatusBar], {"Gripper"}), rect, ssNormal);
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
