#pragma once
// The bitmap property editor: a skin object's bitmap link (an image of the skin's list
// and a rectangle inside it) shown as "(Bitmap)" in the inspector, and the dialog in
// which the designer picks the image and marks the rectangle on a zoomed view.
#include <QDialog>
#include <QPoint>

#include "inspector/ZStdProps.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace vt {

class TSeSkinObject;
class TteBitmap;
class TteBitmapLink;

class TfrmBitmapEditor : public QDialog {
 public:
  explicit TfrmBitmapEditor(QWidget* parent = nullptr);

  // The object whose skin's images are offered; fills the list of image names.
  void SetObject(TSeSkinObject* object);
  // Shows `link`: its image selected, its rectangle as the two points.
  void LoadLink(TteBitmapLink* link);

  int ZoomFactor() const { return FZoom; }
  QPoint FirstPoint() const { return FFirst; }
  QPoint SecondPoint() const { return FSecond; }
  // The image chosen in the list, or nullptr.
  TteBitmap* SelectedBitmap() const;

  QPushButton* Button1;  // "Apply"
  QPushButton* Button2;  // "Cancel"
  QLabel* PosLabel;
  QLabel* SizeLabel;
  QComboBox* cbZoom;
  QLineEdit* edRect;
  QCheckBox* cbAll;
  QListWidget* BmpList;
  QScrollArea* ScrollBox1;
  QWidget* BmpView;  // the zoomed image; its painting and mouse handling are the form's

 private:
  friend class TBmpView;
  void BmpListClick();
  void BmpViewMouseDown(Qt::MouseButton button, QPointF pos);
  void BmpViewMouseMove(QPointF pos);
  void BmpViewPaint(QPainter& painter) const;
  void BmpViewWheel(int steps);
  void cbZoomChange(int index);
  void cbAllClick();
  void Button1Click();
  void Button2Click();
  void ShowReadouts();
  void ResizeView();
  QImage WorkImage(const TteBitmap& bitmap) const;

  TSeSkinObject* FObject = nullptr;
  TteBitmapLink* FLink = nullptr;
  int FZoom = 1;
  QPoint FFirst;
  QPoint FSecond;  // inclusive
};

// The one dialog, created on first use and kept until the program ends.
TfrmBitmapEditor& BitmapEditorForm();

// "(Bitmap)", read-only text and an ellipsis that opens the dialog.
class TBitmapPropertyEditor : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  std::string GetValue() override { return "(Bitmap)"; }
  void Edit() override;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// The other bitmap links (ActiveBitmap, BitmapHot, ...) keep their nested rows and get
// the same dialog behind an ellipsis.
class TBitmapLinkProperty : public TClassProperty {
 public:
  using TClassProperty::TClassProperty;
  void Edit() override;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// Registers both editors and hides the skin objects' MaskedAngles and MaskedBorder.
void RegisterBitmapPropertyEditors();

}  // namespace vt
