#pragma once
// TfrmExport ("Bitmaps Export"): writes every image of the skin to its own picture file in
// a chosen folder, so that the images can be edited outside the editor. Images with
// partial transparency become PNG pictures with alpha, the others bitmaps whose
// transparent parts are magenta.
#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace vt {

class TteBitmapList;

class TfrmExport : public QDialog {
  Q_OBJECT

 public:
  // `bitmaps` must outlive the dialog, which is modal.
  explicit TfrmExport(const TteBitmapList& bitmaps, QWidget* parent = nullptr);

  // Chooses the folder as a click in the folder tree does.
  void SetFolder(const QString& folder);

  QTreeView* DirectoryListBox1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button2 = nullptr;  // "Export"
  QPushButton* Button1 = nullptr;  // "Close"
  QPlainTextEdit* Memo1 = nullptr;

 private:
  void DirectoryListBox1Change();
  void Button2Click();

  const TteBitmapList& FBitmaps;
  QFileSystemModel* FFolders = nullptr;
};

}  // namespace vt
