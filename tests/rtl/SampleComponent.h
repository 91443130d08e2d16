#pragma once
// A component with a published property of every kind, a font and binary data.
#include <string>
#include <vector>

#include "rtl/Graphics.h"
#include "rtl/PropStream.h"
#include "rtl/TypInfo.h"

namespace vt::test {
enum class TPsShape { psNone, psBox, psRound };
enum class TPsFlag { pfA, pfB, pfC };
}  // namespace vt::test

template <>
struct vt::EnumTypeInfo<vt::test::TPsShape> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info = MakeEnumTypeInfo("TPsShape", {"psNone", "psBox", "psRound"});
    return info;
  }
};
template <>
struct vt::EnumTypeInfo<vt::test::TPsFlag> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info = MakeEnumTypeInfo("TPsFlag", {"pfA", "pfB", "pfC"});
    return info;
  }
};
template <>
struct vt::SetTypeInfo<vt::test::TPsFlag> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info =
        MakeSetTypeInfo("TPsFlags", EnumTypeInfo<vt::test::TPsFlag>::Info());
    return info;
  }
};

namespace vt::test {

using TPsFlags = TSetOf<TPsFlag>;

class TSample : public TComponent {
 public:
  using TComponent::TComponent;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info =
        TClassInfoBuilder<TSample>("TSample", &TComponent::StaticClassInfo())
            .Property("Count", &TSample::GetCount, &TSample::SetCount)
            .Property("Shape", &TSample::GetShape, &TSample::SetShape)
            .Property("Visible", &TSample::GetVisible, &TSample::SetVisible)
            .Property("Caption", &TSample::GetCaption, &TSample::SetCaption)
            .Property("Flags", &TSample::GetFlags, &TSample::SetFlags)
            .Property<TColorType>("Color", &TSample::GetColor, &TSample::SetColor)
            .Property("Font", &TSample::GetFont, &TSample::SetFont)
            .Creatable()
            .Build();
    return info;
  }
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
          Data.resize(static_cast<size_t>(s.Size()));
          s.ReadBuffer(Data.data(), s.Size());
        },
        [this](TStream& s) { s.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size())); },
        !Data.empty());
  }

  int32_t GetCount() const { return Count; }
  void SetCount(int32_t v) { Count = v; }
  TPsShape GetShape() const { return Shape; }
  void SetShape(TPsShape v) { Shape = v; }
  bool GetVisible() const { return Visible; }
  void SetVisible(bool v) { Visible = v; }
  const std::string& GetCaption() const { return Caption; }
  void SetCaption(const std::string& v) { Caption = v; }
  TPsFlags GetFlags() const { return Flags; }
  void SetFlags(TPsFlags v) { Flags = v; }
  TColor GetColor() const { return Color; }
  void SetColor(TColor v) { Color = v; }
  TFont* GetFont() const { return const_cast<TFont*>(&Font); }
  void SetFont(const TFont& v) { Font.Assign(v); }

  int32_t Count = 0;
  TPsShape Shape = TPsShape::psBox;
  bool Visible = true;
  std::string Caption;
  TPsFlags Flags;
  TColor Color = clNone;
  TFont Font;
  std::vector<uint8_t> Data;
};

}  // namespace vt::test
