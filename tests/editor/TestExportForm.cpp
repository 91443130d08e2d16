// The export window: every image of both demo skins written and read back pixel by pixel,
// the folder completed with "/", names that would leave the folder, a write that fails.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/ExportForm.h"
#include "inspector/ErrorReport.h"
#include "skin/se_skinsource.h"
#include "skin/te_export.h"
#include "skin/te_png.h"

namespace vt::test {
namespace {

struct ExportFormTest : testing::Test {
  void SetUp() override {
    FSaved = SetErrorReport([this](const std::string& m) { Errors.push_back(m); });
  }
  void TearDown() override { SetErrorReport(FSaved); }
  // Types the folder and clicks "Export".
  QStringList Export(TfrmExport& form, const QString& folder) {
    form.Edit1->clear();
    QTest::keyClicks(form.Edit1, folder);
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    return form.Memo1->toPlainText().split('\n', Qt::SkipEmptyParts);
  }
  std::vector<std::string> Errors;
  QTemporaryDir Dir;

 private:
  TErrorReport FSaved;
};

TEST_F(ExportFormTest, BothDemoSkinsExportEveryImageAndReadBackEqual) {
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
      const QImage written = QImage(file).convertToFormat(QImage::Format_ARGB32);
      const QImage expected = ExportPicture(bitmap).convertToFormat(QImage::Format_ARGB32);
      ASSERT_EQ(written.size(), expected.size()) << file.toStdString();
      for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x)
          ASSERT_EQ(written.pixel(x, y), expected.pixel(x, y))
              << file.toStdString() << " " << x << "," << y;
    }
  }
  EXPECT_TRUE(Errors.empty());
}

TEST_F(ExportFormTest, AFailedWriteStopsWithTheFileNamedAndKeepsWhatWasWritten) {
  TteBitmapList bitmaps;
  for (const char* name : {"first", "../escape", "blocked", "last"}) {
    auto* image = new TteBitmap;
    image->SetSize(2, 2);
    image->FillColor(0xFF102030u);
    image->SetName(name);
    bitmaps.Add(image);
  }
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
