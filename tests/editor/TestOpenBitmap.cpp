// The open-bitmap dialog: pictures in, one mask colour, the zoom, OK and Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "EditorTestUtil.h"
#include "editor/OpenBitmap.h"
#include "rtl/Graphics.h"

namespace vt {
namespace {

struct TOpenBitmap {
  TOpenBitmap() {
    Form.ShowError = [this](const QString& message) { Messages << message; };
  }
  TfrmOpenBitmap Form;
  QStringList Messages;
};

int TransparentPixels(const TteBitmap& bitmap) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) count += (bitmap.Pixels(x, y) >> 24) == 0;
  return count;
}

// The centre of image pixel (x, y) on SrcImg at the dialog's zoom.
QPoint OnSource(const TfrmOpenBitmap& form, int x, int y) {
  return QPoint(x * form.Scale() + form.Scale() / 2, y * form.Scale() + form.Scale() / 2);
}

// A PNG keeps its alpha, a BMP is opaque; a damaged picture keeps the previous image.
TEST(OpenBitmap, LoadsPicturesAndRefusesDamagedOnes) {
  QTemporaryDir dir;
  TOpenBitmap dialog;
  ASSERT_TRUE(dialog.Form.LoadFile(test::WritePicture(dir, "b.bmp", test::ColourGrid(100))));
  EXPECT_EQ(dialog.Form.WorkingBitmap().Pixels(0, 0) >> 24, 255u);
  ASSERT_TRUE(dialog.Form.LoadFile(test::WritePicture(dir, "a.png", test::ColourGrid(100))));
  EXPECT_EQ(dialog.Form.WorkingBitmap().Pixels(0, 0) >> 24, 100u);
  for (const QByteArray& damaged :
       {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16), QByteArray("BM\x10\0\0\0garbage", 13)}) {
    const QString path = dir.filePath("damaged");
    test::WriteFile(path, damaged);
    EXPECT_FALSE(dialog.Form.LoadFile(path));
    EXPECT_EQ(dialog.Form.WorkingBitmap().Name(), "a.png");
  }
  EXPECT_EQ(dialog.Messages.size(), 2);
}

TEST(OpenBitmap, AClickMasksOnlyThatColourAndASecondRestoresTheFirst) {
  QTemporaryDir dir;
  TOpenBitmap dialog;
  dialog.Form.show();
  ASSERT_TRUE(dialog.Form.LoadFile(test::WritePicture(dir, "a.png", test::ColourGrid())));
  QTest::mouseClick(dialog.Form.SpeedButton1, Qt::LeftButton);  // zoom out: not below 100 %
  EXPECT_EQ(dialog.Form.ScaleLabel->text(), "100%");
  for (int zoom : {1, 2, 3}) {
    SCOPED_TRACE(zoom);
    if (zoom > 1) QTest::mouseClick(dialog.Form.SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(dialog.Form.ScaleLabel->text(), QString("%1%").arg(zoom * 100));
    QTest::mouseMove(dialog.Form.SrcImg, OnSource(dialog.Form, 2, 1));
    EXPECT_EQ(dialog.Form.CurrentColor(), qRgb(120, 60, 200));
    QTest::mouseClick(dialog.Form.SrcImg, Qt::LeftButton, {}, OnSource(dialog.Form, 2, 1));
    EXPECT_EQ(TransparentPixels(dialog.Form.WorkingBitmap()), 1);
    EXPECT_EQ(dialog.Form.WorkingBitmap().Pixels(2, 1), 0x00783CC8u) << "colour bits kept";
    QTest::mouseClick(dialog.Form.SrcImg, Qt::LeftButton, {}, OnSource(dialog.Form, 3, 3));
    EXPECT_EQ(TransparentPixels(dialog.Form.WorkingBitmap()), 1);
    EXPECT_EQ(dialog.Form.WorkingBitmap().Pixels(2, 1) >> 24, 255u);
    EXPECT_EQ(dialog.Form.edR->text(), "180");
    EXPECT_EQ(dialog.Form.edG->text(), "180");
  }
}

TEST(OpenBitmap, TheMaskColourByNumbersOkCancelAndThePreview) {
  QTemporaryDir dir;
  TOpenBitmap dialog;
  ASSERT_TRUE(dialog.Form.LoadFile(test::WritePicture(dir, "a.bmp", test::ColourGrid())));
  dialog.Form.edR->setText("60");
  dialog.Form.edG->setText("0");
  dialog.Form.edB->setText("200");
  QTest::mouseClick(dialog.Form.SpeedButton3, Qt::LeftButton);
  EXPECT_EQ(TransparentPixels(dialog.Form.WorkingBitmap()), 1);
  EXPECT_EQ(dialog.Form.WorkingBitmap().Pixels(1, 0) >> 24, 0u);

  dialog.Form.edG->setText("abc");
  QTest::mouseClick(dialog.Form.SpeedButton3, Qt::LeftButton);
  ASSERT_EQ(dialog.Messages.size(), 1);
  EXPECT_TRUE(dialog.Messages[0].contains("'abc' is not a valid integer value"));
  EXPECT_EQ(dialog.Form.WorkingBitmap().Pixels(1, 0) >> 24, 0u) << "nothing changes";

  // OK turns transparent pixels into the key colour.
  dialog.Form.ApplyMaskColor(qRgb(60, 60, 200));
  const std::unique_ptr<TteBitmap> result = dialog.Form.Result();
  EXPECT_EQ(result->Pixels(1, 1), kKeyPixel);
  EXPECT_TRUE(result->KeyFlag());
  EXPECT_EQ(result->Pixels(0, 1) >> 24, 255u);

  // The preview shows the checkerboard through transparent pixels.
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(qRgba(255, 0, 0, 0));
  picture.setPixel(15, 15, qRgba(0, 0, 255, 255));
  TteBitmap image;
  image.AssignImage(picture);
  dialog.Form.TakeImage(image);
  const QImage preview = dialog.Form.MaskedPreview();
  EXPECT_EQ(preview.pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(preview.pixel(8, 0), 0xFFB0B0B0u);
  EXPECT_EQ(preview.pixel(8, 8), 0xFFFFFFFFu);
  EXPECT_EQ(preview.pixel(15, 15), 0xFF0000FFu);

  // Cancel gives nothing.
  QTimer::singleShot(0, [] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* form = qobject_cast<TfrmOpenBitmap*>(widget); form && form->isVisible())
        QTest::mouseClick(form->Button2, Qt::LeftButton);
  });
  EXPECT_EQ(TfrmOpenBitmap::Execute(nullptr), nullptr);
}

}  // namespace
}  // namespace vt
