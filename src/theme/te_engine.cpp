// Theme components: theme streams and lists, the three ways of choosing a theme, the
// engine that makes it current and the link that keeps its own.
#include "theme/te_engine.h"

#include <algorithm>

#include "theme/theme_se3.h"

namespace vt {

namespace {

enum TThemeStreamForm : uint8_t { tsfEmpty = 0, tsfDirect = 1, tsfSaved = 2 };

void WriteInt64(TStream& stream, int64_t value) {
  uint8_t bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(uint64_t(value) >> (8 * i));
  stream.WriteBuffer(bytes, 8);
}

int64_t ReadInt64(TStream& stream) {
  uint8_t bytes[8];
  stream.ReadBuffer(bytes, 8);
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value |= uint64_t{bytes[i]} << (8 * i);
  return static_cast<int64_t>(value);
}

// The first registered built-in class of that type name (ignoring case), or nullptr.
const TteThemeClass* FindBuiltInClass(const std::string& name) {
  for (const TteThemeClass* themeClass : TteThemeManager::Instance().ThemeClasses())
    if (themeClass->GetThemeFileInfo().BuiltIn && SameText(themeClass->GetThemeTypeName(), name))
      return themeClass;
  return nullptr;
}

}  // namespace

// ---- TTeThemeStream -------------------------------------------------------------------

const TClassInfo& TTeThemeStream::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTeThemeStream>("TTeThemeStream", &TPersistent::StaticClassInfo())
          .Property("ThemeStore", &TTeThemeStream::GetThemeStore, &TTeThemeStream::SetThemeStore)
          .Property("Tag", &TTeThemeStream::GetTag, &TTeThemeStream::SetTag,
                    [](const TTeThemeStream& item) { return item.FTag != 0; })
          .Build();
  return info;
}

void TTeThemeStream::Assign(const TPersistent& source) {
  if (auto* item = dynamic_cast<const TTeThemeStream*>(&source)) {
    FStream.Bytes() = item->FStream.Bytes();
    FStream.SetPosition(0);
    FName = item->FName;
    FTag = item->FTag;
    return;
  }
  TPersistent::Assign(source);
}

void TTeThemeStream::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "ThemeStream", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, true);
}

void TTeThemeStream::WriteData(TStream& stream) const {
  if (IsEmpty()) {
    WriteUInt8(stream, tsfEmpty);
    return;
  }
  WriteUInt8(stream, tsfSaved);
  WriteLengthString(stream, FName);
  WriteInt64(stream, static_cast<int64_t>(FStream.Bytes().size()));
  stream.WriteBuffer(FStream.Memory(), static_cast<int64_t>(FStream.Bytes().size()));
}

void TTeThemeStream::ReadData(TStream& stream) {
  const uint8_t form = ReadUInt8(stream);
  switch (form) {
    case tsfEmpty:
      FStream.Clear();
      return;
    case tsfSaved: {
      std::string name = ReadLengthString(stream, "theme name");
      const int64_t size = ReadInt64(stream);
      std::vector<uint8_t> bytes = ReadBytes(stream, size, "theme stream");
      FStream.Clear();
      FStream.Bytes() = std::move(bytes);
      FName = std::move(name);
      return;
    }
    case tsfDirect: {
      std::unique_ptr<TteTheme> theme = LoadThemeFromStream(stream);
      if (!theme) throw EReadError("Theme stream: no theme class reads the stored theme");
      StoreTheme(*theme);
      return;
    }
    default:
      throw EReadError("Theme stream: unknown form " + std::to_string(form));
  }
}

void TTeThemeStream::StoreTheme(TteTheme& theme) {
  FStream.Clear();
  theme.SaveToStream(FStream);
  FStream.SetPosition(0);
  FName = theme.GetName();
}

std::unique_ptr<TteTheme> TTeThemeStream::CreateTheme() {
  if (IsEmpty()) return nullptr;
  FStream.SetPosition(0);
  return LoadThemeFromStream(FStream);
}

// ---- TTeThemeCollection and TTeThemeList ------------------------------------------------

const TClassInfo& TTeThemeCollection::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTeThemeCollection>("TTeThemeCollection", &TPersistent::StaticClassInfo())
          .Build();
  return info;
}

void TTeThemeCollection::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TTeThemeCollection*>(&source)) {
    Clear();
    for (const auto& item : other->FItems) Add().Assign(*item);
    return;
  }
  TPersistent::Assign(source);
}

TTeThemeStream* TTeThemeCollection::Items(int index) const {
  return index >= 0 && index < Count() ? FItems[index].get() : nullptr;
}

TTeThemeStream& TTeThemeCollection::Add() {
  FItems.push_back(std::make_unique<TTeThemeStream>(this));
  return *FItems.back();
}

void TTeThemeCollection::Delete(int index) {
  if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
}

TTeThemeList::TTeThemeList(TComponent* owner)
    : TComponent(owner), FThemes(std::make_unique<TTeThemeCollection>(this)) {}

