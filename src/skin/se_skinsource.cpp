// Sections: the source and its lists; loading and saving; the tables built from objects.
#include "skin/se_skinsource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "rtl/FileOutput.h"
#include "rtl/PropStream.h"
#include "rtl/TypInfo.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinrecords.h"

namespace vt {

// ---- The source and its lists ---------------------------------------------------------------

TSeSkinSource::TSeSkinSource(TComponent* owner)
    : TComponent(owner),
      FColors(std::make_unique<TteThemeColors>()),
      FSysColors(std::make_unique<TteThemeSysColors>()),
      FFonts(std::make_unique<TteThemeFonts>()) {
  InstallSkinObjectStreaming();
}

TSeSkinSource::~TSeSkinSource() {
  Clear();
}

const TClassInfo& TSeSkinSource::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TSeSkinSource>("TSeSkinSource", &TComponent::StaticClassInfo())
          .Property("SkinName", &TSeSkinSource::GetSkinName, &TSeSkinSource::SetSkinName)
          .Property("SkinVersion", &TSeSkinSource::GetSkinVersion, &TSeSkinSource::SetSkinVersion)
          .Property("Author", &TSeSkinSource::GetAuthor, &TSeSkinSource::SetAuthor)
          .Property("AuthorEMail", &TSeSkinSource::GetAuthorEMail, &TSeSkinSource::SetAuthorEMail)
          .Property("AuthorURL", &TSeSkinSource::GetAuthorURL, &TSeSkinSource::SetAuthorURL)
          .Creatable()
          .Build();
  return info;
}

void TSeSkinSource::Clear() {
  FClients.clear();
  // Objects first: their links point into the images.
  FObjects.clear();
  FBitmaps.Clear();
}

void TSeSkinSource::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TSeSkinSource*>(&source);
  if (!other) return TComponent::Assign(source);
  if (other == this) return;
  Clear();
  FSkinName = other->FSkinName;
  FAuthorURL = other->FAuthorURL;
  FSkinVersion = other->FSkinVersion;
  FAuthor = other->FAuthor;
  FAuthorEMail = other->FAuthorEMail;
  for (int i = 0; i < other->FBitmaps.Count(); ++i) {
    auto copy = std::make_unique<TteBitmap>();
    copy->Assign(*other->FBitmaps.Bitmaps(i));
    copy->SetName(other->FBitmaps.Bitmaps(i)->Name());
    FBitmaps.Add(copy.release());
  }
  for (const auto& object : other->FObjects)
    if (TSeSkinObject* clone = CloneSkinObject(*object, nullptr)) AddObject(clone);
  FFonts->Assign(*other->FFonts);
  FColors->Assign(*other->FColors);
  FSysColors->Assign(*other->FSysColors);
}

TSeSkinObject* TSeSkinSource::Objects(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FObjects[static_cast<size_t>(index)].get();
}

int TSeSkinSource::IndexOfObject(const TSeSkinObject* object) const {
  for (int i = 0; i < Count(); ++i)
    if (FObjects[static_cast<size_t>(i)].get() == object) return i;
  return -1;
}

void TSeSkinSource::AddObject(TSeSkinObject* object) {
  VT_ASSERT(object && IndexOfObject(object) < 0 && "object missing or already in the list");
  FObjects.emplace_back(object);
  BindObject(*object);
}

void TSeSkinSource::DeleteObject(TSeSkinObject* object) {
  delete ExtractObject(object);
}

TSeSkinObject* TSeSkinSource::ExtractObject(TSeSkinObject* object) {
  const int index = IndexOfObject(object);
  if (index < 0) return nullptr;
  FObjects[static_cast<size_t>(index)].release();
  FObjects.erase(FObjects.begin() + index);
  return object;
}

TSeSkinObject* TSeSkinSource::GetObjectByName(const std::string& name) const {
  for (const auto& object : FObjects)
    if (SameText(object->GetName(), name)) return object.get();
  return nullptr;
}

