// Reads a property stream into a skin object of the class the first byte picks, and
// converts it to property text. Whatever converts to text must convert back to a stream
// that gives the same text.
#include <memory>

#include "FuzzCommon.h"
#include "skin/se_skinrecords.h"
#include "skin/theme_se3objects.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  vt::InstallSkinObjectStreaming();
  const auto& classes = vt::SkinObjectClasses();
  const vt::TClassInfo* cls = classes[data[0] % classes.size()];
  std::unique_ptr<vt::TComponent> object(cls->Create(nullptr));
  {
    vt::TReadOnlyMemoryStream stream(data + 1, static_cast<int64_t>(size - 1));
    VT_FUZZ_EXPECTING_ERRORS(vt::ReadComponent(stream, *object));
  }
  const std::vector<uint8_t> binary(data + 1, data + size);
  std::string text;
  VT_FUZZ_EXPECTING_ERRORS(text = vt::ObjectBinaryToText(binary));
  if (text.empty()) return 0;
  vt::TReadWarnings warnings;
  const std::vector<uint8_t> again = vt::ObjectTextToBinary(text);  // must not throw
  VT_FUZZ_CHECK(vt::ObjectBinaryToText(again) == text);
  return 0;
}
