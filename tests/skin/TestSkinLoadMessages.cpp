// Load failures of cut or corrupt skin files: each is caught, and its message says what is
// wrong in plain words once, with zlib's own detail after it.
#include "SkinFileTestUtil.h"
#include "skin/se_zlib.h"

namespace vt::skintest {
namespace {

std::string MessageOfLoad(const std::vector<uint8_t>& bytes) {
  TSeSkinSource target;
  try {
    LoadBytes(target, bytes);
  } catch (const Exception& e) {
    return e.what();
  }
  return {};
}

size_t Occurrences(const std::string& text, const std::string& word) {
  size_t count = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
  return count;
}

std::vector<uint8_t> SavedSkin(const TSeSkinFilterClass& cls) {
  TSkinGenerator generator(17);
  const auto skin = generator.Skin();
  return SaveWith(*skin, cls);
}

// The last four bytes of a zlib stream are its checksum, the bytes before them its end
// marker: a reader that stops at the last byte the body needs never looks at them.
TEST(SkinLoadMessages, ACompressedSkinCutInItsTailIsTruncated) {
  for (size_t v = 1; v < Variants().size(); ++v) {
    const std::vector<uint8_t> whole = SavedSkin(*Variants()[v]);
    ASSERT_EQ(MessageOfLoad(whole), "");
    for (size_t cut = 1; cut <= 6; ++cut) {
      SCOPED_TRACE(Variants()[v]->GetFileTypeName() + " less " + std::to_string(cut));
      const std::string message =
          MessageOfLoad(std::vector<uint8_t>(whole.begin(), whole.end() - long(cut)));
      EXPECT_NE(message.find("the file is truncated"), std::string::npos) << message;
      EXPECT_EQ(Occurrences(message, "amaged"), 1u) << message;
    }
  }
}

TEST(SkinLoadMessages, DamageIsNamedInPlainWordsBeforeZlibsDetail) {
  const std::vector<uint8_t> whole = SavedSkin(*Variants()[3]);
  const size_t zlibStart = 9;  // after the tag and "QXLZ"
  struct TCase {
    const char* What;
    std::vector<uint8_t> Bytes;
    std::string Expected;
  };
  auto flipped = [&whole](size_t at) {
    std::vector<uint8_t> bytes = whole;
    bytes[at] ^= 0x5A;
    return bytes;
  };
  const TCase cases[] = {
      {"empty", {}, "Damaged skin: the file is empty or truncated (0 bytes)"},
      {"three bytes", {'_', 'M', 'C'}, "Damaged skin: the file is empty or truncated (3 bytes)"},
      {"tag only", {'_', 'M', 'C', 'T', 0}, "the file is truncated"},
      {"zlib header", flipped(zlibStart),
       "Compressed data is corrupt (zlib: incorrect header check) in the skin strings"},
      {"checksum", flipped(whole.size() - 1),
       "Compressed data is corrupt (zlib: incorrect data check)"},
  };
  for (const TCase& c : cases) {
    const std::string message = MessageOfLoad(c.Bytes);
    EXPECT_NE(message.find(c.Expected), std::string::npos) << c.What << ": " << message;
    EXPECT_EQ(Occurrences(message, "amaged"), 1u) << c.What << ": " << message;
  }
}

}  // namespace
}  // namespace vt::skintest
