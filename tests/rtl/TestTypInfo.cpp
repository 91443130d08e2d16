#include <gtest/gtest.h>

#include "rtl/Graphics.h"
#include "rtl/TypInfo.h"

using namespace vt;

namespace {

enum class TShape { shNone, shBox, shRound };
enum class TFlag { flA, flB, flC };

}  // namespace

template <>
struct vt::EnumTypeInfo<TShape> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info = MakeEnumTypeInfo("TShape", {"shNone", "shBox", "shRound"});
    return info;
  }
};
template <>
struct vt::EnumTypeInfo<TFlag> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info = MakeEnumTypeInfo("TFlag", {"flA", "flB", "flC"});
    return info;
  }
};
template <>
struct vt::SetTypeInfo<TFlag> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info = MakeSetTypeInfo("TFlags", EnumTypeInfo<TFlag>::Info());
    return info;
  }
};

namespace {

class TBase : public TComponent {
 public:
  using TComponent::TComponent;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = TClassInfoBuilder<TBase>("TBase", &TComponent::StaticClassInfo())
                                       .Property("Count", &TBase::GetCount, &TBase::SetCount)
                                       .Property("Shape", &TBase::GetShape, &TBase::SetShape)
                                       .Creatable()
                                       .Build();
    return info;
  }
  int32_t GetCount() const { return FCount; }
  void SetCount(int32_t v) { FCount = v; }
  TShape GetShape() const { return FShape; }
  void SetShape(TShape v) { FShape = v; }

 private:
  int32_t FCount = 0;
  TShape FShape = TShape::shBox;
};

class TDerived : public TBase {
 public:
  using TBase::TBase;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info =
        TClassInfoBuilder<TDerived>("TDerived", &TBase::StaticClassInfo())
            .Property<TColorType>("Color", &TDerived::GetColor, &TDerived::SetColor)
            .Property("Caption", &TDerived::GetCaption, &TDerived::SetCaption)
            .Property("Visible", &TDerived::GetVisible, &TDerived::SetVisible)
            .Property("Flags", &TDerived::GetFlags, &TDerived::SetFlags)
            .Property("Font", &TDerived::GetFont, &TDerived::SetFont)
            .Creatable()
            .Build();
    return info;
  }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& v) { FCaption = v; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  TSetOf<TFlag> GetFlags() const { return FFlags; }
  void SetFlags(TSetOf<TFlag> v) { FFlags = v; }
  TFont* GetFont() const { return &FFont; }
  void SetFont(const TFont& f) { FFont.Assign(f); }

 private:
  TColor FColor = clWhite;
  std::string FCaption;
  bool FVisible = true;
  TSetOf<TFlag> FFlags;
  mutable TFont FFont;
};

std::vector<std::string> Names(const TClassInfo& info) {
  std::vector<std::string> names;
  for (const TPropInfo* p : info.AllProperties()) names.push_back(p->Name);
  return names;
}

}  // namespace

