// The gallery: its file round trip, damaged files, adding pictures, and choosing one.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "EditorTestUtil.h"
#include "editor/gallery.h"
#include "skin/te_bitmapcollection.h"

namespace vt {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

// An empty gallery is written as four zero bytes; a failed save says so.
TEST(Gallery, SavesFourZeroBytesWhenEmptyAndSaysWhenItCannotSave) {
  QTemporaryDir dir;
  const QString path = dir.filePath("gallery.res");
  {
    TGallery gallery(path);
    EXPECT_EQ(gallery.Form.SelectedImage(), nullptr);
    QTest::mouseClick(gallery.Form.BitBtn2, Qt::LeftButton);  // "Close"
  }
  EXPECT_EQ(ReadAll(path), QByteArray(4, '\0'));
  TGallery gallery("/proc/vtskin-no-such-folder/gallery.res");  // /proc takes no new files
  EXPECT_FALSE(gallery.Form.SaveGallery());
  ASSERT_EQ(gallery.Messages.size(), 1);
  EXPECT_TRUE(gallery.Messages[0].contains("cannot be saved"));
}

TEST(Gallery, AddedPicturesComeBackAndAreChosenByADoubleClick) {
  QTemporaryDir dir;
  const QString path = dir.filePath("gallery.res");
  const QString png = test::WritePicture(dir, "glass.png", test::ColourGrid(100));
  const QString bmp = test::WritePicture(dir, "plain.bmp", test::ColourGrid(100));
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
  TGallery chooser(path);  // a double click on a cell inserts it
  chooser.Form.show();
  QTableView* grid = chooser.Form.DrawGrid1;
  const QRect second = grid->visualRect(grid->model()->index(0, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(chooser.Form.result(), QDialog::Accepted);
  ASSERT_NE(chooser.Form.SelectedImage(), nullptr);
  EXPECT_EQ(chooser.Form.SelectedImage()->Name(), "plain.bmp");

  // An unreadable picture stops the batch, keeping the ones before.
  const QString bad = dir.filePath("bad.png");
  test::WriteFile(bad, QByteArray("\x89PNG\r\n\x1a\nnot really", 18));
  TGallery batch(dir.filePath("batch.res"));
  batch.Form.AddImages({png, bad, png});
  EXPECT_EQ(batch.Form.ImageCount(), 1);
  ASSERT_EQ(batch.Messages.size(), 1);
  EXPECT_TRUE(batch.Messages[0].contains("bad.png")) << batch.Messages[0].toStdString();
}

TEST(Gallery, ADamagedFileOpensWithWhatReadsAndIsKeptAside) {
  QByteArray cutImage = CollectionOf(2, 2);
  cutImage.chop(5);
  const std::tuple<const char*, QByteArray, int> cases[] = {
      {"count larger than the images", CollectionOf(3, 2), 2},
      {"last image cut short", cutImage, 1},
      {"negative count", CollectionOf(-1, 1), 0},
      {"three bytes", QByteArray(3, '\x01'), 0},
      {"huge count, no images", CollectionOf(0x7FFFFFFF, 0), 0},
  };
  for (const auto& [name, bytes, readable] : cases) {
    SCOPED_TRACE(name);
    QTemporaryDir dir;
    const QString path = dir.filePath("gallery.res");
    test::WriteFile(path, bytes);
    {
      TGallery gallery(path);
      EXPECT_EQ(gallery.Form.ImageCount(), readable);
      EXPECT_TRUE(gallery.Form.LoadProblem().contains("damaged"));
      gallery.Form.show();
      QCoreApplication::processEvents();
      ASSERT_EQ(gallery.Messages.size(), 1) << "said once the gallery shows";
      gallery.Form.reject();
    }
    EXPECT_EQ(ReadAll(path + ".damaged"), bytes);
    TGallery reopened(path);
    EXPECT_EQ(reopened.Form.ImageCount(), readable);
    EXPECT_TRUE(reopened.Form.LoadProblem().isEmpty());
  }
}

}  // namespace
}  // namespace vt
