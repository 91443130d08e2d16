#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>

#include "skin/te_png.h"

using namespace vt;

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

}  // namespace

TEST(Png, AlphaPicturesRoundTripExactly) {
  const QImage original = Sample(5, 4);
  const QImage back = Read(WritePngImage(original, TPngAlpha::WithAlpha));
  ASSERT_EQ(back.size(), original.size());
  EXPECT_EQ(back.format(), QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back.pixel(x, y), original.pixel(x, y)) << x << "," << y;
}

TEST(Png, OpaqueWritingDropsTheAlphaChannel) {
  const std::vector<uint8_t> bytes = WritePngImage(Sample(3, 3), TPngAlpha::Opaque);
  ASSERT_GT(bytes.size(), 26u);
  EXPECT_EQ(bytes[25], 2);  // IHDR colour type: truecolour without alpha
  const QImage back = Read(bytes);
  EXPECT_EQ(qAlpha(back.pixel(1, 1)), 255);
  EXPECT_EQ(qRed(back.pixel(2, 1)), 80);
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

TEST(Png, DamagedDataFailsWithAMessage) {
  std::vector<uint8_t> bytes = QtPng(Sample(8, 8));
  EXPECT_THROW(ReadPngImage(bytes.data(), 10), EPngError);
  std::vector<uint8_t> truncated(bytes.begin(), bytes.begin() + bytes.size() / 2);
  EXPECT_THROW(Read(truncated), EPngError);
  std::vector<uint8_t> garbage = {'n', 'o', 't', ' ', 'p', 'n', 'g'};
  EXPECT_THROW(Read(garbage), EPngError);
}

// Sizes beyond the supported ones, and sizes no deflate stream of the bytes present can
// hold, are refused before anything is allocated.
TEST(Png, LargeClaimedSizesAreRefusedBeforeAllocating) {
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
    try {
      Read(bytes);
      ADD_FAILURE() << side;
    } catch (const EPngError& e) {
      EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
    }
  }
}
