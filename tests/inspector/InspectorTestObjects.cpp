#include "InspectorTestObjects.h"

#include <cstdio>
#include <map>

namespace vt {

const TTypeInfo& EnumTypeInfo<test::TTestShape>::Info() {
  static const TTypeInfo info =
      MakeEnumTypeInfo("TTestShape", {"shCircle", "shSquare", "shTriangle"});
  return info;
}

}  // namespace vt

namespace vt::test {

const TTypeInfo& TPercentType::Info() {
  static const TTypeInfo info = [] {
    TTypeInfo t = IntegerTypeInfo();
    t.Name = "TPercent";
    t.MinValue = 0;
    t.MaxValue = 100;
    return t;
  }();
  return info;
}

const TTypeInfo& TEmptyListType::Info() {
  static const TTypeInfo info = [] {
    TTypeInfo t = StringTypeInfo();
    t.Name = "TEmptyList";
    return t;
  }();
  return info;
}

namespace {

class TEmptyListProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
  void Activate() override { ++EmptyListActivations(); }

 protected:
  TPropertyAttributes EditorAttributes() override {
    return {TPropertyAttribute::paValueList, TPropertyAttribute::paRevertable};
  }
};

}  // namespace

int& EmptyListActivations() {
  static int count = 0;
  return count;
}

void RegisterTestEditors() {
  static const bool registered = [] {
    RegisterPropertyEditor(TEmptyListType::Info(), nullptr, "", EditorClass<TEmptyListProperty>);
    return true;
  }();
  (void)registered;
}

const TClassInfo& TTestInner::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTestInner>("TTestInner", &TPersistent::StaticClassInfo())
          .Property("Value", &TTestInner::GetValue, &TTestInner::SetValue)
          .Build();
  return info;
}

void TTestInner::Assign(const TPersistent& source) {
  FValue = dynamic_cast<const TTestInner&>(source).FValue;
}

const TClassInfo& TTestSub::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTestSub>("TTestSub", &TPersistent::StaticClassInfo())
          .Property("Depth", &TTestSub::GetDepth, &TTestSub::SetDepth)
          .Property("Inner", &TTestSub::Inner, &TTestSub::SetInner)
          .Build();
  return info;
}

void TTestSub::Assign(const TPersistent& source) {
  const auto& other = dynamic_cast<const TTestSub&>(source);
  FDepth = other.FDepth;
  FInner->Assign(*other.FInner);
}

TTestComponent::TTestComponent(TComponent* owner)
    : TComponent(owner), FFont(std::make_unique<TFont>()), FSub(std::make_unique<TTestSub>()) {}

const TClassInfo& TTestComponent::StaticClassInfo() {
  using C = TTestComponent;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TTestComponent", &TComponent::StaticClassInfo())
          .Property<TCaptionType>("Caption", &C::GetCaption, &C::SetCaption)
          .Property("Count", &C::GetCount, &C::SetCount)
          .Property<TPercentType>("Percent", &C::GetPercent, &C::SetPercent)
          .Property("Title", &C::GetTitle, &C::SetTitle)
          .Property("Enabled", &C::GetEnabled, &C::SetEnabled)
          .Property("Shape", &C::GetShape, &C::SetShape)
          .Property("Styles", &C::GetStyles, &C::SetStyles)
          .Property<TColorType>("Color", &C::GetColor, &C::SetColor)
          .Property("Font", &C::Font, &C::SetFont)
          .Property<TFontCharsetType>("Charset", &C::GetCharset, &C::SetCharset)
          .Property<TCursorType>("Cursor", &C::GetCursor, &C::SetCursor)
          .Property("Note", &C::GetNote, &C::SetNote)
          .Property<TEmptyListType>("Empty", &C::GetEmpty, &C::SetEmpty)
          .ReadOnlyProperty("Serial", &C::GetSerial)
          .Property("Sub", &C::Sub, &C::SetSub)
          .Creatable()
          .Build();
  return info;
}

TTestOther::TTestOther(TComponent* owner) : TComponent(owner), FSub(std::make_unique<TTestSub>()) {}

const TClassInfo& TTestOther::StaticClassInfo() {
  using C = TTestOther;
  static const TClassInfo info = TClassInfoBuilder<C>("TTestOther", &TComponent::StaticClassInfo())
                                     .Property("Sub", &C::Sub, &C::SetSub)
                                     .Property("Width", &C::GetWidth, &C::SetWidth)
                                     .Property<TColorType>("Color", &C::GetColor, &C::SetColor)
                                     .Creatable()
                                     .Build();
  return info;
}

namespace {

const TClassInfo& WideClassInfo(int count) {
  static std::map<int, std::unique_ptr<TClassInfo>> infos;
  std::unique_ptr<TClassInfo>& info = infos[count];
  if (info) return *info;
  info = std::make_unique<TClassInfo>();
  info->Name = "TTestWide";
  info->Parent = &TPersistent::StaticClassInfo();
  for (int i = 0; i < count; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "Value%03d", i);
    TPropInfo p;
    p.Name = name;
    p.PropType = &IntegerTypeInfo();
    const auto index = static_cast<size_t>(i);
    p.Get = [index](const TPersistent& o) -> TPropValue {
      return int64_t{static_cast<const TTestWide&>(o).Values[index]};
    };
    p.Set = [index](TPersistent& o, const TPropValue& v) {
      static_cast<TTestWide&>(o).Values[index] = static_cast<int32_t>(std::get<int64_t>(v));
    };
    info->Properties.push_back(std::move(p));
  }
  return *info;
}

}  // namespace

TTestWide::TTestWide(int count) : Values(static_cast<size_t>(count)), FInfo(&WideClassInfo(count)) {
  for (int i = 0; i < count; ++i) Values[static_cast<size_t>(i)] = i;
}

}  // namespace vt::test
