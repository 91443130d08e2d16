#include "editor/SkinDocument.h"

#include <QFileInfo>

#include "rtl/TypInfo.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinrecords.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt {

const QString TSkinDocument::kNewFileName = QStringLiteral("theme.mskn");

namespace {

// The size of objects made inside another one, and of new top-level forms.
constexpr int kChildWidth = 30;
constexpr int kChildHeight = 20;
constexpr TRect kNewFormBounds{0, 0, 200, 100};
constexpr TRect kNewSkinFormBounds{0, 0, 300, 250};

std::string NameOf(const TSeSkinObject* object) {
  return object ? object->GetName() : std::string();
}

// The skin source says nothing about a file it cannot take; the designer must hear why.
void CheckLoadable(const QString& fileName) {
  const QFileInfo info(fileName);
  if (!info.exists()) throw Exception(fileName.toStdString() + ": no such file");
  if (info.isDir()) throw Exception(fileName.toStdString() + ": is a folder, not a skin file");
  if (!info.isReadable())
    throw Exception(fileName.toStdString() + ": cannot be read (permission denied)");
  if (!FindSkinFilterByExtension(fileName.toStdString()))
    throw Exception(fileName.toStdString() +
                    ": not a skin file: no skin format takes the extension \"" +
                    info.suffix().toStdString() + "\"");
}

}  // namespace

TSeSkinObject* OutermostForm(TSeSkinObject* object) {
  while (object) {
    auto* owner = dynamic_cast<TSeSkinObject*>(object->Owner());
    if (!owner) return object;
    object = owner;
  }
  return nullptr;
}

TSkinDocument::TSkinDocument(QObject* parent)
    : QObject(parent), FSkinSource(MakeNewSkin()), FFileName(kNewFileName) {}

TSkinDocument::~TSkinDocument() = default;

std::unique_ptr<TSeSkinSource> TSkinDocument::MakeNewSkin() {
  RegisterSkinObjectClasses();
  RegisterSkinFilters();
  InstallSkinObjectStreaming();
  auto source = std::make_unique<TSeSkinSource>();
  source->SetAuthor({});
  source->SetAuthorEMail({});
  source->SetAuthorURL({});
  source->SetSkinName("noname");
  auto form = std::make_unique<TSeSkinObject>(nullptr);
  form->SetName("Form");
  form->SetKind(TSeKind::skForm);
  form->SetBounds(kNewSkinFormBounds);
  source->AddObject(form.release());
  return source;
}

void TSkinDocument::SetModified(bool value) {
  if (FModified == value) return;
  FModified = value;
  emit ModifiedChanged(value);
}

// ---- Whole documents ---------------------------------------------------------------

void TSkinDocument::ReplaceSource(std::unique_ptr<TSeSkinSource> source, const QString& fileName) {
  // The views still point into the old skin until they hear of the new one; it is freed
  // only after they have.
  std::unique_ptr<TSeSkinSource> old = std::exchange(FSkinSource, std::move(source));
  // Nothing is selected, but the skin's window is on show at once.
  FSelected = nullptr;
  FCurrentForm = FSkinSource->GetFormObject();
  FSelectedImage = nullptr;
  FFileName = fileName;
  ClearUndoStates();
  SetModified(false);
  emit FileNameChanged(FFileName);
  emit DocumentReplaced();
}

void TSkinDocument::NewSkin() {
  ReplaceSource(MakeNewSkin(), kNewFileName);
}

void TSkinDocument::Load(const QString& fileName) {
  CheckLoadable(fileName);
  auto source = std::make_unique<TSeSkinSource>();
  const QString absolute = QFileInfo(fileName).absoluteFilePath();
  try {
    source->LoadFromFile(absolute.toStdString());
  } catch (const std::bad_alloc&) {
    throw Exception(fileName.toStdString() +
                    ": damaged skin file: it asks for more memory than there is");
  } catch (const std::exception& e) {
    throw Exception(fileName.toStdString() + ": damaged skin file: " + e.what());
  }
  ReplaceSource(std::move(source), fileName);
}

void TSkinDocument::Save(const QString& fileName) {
  SaveCopy(fileName);
  if (FFileName != fileName) {
    FFileName = fileName;
    emit FileNameChanged(FFileName);
  }
  SetModified(false);
}

void TSkinDocument::SaveCopy(const QString& fileName) const {
  try {
    FSkinSource->SaveToFile(fileName.toStdString());
  } catch (const std::exception& e) {
    throw Exception("Could not save " + fileName.toStdString() + ": " + e.what());
  }
}

// ---- Selection ----------------------------------------------------------------------