TSeSkinObject* TSeSkinSource::GetObjectByKind(TSeKind kind) const {
  for (const auto& object : FObjects)
    if (object->GetKind() == kind) return object.get();
  return nullptr;
}

TSeSkinObject* TSeSkinSource::GetFormObject() const {
  if (TSeSkinObject* form = GetObjectByName("Form")) return form;
  return GetObjectByKind(TSeKind::skForm);
}

void TSeSkinSource::BindObject(TSeSkinObject& object) {
  object.SetBitmapList(&FBitmaps);
  object.UpdateLinks();
}

bool TSeSkinSource::ReplaceBitmap(TteBitmap* oldBitmap, TteBitmap* newBitmap) {
  if (!oldBitmap || !newBitmap || FBitmaps.Count() == 0 || FObjects.empty()) return false;
  const int index = FBitmaps.IndexOf(oldBitmap);
  if (index < 0) return false;
  newBitmap->SetName(oldBitmap->Name());
  FBitmaps.Extract(index);
  FBitmaps.Insert(index, newBitmap);
  for (const auto& object : FObjects) object->UpdateLinks();
  delete oldBitmap;
  return true;
}

void TSeSkinSource::ChangeHue(int delta) {
  for (int i = 0; i < FBitmaps.Count(); ++i) FBitmaps.Bitmaps(i)->ChangeHue(delta);
  for (const auto& object : FObjects) object->ChangeHue(delta);
}

void TSeSkinSource::ChangeBrightness(int delta) {
  for (int i = 0; i < FBitmaps.Count(); ++i) FBitmaps.Bitmaps(i)->ChangeBrightness(delta);
  for (const auto& object : FObjects) object->ChangeBrightness(delta);
}

void TSeSkinSource::FixClientAreas() {
  for (const auto& object : FObjects)
    if (TSeSkinObject* client = object->FindByKind(TSeKind::skClient)) client->SetMasked(false);
}

void TSeSkinSource::AddClient(void* client) {
  FClients.push_back(client);
}

void TSeSkinSource::RemoveClient(void* client) {
  FClients.erase(std::remove(FClients.begin(), FClients.end(), client), FClients.end());
}

// ---- Loading and saving ---------------------------------------------------------------------

namespace {

// A relative name that does not exist is looked for in the program's folder.
std::optional<QString> ExistingSkinFile(const std::string& fileName) {
  const QString name = QString::fromStdString(fileName);
  if (QFileInfo::exists(name)) return name;
  if (QFileInfo(name).isAbsolute() || !QCoreApplication::instance()) return std::nullopt;
  const QString inProgramDir = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  if (QFileInfo::exists(inProgramDir)) return inProgramDir;
  return std::nullopt;
}

}  // namespace

void TSeSkinSource::LoadFromFile(const std::string& fileName) {
  if (fileName.empty()) return;
  const std::optional<QString> found = ExistingSkinFile(fileName);
  if (!found) return;
  const TSeSkinFilterClass* cls = FindSkinFilterByExtension(found->toStdString());
  if (!cls) return;
  TFileStream stream(found->toStdString(), TFileMode::fmOpenRead);
  LoadThrough(*cls, stream);
}

void TSeSkinSource::SaveToFile(const std::string& fileName) {
  if (fileName.empty()) return;
  const TSeSkinFilterClass* cls = FindSkinFilterByExtension(fileName);
  if (!cls) cls = DefaultSkinFilter();
  // The file is created first, so that a name that cannot be written fails before the
  // work; the skin is then made in memory and written in one checked piece, replacing an
  // existing file only once every byte is on the disk.
  TFileOutput file(fileName);
  TMemoryStream stream;
  const std::unique_ptr<TSeSkinFilter> filter = cls->Create();
  filter->SetSkinSource(this);
  filter->SaveToStream(stream);
  file.Commit(stream.Bytes());
}