TEST(TypeInfo, PropertiesComeBaseFirstInDeclarationOrder) {
  EXPECT_EQ(Names(TDerived::StaticClassInfo()),
            (std::vector<std::string>{"Name", "Tag", "Count", "Shape", "Color", "Caption",
                                      "Visible", "Flags", "Font"}));
  EXPECT_EQ(Names(TFont::StaticClassInfo()),
            (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Style"}));
  EXPECT_TRUE(TDerived::StaticClassInfo().InheritsFrom(TComponent::StaticClassInfo()));
  EXPECT_FALSE(TBase::StaticClassInfo().InheritsFrom(TDerived::StaticClassInfo()));
}

TEST(TypeInfo, ReadsAndWritesEveryKindByNameIgnoringCase) {
  TDerived d(nullptr);
  SetPropValue(d, "count", int64_t{-7});
  SetPropValue(d, "SHAPE", int64_t{2});
  SetPropValue(d, "Color", int64_t{clBtnFace});
  SetPropValue(d, "Caption", std::string("It's"));
  SetPropValue(d, "Visible", int64_t{0});
  SetPropValue(d, "Flags", int64_t{0b101});
  EXPECT_EQ(d.GetCount(), -7);
  EXPECT_EQ(d.GetShape(), TShape::shRound);
  EXPECT_EQ(d.GetColor(), clBtnFace);
  EXPECT_EQ(d.GetCaption(), "It's");
  EXPECT_FALSE(d.GetVisible());
  EXPECT_TRUE(d.GetFlags().Contains(TFlag::flC));
  EXPECT_EQ(std::get<int64_t>(GetPropValue(d, "Shape")), 2);

  TFont big;
  big.SetSize(20);
  GetPropInfo(d, "Font")->SetObject(d, big);
  EXPECT_EQ(d.GetFont()->GetHeight(), -27);
  auto* font = std::get<TPersistent*>(GetPropValue(d, "Font"));
  EXPECT_EQ(font, d.GetFont());
  EXPECT_THROW(GetPropValue(d, "Missing"), EPropertyError);
}

TEST(TypeInfo, TypesCarryTheirNamesAndIdentifiers) {
  const TPropInfo* color = TDerived::StaticClassInfo().FindProperty("Color");
  ASSERT_NE(color, nullptr);
  EXPECT_EQ(color->PropType->Name, "TColor");
  EXPECT_EQ(color->PropType->IntToIdent(clWhite), "clWhite");
  EXPECT_EQ(color->PropType->IdentToInt("CLRED"), clRed);
  const TPropInfo* font = TDerived::StaticClassInfo().FindProperty("Font");
  EXPECT_EQ(font->Kind(), TTypeKind::Class);
  EXPECT_EQ(&font->PropType->ClassType(), &TFont::StaticClassInfo());
  const TTypeInfo& shape = EnumTypeInfo<TShape>::Info();
  EXPECT_EQ(GetEnumName(shape, 1), "shBox");
  EXPECT_EQ(GetEnumName(shape, 3), "");
  EXPECT_EQ(GetEnumValue(shape, "SHROUND"), 2);
  EXPECT_EQ(GetEnumValue(shape, "shSquare"), std::nullopt);
}

TEST(TypeInfo, SetsConvertToAndFromTheirElementNames) {
  const TTypeInfo& flags = SetTypeInfo<TFlag>::Info();
  EXPECT_EQ(SetToString(flags, 0b101), "[flA,flC]");
  EXPECT_EQ(SetToString(flags, 0), "[]");
  EXPECT_EQ(StringToSet(flags, "[flc, FLA]"), 0b101);
  EXPECT_EQ(StringToSet(flags, "[]"), 0);
  EXPECT_THROW(StringToSet(flags, "[flA,flZ]"), EPropertyError);
}

TEST(TypeInfo, StoredPredicatesFollowTheValues) {
  TDerived d(nullptr);
  const TPropInfo* tag = d.ClassInfo().FindProperty("Tag");
  EXPECT_FALSE(tag->Stored(d));
  d.SetTag(3);
  EXPECT_TRUE(tag->Stored(d));
  EXPECT_FALSE(d.ClassInfo().FindProperty("Name")->Stored(d));
  TFont f;
  const TPropInfo* pitch = f.ClassInfo().FindProperty("Pitch");
  EXPECT_FALSE(pitch->Stored(f));
  f.SetPitch(TFontPitch::fpFixed);
  EXPECT_TRUE(pitch->Stored(f));
}

TEST(TypeInfo, VirtualConstructorCreatesTheMostDerivedClassWithOwner) {
  TComponent owner(nullptr);
  TComponent* made = TDerived::StaticClassInfo().Create(&owner);
  ASSERT_NE(dynamic_cast<TDerived*>(made), nullptr);
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_EQ(made->ClassName(), "TDerived");
}

// Names are compared in words: every length, with one byte changed at every position,
// inside a longer buffer so that a word read past the name would show.
TEST(TypeInfo, SameNameSeesEveryByteOfEveryLength) {
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
    if (length > 0) EXPECT_FALSE(SameName(a, std::string_view(base.data(), length - 1)));
  }
}
