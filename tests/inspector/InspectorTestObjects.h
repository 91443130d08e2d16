#pragma once
// Published classes with every kind of row the inspector shows, nested and long lists.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "inspector/ZStdProps.h"
#include "rtl/Classes.h"
#include "rtl/Graphics.h"
#include "rtl/TypInfo.h"

// A public field with the getter and setter the class-info builder takes.
#define VT_TEST_FIELD(Type, Name, Initial) \
  Type Name = Initial;                     \
  Type Get##Name() const {                 \
    return Name;                           \
  }                                        \
  void Set##Name(Type v) {                 \
    Name = std::move(v);                   \
  }
// An owned sub-object with the pointer getter and copying setter the builder takes.
#define VT_TEST_SUB(Type, Name)   \
  Type* Name() const {            \
    return F##Name.get();         \
  }                               \
  void Set##Name(const Type& v) { \
    F##Name->Assign(v);           \
  }                               \
  std::unique_ptr<Type> F##Name = std::make_unique<Type>();

namespace vt::test {

// A type of its own made from `type`, so that editors registered for it touch no other.
inline TTypeInfo Renamed(TTypeInfo type, const char* name, int64_t min = INT32_MIN,
                         int64_t max = INT32_MAX) {
  type.Name = name;
  type.MinValue = min;
  type.MaxValue = max;
  return type;
}

enum class TTestShape { shCircle, shSquare, shTriangle };
// An integer limited to 0..100.
struct TPercentType : TPropTraits<int32_t> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info = Renamed(IntegerTypeInfo(), "TPercent", 0, 100);
    return info;
  }
};
// A string whose editor lists no values and counts its activations.
struct TEmptyListType : TPropTraits<std::string> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info = Renamed(StringTypeInfo(), "TEmptyList");
    return info;
  }
};
int& EmptyListActivations();
// Registers the editor of TEmptyListType (once).
void RegisterTestEditors();

class TTestInner : public TPersistent {
 public:
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;
  VT_TEST_FIELD(int32_t, Value, 3)
};

class TTestSub : public TPersistent {
 public:
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;
  VT_TEST_FIELD(int32_t, Depth, 1)
  VT_TEST_SUB(TTestInner, Inner)
};

class TTestComponent : public TComponent {
 public:
  explicit TTestComponent(TComponent* owner = nullptr) : TComponent(owner) {}
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  int32_t GetSerial() const { return 77; }

  VT_TEST_FIELD(std::string, Caption, "Button")
  VT_TEST_FIELD(int32_t, Count, 5)
  VT_TEST_FIELD(int32_t, Percent, 50)
  VT_TEST_FIELD(std::string, Title, "Hello")
  VT_TEST_FIELD(bool, Enabled, true)
  VT_TEST_FIELD(TTestShape, Shape, TTestShape::shSquare)
  VT_TEST_FIELD(TFontStyles, Styles, TFontStyles{TFontStyle::fsBold})
  VT_TEST_FIELD(TColor, Color, clRed)
  VT_TEST_FIELD(TFontCharset, Charset, DEFAULT_CHARSET)
  VT_TEST_FIELD(int32_t, Cursor, crDefault)
  VT_TEST_FIELD(std::string, Note, "plain")
  VT_TEST_FIELD(std::string, Empty, "")
  VT_TEST_SUB(TFont, Font)
  VT_TEST_SUB(TTestSub, Sub)
};

// Another class sharing some property names (in another order) and Sub\Inner\Value.
class TTestOther : public TComponent {
 public:
  explicit TTestOther(TComponent* owner = nullptr) : TComponent(owner) {}
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  VT_TEST_FIELD(int32_t, Width, 10)
  VT_TEST_FIELD(TColor, Color, clBlue)
  VT_TEST_SUB(TTestSub, Sub)
};

// Forty integer properties "Value00".. on one object, for scrolling.
class TTestWide : public TPersistent {
 public:
  static constexpr size_t kCount = 40;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  std::array<int32_t, kCount> Values{};
};

}  // namespace vt::test

namespace vt {
template <>
struct EnumTypeInfo<test::TTestShape> {
  static const TTypeInfo& Info();
};
}  // namespace vt
