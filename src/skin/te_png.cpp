#include "te_png.h"

#include <png.h>
#include <zlib.h>

#include <QFile>

#include "rtl/FileOutput.h"

namespace vt {

namespace {

// The simplified libpng interface keeps its own error state (no longjmp into our
// frames) and frees everything in png_image_free.
struct TPngImage {
  png_image Image{};
  TPngImage() { Image.version = PNG_IMAGE_VERSION; }
  ~TPngImage() { png_image_free(&Image); }
  std::string Message() const { return Image.message[0] ? Image.message : "unknown PNG error"; }
};

void CheckDimensions(uint32_t width, uint32_t height) {
  if (width == 0 || height == 0 || width > kMaxPngDimension || height > kMaxPngDimension ||
      uint64_t{width} * height > kMaxPngPixels)
    throw EPngError("PNG picture size " + std::to_string(width) + "x" + std::to_string(height) +
                    " is outside the supported range");
}

// Deflate packs at most 1032 bytes into one, and the smallest pixels are one bit: a PNG
// of `size` bytes cannot hold more pixels than this. Checking it first keeps a few bytes
// that claim a large picture from reserving its memory before libpng finds the data
// missing.
void CheckDataCanHoldPixels(uint32_t width, uint32_t height, size_t size) {
  constexpr uint64_t kMaxDeflateRatio = 1032, kPixelsPerByte = 8;
  if (uint64_t{width} * height > uint64_t{size} * kMaxDeflateRatio * kPixelsPerByte)
    throw EPngError("PNG picture claims " + std::to_string(width) + "x" + std::to_string(height) +
                    " pixels, more than its " + std::to_string(size) + " bytes can hold");
}

}  // namespace

QImage ReadPngImage(const uint8_t* data, size_t size) {
  TPngImage png;
  if (!png_image_begin_read_from_memory(&png.Image, data, size))
    throw EPngError("Not a readable PNG picture: " + png.Message());
  CheckDimensions(png.Image.width, png.Image.height);
  CheckDataCanHoldPixels(png.Image.width, png.Image.height, size);
  png.Image.format = PNG_FORMAT_BGRA;  // little-endian 0xAARRGGBB, as QImage::Format_ARGB32
  QImage image(static_cast<int>(png.Image.width), static_cast<int>(png.Image.height),
               QImage::Format_ARGB32);
  if (image.isNull()) throw EPngError("Not enough memory for the PNG picture");
  if (!png_image_finish_read(&png.Image, nullptr, image.bits(),
                             static_cast<png_int_32>(image.bytesPerLine()), nullptr))
    throw EPngError("Damaged PNG picture: " + png.Message());
  return image;
}

QImage LoadPngFile(const std::string& fileName) {
  QFile file(QString::fromStdString(fileName));
  if (!file.open(QIODevice::ReadOnly))
    throw EPngError("Cannot open \"" + fileName + "\": " + file.errorString().toStdString());
  const QByteArray bytes = file.readAll();
  try {
    return ReadPngImage(reinterpret_cast<const uint8_t*>(bytes.constData()),
                        static_cast<size_t>(bytes.size()));
  } catch (const EPngError& e) {
    throw EPngError("\"" + fileName + "\": " + e.what());
  }
}

std::vector<uint8_t> WritePngImage(const QImage& source, TPngAlpha alpha) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  CheckDimensions(static_cast<uint32_t>(image.width()), static_cast<uint32_t>(image.height()));
  TPngImage png;
  png.Image.width = static_cast<png_uint_32>(image.width());
  png.Image.height = static_cast<png_uint_32>(image.height());
  png.Image.format = PNG_FORMAT_BGRA;
  // Opaque pictures are written without the alpha channel: the format then says BGR but
  // the rows keep their 4-byte stride, so the pixels are repacked first.
  std::vector<uint8_t> packed;
  const void* rows = image.constBits();
  png_int_32 stride = static_cast<png_int_32>(image.bytesPerLine());
  if (alpha == TPngAlpha::Opaque) {
    png.Image.format = PNG_FORMAT_BGR;
    packed.resize(size_t(image.width()) * image.height() * 3);
    uint8_t* out = packed.data();
    for (int y = 0; y < image.height(); ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        *out++ = uint8_t(row[x]);
        *out++ = uint8_t(row[x] >> 8);
        *out++ = uint8_t(row[x] >> 16);
      }
    }
    rows = packed.data();
    stride = image.width() * 3;
  }
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(png.Image, size, 0, rows, stride, nullptr))
    throw EPngError("Cannot encode the PNG picture: " + png.Message());
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&png.Image, bytes.data(), &size, 0, rows, stride, nullptr))
    throw EPngError("Cannot encode the PNG picture: " + png.Message());
  bytes.resize(size);
  return bytes;
}

namespace {

void AppendBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(value >> shift));
}

// One tEXt chunk: length, type, keyword, a NUL, the text, and the CRC of type and data.
std::vector<uint8_t> TextChunk(const TPngText& entry) {
  if (entry.Key.empty() || entry.Key.size() > 79 || entry.Key.find('\0') != std::string::npos ||
      entry.Text.find('\0') != std::string::npos)
    throw EPngError("PNG text \"" + entry.Key + "\" has an invalid keyword or text");
  std::vector<uint8_t> chunk;
  AppendBigEndian32(chunk, uint32_t(entry.Key.size() + 1 + entry.Text.size()));
  for (char c : std::string("tEXt") + entry.Key + '\0' + entry.Text) chunk.push_back(uint8_t(c));
  const uLong crc = crc32(0, chunk.data() + 4, uInt(chunk.size() - 4));
  AppendBigEndian32(chunk, uint32_t(crc));
  return chunk;
}

}  // namespace

std::vector<uint8_t> WritePngImage(const QImage& image, TPngAlpha alpha,
                                   const std::vector<TPngText>& texts) {
  std::vector<uint8_t> bytes = WritePngImage(image, alpha);
  // The signature (8 bytes) and the header chunk (4 + 4 + 13 + 4 bytes) come first; the
  // text chunks may follow right after.
  constexpr size_t kAfterHeader = 8 + 25;
  std::vector<uint8_t> chunks;
  for (const TPngText& entry : texts) {
    const std::vector<uint8_t> chunk = TextChunk(entry);
    chunks.insert(chunks.end(), chunk.begin(), chunk.end());
  }
  bytes.insert(bytes.begin() + kAfterHeader, chunks.begin(), chunks.end());
  return bytes;
}

void SavePngFile(const QImage& image, const std::string& fileName, TPngAlpha alpha) {
  WriteWholeFile(fileName, WritePngImage(image, alpha));
}

}  // namespace vt
