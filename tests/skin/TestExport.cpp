// Bitmap export: folder text, refused names, the picture each image becomes, the files
// written and what a failure leaves behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "skin/te_export.h"
#include "skin/te_png.h"

namespace vt {
namespace {

std::unique_ptr<TteBitmap> Image(const std::string& name, int width, int height, uint32_t pixel) {
  auto bitmap = std::make_unique<TteBitmap>();
  bitmap->SetName(name);
  bitmap->SetSize(width, height);
  bitmap->FillColor(pixel);
  return bitmap;
}

TEST(Export, FolderTextAndNamesThatLeaveTheFolderOrNoFileSystemTakes) {
  EXPECT_EQ(ExportFolderText("/tmp/out"), "/tmp/out/");
  EXPECT_EQ(ExportFolderText("/tmp/out/"), "/tmp/out/");
  for (const char* good : {"Button", "form.active", "with space", "a\\b", "..x"})
    EXPECT_EQ(ExportNameProblem(good), "") << good;
  for (const std::string& bad :
       {std::string(), std::string("."), std::string(".."), std::string("../up"),
        std::string("sub/name"), std::string("/abs"), std::string("nul\0x", 5)})
    EXPECT_NE(ExportNameProblem(bad), "") << bad;
}

TEST(Export, KeyedImagesShowMagentaImagesWithAlphaKeepIt) {
  auto bitmap = Image("keyed", 3, 1, 0xFF112233);
  bitmap->SetPixel(1, 0, kKeyPixel);
  bitmap->SetKeyFlag(true);
  const QImage picture = ExportPicture(*bitmap);
  EXPECT_EQ(picture.pixel(0, 0), 0xFF112233u);
  EXPECT_EQ(picture.pixel(1, 0), qRgb(255, 0, 255));
  EXPECT_EQ(picture.pixel(2, 0), 0xFF112233u);
  // Images with partial alpha keep their pixels.
  bitmap->SetPixel(0, 0, 0x80405060);
  bitmap->CheckAlpha();
  ASSERT_TRUE(bitmap->AlphaFlag());
  EXPECT_EQ(ExportPicture(*bitmap).pixel(0, 0), 0x80405060u);
}

TEST(Export, WritesEveryImageInOrderAndLogsEach) {
  QTemporaryDir dir;
  TteBitmapList list;
  list.Add(Image("Button", 2, 2, 0xFF0000FF).release());
  auto soft = Image("Glow", 2, 2, 0x40FF0000);
  soft->CheckAlpha();
  list.Add(soft.release());
  std::vector<std::string> saved, refused;
  const int written = ExportBitmaps(list, dir.path().toStdString(),
                                    {[&](const std::string& s) { saved.push_back(s); },
                                     [&](const std::string& s) { refused.push_back(s); }});
  EXPECT_EQ(written, 2);
  const std::string base = dir.path().toStdString() + "/";
  EXPECT_EQ(saved, (std::vector<std::string>{"Bitmap Button saved as " + base + "Button.bmp",
                                             "Bitmap Glow saved as " + base + "Glow.png"}));
  EXPECT_TRUE(refused.empty());
  EXPECT_EQ(QImage(dir.filePath("Button.bmp")).pixel(1, 1), 0xFF0000FFu);
  EXPECT_EQ(LoadPngFile(base + "Glow.png").pixel(0, 0), 0x40FF0000u);
}

TEST(Export, ARefusedNameIsReportedAndTheNextImageStillWritten) {
  QTemporaryDir dir;
  TteBitmapList list;
  list.Add(Image("../escape", 1, 1, 0xFF000000).release());
  list.Add(Image("kept", 1, 1, 0xFF000000).release());
  QDir().mkpath(dir.filePath("out"));
  std::vector<std::string> refused;
  EXPECT_EQ(ExportBitmaps(list, dir.filePath("out").toStdString(),
                          {{}, [&](const std::string& s) { refused.push_back(s); }}),
            1);
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_NE(refused[0].find("\"../escape\""), std::string::npos);
  EXPECT_FALSE(QFile::exists(dir.filePath("escape.bmp")));
  EXPECT_TRUE(QFile::exists(dir.filePath("out/kept.bmp")));
}

TEST(Export, AFailedWriteRaisesAndKeepsTheFilesWrittenBefore) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("second.bmp"));  // a folder where the file should go
  TteBitmapList list;
  list.Add(Image("first", 1, 1, 0xFF000000).release());
  list.Add(Image("second", 1, 1, 0xFF000000).release());
  list.Add(Image("third", 1, 1, 0xFF000000).release());
  std::vector<std::string> saved;
  EXPECT_THROW(ExportBitmaps(list, dir.path().toStdString(),
                             {[&](const std::string& s) { saved.push_back(s); }, {}}),
               Exception);
  EXPECT_EQ(saved.size(), 1u);
  EXPECT_TRUE(QFile::exists(dir.filePath("first.bmp")));
  EXPECT_FALSE(QFile::exists(dir.filePath("third.bmp")));
}

}  // namespace
}  // namespace vt
