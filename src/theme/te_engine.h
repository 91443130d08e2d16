#pragma once
// Theme components: how a form chooses its theme declaratively.
//
//   TTeRidadIveror   sets the process-wide current theme from a theme file, an entry of a
//                    theme list, or a built-in theme type
//   TTeThemeList     keeps themes inside the form's stored data, one TTeThemeStream each
//   TTeThemeLink     gives the controls that point to it a theme of its own
//
// The engine and the link choose in the same three ways, and a choice by one way resets
// the other two (TTeThemeChoice).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "rtl/Classes.h"
#include "rtl/PropStream.h"
#include "rtl/Streams.h"
#include "rtl/TypInfo.h"
#include "theme/te_theme.h"
#include "theme/te_thememanager.h"

namespace vt {

class TTeThemeList;

// The library version every component reports.
inline constexpr const char* kThemeLibraryVersion = "5.02";
// The ThemeBuilding value that names no built-in theme.
inline constexpr const char* kNoTheme = "No theme";

// ---- Theme streams --------------------------------------------------------------------

class TTeThemeCollection;

// One theme kept as its saved bytes. Its stored form is the binary property "ThemeStream":
//   2, the name as a length-prefixed string, the size as a 64-bit little-endian integer,
//     then that many bytes of the theme;
//   0 alone for an item that holds no theme.
// Reading also accepts 1 followed by a theme in its own stream form: that theme is
// loaded, saved into the item, and names it.
class TTeThemeStream : public TPersistent {
 public:
  static constexpr const char* kEmptyName = "(empty)";
  explicit TTeThemeStream(TTeThemeCollection* collection = nullptr) : FCollection(collection) {}
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  void Assign(const TPersistent& source) override;
  void DefineProperties(TFiler& filer) override;

  // Published: ThemeStore answers the name; writing it changes nothing (the name comes
  // with the theme).
  std::string GetThemeStore() const { return FName; }
  void SetThemeStore(const std::string&) {}
  int32_t GetTag() const { return FTag; }
  void SetTag(int32_t value) { FTag = value; }

  const std::string& GetName() const { return FName; }
  TMemoryStream& Stream() { return FStream; }
  const TMemoryStream& Stream() const { return FStream; }
  bool IsEmpty() const { return FStream.Bytes().empty(); }
  TTeThemeCollection* Collection() const { return FCollection; }

  // Saves the theme into the item (its class must be able to save) and takes its name.
  void StoreTheme(TteTheme& theme);
  // A theme made from the saved bytes (rewound first), or none for an empty item or bytes
  // no theme class recognises.
  std::unique_ptr<TteTheme> CreateTheme();

  void WriteData(TStream& stream) const;
  // EReadError for an unknown form byte or a size the data does not hold.
  void ReadData(TStream& stream);

 private:
  TTeThemeCollection* FCollection;
  TMemoryStream FStream;
  std::string FName = kEmptyName;
  int32_t FTag = 0;
};

// The items of a theme list; stored as a collection of TTeThemeStream.
class TTeThemeCollection : public TCollection {
 public:
  explicit TTeThemeCollection(TTeThemeList* list = nullptr) : FList(list) {}
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  int Count() const { return static_cast<int>(FItems.size()); }
  // nullptr outside 0 .. Count() - 1.
  TTeThemeStream* Items(int index) const;
  TTeThemeStream& Add();
  void Delete(int index);
  void Clear() { FItems.clear(); }
  TTeThemeList* List() const { return FList; }

  int ItemCount() const override { return Count(); }
  TPersistent& ItemAt(int index) const override { return *FItems.at(index); }
  TPersistent& AddItem() override { return Add(); }
  void ClearItems() override { Clear(); }

 private:
  TTeThemeList* FList;
  std::vector<std::unique_ptr<TTeThemeStream>> FItems;
};

class TTeThemeList : public TComponent {
 public:
  explicit TTeThemeList(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  TTeThemeCollection* Themes() const { return FThemes.get(); }
  void SetThemes(const TTeThemeCollection& value) { FThemes->Assign(value); }
  std::string GetVersion() const { return kThemeLibraryVersion; }

 private:
  std::unique_ptr<TTeThemeCollection> FThemes;
};

// ---- Choosing a theme -----------------------------------------------------------------

// The three ways of choosing a theme that the engine and the link share; at most one is in
// effect at a time. What "use" and "drop" mean is the owner's: the engine makes the theme
// current, the link keeps it.
class TTeThemeChoice {
 public:
  using TUse = std::function<void(std::unique_ptr<TteTheme>)>;
  using TDrop = std::function<void()>;
  TTeThemeChoice(TUse use, TDrop drop) : FUse(std::move(use)), FDrop(std::move(drop)) {}

  const std::string& ThemeFile() const { return FThemeFile; }
  int32_t ThemeIndex() const { return FThemeIndex; }
  const std::string& ThemeBuilding() const { return FThemeBuilding; }
  TTeThemeList* ThemeList() const { return FThemeList; }
  // Also forgets a kept list name.
  void SetThemeList(TTeThemeList* list);
  // The stored form of ThemeList: the list's component name, or, while no list of the
  // name read from stored data has been found among the owner's components, that name
  // (kept so that storing the component again writes it back).
  std::string ThemeListName() const;
  void KeepThemeListName(const std::string& name) { FThemeListName = name; }
  // The owner's component of the kept name when it is a theme list, else nullptr.
  TTeThemeList* FindNamedList(const TComponent* owner) const;
  // Stores the index without choosing (reading stored data; a removed list).
  void KeepIndex(int32_t index) { FThemeIndex = index; }

