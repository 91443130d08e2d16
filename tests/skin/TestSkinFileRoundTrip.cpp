// Random skins saved in every variant load back equal, field by field and pixel by pixel;
// every variant converts into every other.
#include "SkinFileTestUtil.h"

using namespace vt;
using namespace vt::skintest;

namespace {

class SkinRoundTrip : public testing::TestWithParam<uint32_t> {};

TEST_P(SkinRoundTrip, EveryVariantLoadsWhatItSaved) {
  TSkinGenerator generator(GetParam());
  const auto original = generator.Skin();
  for (const TSeSkinFilterClass* cls : Variants()) {
    SCOPED_TRACE(cls->GetFileTypeName());
    const std::vector<uint8_t> bytes = SaveWith(*original, *cls);
    TSeSkinSource loaded;
    LoadBytes(loaded, bytes);
    EXPECT_TRUE(loaded.Warnings.empty());
    ExpectSameSkin(*ExpectedAfterLoad(*original, *cls), loaded);
    // Saving what was loaded gives the same bytes: nothing drifts from one save to the next.
    EXPECT_EQ(SaveWith(loaded, *cls), SaveWith(*ExpectedAfterLoad(*original, *cls), *cls));
  }
}

TEST_P(SkinRoundTrip, EveryVariantConvertsIntoEveryOther) {
  TSkinGenerator generator(GetParam() * 7919u);
  const auto original = generator.Skin();
  for (const TSeSkinFilterClass* from : Variants()) {
    TSeSkinSource first;
    LoadBytes(first, SaveWith(*original, *from));
    for (const TSeSkinFilterClass* to : Variants()) {
      SCOPED_TRACE(from->GetFileTypeName() + " -> " + to->GetFileTypeName());
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
