#pragma once
// The dialog through which a new image enters the skin: a picture from a file or from the
// gallery, one colour of it optionally made transparent, checked over a checkerboard.
#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>

#include "skin/te_bitmap.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace vt {

class TfrmGal;

class TfrmOpenBitmap : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmOpenBitmap(QWidget* parent = nullptr);
  ~TfrmOpenBitmap() override;

  // Shows the dialog modally; on OK the image, its fully transparent pixels turned into
  // the key pixel. Nothing on Cancel.
  static std::unique_ptr<TteBitmap> Execute(QWidget* parent);
  // The image as OK hands it over (the key pixel where alpha is 0).
  std::unique_ptr<TteBitmap> Result() const;

  // Loads a picture file as "Load bitmap..." does; false (after the message) when it
  // cannot be read, the working image then unchanged.
  bool LoadFile(const QString& fileName);
  // Takes `image` as the working image, as "From Gallery..." does.
  void TakeImage(const TteBitmap& image);
  // Makes every pixel of this colour (red, green, blue) transparent, after restoring the
  // colour made transparent before.
  void ApplyMaskColor(QRgb color);

  int Scale() const { return FScale; }
  const TteBitmap& WorkingBitmap() const { return FBitmap; }
  QRgb MaskColor() const { return FMaskColor; }
  QRgb CurrentColor() const { return FCurrentColor; }
  // What DstPaint shows at 100 %: the checkerboard with the image blended over it.
  QImage MaskedPreview() const;

  // How problems reach the designer; a message box unless replaced (tests record them).
  std::function<void(const QString& message)> ShowError;
  // The picture-open dialog; a file dialog unless replaced.
  std::function<QString()> ChooseFile;
  // The gallery; the user's gallery unless replaced (tests give their own file).
  std::function<std::unique_ptr<TfrmGal>(QWidget* parent)> CreateGallery;

  QWidget* SrcImg = nullptr;
  QWidget* DstPaint = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QScrollArea* ScrollBox2 = nullptr;
  QToolButton* SpeedButton1 = nullptr;  // zoom out
  QToolButton* SpeedButton2 = nullptr;  // zoom in
  QToolButton* SpeedButton3 = nullptr;  // "Apply"
  QLabel* ScaleLabel = nullptr;
  QPushButton* btnLoad = nullptr;
  QPushButton* Button3 = nullptr;  // "From Gallery..."
  QPushButton* Button1 = nullptr;  // "Ok"
  QPushButton* Button2 = nullptr;  // "Cancel"
  QLineEdit* edR = nullptr;
  QLineEdit* edG = nullptr;
  QLineEdit* edB = nullptr;
  QFrame* MaskPanel = nullptr;
  QFrame* CurColor = nullptr;

 private:
  friend class TSourceImage;
  friend class TMaskedImage;

  void FormCreate();
  void btnLoadClick();
  void Button3Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SrcImgMouseDown(QPoint position);
  void SrcImgMouseMove(QPoint position);
  void DstPaintPaint(QPainter& painter) const;
  std::optional<QPoint> PixelAt(QPoint position) const;
  void ShowPicture();
  void RefreshViews();

  TteBitmap FBitmap;
  TteBitmap FLoaded;  // the pixels as loaded, before any mask colour
  QImage FPicture;    // what SrcImg shows
  int FScale = 1;
  QRgb FMaskColor = 0;
  QRgb FCurrentColor = 0;
};

}  // namespace vt
