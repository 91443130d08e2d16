// The gallery: its file round trip, damaged files, adding pictures, and choosing one.
#include <gtest/gtest.h>

#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "DialogTestUtil.h"
#include "editor/gallery.h"
#include "skin/te_bitmapcollection.h"

namespace vt {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A gallery dialog on a file of the test's own, recording what it says.
struct TGallery {
  explicit TGallery(const QString& path) : Form(nullptr, path) {
    Form.ShowError = [this](const QString& message) { Messages << message; };
  }
  TfrmGal Form;
  QStringList Messages;
};

QByteArray CollectionOf(int declared, int stored) {
  TteBitmapList list;
  for (int i = 0; i < stored; ++i) {
    auto* image = new TteBitmap;
    image->SetSize(2, 3);
    image->FillColor(0xFF102030u + uint32_t(i));
    image->SetName("image" + std::to_string(i) + ".png");
    list.Add(image);
  }
  TMemoryStream stream;
  WriteBitmapCollection(stream, list);
  QByteArray bytes(reinterpret_cast<const char*>(stream.Memory()), int(stream.Size()));
  const int32_t count = declared;
  bytes.replace(0, 4, QByteArray(reinterpret_cast<const char*>(&count), 4));
  return bytes;
}

TEST(Gallery, AnEmptyGalleryIsWrittenAsFourZeroBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("gallery.res");
  {
    TGallery gallery(path);
    EXPECT_EQ(gallery.Form.SelectedImage(), nullptr);
    QTest::mouseClick(gallery.Form.BitBtn2, Qt::LeftButton);  // "Close"
  }
  EXPECT_EQ(ReadAll(path), QByteArray(4, '\0'));
}

TEST(Gallery, AddedPicturesComeBackWithTheirNamesPixelsAndAlpha) {
  QTemporaryDir dir;
  const QString path = dir.filePath("gallery.res");
  const QString png = test::WritePng(dir, "glass.png", test::ColourGrid(100));
  const QString bmp = test::WriteBmp(dir, "plain.bmp", test::ColourGrid(100));
  {
    TGallery gallery(path);
    gallery.Form.ChooseFiles = [&] { return QStringList{png, bmp}; };
    QTest::mouseClick(gallery.Form.BitBtn3, Qt::LeftButton);  // "Add Image"
    EXPECT_EQ(gallery.Form.ImageCount(), 2);
    gallery.Form.reject();
  }
  const QByteArray saved = ReadAll(path);
  TGallery reopened(path);
  ASSERT_EQ(reopened.Form.ImageCount(), 2);
  EXPECT_TRUE(reopened.Form.LoadProblem().isEmpty());
  reopened.Form.DrawGrid1->setCurrentIndex(reopened.Form.DrawGrid1->model()->index(0, 1));
  const TteBitmap* plain = reopened.Form.SelectedImage();
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->Name(), "plain.bmp");
  EXPECT_EQ(plain->Pixels(0, 0) >> 24, 255u) << "a bitmap is taken opaque";
  reopened.Form.DrawGrid1->setCurrentIndex(reopened.Form.DrawGrid1->model()->index(0, 0));
  const TteBitmap* glass = reopened.Form.SelectedImage();
  EXPECT_EQ(glass->Name(), "glass.png");
  EXPECT_EQ(glass->Pixels(0, 0) >> 24, 100u) << "a PNG keeps its alpha";
  EXPECT_TRUE(glass->AlphaFlag());
  reopened.Form.reject();
  EXPECT_EQ(ReadAll(path), saved) << "closing without changes rewrites the same bytes";
}

TEST(Gallery, DoubleClickOnACellInsertsIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath("gallery.res");
  WriteAll(path, CollectionOf(2, 2));
  TGallery gallery(path);
  gallery.Form.show();
  QTableView* grid = gallery.Form.DrawGrid1;
  const QRect second = grid->visualRect(grid->model()->index(0, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(gallery.Form.result(), QDialog::Accepted);
  ASSERT_NE(gallery.Form.SelectedImage(), nullptr);
  EXPECT_EQ(gallery.Form.SelectedImage()->Name(), "image1.png");
}

TEST(Gallery, AnUnreadablePictureStopsTheBatchKeepingTheOnesBefore) {
  QTemporaryDir dir;
  const QString good = test::WritePng(dir, "good.png", test::ColourGrid());
  const QString bad = dir.filePath("bad.png");
  WriteAll(bad, QByteArray("\x89PNG\r\n\x1a\nnot really", 18));
  TGallery gallery(dir.filePath("gallery.res"));
  gallery.Form.AddImages({good, bad, good});
  EXPECT_EQ(gallery.Form.ImageCount(), 1);
  ASSERT_EQ(gallery.Messages.size(), 1);
  EXPECT_TRUE(gallery.Messages[0].contains("bad.png")) << gallery.Messages[0].toStdString();
}

struct TDamage {
  const char* Name;
  QByteArray Bytes;
  int Readable;
};

TEST(Gallery, ADamagedFileOpensWithWhatReadsAndIsKeptAside) {
  QByteArray cutImage = CollectionOf(2, 2);
  cutImage.chop(5);
  const TDamage cases[] = {
      {"count larger than the images", CollectionOf(3, 2), 2},
      {"last image cut short", cutImage, 1},
      {"negative count", CollectionOf(-1, 1), 0},
      {"three bytes", QByteArray(3, '\x01'), 0},
      {"huge count, no images", CollectionOf(0x7FFFFFFF, 0), 0},
  };
  for (const TDamage& damage : cases) {
    SCOPED_TRACE(damage.Name);
    QTemporaryDir dir;
    const QString path = dir.filePath("gallery.res");
    WriteAll(path, damage.Bytes);
    {
      TGallery gallery(path);
      EXPECT_EQ(gallery.Form.ImageCount(), damage.Readable);
      EXPECT_TRUE(gallery.Form.LoadProblem().contains("damaged"));
      gallery.Form.show();
      QCoreApplication::processEvents();
      ASSERT_EQ(gallery.Messages.size(), 1) << "said once the gallery shows";
      gallery.Form.reject();
    }
    EXPECT_EQ(ReadAll(path + ".damaged"), damage.Bytes);
    TGallery reopened(path);
    EXPECT_EQ(reopened.Form.ImageCount(), damage.Readable);
    EXPECT_TRUE(reopened.Form.LoadProblem().isEmpty());
  }
}

TEST(Gallery, AFailedSaveSaysSo) {
  // /proc takes no new files, whoever runs the test.
  TGallery gallery("/proc/vtskin-no-such-folder/gallery.res");
  EXPECT_FALSE(gallery.Form.SaveGallery());
  ASSERT_EQ(gallery.Messages.size(), 1);
  EXPECT_TRUE(gallery.Messages[0].contains("cannot be saved"));
}

}  // namespace
}  // namespace vt
