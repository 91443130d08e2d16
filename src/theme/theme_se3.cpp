// TTeSkinFile: the two skin sources, loading and saving, the object cache, and the helpers
// every drawing family shares. The families are in theme_se3_window.cpp,
// theme_se3_controls.cpp and theme_se3_bars.cpp.
#include "theme/theme_se3.h"

#include <cstring>

#include "skin/se_skinfilters.h"
#include "skin/se_skinsource.h"
#include "theme/te_flattheme.h"
#include "theme/te_thememanager.h"

namespace vt {

namespace {

// The names of the named cache entries, by entry; the form entries and 37..49 have none.
constexpr std::array<const char*, kSkinCacheSize> kCacheNames = [] {
  namespace o = catalogue::object;
  std::array<const char*, kSkinCacheSize> names{};
  names[ceForm] = o::kForm;
  names[ceButton] = o::kButton;
  names[ceCheckbox] = o::kCheckbox;
  names[ceRadioButton] = o::kRadioButton;
  names[ceGroupBox] = o::kGroupBox;
  names[ceScrollBar] = o::kScrollBar;
  names[ceProgressBar] = o::kProgressBar;
  names[ceEdit] = o::kEdit;
  names[ceComboBox] = o::kComboBox;
  names[ceTrackBar] = o::kTrackBar;
  names[ceMenuBar] = o::kMenuBar;
  names[cePopupMenu] = o::kPopupMenu;
  names[ceHeader] = o::kHeader;
  names[ceStatusBar] = o::kStatusBar;
  names[ceTabs] = o::kTabs;
  names[ceContainer] = o::kContainer;
  names[ceFrame] = o::kFrame;
  names[ceScrollBoxFrame] = o::kScrollBox;
  names[ceSplitter] = o::kSplitter;
  names[ceSpinButton] = o::kSpinButton;
  names[ceControlBar] = o::kControlBar;
  names[ceGrid] = o::kGrid;
  names[ceListBox] = o::kListBox;
  names[ceHint] = o::kHint;
  names[ceSpeedButton] = o::kSpeedButton;
  names[ceToolBar] = o::kToolBar;
  names[ceToolWindow] = o::kToolWindow;
  names[cePanel] = o::kPanel;
  names[ceScrollBox] = o::kScrollBox;
  return names;
}();

constexpr TSeAction kHiddenSystemButtons[] = {
    TSeAction::sbaSysMenu,  TSeAction::sbaClose,    TSeAction::sbaHelp,
    TSeAction::sbaMinimize, TSeAction::sbaMaximize, TSeAction::sbaRestore,
    TSeAction::sbaRollUp,   TSeAction::sbaRollDown, TSeAction::sbaTray,
};

// Sets the skin filter that the skin source falls back to, as the theme's loads, saves and
// updates expect it.
template <class Filter>
void UseDefaultSkinFilter() {
  DefaultSkinFilter() = &SkinFilterClassOf<Filter>();
}

}  // namespace

const char* SkinCacheName(int entry) {
  return entry >= 0 && entry < kSkinCacheSize ? kCacheNames[entry] : nullptr;
}

// ---- Creation and identity ------------------------------------------------------------

TTeSkinFile::TTeSkinFile()
    : FWorkingSource(std::make_unique<TSeSkinSource>(nullptr)),
      FLoadedSource(std::make_unique<TSeSkinSource>(nullptr)) {}

TTeSkinFile::~TTeSkinFile() {
  ClearCache();
}

const TClassInfo& TTeSkinFile::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTeSkinFile>("TTeSkinFile", &TteTheme::StaticClassInfo()).Build();
  return info;
}

void TTeSkinFile::Assign(const TPersistent& source) {
  TteTheme::Assign(source);
  if (auto* skin = dynamic_cast<const TTeSkinFile*>(&source)) {
    ClearCache();
    FLoadedSource->Assign(*skin->FLoadedSource);
    UpdateTheme();
  }
}

TteThemeFileInfo TTeSkinFile::GetThemeFileInfo() {
  TteThemeFileInfo info;
  info.BuiltIn = false;
  info.CanSave = true;
  info.InOpenFilter = true;
  info.Description = GetSkinFilterString();
  info.Extension = "mskn";
  return info;
}

