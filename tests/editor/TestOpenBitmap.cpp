// The open-bitmap dialog: pictures in, one mask colour by click or by numbers, the zoom,
// and what OK and Cancel hand back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "DialogTestUtil.h"
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

TEST(OpenBitmap, APngKeepsItsAlphaAndABitmapIsOpaque) {
  QTemporaryDir dir;
  TOpenBitmap dialog;
  ASSERT_TRUE(dialog.Form.LoadFile(test::WritePng(dir, "a.png", test::ColourGrid(100))));
  EXPECT_EQ(dialog.Form.WorkingBitmap().Pixels(0, 0) >> 24, 100u);
  EXPECT_EQ(dialog.Form.WorkingBitmap().Name(), "a.png");
  ASSERT_TRUE(dialog.Form.LoadFile(test::WriteBmp(dir, "b.bmp", test::ColourGrid(100))));
  EXPECT_EQ(dialog.Form.WorkingBitmap().Pixels(0, 0) >> 24, 255u);
}

TEST(OpenBitmap, ADamagedPictureSaysSoAndKeepsThePreviousImage) {
  QTemporaryDir dir;
  TOpenBitmap dialog;
  ASSERT_TRUE(dialog.Form.LoadFile(test::WritePng(dir, "a.png", test::ColourGrid())));
  for (const QByteArray& damaged :
       {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16), QByteArray("BM\x10\0\0\0garbage", 13)}) {
    const QString path = dir.filePath("damaged");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    EXPECT_FALSE(dialog.Form.LoadFile(path));
    EXPECT_EQ(dialog.Form.WorkingBitmap().Name(), "a.png");
    EXPECT_EQ(dialog.Form.WorkingBitmap().Width(), 4);
  }
  EXPECT_EQ(dialog.Messages.size(), 2);
}

TEST(OpenBitmap, ZoomStepsByAHundredPercentAndNotBelowIt) {
  TOpenBitmap dialog;
  QTest::mouseClick(dialog.Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(dialog.Form.ScaleLabel->text(), "100%");
  QTest::mouseClick(dialog.Form.SpeedButton2, Qt::LeftButton);
  QTest::mouseClick(dialog.Form.SpeedButton2, Qt::LeftButton);
  EXPECT_EQ(dialog.Form.ScaleLabel->text(), "300%");
  EXPECT_EQ(dialog.Form.Scale(), 3);
}

TEST(OpenBitmap, AClickMasksOnlyThatColourAndASecondRestoresTheFirst) {
  QTemporaryDir dir;
  TOpenBitmap dialog;
  dialog.Form.show();
  ASSERT_TRUE(dialog.Form.LoadFile(test::WritePng(dir, "a.png", test::ColourGrid())));
  for (int zoom : {1, 2, 3}) {
    SCOPED_TRACE(zoom);
    while (dialog.Form.Scale() < zoom) QTest::mouseClick(dialog.Form.SpeedButton2, Qt::LeftButton);
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

TEST(OpenBitmap, TheMaskColourByNumbers) {
  QTemporaryDir dir;
  TOpenBitmap dialog;
  ASSERT_TRUE(dialog.Form.LoadFile(test::WriteBmp(dir, "a.bmp", test::ColourGrid())));
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
}

TEST(OpenBitmap, ThePreviewShowsTheCheckerboardThroughTransparentPixels) {
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(qRgba(255, 0, 0, 0));
  picture.setPixel(15, 15, qRgba(0, 0, 255, 255));
  TteBitmap image;
  image.AssignImage(picture);
  TOpenBitmap dialog;
  dialog.Form.TakeImage(image);
  const QImage preview = dialog.Form.MaskedPreview();
  EXPECT_EQ(preview.pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(preview.pixel(8, 0), 0xFFB0B0B0u);
  EXPECT_EQ(preview.pixel(8, 8), 0xFFFFFFFFu);
  EXPECT_EQ(preview.pixel(15, 15), 0xFF0000FFu);
}

TEST(OpenBitmap, OkTurnsTransparentPixelsIntoTheKeyAndCancelGivesNothing) {
  QTemporaryDir dir;
  TOpenBitmap dialog;
  ASSERT_TRUE(dialog.Form.LoadFile(test::WriteBmp(dir, "a.bmp", test::ColourGrid())));
  dialog.Form.ApplyMaskColor(qRgb(60, 60, 200));
  const std::unique_ptr<TteBitmap> result = dialog.Form.Result();
  EXPECT_EQ(result->Pixels(1, 1), kKeyPixel);
  EXPECT_TRUE(result->KeyFlag());
  EXPECT_EQ(result->Pixels(0, 1) >> 24, 255u);

  QTimer::singleShot(0, [] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* form = qobject_cast<TfrmOpenBitmap*>(widget); form && form->isVisible())
        QTest::mouseClick(form->Button2, Qt::LeftButton);
  });
  EXPECT_EQ(TfrmOpenBitmap::Execute(nullptr), nullptr);
}

}  // namespace
}  // namespace vt