  // Loads the file. A theme: used, the index and the building reset. None: dropped when
  // no list entry is in use.
  void ChooseFile(const std::string& fileName);
  // Stores the index (clamped to the last item); with a list, items and an index of 0 or
  // more the item's theme is used and the file and building reset (an empty item changes
  // nothing). Otherwise the theme is dropped unless a file is in use.
  void ChooseIndex(int32_t index);
  // Only when ThemeIndex is 0 or more and a list is set: ChooseIndex(ThemeIndex). For the
  // end of reading stored data, when the list and the index have both arrived.
  void ApplyIndex();
  // The first registered built-in theme class whose type name equals `name` ignoring
  // case: a theme of it is used, the file and index reset, and ThemeBuilding becomes the
  // class's own spelling. An unknown name reads back "No theme".
  void ChooseBuilding(const std::string& name);

 private:
  TUse FUse;
  TDrop FDrop;
  std::string FThemeFile;
  int32_t FThemeIndex = -1;
  std::string FThemeBuilding = kNoTheme;
  TTeThemeList* FThemeList = nullptr;
  std::string FThemeListName;
};

// ---- The engine -----------------------------------------------------------------------

// Chooses the process-wide current theme. Published: DeltaHue, DeltaBrightness (shifts
// given to every theme it makes current), ThemeFile, ThemeList (a theme list of the same
// owner, stored by its name; an identifier naming it in a classic stored form reads too),
// ThemeIndex (default -1), ThemeBuilding (default "No theme"), Version ("5.02", read-only). Reading
// stored data applies the index once the list has been found (Loaded).
class TTeRidadIveror : public TComponent, public TteThemeNotifiable, public TLoadingNotifiable {
 public:
  explicit TTeRidadIveror(TComponent* owner);
  ~TTeRidadIveror() override;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  int32_t GetDeltaHue() const { return FDeltaHue; }
  void SetDeltaHue(int32_t value) { FDeltaHue = value; }
  int32_t GetDeltaBrightness() const { return FDeltaBrightness; }
  void SetDeltaBrightness(int32_t value) { FDeltaBrightness = value; }
  std::string GetThemeFile() const { return FChoice.ThemeFile(); }
  void SetThemeFile(const std::string& value) { FChoice.ChooseFile(value); }
  int32_t GetThemeIndex() const { return FChoice.ThemeIndex(); }
  // While the stored data is being read the index is only kept (Loaded applies it).
  void SetThemeIndex(int32_t value);
  std::string GetThemeBuilding() const { return FChoice.ThemeBuilding(); }
  void SetThemeBuilding(const std::string& value) { FChoice.ChooseBuilding(value); }
  std::string GetVersion() const { return kThemeLibraryVersion; }
  TTeThemeList* GetThemeList() const { return FChoice.ThemeList(); }
  void SetThemeList(TTeThemeList* value);
  std::string GetThemeListName() const { return FChoice.ThemeListName(); }
  void SetThemeListName(const std::string& name);

  // Fired after the current theme changed or its data changed.
  std::function<void(TTeRidadIveror&)> OnThemeChanged;

  // Reading the stored data: between these two the index and the list's name wait; Loaded
  // finds the list among the owner's components and applies the index.
  void BeginLoading() override { FLoading = true; }
  void Loaded() override;

  void Notification(TComponent* component, TOperation operation) override;
  void ThemeMessage(const TteThemeMessage& message) override;

 private:
  void UseTheme(std::unique_ptr<TteTheme> theme);

  int32_t FDeltaHue = 0;
  int32_t FDeltaBrightness = 0;
  bool FLoading = false;
  TTeThemeChoice FChoice;
};

// ---- The link -------------------------------------------------------------------------

// Owns a theme of its own, chosen like the engine's, which GetTheme answers. Every change
// of that theme is broadcast as message 0x0801 with the link as both parameters, so that
// the controls using this link repaint. Published: DeltaHue, DeltaBrightness, ThemeFile,
// ThemeList (stored by name, as the engine's), ThemeIndex (default -1), ThemeBuilding.
class TTeThemeLink : public TteCustomThemeLink, public TLoadingNotifiable {
 public:
  explicit TTeThemeLink(TComponent* owner);
  ~TTeThemeLink() override;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  TteTheme* GetTheme() const override { return FTheme.get(); }

  int32_t GetDeltaHue() const { return FDeltaHue; }
  // Also shifts the link's own theme, which then re-derives its tables.
  void SetDeltaHue(int32_t value);
  int32_t GetDeltaBrightness() const { return FDeltaBrightness; }
  void SetDeltaBrightness(int32_t value);
  std::string GetThemeFile() const { return FChoice.ThemeFile(); }
  void SetThemeFile(const std::string& value) { FChoice.ChooseFile(value); }
  int32_t GetThemeIndex() const { return FChoice.ThemeIndex(); }
  void SetThemeIndex(int32_t value);
  std::string GetThemeBuilding() const { return FChoice.ThemeBuilding(); }
  void SetThemeBuilding(const std::string& value) { FChoice.ChooseBuilding(value); }
  TTeThemeList* GetThemeList() const { return FChoice.ThemeList(); }
  void SetThemeList(TTeThemeList* value);
  std::string GetThemeListName() const { return FChoice.ThemeListName(); }
  void SetThemeListName(const std::string& name);

  void BeginLoading() override { FLoading = true; }
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void UseTheme(std::unique_ptr<TteTheme> theme);
  void DropTheme();
  void NotifyControls();

  int32_t FDeltaHue = 0;
  int32_t FDeltaBrightness = 0;
  bool FLoading = false;
  std::unique_ptr<TteTheme> FTheme;
  TTeThemeChoice FChoice;
};

}  // namespace vt