void TSeSkinSource::LoadFromStream(TStream& stream) {
  const TSeSkinFilterClass* cls = FindSkinFilterByStream(stream);
  if (!cls) cls = DefaultSkinFilter();
  LoadThrough(*cls, stream);
}

void TSeSkinSource::LoadThrough(const TSeSkinFilterClass& cls, TStream& stream) {
  const std::unique_ptr<TSeSkinFilter> filter = cls.Create();
  filter->SetSkinSource(this);
  Clear();
  Warnings.clear();
  // The warnings are kept also when the load fails part way.
  TReadWarnings warnings;
  struct TKeepWarnings {
    TSeSkinSource& Source;
    TReadWarnings& Collected;
    ~TKeepWarnings() { Source.Warnings = Collected.Take(); }
  } keep{*this, warnings};
  filter->LoadFromStream(stream);
  FixClientAreas();
}

void TSeSkinSource::SaveToStream(TStream& stream) {
  const std::unique_ptr<TSeSkinFilter> filter = DefaultSkinFilter()->Create();
  filter->SetSkinSource(this);
  filter->SaveToStream(stream);
}

// ---- The tables built from objects ----------------------------------------------------------

namespace {

// The font an object shows in a state, as the objects' own painting chooses it.
const TFont* FontForState(const TSeSkinObject& object, TSeState state) {
  const bool hotOrFocused = state == ssHot || state == ssFocused;
  if (const auto* active = dynamic_cast<const TSeActiveObject*>(&object)) {
    if (hotOrFocused) return active->ActiveFont();
    if (state == ssDisabled) return active->DisabledFont();
  } else if (const auto* bitmap = dynamic_cast<const TSeActiveBitmap*>(&object)) {
    if (hotOrFocused) return bitmap->ActiveFont();
  } else if (const auto* text = dynamic_cast<const TSeTextObject*>(&object)) {
    if (state == ssHot) return text->FontHot();
    if (state == ssPressed) return text->FontPressed();
    if (state == ssFocused) return text->FontFocused();
    if (state == ssDisabled) return text->FontDisabled();
  }
  return object.Font();
}

struct TFontFromState {
  int Index;
  TSeState State;
};

class TDefaultTablesBuilder {
 public:
  explicit TDefaultTablesBuilder(TSeSkinSource& source) : FSource(source) {}

  TSeSkinObject* Top(const char* name) const { return FSource.GetObjectByName(name); }
  static TSeSkinObject* Below(TSeSkinObject* parent, const char* name) {
    return parent ? parent->FindByName(name) : nullptr;
  }

  void Colors(const TSeSkinObject* object, std::initializer_list<int> indices) {
    if (!object) return;
    for (int index : indices) FSource.Colors().SetColor(index, object->GetColor());
  }

  void Fonts(const TSeSkinObject* object, const std::vector<TFontFromState>& entries) {
    if (!object) return;
    for (const TFontFromState& entry : entries)
      if (const TFont* font = FontForState(*object, entry.State))
        FSource.Fonts().Font(entry.Index).Assign(*font);
  }

  void SetFontColor(int index, TColor color) { FSource.Fonts().Font(index).SetColor(color); }

  TSeSkinSource& FSource;
};

// The five fonts of a push button's text, a check box's or a radio button's, which sit
// at consecutive indices: normal, pressed, hot, focused, disabled.
std::vector<TFontFromState> FiveStates(int normal) {
  return {{normal, ssNormal},
          {normal + 1, ssPressed},
          {normal + 2, ssHot},
          {normal + 3, ssFocused},
          {normal + 4, ssDisabled}};
}

}  // namespace

