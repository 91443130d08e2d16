// Reads clipboard payloads of skin objects as another program may have put them there;
// whatever reads is copied again and must read back to the same record.
#include "FuzzCommon.h"
#include "skin/se_clipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  VT_FUZZ_EXPECTING_ERRORS({
    const auto object = vt::ReadClipboardPayload({data, size});
    const std::string copy = vt::MakeClipboardPayload(*object);
    const auto again =
        vt::ReadClipboardPayload({reinterpret_cast<const uint8_t*>(copy.data()), copy.size()});
    VT_FUZZ_CHECK(again->GetName() == "CopyOf" + object->GetName());
  });
  return 0;
}
