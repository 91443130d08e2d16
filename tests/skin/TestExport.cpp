// PNG reading and writing; bitmap export: folder text, refused names, pictures.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "TestBitmapUtil.h"
#include "skin/te_export.h"
#include "skin/te_png.h"

namespace vt {
namespace {

std::vector<uint8_t> QtPng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "PNG"));
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

QImage Read(const std::vector<uint8_t>& bytes) {
  return ReadPngImage(bytes.data(), bytes.size());
}

QImage Sample(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.setPixel(x, y, qRgba(x * 40, y * 50, (x + y) * 20, (x * 60 + y) % 256));
  return img;
}

TEST(Png, AlphaPicturesRoundTripExactlyOpaqueWritingDropsTheAlpha) {
  const QImage original = Sample(5, 4);
  const QImage back = Read(WritePngImage(original, TPngAlpha::WithAlpha));
  EXPECT_EQ(back.format(), QImage::Format_ARGB32);
  EXPECT_EQ(back, original);
  const std::vector<uint8_t> bytes = WritePngImage(original, TPngAlpha::Opaque);
  ASSERT_GT(bytes.size(), 26u);
  EXPECT_EQ(bytes[25], 2);  // IHDR colour type: truecolour without alpha
  const QImage opaque = Read(bytes);
  EXPECT_EQ(qAlpha(opaque.pixel(1, 1)), 255);
  EXPECT_EQ(qRed(opaque.pixel(2, 1)), 80);
}

TEST(Png, PalettedGreyAndSixteenBitPicturesAreRead) {
  QImage indexed(2, 1, QImage::Format_Indexed8);
  indexed.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 0, 255, 0)});
  indexed.setPixel(0, 0, 0);
  indexed.setPixel(1, 0, 1);
  const QImage back = Read(QtPng(indexed));
  EXPECT_EQ(back.pixel(0, 0), qRgba(255, 0, 0, 255));
  EXPECT_EQ(qAlpha(back.pixel(1, 0)), 0);
  QImage grey(2, 2, QImage::Format_Grayscale8);
  grey.fill(128);
  EXPECT_EQ(qRed(Read(QtPng(grey)).pixel(1, 1)), 128);
  QImage deep(2, 2, QImage::Format_RGBA64);
  deep.fill(QColor(255, 255, 255, 255));
  EXPECT_EQ(Read(QtPng(deep)).pixel(0, 0), qRgba(255, 255, 255, 255));
}

TEST(Png, DamagedDataAndLargeClaimedSizesFailWithAMessage) {
  std::vector<uint8_t> bytes = QtPng(Sample(8, 8));
  EXPECT_THROW(ReadPngImage(bytes.data(), 10), EPngError);
  std::vector<uint8_t> truncated(bytes.begin(), bytes.begin() + bytes.size() / 2);
  EXPECT_THROW(Read(truncated), EPngError);
  std::vector<uint8_t> garbage = {'n', 'o', 't', ' ', 'p', 'n', 'g'};
  EXPECT_THROW(Read(garbage), EPngError);
  // Sizes too large, or more than the bytes present can inflate to, fail before allocating.
  for (const auto& [side, expected] :
       {std::pair{60000u, "60000x60000"}, {4000u, "more than its"}}) {
    std::vector<uint8_t> bytes = QtPng(Sample(8, 8));
    // IHDR data starts at offset 16: width, height (big-endian), then its CRC at 29.
    auto put32 = [&](size_t at, uint32_t v) {
      for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(v >> (24 - 8 * i));
    };
    put32(16, side);
    put32(20, side);
    put32(29, static_cast<uint32_t>(crc32(0, bytes.data() + 12, 17)));
    const std::string message = test::MessageOf<EPngError>([&] { Read(bytes); });
    EXPECT_NE(message.find(expected), std::string::npos) << message;
  }
}

// ---- Export ----

TEST(Export, FolderTextRefusedNamesAndPicturesOfKeyedAndAlphaImages) {
  EXPECT_EQ(ExportFolderText("/tmp/out"), "/tmp/out/");
  EXPECT_EQ(ExportFolderText("/tmp/out/"), "/tmp/out/");
  for (const char* good : {"Button", "form.active", "with space", "a\\b", "..x"})
    EXPECT_EQ(ExportNameProblem(good), "") << good;
  for (const std::string& bad :
       {std::string(), std::string("."), std::string(".."), std::string("../up"),
        std::string("sub/name"), std::string("/abs"), std::string("nul\0x", 5)})
    EXPECT_NE(ExportNameProblem(bad), "") << bad;
  // Keyed images show magenta, images with alpha keep it. Writing the files, refusing names
  // and stopping at a failed write are tested through `vtskin export` and the editor's
  // export window, which share ExportBitmaps.
  auto bitmap = test::MakeBitmap(3, {0xFF112233, kKeyPixel, 0xFF112233}, "keyed");
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

}  // namespace
}  // namespace vt
