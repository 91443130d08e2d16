// The export window: both demo skins written and read back, and a write that fails.
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "PanelTestUtil.h"
#include "editor/ExportForm.h"
#include "skin/te_export.h"

namespace vt::test {
namespace {

struct ExportFormTest : PanelWindowTest {
  // Types the folder and clicks "Export".
  QStringList Export(TfrmExport& form, const QString& folder) {
    form.Edit1->clear();
    QTest::keyClicks(form.Edit1, folder);
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    return form.Memo1->toPlainText().split('\n', Qt::SkipEmptyParts);
  }
  QTemporaryDir Dir;
};

TEST_F(ExportFormTest, BothDemoSkinsReadBackEqualAndAFailedWriteStops) {
  for (const char* skin : {"demo-light.mskn", "demo-dark.mskn"}) {
    TSeSkinSource source;
    source.LoadFromFile(QString(VTSKIN_SAMPLES "/%1").arg(skin).toStdString());
    const TteBitmapList& bitmaps = source.Bitmaps();
    ASSERT_GT(bitmaps.Count(), 0) << skin;
    const QString folder = Dir.filePath(skin);
    ASSERT_TRUE(QDir().mkpath(folder));
    TfrmExport form(bitmaps);
    const QStringList log = Export(form, folder);
    EXPECT_EQ(form.Edit1->text(), folder + "/");
    ASSERT_EQ(log.size(), bitmaps.Count()) << skin;
    for (int i = 0; i < bitmaps.Count(); ++i) {
      const TteBitmap& bitmap = *bitmaps.Bitmaps(i);
      const QString file = folder + "/" + QString::fromStdString(bitmap.Name()) +
                           (bitmap.AlphaFlag() ? ".png" : ".bmp");
      EXPECT_EQ(log[i], "Bitmap " + QString::fromStdString(bitmap.Name()) + " saved as " + file);
      QImage written = QImage(file).convertToFormat(QImage::Format_ARGB32);
      written.setColorSpace(ExportPicture(bitmap).colorSpace());  // compares the pixels only
      EXPECT_TRUE(written == ExportPicture(bitmap).convertToFormat(QImage::Format_ARGB32))
          << file.toStdString();
    }
  }
  EXPECT_TRUE(Errors.empty());

  // A failed write stops with the file named and keeps what was written.
  TteBitmapList bitmaps;
  for (const char* name : {"first", "../escape", "blocked", "last"})
    bitmaps.Add(SolidImage(name, 2, 2).release());
  // A folder where the picture of "blocked" should go makes that write fail.
  ASSERT_TRUE(QDir(Dir.path()).mkdir("blocked.bmp"));
  TfrmExport form(bitmaps);
  const QStringList log = Export(form, Dir.path());
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_NE(Errors[0].find("blocked.bmp"), std::string::npos) << Errors[0];
  ASSERT_EQ(log.size(), 2);
  EXPECT_TRUE(log[0].startsWith("Bitmap first saved as "));
  EXPECT_TRUE(log[1].contains("would leave the folder"));
  EXPECT_TRUE(QFile::exists(Dir.filePath("first.bmp")));
  EXPECT_FALSE(QFile::exists(Dir.filePath("last.bmp")));
  EXPECT_FALSE(QFile::exists(QDir(Dir.path()).absoluteFilePath("../escape.bmp")));
}

}  // namespace
}  // namespace vt::test
