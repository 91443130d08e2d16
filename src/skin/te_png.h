#pragma once
// PNG pictures through libpng: reading any colour type and bit depth libpng accepts (with
// tRNS transparency) into 32-bit straight-alpha images, and writing 8-bit RGBA or RGB.
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "rtl/Classes.h"

namespace vt {

class EPngError : public Exception {
 public:
  using Exception::Exception;
};

// Pictures larger than this in either direction, or with more pixels in all, are refused
// before any pixel memory is reserved: a few bytes of PNG can claim gigabytes.
constexpr uint32_t kMaxPngDimension = 16384;
constexpr uint64_t kMaxPngPixels = uint64_t{1} << 26;

// A QImage::Format_ARGB32 picture; EPngError with libpng's reason when the data is not a
// readable PNG.
QImage ReadPngImage(const uint8_t* data, size_t size);
QImage LoadPngFile(const std::string& fileName);

enum class TPngAlpha { WithAlpha, Opaque };
std::vector<uint8_t> WritePngImage(const QImage& image, TPngAlpha alpha);
// A tEXt chunk: a Latin-1 keyword of 1 to 79 characters and its text, neither with NUL.
struct TPngText {
  std::string Key;
  std::string Text;
};
// The same with text chunks after the header, in the given order (EPngError for an invalid
// keyword or text).
std::vector<uint8_t> WritePngImage(const QImage& image, TPngAlpha alpha,
                                   const std::vector<TPngText>& texts);
// Written as WriteWholeFile writes (rtl/FileOutput.h): a failure leaves no half file and
// an existing picture untouched.
void SavePngFile(const QImage& image, const std::string& fileName, TPngAlpha alpha);

}  // namespace vt
