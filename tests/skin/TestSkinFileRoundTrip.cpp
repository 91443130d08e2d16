// Random skins saved in every variant load back equal, field by field and pixel by pixel.
#include "SkinFileTestUtil.h"

using namespace vt;
using namespace vt::skintest;

namespace {

class SkinRoundTrip : public testing::TestWithParam<uint32_t> {};

// Each variant loads what it saved, saves it again byte for byte, and converts into every
// other variant.
TEST_P(SkinRoundTrip, EveryVariantLoadsWhatItSavedAndConvertsIntoEveryOther) {
  TSkinGenerator generator(GetParam());
  const auto original = generator.Skin();
  for (const TSeSkinFilterClass* from : Variants()) {
    SCOPED_TRACE(from->GetFileTypeName());
    const auto expected = ExpectedAfterLoad(*original, *from);
    TSeSkinSource first;
    LoadBytes(first, SaveWith(*original, *from));
    EXPECT_TRUE(first.Warnings.empty());
    ExpectSameSkin(*expected, first);
    EXPECT_EQ(SaveWith(first, *from), SaveWith(*expected, *from));
    for (const TSeSkinFilterClass* to : Variants()) {
      SCOPED_TRACE("-> " + to->GetFileTypeName());
      TSeSkinSource second;
      LoadBytes(second, SaveWith(first, *to));
      ExpectSameSkin(*ExpectedAfterLoad(first, *to), second);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SkinRoundTrip, testing::Range(1u, 9u));

TEST(SkinRoundTrip, ObjectRecordsKeepTreesInBothForms) {
  TSkinGenerator generator(99);
  for (int round = 0; round < 16; ++round) {
    std::unique_ptr<TSeSkinObject> object(generator.Object(nullptr, 0));
    for (bool binary : {false, true}) {
      TMemoryStream stream;
      binary ? WriteSkinObjectBinary(stream, *object) : WriteSkinObjectText(stream, *object);
      stream.SetPosition(0);
      std::unique_ptr<TSeSkinObject> back(binary ? ReadSkinObjectBinary(stream, nullptr)
                                                 : ReadSkinObjectText(stream, nullptr));
      ASSERT_TRUE(back);
      EXPECT_EQ(stream.Position(), stream.Size());
      object->SetCharset(DEFAULT_CHARSET);
      ExpectSameObject(*object, *back, "record");
    }
  }
}

TEST(SkinRoundTrip, ObjectRecordsJoinTheirOwnerOnlyWhenComplete) {
  TSeSkinObject owner(nullptr);
  TSeTextObject child(nullptr);
  child.SetName("Caption");
  TMemoryStream stream;
  WriteSkinObjectBinary(stream, child);
  stream.SetPosition(0);
  TSeSkinObject* read = ReadSkinObjectBinary(stream, &owner);
  ASSERT_EQ(owner.ChildCount(), 1);
  EXPECT_EQ(owner.Children(0), read);
  // A damaged record leaves the owner as it was.
  std::vector<uint8_t> damaged = stream.Bytes();
  damaged[damaged.size() - 3] = 99;
  TReadOnlyMemoryStream in(damaged.data(), static_cast<int64_t>(damaged.size()));
  EXPECT_THROW(ReadSkinObjectBinary(in, &owner), EReadError);
  EXPECT_EQ(owner.ChildCount(), 1);
}

}  // namespace
