// libFuzzer target: image collections as the gallery reads them from its file. Damage is
// reported, never thrown; nothing may crash, leak or reserve memory the bytes cannot
// justify. What reads must write back to a collection that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzCommon.h"
#include "skin/te_bitmapcollection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vt::TReadOnlyMemoryStream stream(data, int64_t(size));
  vt::TteBitmapList list;
  const vt::TBitmapCollectionRead read = vt::ReadBitmapCollection(stream, list);
  VT_FUZZ_CHECK(read.Read == list.Count());
  VT_FUZZ_CHECK(read.Damaged() || read.Read == read.Declared);
  if (read.Damaged()) return 0;
  // What reads writes back to a collection that reads the same, image by image.
  vt::TMemoryStream written;
  vt::WriteBitmapCollection(written, list);
  written.SetPosition(0);
  vt::TteBitmapList again;
  const vt::TBitmapCollectionRead reread = vt::ReadBitmapCollection(written, again);
  VT_FUZZ_CHECK(!reread.Damaged() && again.Count() == list.Count());
  for (int i = 0; i < list.Count(); ++i) {
    const vt::TteBitmap& a = *list.Bitmaps(i);
    const vt::TteBitmap& b = *again.Bitmaps(i);
    VT_FUZZ_CHECK(a.Name() == b.Name() && a.Width() == b.Width() && a.Height() == b.Height());
    for (int y = 0; y < a.Height(); ++y)
      VT_FUZZ_CHECK(std::memcmp(a.ScanLine(y), b.ScanLine(y), size_t(a.Width()) * 4) == 0);
  }
  return 0;
}
