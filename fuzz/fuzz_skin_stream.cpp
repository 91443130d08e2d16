// Loads a whole skin stream as TSeSkinSource::LoadFromStream does: the tag picks the
// variant; a stream without a tag goes to the default filter, which the first input byte
// chooses so that tagless streams of every variant are reached.
#include "FuzzCommon.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinsource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const auto& filters = vt::SkinFilters();
  vt::DefaultSkinFilter() = filters[data[0] % 4];
  vt::TReadOnlyMemoryStream stream(data + 1, static_cast<int64_t>(size - 1));
  vt::TSeSkinSource source;
  VT_FUZZ_EXPECTING_ERRORS(source.LoadFromStream(stream));
  return 0;
}