const TClassInfo& TTeThemeList::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTeThemeList>("TTeThemeList", &TComponent::StaticClassInfo())
          .Property("Themes", &TTeThemeList::Themes, &TTeThemeList::SetThemes)
          .ReadOnlyProperty("Version", &TTeThemeList::GetVersion)
          .Creatable()
          .Build();
  return info;
}

// ---- TTeThemeChoice -------------------------------------------------------------------

void TTeThemeChoice::ChooseFile(const std::string& fileName) {
  FThemeFile = fileName;
  std::unique_ptr<TteTheme> theme = LoadThemeFromFile(fileName);
  if (!theme) {
    if (FThemeIndex == -1) FDrop();
    return;
  }
  FUse(std::move(theme));
  FThemeIndex = -1;
  FThemeBuilding = kNoTheme;
}

void TTeThemeChoice::ChooseIndex(int32_t index) {
  FThemeIndex = index;
  TTeThemeCollection* themes = FThemeList ? FThemeList->Themes() : nullptr;
  if (!themes || themes->Count() < 1 || index < 0) {
    if (FThemeFile.empty()) FDrop();
    return;
  }
  FThemeIndex = std::min(index, themes->Count() - 1);
  TTeThemeStream* item = themes->Items(FThemeIndex);
  if (item->IsEmpty()) return;
  std::unique_ptr<TteTheme> theme = item->CreateTheme();
  if (!theme) return;
  FUse(std::move(theme));
  FThemeFile.clear();
  FThemeBuilding = kNoTheme;
}

void TTeThemeChoice::ApplyIndex() {
  if (FThemeList && FThemeIndex >= 0) ChooseIndex(FThemeIndex);
}

void TTeThemeChoice::ChooseBuilding(const std::string& name) {
  FThemeBuilding = name;
  if (SameText(name, kNoTheme)) return;
  RegisterSkinTheme();
  const TteThemeClass* themeClass = FindBuiltInClass(name);
  if (!themeClass) {
    FThemeBuilding = kNoTheme;
    return;
  }
  if (std::unique_ptr<TteTheme> theme = themeClass->Create()) {
    FUse(std::move(theme));
    FThemeFile.clear();
    FThemeIndex = -1;
  }
  FThemeBuilding = themeClass->GetThemeTypeName();
}

void TTeThemeChoice::SetThemeList(TTeThemeList* list) {
  FThemeList = list;
  FThemeListName.clear();
}

std::string TTeThemeChoice::ThemeListName() const {
  return FThemeList ? FThemeList->GetName() : FThemeListName;
}

TTeThemeList* TTeThemeChoice::FindNamedList(const TComponent* owner) const {
  if (!owner || FThemeListName.empty()) return nullptr;
  return dynamic_cast<TTeThemeList*>(owner->FindComponent(FThemeListName));
}

// ---- TTeRidadIveror -------------------------------------------------------------------

TTeRidadIveror::TTeRidadIveror(TComponent* owner)
    : TComponent(owner),
      FChoice([this](std::unique_ptr<TteTheme> theme) { UseTheme(std::move(theme)); },
              [] { ClearCurrentTheme(); }) {
  RegisterSkinTheme();
  AddThemeNotification(this);
}

TTeRidadIveror::~TTeRidadIveror() {
  RemoveThemeNotification(this);
  if (TTeThemeList* list = FChoice.ThemeList()) list->RemoveFreeNotification(this);
}

const TClassInfo& TTeRidadIveror::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTeRidadIveror>("TTeRidadIveror", &TComponent::StaticClassInfo())
          .Property("DeltaHue", &TTeRidadIveror::GetDeltaHue, &TTeRidadIveror::SetDeltaHue)
          .Property("DeltaBrightness", &TTeRidadIveror::GetDeltaBrightness,
                    &TTeRidadIveror::SetDeltaBrightness)
          .Property("ThemeFile", &TTeRidadIveror::GetThemeFile, &TTeRidadIveror::SetThemeFile)
          .Property("ThemeList", &TTeRidadIveror::GetThemeListName,
                    &TTeRidadIveror::SetThemeListName)
          .Property("ThemeIndex", &TTeRidadIveror::GetThemeIndex, &TTeRidadIveror::SetThemeIndex)
          .Property("ThemeBuilding", &TTeRidadIveror::GetThemeBuilding,
                    &TTeRidadIveror::SetThemeBuilding)
          .ReadOnlyProperty("Version", &TTeRidadIveror::GetVersion)
          .Creatable()
          .Build();
  return info;
}

void TTeRidadIveror::SetThemeIndex(int32_t value) {
  if (FLoading)
    FChoice.KeepIndex(value);
  else
    FChoice.ChooseIndex(value);
}

void TTeRidadIveror::SetThemeList(TTeThemeList* value) {
  if (TTeThemeList* old = FChoice.ThemeList()) old->RemoveFreeNotification(this);
  FChoice.SetThemeList(value);
  if (value) value->FreeNotification(this);
}

void TTeRidadIveror::SetThemeListName(const std::string& name) {
  FChoice.KeepThemeListName(name);
  if (!FLoading) SetThemeList(FChoice.FindNamedList(Owner()));
}

