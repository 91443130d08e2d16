// libFuzzer target: one skin image in its stream form, from a stream that knows its size
// and from one that does not (a decompressor), then the operations that walk its pixels.
// Any input may fail with a vt::Exception; nothing may crash, leak or allocate more than
// the input can justify.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "rtl/Streams.h"
#include "skin/te_bitmap.h"

namespace {

// Hides the size of the bytes it reads, as a decompressing stream does.
class TUnsizedStream : public vt::TStream {
 public:
  explicit TUnsizedStream(vt::TStream& inner) : FInner(inner) {}
  int64_t Read(void* buffer, int64_t count) override { return FInner.Read(buffer, count); }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, vt::TSeekOrigin origin) override {
    return FInner.Seek(offset, origin);
  }

 private:
  vt::TStream& FInner;
};

void CheckRoundTrip(const vt::TteBitmap& bitmap) {
  vt::TMemoryStream saved;
  bitmap.SaveToStream(saved);
  saved.SetPosition(0);
  vt::TteBitmap again;
  again.LoadFromStream(saved);
  if (again.Width() != bitmap.Width() || again.Height() != bitmap.Height()) std::abort();
  for (int y = 0; y < bitmap.Height(); ++y)
    if (std::memcmp(again.ScanLine(y), bitmap.ScanLine(y), size_t(bitmap.Width()) * 4) != 0)
      std::abort();
}

// Keeps the pixel walks cheap: large images are only loaded and saved.
constexpr int64_t kWalkLimit = 1 << 16;

void Exercise(vt::TteBitmap& bitmap) {
  CheckRoundTrip(bitmap);
  if (int64_t{bitmap.Width()} * bitmap.Height() > kWalkLimit) return;
  bitmap.CheckAlpha();
  bitmap.CreateRegion(0, 0);
  vt::TteBitmap target;
  target.SetSize(16, 16);
  vt::TCanvas canvas(target.Surface());
  bitmap.Draw(canvas, -3, 2);
  bitmap.Draw(canvas, vt::TRect{0, 0, 16, 16}, vt::TRect{1, 1, bitmap.Width(), bitmap.Height()});
  bitmap.Tile(canvas, vt::TRect{0, 0, 16, 16}, vt::TRect{0, 0, 3, 3});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool hideSize = data[0] & 1;
  vt::TReadOnlyMemoryStream bytes(data + 1, int64_t(size - 1));
  TUnsizedStream unsized(bytes);
  vt::TStream& stream = hideSize ? static_cast<vt::TStream&>(unsized) : bytes;
  try {
    vt::TteBitmap bitmap;
    bitmap.LoadFromStream(stream);
    bitmap.SetAlphaFlag(data[0] & 2);
    bitmap.SetKeyFlag(data[0] & 4);
    Exercise(bitmap);
  } catch (const vt::Exception&) {
  }
  return 0;
}
