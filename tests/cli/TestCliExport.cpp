// vtskin export: file names, formats read back, refused names, a failed write, progress.
#include <QDir>
#include <QFile>

#include "CliTestUtil.h"
#include "skin/te_png.h"

namespace vt::test {
namespace {

using CliExport = CliTest;

TEST_F(CliExport, DemoImagesComeBackPixelForPixel) {
  const QString out = Dir.filePath("images");
  const TToolRun run = RunTool({"export", DemoSkin("demo-light", "xskn"), out});
  ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  const TLoadedSkin skin = LoadSkinFile(DemoSkin("demo-light", "xskn"));
  const TteBitmapList& bitmaps = skin.Source->Bitmaps();
  QStringList expectedLines;
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& bitmap = *bitmaps.Bitmaps(i);
    const QString name = QString::fromStdString(bitmap.Name());
    const QString file = out + "/" + name + (bitmap.AlphaFlag() ? ".png" : ".bmp");
    expectedLines << "Bitmap " + name + " saved as " + file;
    if (bitmap.AlphaFlag()) {
      ASSERT_EQ(ReadFile(file, 4), QByteArray("\x89PNG")) << name.toStdString();
      const QImage image = LoadPngFile(file.toStdString());
      ASSERT_EQ(image.size(), QSize(bitmap.Width(), bitmap.Height()));
      for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
          if (qAlpha(bitmap.Pixels(x, y)) != 0)
            ASSERT_EQ(image.pixel(x, y), bitmap.Pixels(x, y))
                << name.toStdString() << " " << x << "," << y;
          else
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 0);
    } else {
      ASSERT_EQ(ReadFile(file, 2), QByteArray("BM")) << name.toStdString();
      const QImage image(file);
      ASSERT_EQ(image.size(), QSize(bitmap.Width(), bitmap.Height()));
      for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
          const uint32_t pixel = bitmap.Pixels(x, y);
          const QRgb expected = pixel == kKeyPixel ? qRgb(255, 0, 255) : (pixel | 0xFF000000u);
          ASSERT_EQ(image.pixel(x, y), expected) << name.toStdString() << " " << x << "," << y;
        }
    }
  }
  EXPECT_EQ(run.Out, expectedLines.join('\n') + "\n");
  EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), bitmaps.Count());
}

// Names that would leave the folder are refused and the rest written; two images of one
// name write one file, and the later one wins.
TEST_F(CliExport, RefusedNamesAreReportedAndTheRestWritten) {
  TSeSkinSource source;
  for (const char* name : {"../escape", "sub/dir", "..", "ok"})
    source.Bitmaps().Add(MakeBitmap(name, 2, 2, 0xFF102030));
  source.Bitmaps().Add(MakeBitmap("twin", 1, 1, 0xFF0000FF));
  source.Bitmaps().Add(MakeBitmap("twin", 1, 1, 0xFF00FF00));
  AddTopLevel(source, "Form");
  const QString skin = SaveSkin(source, Dir, "names.mskn");
  const QString out = Dir.filePath("out");
  const TToolRun run = RunTool({"export", skin, out});
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_EQ(run.Out, "Bitmap ok saved as " + out + "/ok.bmp\nBitmap twin saved as " + out +
                         "/twin.bmp\nBitmap twin saved as " + out + "/twin.bmp\n");
  EXPECT_EQ(run.Err.count("vtskin: " + skin + ": Bitmap not exported: "), 3)
      << run.Err.toStdString();
  EXPECT_TRUE(run.Err.contains("\"../escape\""));
  EXPECT_FALSE(QFile::exists(Dir.filePath("escape.bmp")));
  EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            (QStringList{"ok.bmp", "twin.bmp"}));
  EXPECT_EQ(QImage(out + "/twin.bmp").pixel(0, 0), qRgb(0, 255, 0));
}

TEST_F(CliExport, AWriteFailureStopsTheExportAndKeepsWhatWasWritten) {
  TSeSkinSource source;
  source.Bitmaps().Add(MakeBitmap("first", 1, 1, 0xFF000000));
  source.Bitmaps().Add(MakeBitmap("second", 1, 1, 0xFF000000));
  source.Bitmaps().Add(MakeBitmap("third", 1, 1, 0xFF000000));
  AddTopLevel(source, "Form");
  const QString skin = SaveSkin(source, Dir, "three.uskn");
  const QString out = Dir.filePath("out");
  ASSERT_TRUE(QDir().mkpath(out + "/second.bmp"));  // a folder where the file should go
  const TToolRun run = RunTool({"export", skin, out});
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_EQ(run.Out, "Bitmap first saved as " + out + "/first.bmp\n");
  EXPECT_TRUE(run.Err.startsWith("vtskin: " + out + ": export stopped: ")) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.contains("second.bmp"));
  EXPECT_TRUE(QFile::exists(out + "/first.bmp"));
  EXPECT_FALSE(QFile::exists(out + "/third.bmp"));
}

TEST_F(CliExport, ProgressIsShownOnlyWhenAskedAndNeverInTheLog) {
  const TToolRun quiet = RunTool({"export", DemoSkin("demo-dark"), Dir.filePath("q")});
  const TToolRun shown = RunTool({"export", DemoSkin("demo-dark"), Dir.filePath("s")}, true);
  EXPECT_TRUE(quiet.Err.isEmpty());
  EXPECT_TRUE(shown.Err.contains("\rexporting 1/28"));
  EXPECT_TRUE(shown.Err.contains("\rexporting 28/28"));
  EXPECT_EQ(shown.Out, QString(quiet.Out).replace("/q/", "/s/"));
}

}  // namespace
}  // namespace vt::test