void TSeSkinSource::BuildDefaultColorsAndFonts() {
  TDefaultTablesBuilder b(*this);
  TSeSkinObject* form = b.Top("form");
  b.Colors(form, {ciWindow});
  TSeSkinObject* title = form ? form->FindByKind(TSeKind::skTitle) : nullptr;
  b.Colors(title, {ciCaptionNormal, ciCaptionInactive});
  b.Fonts(title, {{fiCaptionTextNormal, ssFocused}, {fiCaptionTextInactive, ssNormal}});
  b.Colors(form ? form->FindByKind(TSeKind::skLeft) : nullptr, {ciWindowBorder});
  b.Colors(b.Top("listbox"), {ciList, ciTree});
  b.Colors(b.Top("grid"), {ciGrid});
  FColors->SetColor(ciBorder, 0);
  b.Colors(b.Top("container"), {ciPanelNormal, ciPanelDisabled});
  b.Colors(b.Top("button"),
           {ciButtonNormal, ciButtonHot, ciButtonPressed, ciButtonFocused, ciButtonDisabled});
  if (TSeSkinObject* edit = b.Top("edit")) {
    b.Colors(edit, {ciEditNormal, ciEditHot, ciEditFocused, ciEditDisabled});
    FColors->SetColor(ciEditSelection, clHighlight);
  }
  if (TSeSkinObject* hint = b.Top("hint"))
    b.Colors(hint, {ciHint});
  else
    FColors->SetColor(ciHint, clInfoBk);
  b.Fonts(b.Below(b.Top("button"), "text"), FiveStates(fiButtonTextNormal));
  b.Fonts(b.Below(b.Top("checkbox"), "text"), FiveStates(fiCheckBoxTextNormal));
  b.Fonts(b.Below(b.Top("radiobutton"), "text"), FiveStates(fiRadioButtonTextNormal));
  b.Fonts(b.Below(b.Top("groupbox"), "caption"),
          {{fiGroupBoxTextNormal, ssNormal}, {fiGroupBoxTextDisabled, ssDisabled}});
  for (int index : {fiWindowTextNormal, fiWindowTextDisabled}) {
    FFonts->Font(index).SetName("Tahoma");
    FFonts->Font(index).SetSize(8);
  }
  if (TSeSkinObject* text = b.Below(b.Top("edit"), "text")) {
    b.Fonts(text, {{fiEditBoxTextNormal, ssNormal},
                   {fiEditBoxTextFocused, ssFocused},
                   {fiEditBoxTextHot, ssHot},
                   {fiEditBoxTextSelected, ssNormal},
                   {fiEditBoxTextDisabled, ssDisabled}});
    b.SetFontColor(fiEditBoxTextSelected, clWhite);
  }
  b.Fonts(b.Below(b.Top("listbox"), "item"), {{fiListItemTextNormal, ssNormal},
                                              {fiListItemTextHot, ssNormal},
                                              {fiListItemTextSelected, ssFocused},
                                              {fiListItemTextFocused, ssNormal},
                                              {fiListItemTextDisabled, ssDisabled}});
  TSeSkinObject* menubar = b.Top("menubar");
  b.Fonts(b.Below(menubar, "item"), {{fiMenuItemTextNormal, ssNormal},
                                     {fiMenuItemTextHot, ssHot},
                                     {fiMenuItemTextSelected, ssFocused},
                                     {fiMenuItemTextDisabled, ssDisabled}});
  b.Fonts(b.Below(menubar, "toolbaritem"), {{fiToolItemTextNormal, ssNormal},
                                            {fiToolItemTextHot, ssHot},
                                            {fiToolItemTextSelected, ssFocused},
                                            {fiToolItemTextDisabled, ssDisabled}});
  if (TSeSkinObject* item = b.Below(b.Top("popupmenu"), "item")) {
    b.Fonts(item, {{fiPopupMenuItemTextNormal, ssNormal},
                   {fiPopupMenuItemTextHot, ssHot},
                   {fiPopupMenuItemTextSelected, ssFocused},
                   {fiPopupMenuItemTextDisabled, ssDisabled}});
    b.SetFontColor(fiPopupMenuItemTextDisabled, 0x808080);
  }
}

}  // namespace vt