bool TTeSkinFile::CanLoadFromStream(TStream& stream) {
  if (FindSkinFilterByStream(stream)) return true;
  char marker[4] = {};
  return stream.Read(marker, 4) == 4 && std::string_view(marker, 4) == "QXLZ";
}

// ---- Loading and saving ---------------------------------------------------------------

template <class Load>
bool TTeSkinFile::LoadSource(Load&& load) {
  auto fresh = std::make_unique<TSeSkinSource>(nullptr);
  load(*fresh);
  if (fresh->Count() < 1) return false;
  ClearCache();
  FLoadedSource = std::move(fresh);
  return true;
}

bool TTeSkinFile::LoadFromStream(TStream& stream) {
  UseDefaultSkinFilter<TSeSkinFilterCompressed>();
  if (!LoadSource([&](TSeSkinSource& source) { source.LoadFromStream(stream); })) return false;
  UpdateTheme();
  return true;
}

bool TTeSkinFile::LoadFromFile(const std::string& fileName) {
  if (!LoadSource([&](TSeSkinSource& source) { source.LoadFromFile(fileName); })) return false;
  SetFileName(fileName);
  UpdateTheme();
  return true;
}

bool TTeSkinFile::LoadFromSkinSource(const TSeSkinSource& source) {
  if (!LoadSource([&](TSeSkinSource& fresh) { fresh.Assign(source); })) return false;
  UpdateTheme();
  return true;
}

// Saving writes the theme's own colours and fonts into the skin. With a shift in effect
// the theme's tables hold shifted values; writing them into the loaded skin would shift
// them once more at the next update, so the skin keeps its own.
void TTeSkinFile::PrepareSave() {
  UseDefaultSkinFilter<TSeSkinFilterMaxCompression>();
  if (GetDeltaHue() != 0 || GetDeltaBrightness() != 0) return;
  FLoadedSource->Fonts().Assign(Fonts());
  FLoadedSource->Colors().Assign(Colors());
}

bool TTeSkinFile::SaveToStream(TStream& stream) {
  PrepareSave();
  FLoadedSource->SaveToStream(stream);
  return true;
}

bool TTeSkinFile::SaveToFile(const std::string& fileName) {
  PrepareSave();
  FLoadedSource->SaveToFile(fileName);
  return true;
}

// ---- Updating -------------------------------------------------------------------------

void TTeSkinFile::UpdateTheme() {
  UseDefaultSkinFilter<TSeSkinFilterUncompressed>();
  // The cache points into the working source; it goes before the source is rebuilt.
  ClearCache();
  FWorkingSource->Assign(*FLoadedSource);
  LoadSkinObjects();
  // Preparing the forms changed their trees after the cache was emptied.
  FPartLookups.clear();
  SetName(FWorkingSource->GetSkinName());
  TteTheme::UpdateTheme();
}

void TTeSkinFile::SetDefaultColors() {
  Colors().Assign(FWorkingSource->Colors());
  SysColors().Assign(FWorkingSource->SysColors());
  Colors().ChangeHue(GetDeltaHue());
  Colors().ChangeBrightness(GetDeltaBrightness());
}

void TTeSkinFile::SetDefaultFonts() {
  Fonts().Assign(FWorkingSource->Fonts());
  Fonts().ChangeHue(GetDeltaHue());
  Fonts().ChangeBrightness(GetDeltaBrightness());
}

// ---- The object cache -----------------------------------------------------------------

void TTeSkinFile::ClearCache() {
  // The placeholders belong to their forms; freeing one takes it out of its form.
  for (TSkinCacheEntry placeholder : {ceFormClient, ceToolWindowClient}) delete FCache[placeholder];
  for (auto& clone : FOwnedClones) clone.reset();
  FCache.fill(nullptr);
  FPartLookups.clear();
}