// A list named in the stored data but not among the owner's components keeps its name.
void TTeRidadIveror::Loaded() {
  FLoading = false;
  if (TTeThemeList* list = FChoice.FindNamedList(Owner())) SetThemeList(list);
  FChoice.ApplyIndex();
}

void TTeRidadIveror::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove || component != FChoice.ThemeList()) return;
  ClearCurrentTheme();
  FChoice.KeepIndex(-1);
  FChoice.SetThemeList(nullptr);
}

void TTeRidadIveror::UseTheme(std::unique_ptr<TteTheme> theme) {
  SetCurrentTheme(std::move(theme));
  if (FDeltaHue != 0) SetThemeDeltaHue(FDeltaHue);
  if (FDeltaBrightness != 0) SetThemeDeltaBrightness(FDeltaBrightness);
}

// The engine tells its owner after every completed change of the current theme and after
// every change of the theme's data.
void TTeRidadIveror::ThemeMessage(const TteThemeMessage& message) {
  if (message.Msg != kThemeChangeMessage) return;
  if ((message.WParam == tccAfterChange || message.WParam == tccDataChanged) && OnThemeChanged)
    OnThemeChanged(*this);
}

// ---- TTeThemeLink ---------------------------------------------------------------------

TTeThemeLink::TTeThemeLink(TComponent* owner)
    : TteCustomThemeLink(owner),
      FChoice([this](std::unique_ptr<TteTheme> theme) { UseTheme(std::move(theme)); },
              [this] { DropTheme(); }) {
  RegisterSkinTheme();
}

TTeThemeLink::~TTeThemeLink() {
  if (TTeThemeList* list = FChoice.ThemeList()) list->RemoveFreeNotification(this);
}

const TClassInfo& TTeThemeLink::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTeThemeLink>("TTeThemeLink", &TteCustomThemeLink::StaticClassInfo())
          .Property("DeltaHue", &TTeThemeLink::GetDeltaHue, &TTeThemeLink::SetDeltaHue)
          .Property("DeltaBrightness", &TTeThemeLink::GetDeltaBrightness,
                    &TTeThemeLink::SetDeltaBrightness)
          .Property("ThemeFile", &TTeThemeLink::GetThemeFile, &TTeThemeLink::SetThemeFile)
          .Property("ThemeList", &TTeThemeLink::GetThemeListName, &TTeThemeLink::SetThemeListName)
          .Property("ThemeBuilding", &TTeThemeLink::GetThemeBuilding,
                    &TTeThemeLink::SetThemeBuilding)
          .Property("ThemeIndex", &TTeThemeLink::GetThemeIndex, &TTeThemeLink::SetThemeIndex)
          .Creatable()
          .Build();
  return info;
}

void TTeThemeLink::SetDeltaHue(int32_t value) {
  FDeltaHue = value;
  if (FTheme && FTheme->GetDeltaHue() != value) {
    FTheme->SetDeltaHue(value);
    NotifyControls();
  }
}

void TTeThemeLink::SetDeltaBrightness(int32_t value) {
  FDeltaBrightness = value;
  if (FTheme && FTheme->GetDeltaBrightness() != value) {
    FTheme->SetDeltaBrightness(value);
    NotifyControls();
  }
}

void TTeThemeLink::SetThemeIndex(int32_t value) {
  if (FLoading)
    FChoice.KeepIndex(value);
  else
    FChoice.ChooseIndex(value);
}

void TTeThemeLink::SetThemeList(TTeThemeList* value) {
  if (TTeThemeList* old = FChoice.ThemeList()) old->RemoveFreeNotification(this);
  FChoice.SetThemeList(value);
  if (value) value->FreeNotification(this);
}

void TTeThemeLink::SetThemeListName(const std::string& name) {
  FChoice.KeepThemeListName(name);
  if (!FLoading) SetThemeList(FChoice.FindNamedList(Owner()));
}

// A list named in the stored data but not among the owner's components keeps its name.
void TTeThemeLink::Loaded() {
  FLoading = false;
  if (TTeThemeList* list = FChoice.FindNamedList(Owner())) SetThemeList(list);
  FChoice.ApplyIndex();
}

void TTeThemeLink::Notification(TComponent* component, TOperation operation) {
  TteCustomThemeLink::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FChoice.ThemeList())
    FChoice.SetThemeList(nullptr);
}

void TTeThemeLink::UseTheme(std::unique_ptr<TteTheme> theme) {
  FTheme = std::move(theme);
  if (FDeltaHue != 0) FTheme->SetDeltaHue(FDeltaHue);
  if (FDeltaBrightness != 0) FTheme->SetDeltaBrightness(FDeltaBrightness);
  NotifyControls();
}

void TTeThemeLink::DropTheme() {
  FTheme.reset();
  NotifyControls();
}

void TTeThemeLink::NotifyControls() {
  BroadcastThemeNotify(reinterpret_cast<intptr_t>(static_cast<TteCustomThemeLink*>(this)));
}

}  // namespace vt
