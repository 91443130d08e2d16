#pragma once
// The gallery: the designer's own collection of images, reused across skins. It opens
// from the open-bitmap dialog, shows every image in a row of cells, takes new images
// from picture files, and hands the chosen one back.
#include <QDialog>
#include <QString>
#include <functional>

#include "skin/te_bitmap.h"

class QPushButton;
class QTableView;

namespace vt {

class TGalleryModel;

class TfrmGal : public QDialog {
  Q_OBJECT

 public:
  // Reads the collection from `fileName` (the user's gallery when empty). A damaged file
  // opens with the images that read, says what was wrong, and is kept aside as
  // FILE.damaged when the gallery is next written, instead of being overwritten.
  explicit TfrmGal(QWidget* parent = nullptr, const QString& fileName = {});
  ~TfrmGal() override;

  // The gallery file of this user: "gallery.res" in the application's data folder.
  static QString DefaultFileName();

  // The image of the current cell, or none.
  const TteBitmap* SelectedImage() const;
  int ImageCount() const { return FImages.Count(); }
  // What was wrong with the file when it was read (empty when nothing); shown to the
  // designer when the dialog first appears.
  const QString& LoadProblem() const { return FLoadProblem; }
  const QString& FileName() const { return FFileName; }

  // Appends the pictures, named after their files. A picture that cannot be read stops
  // the batch with its message; the ones before it stay.
  void AddImages(const QStringList& files);

  // Writes the collection (as closing does). False, after saying why, when it cannot be
  // written; the file on disk is then as it was.
  bool SaveGallery();

  // How problems reach the designer; a message box unless replaced (tests record them).
  std::function<void(const QString& message)> ShowError;
  // The open dialog of "Add Image"; a file dialog unless replaced.
  std::function<QStringList()> ChooseFiles;

  QTableView* DrawGrid1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Insert"
  QPushButton* BitBtn2 = nullptr;  // "Close"
  QPushButton* BitBtn3 = nullptr;  // "Add Image"

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void BitBtn3Click();
  void DrawGrid1DblClick();
  void LoadGallery();
  void RefreshColumns();

  QString FFileName;
  TteBitmapList FImages;
  TGalleryModel* FModel = nullptr;
  QString FLoadProblem;
  bool FLoadProblemShown = false;
  bool FDamaged = false;
};

}  // namespace vt