void TTeSkinFile::LoadSkinObjects() {
  ClearCache();
  if (!FWorkingSource || FWorkingSource->Count() == 0) return;
  if (GetDeltaHue() != 0) FWorkingSource->ChangeHue(GetDeltaHue());
  if (GetDeltaBrightness() != 0) FWorkingSource->ChangeBrightness(GetDeltaBrightness());
  PrepareForm(kCacheNames[ceForm],
              {ceForm, ceFormClient, ceFormHitTest, ceFormIcons, ceFormClientObject});
  PrepareForm(kCacheNames[ceToolWindow], {ceToolWindow, ceToolWindowClient, ceToolWindowHitTest,
                                          ceToolWindowIcons, ceToolWindowClientObject});
  LookUpNamedEntries();
}

void TTeSkinFile::PrepareForm(const char* name, const TFormEntries& entries) {
  TSeSkinObject* form = FWorkingSource->GetObjectByName(name);
  FCache[entries.Form] = form;
  if (!form) return;
  TSeSkinObject* client = FindChildOfKind(*form, TSeKind::skClient);
  if (!client) return;
  auto adopt = [this](TSkinCacheEntry entry, TSeSkinObject* clone) {
    FOwnedClones[entry].reset(clone);
    FCache[entry] = clone;
  };
  adopt(entries.ClientObject, CloneSkinObject(*client, nullptr));
  const TSeAlign clientAlign = client->GetAlign();
  delete client;
  auto* placeholder = new TSeSkinObject(form);
  placeholder->SetColor(clNone);
  placeholder->SetAlign(clientAlign);
  placeholder->SetKind(TSeKind::skClient);
  placeholder->SetBitmapList(form->BitmapList());
  FCache[entries.Client] = placeholder;
  adopt(entries.HitTest, CloneSkinObject(*form, nullptr));
  adopt(entries.Icons, CloneSkinObject(*form, nullptr));
  HideSystemButtons(*form);
}

void TTeSkinFile::HideSystemButtons(TSeSkinObject& form) {
  for (TSeAction action : kHiddenSystemButtons)
    if (TSeSkinObject* button = form.FindSysButton(action)) button->SetVisible(false);
}

void TTeSkinFile::LookUpNamedEntries() {
  for (int entry = ceButton; entry <= ceToolBar; ++entry)
    FCache[entry] = FWorkingSource->GetObjectByName(kCacheNames[entry]);
  FCache[cePanel] = FWorkingSource->GetObjectByName(kCacheNames[cePanel]);
  FCache[ceScrollBox] = FWorkingSource->GetObjectByName(kCacheNames[ceScrollBox]);
}

TSeSkinObject* TTeSkinFile::CachedObject(int entry) const {
  return entry >= 0 && entry < kSkinCacheSize ? FCache[entry] : nullptr;
}

// ---- Shared helpers -------------------------------------------------------------------

TSeState TTeSkinFile::ObjectStateOf(uint8_t requestState) {
  switch (requestState) {
    case kpsPressed:
      return ssPressed;
    case kpsHot:
      return ssHot;
    case kpsDisabled:
      return ssDisabled;
    default:
      return ssNormal;
  }
}

TSeSkinObject* TTeSkinFile::NamedObject(const std::string& objectName) const {
  return objectName == kDefaultObjectName ? nullptr : FWorkingSource->GetObjectByName(objectName);
}

TSeSkinObject* TTeSkinFile::FindChildOfKind(TSeSkinObject& object, TSeKind kind) {
  for (int i = 0; i < object.ChildCount(); ++i)
    if (TSeSkinObject* child = object.Children(i))
      if (TSeSkinObject* found = child->FindByKind(kind)) return found;
  return nullptr;
}

bool TTeSkinFile::IsDefinedBy(uint8_t kind, const std::string& objectName, TNameRule rule,
                              std::initializer_list<TKindEntry> kinds) const {
  const TKindEntry* listed = nullptr;
  for (const TKindEntry& candidate : kinds)
    if (candidate.Kind == kind) listed = &candidate;
  const bool nameCounts = rule == TNameRule::AnyKind || (rule == TNameRule::ListedKinds && listed);
  if (nameCounts && HasNamedObject(objectName)) return true;
  return listed && FCache[listed->Entry];
}