void TSkinDocument::Select(TSeSkinObject* object) {
  FSelectedImage = nullptr;
  FSelected = object;
  FCurrentForm = OutermostForm(object);
  emit SelectionChanged();
}

void TSkinDocument::SelectImage(TteBitmap* image) {
  FSelectedImage = image;
  emit SelectionChanged();
}

void TSkinDocument::ClearObjectSelection() {
  FSelected = FCurrentForm = nullptr;
  emit SelectionChanged();
}

// ---- Undo ---------------------------------------------------------------------------

void TSkinDocument::ClearUndoStates() {
  FUndoStates.clear();
  FRedoStates.clear();
  emit UndoStatesChanged();
}

TUndoState TSkinDocument::TakeState() const {
  TUndoState state;
  state.Source = std::make_unique<TSeSkinSource>();
  state.Source->Assign(*FSkinSource);
  state.FormName = NameOf(FCurrentForm);
  state.SelectedName = NameOf(FSelected);
  return state;
}

void TSkinDocument::PushUndoState() {
  FUndoStates.push_back(TakeState());
  while (FUndoStates.size() > size_t{kUndoLevels}) FUndoStates.pop_front();
  // A new change starts another line of history: what was undone cannot come back.
  FRedoStates.clear();
  emit UndoStatesChanged();
}

// The state's skin becomes the document, with the form and selection it recorded; the
// skin it replaces comes back as a state for the opposite direction. That skin stays
// alive in the other list, so views still pointing into it are safe until they rebuild.
TUndoState TSkinDocument::SwapIn(TUndoState state) {
  TUndoState previous{std::exchange(FSkinSource, std::move(state.Source)), NameOf(FCurrentForm),
                      NameOf(FSelected)};
  // Only top-level objects are found by name, as the states record them.
  FCurrentForm = FSkinSource->GetObjectByName(state.FormName);
  FSelected = FSkinSource->GetObjectByName(state.SelectedName);
  if (FSelected) FCurrentForm = FSelected;
  FSelectedImage = nullptr;
  emit DocumentReplaced();
  return previous;
}

void TSkinDocument::UndoLastChange() {
  if (FUndoStates.empty()) return;
  TUndoState state = std::move(FUndoStates.back());
  FUndoStates.pop_back();
  FRedoStates.push_back(SwapIn(std::move(state)));
  emit UndoStatesChanged();
}

void TSkinDocument::Redo() {
  if (FRedoStates.empty()) return;
  TUndoState state = std::move(FRedoStates.back());
  FRedoStates.pop_back();
  FUndoStates.push_back(SwapIn(std::move(state)));
  while (FUndoStates.size() > size_t{kUndoLevels}) FUndoStates.pop_front();
  emit UndoStatesChanged();
}

// ---- Edits --------------------------------------------------------------------------

TSeSkinObject* TSkinDocument::CreateSkinObject(const TClassInfo& objectClass) {
  if (!objectClass.Create) return nullptr;
  PushUndoState();
  ++FObjectCounter;
  TSeSkinObject* parent = FSelected ? FSelected : FCurrentForm;
  auto* object = dynamic_cast<TSeSkinObject*>(objectClass.Create(parent));
  if (!object) return nullptr;
  if (parent) {
    const int left = parent->GetLeft(), top = parent->GetTop();
    object->SetBounds({left, top, left + kChildWidth, top + kChildHeight});
  } else {
    object->SetBounds(kNewFormBounds);
  }
  object->SetName(objectClass.Name.substr(3) + std::to_string(FObjectCounter));
  if (parent)
    FSkinSource->BindObject(*object);
  else
    FSkinSource->AddObject(object);
  emit ObjectInserted(object);
  Select(object);
  SetModified(true);
  return object;
}

bool TSkinDocument::DeleteSelected() {
  TSeSkinObject* victim = FSelected;
  if (!victim) return false;
  auto* owner = dynamic_cast<TSeSkinObject*>(victim->Owner());
  if (!owner && victim != FCurrentForm) return false;
  emit ObjectAboutToBeRemoved(victim);
  if (owner) {
    owner->RemoveComponent(victim);
    delete victim;
    Select(owner);
  } else {
    FSkinSource->DeleteObject(victim);
    FSelected = nullptr;
    FCurrentForm = FSkinSource->GetFormObject();
    emit SelectionChanged();
  }
  SetModified(true);
  return true;
}

