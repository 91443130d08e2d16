#pragma once
// TSeSkinSource: one skin in memory. Its descriptive strings, the ordered top-level skin
// objects (each the root of a tree), the named images the objects' links point into, and
// the theme's colour, system-colour and font tables. Skin files are read and written
// through the skin filters (se_skinfilters.h).
#include <memory>
#include <string>
#include <vector>

#include "rtl/Classes.h"
#include "rtl/Streams.h"
#include "skin/te_bitmap.h"
#include "skin/te_themetables.h"
#include "skin/theme_se3objects.h"

namespace vt {

class TSeSkinFilterClass;

class TSeSkinSource : public TComponent {
 public:
  explicit TSeSkinSource(TComponent* owner = nullptr);
  ~TSeSkinSource() override;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  // Empties the clients, the images and the top-level objects. The strings and the
  // three tables stay as they are.
  void Clear();
  // From another skin source: strings, copies of the images, clones of the objects
  // (bound to this source's images), the three tables.
  void Assign(const TPersistent& source) override;

  // Nothing happens for an empty name, a file that does not exist (a relative name is
  // also tried in the program's folder) or an extension no filter claims. Otherwise the
  // source is cleared and filled from the file; a damaged file raises after keeping what
  // was read before the damage.
  void LoadFromFile(const std::string& fileName);
  // Through the filter of the file's extension, else the default filter. The file is
  // replaced only once the whole skin has been written: a failed save raises and leaves
  // any previous file as it was.
  void SaveToFile(const std::string& fileName);
  // The filter that recognises the stream's tag, else the default one.
  void LoadFromStream(TStream& stream);
  // Always the default filter.
  void SaveToStream(TStream& stream);

  // ---- Top-level objects ----
  int Count() const { return static_cast<int>(FObjects.size()); }
  TSeSkinObject* Objects(int index) const;  // nullptr outside 0 .. Count - 1
  int IndexOfObject(const TSeSkinObject* object) const;
  // Appends and takes ownership; the object is bound to this source's images.
  void AddObject(TSeSkinObject* object);
  // Removes from the list and frees; nothing when the object is not a top-level one.
  void DeleteObject(TSeSkinObject* object);
  // Removes from the list without freeing: the caller owns it again.
  TSeSkinObject* ExtractObject(TSeSkinObject* object);
  TSeSkinObject* GetObjectByName(const std::string& name) const;  // ignoring case
  TSeSkinObject* GetObjectByKind(TSeKind kind) const;
  // The object named "Form", else the first of kind skForm.
  TSeSkinObject* GetFormObject() const;
  // Gives the object and its tree this source's images and resolves its links.
  void BindObject(TSeSkinObject& object);

  // ---- Images and tables ----
  TteBitmapList& Bitmaps() { return FBitmaps; }
  const TteBitmapList& Bitmaps() const { return FBitmaps; }
  TteThemeColors& Colors() { return *FColors; }
  const TteThemeColors& Colors() const { return *FColors; }
  TteThemeSysColors& SysColors() { return *FSysColors; }
  const TteThemeSysColors& SysColors() const { return *FSysColors; }
  TteThemeFonts& Fonts() { return *FFonts; }
  const TteThemeFonts& Fonts() const { return *FFonts; }

  // The new image takes the old one's name and place and the objects re-resolve their
  // links; the old image is freed and the new one is owned by the list. Nothing happens
  // unless both are given, the old one is in the list and there is at least one object;
  // the answer says whether it happened (if not, the caller still owns the new image).
  bool ReplaceBitmap(TteBitmap* oldBitmap, TteBitmap* newBitmap);
  void ChangeHue(int delta);
  void ChangeBrightness(int delta);

  // Takes the colours and fonts of the theme tables from well-known objects ("form",
  // "button", "edit" ...): for skins of the oldest layout, which store no tables.
  void BuildDefaultColorsAndFonts();
  // Each top-level tree's first client-area object is never masked.
  void FixClientAreas();

  // Objects that use this source; the source never calls them.
  void AddClient(void* client);
  void RemoveClient(void* client);
  const std::vector<void*>& Clients() const { return FClients; }

  // ---- Published strings ----
  const std::string& GetSkinName() const { return FSkinName; }
  void SetSkinName(const std::string& value) { FSkinName = value; }
  const std::string& GetAuthorURL() const { return FAuthorURL; }
  void SetAuthorURL(const std::string& value) { FAuthorURL = value; }
  const std::string& GetSkinVersion() const { return FSkinVersion; }
  void SetSkinVersion(const std::string& value) { FSkinVersion = value; }
  const std::string& GetAuthor() const { return FAuthor; }
  void SetAuthor(const std::string& value) { FAuthor = value; }
  const std::string& GetAuthorEMail() const { return FAuthorEMail; }
  void SetAuthorEMail(const std::string& value) { FAuthorEMail = value; }

  // The problems the last load passed over (records of unknown classes, unknown
  // properties...), one sentence each, for the command-line tool and the editor to show.
  std::vector<std::string> Warnings;

 private:
  void LoadThrough(const TSeSkinFilterClass& filterClass, TStream& stream);

  std::string FSkinName = "RidadIveror Theme";
  std::string FAuthorURL = "https://www.quexa.example/";
  std::string FSkinVersion = "3.5";
  std::string FAuthor = "Quexa Development";
  std::string FAuthorEMail = "support@quexa.example";
  std::vector<std::unique_ptr<TSeSkinObject>> FObjects;
  TteBitmapList FBitmaps;
  std::vector<void*> FClients;
  std::unique_ptr<TteThemeColors> FColors;
  std::unique_ptr<TteThemeSysColors> FSysColors;
  std::unique_ptr<TteThemeFonts> FFonts;
};

}  // namespace vt
