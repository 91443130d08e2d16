// Random skins round-trip in every variant; damaged files; stored integer extremes.
#include "SkinFileTestUtil.h"

using namespace vt;
using namespace vt::skintest;

namespace {

class SkinRoundTrip : public testing::TestWithParam<uint32_t> {};

// Loads what it saved, saves it again byte for byte, converts into every other variant.
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

// Damage fails once, in plain words (zlib's after), keeping what was read before it.

std::string MessageOfLoad(const std::vector<uint8_t>& bytes, TSeSkinSource& target) {
  try {
    LoadBytes(target, bytes);
  } catch (const Exception& e) {
    return e.what();
  }
  return {};
}

std::string MessageOfLoad(const std::vector<uint8_t>& bytes) {
  TSeSkinSource target;
  return MessageOfLoad(bytes, target);
}

size_t Occurrences(const std::string& text, const std::string& word) {
  size_t count = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
  return count;
}

TEST(SkinDamage, EveryTruncationFailsCleanly) {
  TSkinGenerator generator(5);
  const auto original = generator.Skin();
  for (const TSeSkinFilterClass* cls : Variants()) {
    const std::vector<uint8_t> bytes = SaveWith(*original, *cls);
    const size_t step = std::max<size_t>(1, bytes.size() / 80);
    for (size_t length = 9; length < bytes.size(); length += step) {
      std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
      TSeSkinSource target;
      const std::string message = MessageOfLoad(cut, target);
      ASSERT_FALSE(message.empty()) << cls->GetFileTypeName() << " cut at " << length;
      EXPECT_EQ(message.rfind("Damaged skin: ", 0), 0u) << message;
      EXPECT_NE(message.find(" of the skin body"), std::string::npos) << message;
    }
    // The last four bytes of a zlib stream are its checksum, the bytes before them its end
    // marker: a reader that stops at the last byte the body needs never looks at them.
    for (size_t cut = 1; cut <= 6 && cls != Variants()[0]; ++cut) {
      SCOPED_TRACE(cls->GetFileTypeName() + " less " + std::to_string(cut));
      const std::string message =
          MessageOfLoad(std::vector<uint8_t>(bytes.begin(), bytes.end() - long(cut)));
      EXPECT_NE(message.find("the file is truncated"), std::string::npos) << message;
      EXPECT_EQ(Occurrences(message, "amaged"), 1u) << message;
    }
  }
}

TEST(SkinDamage, DamageIsNamedInPlainWordsBeforeZlibsDetail) {
  TSkinGenerator generator(17);
  const std::vector<uint8_t> whole = SaveWith(*generator.Skin(), *Variants()[3]);
  ASSERT_EQ(MessageOfLoad(whole), "");
  auto flipped = [&whole](size_t at) {
    std::vector<uint8_t> bytes = whole;
    bytes[at] ^= 0x5A;
    return bytes;
  };
  const std::pair<std::vector<uint8_t>, std::string> cases[] = {
      {{}, "Damaged skin: the file is empty or truncated (0 bytes)"},
      {{'_', 'M', 'C'}, "Damaged skin: the file is empty or truncated (3 bytes)"},
      {{'_', 'M', 'C', 'T', 0}, "the file is truncated"},
      {flipped(9),  // the zlib header, after the tag and "QXLZ"
       "Compressed data is corrupt (zlib: incorrect header check) in the skin strings"},
      {flipped(whole.size() - 1), "Compressed data is corrupt (zlib: incorrect data check)"},
  };
  for (const auto& [bytes, expected] : cases) {
    const std::string message = MessageOfLoad(bytes);
    EXPECT_NE(message.find(expected), std::string::npos) << message;
    EXPECT_EQ(Occurrences(message, "amaged"), 1u) << message;
  }
}

TEST(SkinDamage, ACorruptZlibStreamRaisesAndKeepsWhatWasRead) {
  TSkinGenerator generator(6);
  const auto original = generator.Skin();
  original->Bitmaps().Clear();
  auto* big = new TteBitmap;
  big->SetName("big");
  big->SetSize(200, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) big->SetPixel(x, y, 0xFF000000u | uint32_t(x * 7919 + y * 31));
  original->Bitmaps().Add(big);
  std::vector<uint8_t> bytes = SaveWith(*original, *Variants()[3]);
  bytes[bytes.size() - 40] ^= 0x55;  // inside the objects, after the image
  TSeSkinSource target;
  const std::string message = MessageOfLoad(bytes, target);
  EXPECT_EQ(message.rfind("Damaged skin: ", 0), 0u) << message;
  EXPECT_EQ(target.GetSkinName(), original->GetSkinName());
  ASSERT_EQ(target.Bitmaps().Count(), 1);
  EXPECT_EQ(target.Bitmaps().Bitmaps(0)->Pixels(199, 199), big->Pixels(199, 199));
}

TEST(SkinDamage, HugeCountsAndSizesFailAtOnceDamagedTextNamesItsPlaceWarningsAreCapped) {
  struct TCase {
    TBytes Body;
    const char* Expected;
  };
  TCase cases[] = {
      {TBytes().Strings().U32(0x7FFFFFFF), "Bitmap count 2147483647 is more than a skin holds"},
      {TBytes().Strings().U32(0).U32(0x7FFF0000 | 0xFF0000),
       "Object count 2130706432 is more than a skin holds"},
      {TBytes().Strings().U32(1).Str("x").U32(0x10000).U32(0x10000),
       "Bitmap \"x\": stored size 65536 x 65536 is too large"},
      {TBytes().Strings().U32(1).Str("x").U32(1000).U32(1000),
       "the pixels need 4000000 bytes but the stream holds only 0"},
      {TBytes().Str("abc").U32(0x7FFFFFF0), "Truncated skin version: 2147483632 bytes expected"},
      {TBytes().Strings().U32(0).U32(1 | 0xFF0000).Str("TSeSkinObject").U32(0x40000000),
       "Truncated object property text"},
      // Damaged property text names the record and the line.
      {TBytes()
           .Strings()
           .U32(0)
           .U32(1 | 0xFF0000)
           .Str("TSeSkinObject")
           .Str("object Form: TSeSkinObject\r\n  Width = 'x\r\nend\r\n"),
       "Damaged skin: Skin object of class TSeSkinObject: Invalid property text at line 2: "
       "unterminated string in object 1 of 1 at byte 141 of the skin body"},
  };
  for (const TCase& c : cases) {
    const std::string message = MessageOfLoad(TBytes().Raw("_UCT").U8(0).Raw(c.Body.Data).Data);
    EXPECT_NE(message.find(c.Expected), std::string::npos) << message;
  }
  // Warnings are capped for streams full of unknown records.
  TBytes body;
  body.Strings().U32(0).U32(5000 | 0x00FF0000);
  for (int i = 0; i < 5000; ++i) body.Str("TSeNothing").Str("");
  TSeSkinSource target;
  MessageOfLoad(TBytes().Raw("_UCT").U8(0).Raw(body.Data).Data, target);
  ASSERT_EQ(target.Warnings.size(), TReadWarnings::kMaxItems + 1);
  EXPECT_EQ(target.Warnings.back(), "Further warnings suppressed");
}

TEST(SkinDamage, DeeplyNestedObjectsFailInsteadOfOverflowingTheStack) {
  // Each level's "Objects" holds one binary record of the next level.
  std::vector<uint8_t> record;
  for (int level = 0; level < 300; ++level) {
    TBytes stream;
    stream.Raw("TPF0").U8(13).Raw("TSeSkinObject").U8(0);
    stream.U8(7).Raw("Objects").U8(10);
    TBytes objects;
    objects.U32(level == 0 ? 0x000F0000 : 1 | 0x000F0000).Raw(record);
    stream.U32(static_cast<uint32_t>(objects.Data.size())).Raw(objects.Data).U8(0).U8(0);
    record = TBytes()
                 .Str("TSeSkinObject")
                 .U32(static_cast<uint32_t>(stream.Data.size()))
                 .Raw(stream.Data)
                 .Data;
  }
  TReadOnlyMemoryStream in(record.data(), static_cast<int64_t>(record.size()));
  const std::string message =
      MessageOf<EReadError>([&] { delete ReadSkinObjectBinary(in, nullptr); });
  EXPECT_NE(message.find("nested more than 100 levels deep"), std::string::npos) << message;
}

// Stored integers go back out exactly as read: only painting limits them.

bool IsPlainInteger(const TPropInfo& prop) {
  return prop.Kind() == TTypeKind::Integer && prop.PropType->Name != "TColor" && !prop.ReadOnly() &&
         prop.Name != "Tag";
}

// Width and Height never go negative (set to 0); other integers take any value.
int32_t Expected(const TPropInfo& prop, int32_t value) {
  const bool size = prop.Name == "Width" || prop.Name == "Height";
  return size && value < 0 ? 0 : value;
}

const int32_t kExtremes[] = {INT32_MIN,     INT32_MIN + 1, -(1 << 28) - 1,
                             (1 << 28) + 1, INT32_MAX - 1, INT32_MAX};

// One object of every class with a child alike, every plain integer set to `value`.
std::unique_ptr<TSeSkinSource> SkinWithEveryInteger(int32_t value) {
  auto source = std::make_unique<TSeSkinSource>();
  for (const TClassInfo* cls : SkinObjectClasses()) {
    auto* object = dynamic_cast<TSeSkinObject*>(cls->Create(nullptr));
    object->SetName("o" + std::to_string(source->Count()));
    auto* child = dynamic_cast<TSeSkinObject*>(cls->Create(object));
    child->SetName("c" + std::to_string(source->Count()));
    for (TSeSkinObject* target : {child, object})
      for (const TPropInfo* prop : target->ClassInfo().AllProperties())
        if (IsPlainInteger(*prop)) prop->SetOrd(*target, value);
    source->AddObject(object);
  }
  return source;
}

void ExpectEveryInteger(const TSeSkinObject& object, int32_t value, const std::string& where) {
  for (const TPropInfo* prop : object.ClassInfo().AllProperties()) {
    if (!IsPlainInteger(*prop)) continue;
    EXPECT_EQ(prop->GetOrd(object), Expected(*prop, value))
        << where << " " << object.ClassName() << "." << prop->Name;
  }
  for (int i = 0; i < object.ChildCount(); ++i)
    ExpectEveryInteger(*object.Children(i), value, where + " child");
}

// Every link of the object and its children shows the 4 x 4 image "img".
void LinkEverything(TSeSkinObject& object, TteBitmapList& list) {
  for (const TPropInfo* prop : object.ClassInfo().AllProperties())
    if (auto* link = dynamic_cast<TteBitmapLink*>(
            prop->Kind() == TTypeKind::Class ? prop->GetObject(object) : nullptr)) {
      link->SetName("img");
      link->SetRight(4);
      link->SetBottom(4);
    }
  for (int i = 0; i < object.ChildCount(); ++i) LinkEverything(*object.Children(i), list);
  object.SetBitmapList(&list);
  object.UpdateLinks();
}

// Every variant keeps the extremes; painting them overflows nothing (the sanitizer checks)
// and keeps them stored.
TEST(StoredIntegers, TheExtremesSurviveEveryVariantAndPainting) {
  for (int32_t value : kExtremes) {
    const auto skin = SkinWithEveryInteger(value);
    for (int i = 0; i < skin->Count(); ++i) ExpectEveryInteger(*skin->Objects(i), value, "as set");
    for (const TSeSkinFilterClass* cls : Variants()) {
      TSeSkinSource loaded;
      LoadBytes(loaded, SaveWith(*skin, *cls));
      ASSERT_EQ(loaded.Count(), skin->Count());
      for (int i = 0; i < loaded.Count(); ++i)
        ExpectEveryInteger(*loaded.Objects(i), value,
                           cls->GetFileTypeName() + " " + std::to_string(value));
    }
    skin->Bitmaps().Add(
        test::MakeBitmap(4, std::vector<uint32_t>(16, 0x80FF0000), "img").release());
    TteBitmap target;
    target.SetSize(8, 8);
    for (int i = 0; i < skin->Count(); ++i) {
      TSeSkinObject& object = *skin->Objects(i);
      LinkEverything(object, skin->Bitmaps());
      object.SetText("Text");
      TCanvas canvas(target.Surface());
      object.Draw(canvas, TRect{});
      object.HitTestAll({0, 0});
      object.GetRegion();
      ExpectEveryInteger(object, value, "painted " + std::to_string(value));
    }
  }
}

}  // namespace
