// libFuzzer target: image collections as the gallery reads them from its file. Damage is
// reported, never thrown; nothing may crash, leak or reserve memory the bytes cannot
// justify. What reads must write back to the bytes it was read from.
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
  // A whole collection of top-down images writes back byte for byte.
  vt::TMemoryStream written;
  vt::WriteBitmapCollection(written, list);
  bool topDown = true;
  for (int i = 0; i < list.Count(); ++i) topDown = topDown && list.Bitmaps(i)->Height() >= 0;
  if (topDown && stream.Position() == int64_t(size) && written.Size() == int64_t(size))
    VT_FUZZ_CHECK(std::memcmp(written.Memory(), data, size) == 0);
  return 0;
}
