#pragma once
// Small published classes that exercise every kind of row the inspector shows: numbers
// with and without a range, strings, Booleans, enumerations, sets, colours, fonts,
// charsets, cursors, captions, nested sub-objects, and lists long enough to scroll.
#include <memory>
#include <string>
#include <vector>

#include "inspector/ZStdProps.h"
#include "rtl/Classes.h"
#include "rtl/Graphics.h"
#include "rtl/TypInfo.h"

namespace vt::test {

enum class TTestShape { shCircle, shSquare, shTriangle };
// An integer limited to 0..100.
struct TPercentType : TPropTraits<int32_t> {
  static const TTypeInfo& Info();
};
// A string whose editor offers a value list with no values and counts how often a row
// of it became current (EmptyListActivations).
struct TEmptyListType : TPropTraits<std::string> {
  static const TTypeInfo& Info();
};
int& EmptyListActivations();
// Registers the editor of TEmptyListType (once).
void RegisterTestEditors();

class TTestInner : public TPersistent {
 public:
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;
  int32_t GetValue() const { return FValue; }
  void SetValue(int32_t v) { FValue = v; }

 private:
  int32_t FValue = 3;
};

class TTestSub : public TPersistent {
 public:
  TTestSub() : FInner(std::make_unique<TTestInner>()) {}
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;
  int32_t GetDepth() const { return FDepth; }
  void SetDepth(int32_t v) { FDepth = v; }
  TTestInner* Inner() const { return FInner.get(); }
  void SetInner(const TTestInner& v) { FInner->Assign(v); }

 private:
  int32_t FDepth = 1;
  std::unique_ptr<TTestInner> FInner;
};

class TTestComponent : public TComponent {
 public:
  explicit TTestComponent(TComponent* owner = nullptr);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  const std::string& GetCaption() const { return Caption; }
  void SetCaption(const std::string& v) { Caption = v; }
  int32_t GetCount() const { return Count; }
  void SetCount(int32_t v) { Count = v; }
  int32_t GetPercent() const { return Percent; }
  void SetPercent(int32_t v) { Percent = v; }
  const std::string& GetTitle() const { return Title; }
  void SetTitle(const std::string& v) { Title = v; }
  bool GetEnabled() const { return Enabled; }
  void SetEnabled(bool v) { Enabled = v; }
  TTestShape GetShape() const { return Shape; }
  void SetShape(TTestShape v) { Shape = v; }
  TFontStyles GetStyles() const { return Styles; }
  void SetStyles(TFontStyles v) { Styles = v; }
  TColor GetColor() const { return Color; }
  void SetColor(TColor v) { Color = v; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont& v) { FFont->Assign(v); }
  TFontCharset GetCharset() const { return Charset; }
  void SetCharset(TFontCharset v) { Charset = v; }
  int32_t GetCursor() const { return Cursor; }
  void SetCursor(int32_t v) { Cursor = v; }
  const std::string& GetNote() const { return Note; }
  void SetNote(const std::string& v) { Note = v; }
  const std::string& GetEmpty() const { return Empty; }
  void SetEmpty(const std::string& v) { Empty = v; }
  int32_t GetSerial() const { return 77; }
  TTestSub* Sub() const { return FSub.get(); }
  void SetSub(const TTestSub& v) { FSub->Assign(v); }

  std::string Caption = "Button";
  int32_t Count = 5;
  int32_t Percent = 50;
  std::string Title = "Hello";
  bool Enabled = true;
  TTestShape Shape = TTestShape::shSquare;
  TFontStyles Styles{TFontStyle::fsBold};
  TColor Color = clRed;
  TFontCharset Charset = DEFAULT_CHARSET;
  int32_t Cursor = crDefault;
  std::string Note = "plain";
  std::string Empty;

 private:
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TTestSub> FSub;
};

// Another kind of object sharing some property names (in another order) and the
// nested Sub\Inner\Value path.
class TTestOther : public TComponent {
 public:
  explicit TTestOther(TComponent* owner = nullptr);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  int32_t GetWidth() const { return Width; }
  void SetWidth(int32_t v) { Width = v; }
  TColor GetColor() const { return Color; }
  void SetColor(TColor v) { Color = v; }
  TTestSub* Sub() const { return FSub.get(); }
  void SetSub(const TTestSub& v) { FSub->Assign(v); }

  int32_t Width = 10;
  TColor Color = clBlue;

 private:
  std::unique_ptr<TTestSub> FSub;
};

// `count` integer properties "Value000".. on one object, for scrolling.
class TTestWide : public TPersistent {
 public:
  explicit TTestWide(int count);
  const TClassInfo& ClassInfo() const override { return *FInfo; }
  std::vector<int32_t> Values;

 private:
  const TClassInfo* FInfo;
};

}  // namespace vt::test

namespace vt {
template <>
struct EnumTypeInfo<test::TTestShape> {
  static const TTypeInfo& Info();
};
}  // namespace vt