TSeSkinObject* TTeSkinFile::ChooseObject(const std::string& objectName,
                                         TSkinCacheEntry entry) const {
  if (TSeSkinObject* named = NamedObject(objectName)) return named;
  return FCache[entry];
}

TSeSkinObject* TTeSkinFile::FindPart(TSeSkinObject* object, const TPartNames& part) {
  if (!object) return nullptr;
  for (const char* name : part)
    if (TSeSkinObject* found = object->FindByName(name)) return found;
  return nullptr;
}

TSeSkinObject* TTeSkinFile::ChoosePart(const std::string& objectName, TSkinCacheEntry entry,
                                       const TPartNames& names) const {
  // The key spells the request unambiguously: the entry, the catalogue part (each is one
  // constant, so its address names it), then the object name.
  constexpr size_t kMaxLookups = 1024;
  FLookupKey.assign(1, char(entry));
  const TPartNames* partAddress = &names;
  FLookupKey.append(reinterpret_cast<const char*>(&partAddress), sizeof partAddress);
  FLookupKey += objectName;
  if (auto known = FPartLookups.find(FLookupKey); known != FPartLookups.end()) return known->second;
  TSeSkinObject* part = FindPart(ChooseObject(objectName, entry), names);
  // Callers may pass any number of object names; the table never grows without bound.
  if (FPartLookups.size() >= kMaxLookups) FPartLookups.clear();
  FPartLookups.emplace(FLookupKey, part);
  return part;
}

namespace {
void AlignTree(TSeSkinObject& object) {
  object.AlignChildren();
  for (int i = 0; i < object.ChildCount(); ++i)
    if (TSeSkinObject* child = object.Children(i)) AlignTree(*child);
}
}  // namespace

void TTeSkinFile::PlaceObject(TSeSkinObject& object, const TRect& rect, bool wholeTree) {
  const bool moved = object.BoundsRect() != rect;
  if (moved) object.SetBounds(rect);
  if (wholeTree)
    AlignTree(object);
  else if (!moved)
    object.AlignChildren();
}

void TTeSkinFile::PaintPart(TCanvas& canvas, TSeSkinObject* part, const TRect& rect,
                            TSeState state) {
  if (!part || rect.IsEmpty()) return;
  // The part is shared by every control that paints it: it goes back to how it was, so
  // that no paint depends on the one before and a nested paint cannot upset this one.
  const TSeSkinObject::TRuntimeSnapshot restore(*part);
  part->SetState(state);
  PlaceObject(*part, rect);
  const TSeSkinObject::TFreshLayoutScope laidOut(*part);
  part->Draw(canvas, TRect{});
}

std::optional<TRect> TTeSkinFile::PartClientRect(TSeSkinObject* part, const TRect& rect) {
  if (!part) return std::nullopt;
  TSeSkinObject* client = FindChildOfKind(*part, TSeKind::skClient);
  if (!client) return std::nullopt;
  PlaceObject(*part, rect);
  return client->BoundsRect();
}

std::optional<QSize> TTeSkinFile::PartSize(const TSeSkinObject* part) {
  if (!part) return std::nullopt;
  return QSize(part->GetWidth(), part->GetHeight());
}

void TTeSkinFile::PaintRequest(TCanvas& canvas, const std::string& objectName,
                               TSkinCacheEntry entry, const TPartNames& names, const TRect& rect,
                               uint8_t requestState) {
  PaintPart(canvas, ChoosePart(objectName, entry, names), rect, ObjectStateOf(requestState));
}

std::optional<TRect> TTeSkinFile::RequestClientRect(const std::string& objectName,
                                                    TSkinCacheEntry entry, const TPartNames& names,
                                                    const TRect& rect) {
  return PartClientRect(ChoosePart(objectName, entry, names), rect);
}

// ---- Registration ---------------------------------------------------------------------

void RegisterSkinTheme() {
  static const bool registered = [] {
    RegisterThemeClass(ThemeClassOf<TTeSkinFile>());
    RegisterThemeClass(ThemeClassOf<TTeFlatTheme>());
    return true;
  }();
  (void)registered;
}

}  // namespace vt
