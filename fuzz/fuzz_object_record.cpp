// Reads object records, text or binary by the first byte, one after another to the end.
#include <memory>

#include "FuzzCommon.h"
#include "skin/se_skinrecords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const bool binary = data[0] % 2;
  vt::TReadOnlyMemoryStream stream(data + 1, static_cast<int64_t>(size - 1));
  vt::TSeSkinObject owner(nullptr);
  VT_FUZZ_EXPECTING_ERRORS({
    while (stream.Position() < stream.Size()) {
      if (binary)
        vt::ReadSkinObjectBinary(stream, &owner);
      else
        vt::ReadSkinObjectText(stream, &owner);
    }
  });
  return 0;
}
