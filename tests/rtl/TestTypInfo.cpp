#include <gtest/gtest.h>

#include "SampleComponent.h"

using namespace vt;

namespace {

using namespace vt::test;

std::vector<std::string> Names(const TClassInfo& info) {
  std::vector<std::string> names;
  for (const TPropInfo* p : info.AllProperties()) names.push_back(p->Name);
  return names;
}

}  // namespace

TEST(TypeInfo, PropertiesInOrderReadAndWrittenByNameAndTypesWithIdentifiers) {
  EXPECT_EQ(Names(TSample::StaticClassInfo()),
            (std::vector<std::string>{"Name", "Tag", "Count", "Shape", "Visible", "Caption",
                                      "Flags", "Color", "Font"}));
  EXPECT_EQ(Names(TFont::StaticClassInfo()),
            (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Style"}));
  EXPECT_TRUE(TSample::StaticClassInfo().InheritsFrom(TComponent::StaticClassInfo()));
  EXPECT_FALSE(TComponent::StaticClassInfo().InheritsFrom(TSample::StaticClassInfo()));
  // The virtual constructor makes the most derived class, with its owner.
  TComponent owner(nullptr);
  TComponent* made = TSample::StaticClassInfo().Create(&owner);
  ASSERT_NE(dynamic_cast<TSample*>(made), nullptr);
  EXPECT_EQ(made->Owner(), &owner);
  // Every kind is read and written by name, ignoring case.
  TSample d(nullptr);
  SetPropValue(d, "count", int64_t{-7});
  SetPropValue(d, "SHAPE", int64_t{2});
  SetPropValue(d, "Color", int64_t{clBtnFace});
  SetPropValue(d, "Caption", std::string("It's"));
  SetPropValue(d, "Visible", int64_t{0});
  SetPropValue(d, "Flags", int64_t{0b101});
  EXPECT_EQ(d.GetCount(), -7);
  EXPECT_EQ(d.GetShape(), TPsShape::psRound);
  EXPECT_EQ(d.GetColor(), clBtnFace);
  EXPECT_EQ(d.GetCaption(), "It's");
  EXPECT_FALSE(d.GetVisible());
  EXPECT_TRUE(d.GetFlags().Contains(TPsFlag::pfC));
  EXPECT_EQ(std::get<int64_t>(GetPropValue(d, "Shape")), 2);

  TFont big;
  big.SetSize(20);
  GetPropInfo(d, "Font")->SetObject(d, big);
  EXPECT_EQ(d.GetFont()->GetHeight(), -27);
  auto* font = std::get<TPersistent*>(GetPropValue(d, "Font"));
  EXPECT_EQ(font, d.GetFont());
  EXPECT_THROW(GetPropValue(d, "Missing"), EPropertyError);
  // Types carry their names, identifiers and set elements.
  const TPropInfo* color = TSample::StaticClassInfo().FindProperty("Color");
  ASSERT_NE(color, nullptr);
  EXPECT_EQ(color->PropType->Name, "TColor");
  EXPECT_EQ(color->PropType->IntToIdent(clWhite), "clWhite");
  EXPECT_EQ(color->PropType->IdentToInt("CLRED"), clRed);
  const TPropInfo* fontProperty = TSample::StaticClassInfo().FindProperty("Font");
  EXPECT_EQ(fontProperty->Kind(), TTypeKind::Class);
  EXPECT_EQ(&fontProperty->PropType->ClassType(), &TFont::StaticClassInfo());
  const TTypeInfo& shape = EnumTypeInfo<TPsShape>::Info();
  EXPECT_EQ(GetEnumName(shape, 1), "psBox");
  EXPECT_EQ(GetEnumName(shape, 3), "");
  EXPECT_EQ(GetEnumValue(shape, "PSROUND"), 2);
  EXPECT_EQ(GetEnumValue(shape, "psSquare"), std::nullopt);
  const TTypeInfo& flags = SetTypeInfo<TPsFlag>::Info();
  EXPECT_EQ(SetToString(flags, 0b101), "[pfA,pfC]");
  EXPECT_EQ(SetToString(flags, 0), "[]");
  EXPECT_EQ(StringToSet(flags, "[pfc, PFA]"), 0b101);
  EXPECT_EQ(StringToSet(flags, "[]"), 0);
  EXPECT_THROW(StringToSet(flags, "[pfA,pfZ]"), EPropertyError);
  // Names compare in words: every length, every changed byte, data beyond the name.
  const std::string base = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij";
  for (size_t length = 0; length <= 24; ++length) {
    const std::string_view a(base.data(), length);
    std::string other = base;
    EXPECT_TRUE(SameName(a, std::string_view(other.data(), length))) << length;
    other[length] = '#';  // beyond the name: must not matter
    EXPECT_TRUE(SameName(a, std::string_view(other.data(), length))) << length;
    for (size_t i = 0; i < length; ++i) {
      std::string changed = base;
      changed[i] ^= 0x20;
      EXPECT_FALSE(SameName(a, std::string_view(changed.data(), length))) << length << " " << i;
    }
    if (length > 0) {
      EXPECT_FALSE(SameName(a, std::string_view(base.data(), length - 1)));
    }
  }
}
