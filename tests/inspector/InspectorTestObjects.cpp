#include "InspectorTestObjects.h"

namespace vt {

const TTypeInfo& EnumTypeInfo<test::TTestShape>::Info() {
  static const TTypeInfo info =
      MakeEnumTypeInfo("TTestShape", {"shCircle", "shSquare", "shTriangle"});
  return info;
}

}  // namespace vt

namespace vt::test {

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
  [[maybe_unused]] static const bool registered =
      (RegisterPropertyEditor(TEmptyListType::Info(), nullptr, "", EditorClass<TEmptyListProperty>),
       true);
}

const TClassInfo& TTestInner::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TTestInner>("TTestInner", &TPersistent::StaticClassInfo())
          .Property("Value", &TTestInner::GetValue, &TTestInner::SetValue)
          .Build();
  return info;
}

void TTestInner::Assign(const TPersistent& source) {
  Value = dynamic_cast<const TTestInner&>(source).Value;
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
  Depth = other.Depth;
  FInner->Assign(*other.FInner);
}

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

const TClassInfo& TTestWide::StaticClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo c;
    c.Name = "TTestWide";
    c.Parent = &TPersistent::StaticClassInfo();
    for (size_t i = 0; i < kCount; ++i) {
      TPropInfo p;
      p.Name = "Value" + std::to_string(100 + i).substr(1);
      p.PropType = &IntegerTypeInfo();
      p.Get = [i](const TPersistent& o) -> TPropValue {
        return int64_t{static_cast<const TTestWide&>(o).Values[i]};
      };
      p.Set = [i](TPersistent& o, const TPropValue& v) {
        static_cast<TTestWide&>(o).Values[i] = static_cast<int32_t>(std::get<int64_t>(v));
      };
      c.Properties.push_back(std::move(p));
    }
    return c;
  }();
  return info;
}

}  // namespace vt::test
