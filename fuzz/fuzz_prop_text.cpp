// Converts property text to a property stream. Whatever converts must come back through
// the text form to the same stream.
#include <string>

#include "FuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<uint8_t> binary;
  VT_FUZZ_EXPECTING_ERRORS(binary = vt::ObjectTextToBinary(text));
  if (binary.empty()) return 0;
  vt::TReadWarnings warnings;
  std::vector<uint8_t> again;
  try {
    again = vt::ObjectTextToBinary(vt::ObjectBinaryToText(binary));
  } catch (const vt::EWriteError&) {
    return 0;  // names the text form cannot hold (a property called "object" in a list)
  }
  VT_FUZZ_CHECK(again == binary);
  return 0;
}
