// Reads an uncompressed skin body with the text layout or the binary layout (first input
// byte), so that the fuzzer reaches the body readers without getting past zlib's checks.
#include "FuzzCommon.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinsource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  std::unique_ptr<vt::TSeSkinFilter> filter;
  if (data[0] % 2)
    filter = std::make_unique<vt::TSeSkinFilterMaxCompression>();
  else
    filter = std::make_unique<vt::TSeSkinFilterUncompressed>();
  vt::TSeSkinSource source;
  filter->SetSkinSource(&source);
  vt::TReadOnlyMemoryStream stream(data + 1, static_cast<int64_t>(size - 1));
  VT_FUZZ_EXPECTING_ERRORS(filter->ReadSkin(stream));
  return 0;
}
