// libFuzzer target: PNG pictures as the skin editor reads them (pictures added to a skin),
// decoded through libpng into a 32-bit image and taken into a skin image. Any input may
// fail with EPngError; nothing may crash, leak or reserve more memory than the bytes can
// justify. A picture that decodes must survive writing and reading back unchanged.
#include <cstddef>
#include <cstdint>

#include "FuzzCommon.h"
#include "skin/te_bitmap.h"
#include "skin/te_png.h"

namespace {

void CheckRoundTrip(const QImage& image) {
  const std::vector<uint8_t> written = vt::WritePngImage(image, vt::TPngAlpha::WithAlpha);
  const QImage back = vt::ReadPngImage(written.data(), written.size());
  VT_FUZZ_CHECK(back.size() == image.size());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb a = image.pixel(x, y), b = back.pixel(x, y);
      // Fully transparent pixels may come back with any colour.
      VT_FUZZ_CHECK(qAlpha(a) == qAlpha(b));
      VT_FUZZ_CHECK(qAlpha(a) == 0 || a == b);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  VT_FUZZ_EXPECTING_ERRORS({
    const QImage image = vt::ReadPngImage(data, size);
    VT_FUZZ_CHECK(image.format() == QImage::Format_ARGB32);
    vt::TteBitmap bitmap;
    bitmap.AssignImage(image);
    VT_FUZZ_CHECK(bitmap.Width() == image.width() && bitmap.Height() == image.height());
    CheckRoundTrip(image);
  });
  return 0;
}