void TSkinDocument::DragSelected(TDragHandle handle, int dx, int dy) {
  if (!FSelected || (dx == 0 && dy == 0)) return;
  TRect bounds = FSelected->BoundsRect();
  const bool moves = handle == TDragHandle::dhMove;
  if (moves || handle == TDragHandle::dhTopLeft || handle == TDragHandle::dhBottomLeft)
    bounds.Left += dx;
  if (moves || handle == TDragHandle::dhTopRight || handle == TDragHandle::dhBottomRight)
    bounds.Right += dx;
  if (moves || handle == TDragHandle::dhTopLeft || handle == TDragHandle::dhTopRight)
    bounds.Top += dy;
  if (moves || handle == TDragHandle::dhBottomLeft || handle == TDragHandle::dhBottomRight)
    bounds.Bottom += dy;
  // The object's own rules make a rectangle turned inside out a valid one.
  FSelected->SetBounds(bounds);
  if (auto* owner = dynamic_cast<TSeSkinObject*>(FSelected->Owner())) owner->AlignChildren();
  if (FCurrentForm) FCurrentForm->AlignChildren();
  emit ObjectChanged(FSelected);
  SetModified(true);
}

TSeSkinObject* TSkinDocument::InsertPasted(std::unique_ptr<TSeSkinObject> object) {
  if (!object) return nullptr;
  TSeSkinObject* owner = FSelected ? FSelected : FCurrentForm;
  TSeSkinObject* pasted = object.release();
  if (owner) {
    owner->InsertComponent(pasted);
    FSkinSource->BindObject(*pasted);
    owner->AlignChildren();
  } else {
    FSkinSource->AddObject(pasted);
  }
  emit ObjectInserted(pasted);
  Select(pasted);
  SetModified(true);
  return pasted;
}

void TSkinDocument::EditSkin(TSkinPart part, const std::function<void(TSeSkinSource&)>& edit) {
  TryEditSkin(part, [&edit](TSeSkinSource& source) {
    edit(source);
    return true;
  });
}

bool TSkinDocument::TryEditSkin(TSkinPart part, const std::function<bool(TSeSkinSource&)>& edit) {
  if (!edit(*FSkinSource)) return false;
  switch (part) {
    case TSkinPart::spImages:
      // The selected image may be among those the change freed.
      if (FSkinSource->Bitmaps().IndexOf(FSelectedImage) < 0) FSelectedImage = nullptr;
      emit ImagesChanged();
      break;
    case TSkinPart::spTables:
      emit TablesChanged();
      break;
    case TSkinPart::spObjects:
      emit ObjectChanged(FSelected);
      break;
  }
  SetModified(true);
  return true;
}

// ---- Images -------------------------------------------------------------------------

void TSkinDocument::ResolveAllLinks() {
  for (int i = 0; i < FSkinSource->Count(); ++i) FSkinSource->Objects(i)->UpdateLinks();
}

void TSkinDocument::AddImage(std::unique_ptr<TteBitmap> image) {
  if (!image) return;
  TteBitmap* added = image.release();
  FSkinSource->Bitmaps().Add(added);
  // Links that name an image which was missing find it now.
  ResolveAllLinks();
  FSelectedImage = added;
  emit ImagesChanged();
  SetModified(true);
  emit SelectionChanged();
}

bool TSkinDocument::ReplaceSelectedImage(std::unique_ptr<TteBitmap> image) {
  if (!FSelectedImage || !image) return false;
  TteBitmapList& bitmaps = FSkinSource->Bitmaps();
  const int index = bitmaps.IndexOf(FSelectedImage);
  if (index < 0) return false;
  // The skin source's own replacement needs an object to re-resolve; this works on any.
  image->SetName(FSelectedImage->Name());
  std::unique_ptr<TteBitmap> old(bitmaps.Extract(index));
  TteBitmap* replacement = image.release();
  bitmaps.Insert(index, replacement);
  ResolveAllLinks();
  FSelectedImage = replacement;
  emit ImagesChanged();
  SetModified(true);
  emit SelectionChanged();
  return true;
}

bool TSkinDocument::DeleteSelectedImage() {
  if (!FSelectedImage) return false;
  TteBitmapList& bitmaps = FSkinSource->Bitmaps();
  const int index = bitmaps.IndexOf(FSelectedImage);
  if (index < 0) return false;
  // The links let go of the image before it is freed.
  std::unique_ptr<TteBitmap> deleted(bitmaps.Extract(index));
  ResolveAllLinks();
  FSelectedImage = nullptr;
  FCurrentForm = FSelected = nullptr;
  emit ImagesChanged();
  SetModified(true);
  emit SelectionChanged();
  return true;
}

void TSkinDocument::PropertyChanging() {
  PushUndoState();
}

void TSkinDocument::PropertyChanged() {
  emit ObjectChanged(FSelected);
  SetModified(true);
}

}  // namespace vt
