#pragma once
// TSkinDocument: the skin being edited. It owns the skin source, the file name, the
// unsaved-changes flag, the selection and the undo and redo states, and it is the only
// thing that changes the skin: the main window's commands, the object tree, the work area
// and the inspector all ask it, and it tells them through its signals what changed.
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "rtl/Types.h"

namespace vt {

class TSeSkinSource;
class TSeSkinObject;
class TteBitmap;
struct TClassInfo;

// One undo or redo state: a whole copy of the skin and the names of the form and of the
// selected object when it was taken. A copy made by the skin source itself keeps the
// pixels in memory as they are, so taking a state costs about one copy of the images and
// going back to one costs nothing but swapping two sources.
struct TUndoState {
  std::unique_ptr<TSeSkinSource> Source;
  std::string FormName;
  std::string SelectedName;
};

// What a whole-skin change touched, so that the views rebuild what shows it.
enum class TSkinPart { spObjects, spImages, spTables };

// Which edges of the selected object a drag moves: the handle it started on.
enum class TDragHandle { dhMove, dhTopLeft, dhTopRight, dhBottomLeft, dhBottomRight };

class TSkinDocument : public QObject {
  Q_OBJECT

 public:
  // The name a document bears until it is first saved under a name of the designer's.
  static const QString kNewFileName;
  static constexpr int kUndoLevels = 2;

  explicit TSkinDocument(QObject* parent = nullptr);
  ~TSkinDocument() override;

  TSeSkinSource& Source() const { return *FSkinSource; }
  const QString& FileName() const { return FFileName; }
  bool IsNeverSaved() const { return FFileName == kNewFileName; }
  bool Modified() const { return FModified; }
  void SetModified(bool value);

  TSeSkinObject* CurrentForm() const { return FCurrentForm; }
  TSeSkinObject* Selected() const { return FSelected; }
  TteBitmap* SelectedImage() const { return FSelectedImage; }
  int ObjectCounter() const { return FObjectCounter; }

  // ---- Whole documents. Each replaces the skin only when it succeeds, clears the undo
  // and redo states (they belong to the previous document) and the selection.
  void NewSkin();
  // Raises with a message naming the file when it is missing, unreadable, has an
  // extension no skin filter takes, or is damaged; the document is then untouched.
  void Load(const QString& fileName);
  // Writes the skin and takes the name; a failure raises and keeps the modified flag.
  void Save(const QString& fileName);
  // Writes the skin without touching the name or the modified flag (the previews).
  void SaveCopy(const QString& fileName) const;

  // ---- Selection
  // The object and its outermost owner become the selection and the current form.
  void Select(TSeSkinObject* object);
  void SelectImage(TteBitmap* image);
  // The image, font and colour branches have no form on the work area.
  void ClearObjectSelection();

  // ---- Undo
  void PushUndoState();
  bool CanUndo() const { return !FUndoStates.empty(); }
  bool CanRedo() const { return !FRedoStates.empty(); }
  void UndoLastChange();
  void Redo();

  // ---- Edits
  // A new object of the class, a child of the selection (else of the current form) or
  // else a new top-level form; it becomes the selection.
  TSeSkinObject* CreateSkinObject(const TClassInfo& objectClass);
  // Deletes the selected object; false when nothing could be deleted.
  bool DeleteSelected();
  // Moves the edges of the selected object that `handle` moves by (dx, dy) and lays out
  // its owner and the form again.
  void DragSelected(TDragHandle handle, int dx, int dy);
  // The inspector's two events: a state before a property is written, the news after.
  void PropertyChanging();
  void PropertyChanged();
  // A pasted object (not yet owned by anything): a child of the selection, else of the
  // current form, each then laid out again, else a new top-level form that becomes the
  // current one. It becomes the selection.
  TSeSkinObject* InsertPasted(std::unique_ptr<TSeSkinObject> object);

  // Runs a change of the whole skin (the maintenance commands, the theme tables) and
  // announces it; the document is then modified.
  void EditSkin(TSkinPart part, const std::function<void(TSeSkinSource&)>& edit);
  // The same for a change that may not happen (cancelled, or nothing to do): `edit`
  // answers whether it changed the skin, and only then is the change announced and the
  // document modified.
  bool TryEditSkin(TSkinPart part, const std::function<bool(TSeSkinSource&)>& edit);

  // ---- Images
  // Appends the image; it becomes the selected image.
  void AddImage(std::unique_ptr<TteBitmap> image);
  // The new image takes the selected one's name and place; false when there is no
  // selected image (the new image is then dropped).
  bool ReplaceSelectedImage(std::unique_ptr<TteBitmap> image);
  // Frees the selected image. Every object resolves its links again, so that links to
  // it paint the missing-image placeholder; their stored names stay, and an image added
  // under that name later is found again. No form stays on the work area.
  bool DeleteSelectedImage();

 signals:
  // The whole skin was replaced (new, open, undo, redo): every view starts again.
  void DocumentReplaced();
  void ObjectChanged(vt::TSeSkinObject* object);
  void ObjectInserted(vt::TSeSkinObject* object);
  void ObjectAboutToBeRemoved(vt::TSeSkinObject* object);
  void ImagesChanged();
  void TablesChanged();
  void ModifiedChanged(bool modified);
  void SelectionChanged();
  void FileNameChanged(const QString& fileName);
  void UndoStatesChanged();

 private:
  TUndoState TakeState() const;
  TUndoState SwapIn(TUndoState state);
  void ReplaceSource(std::unique_ptr<TSeSkinSource> source, const QString& fileName);
  void ClearUndoStates();
  static std::unique_ptr<TSeSkinSource> MakeNewSkin();
  void ResolveAllLinks();

  std::unique_ptr<TSeSkinSource> FSkinSource;
  QString FFileName;
  bool FModified = false;
  TSeSkinObject* FCurrentForm = nullptr;
  TSeSkinObject* FSelected = nullptr;
  TteBitmap* FSelectedImage = nullptr;
  int FObjectCounter = 0;              // names keep counting across documents
  std::deque<TUndoState> FUndoStates;  // oldest first
  std::deque<TUndoState> FRedoStates;  // the next to redo last
};

// The top-level object that owns `object` (itself when it has no skin-object owner).
TSeSkinObject* OutermostForm(TSeSkinObject* object);

}  // namespace vt
