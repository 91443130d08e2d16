#pragma once
// The stock property editors: one per kind of published value (integers, enumerations,
// Booleans, sets and their elements, strings, sub-objects) and the named types with
// their own text and dialogs (colours, fonts, font names, charsets, cursors, component
// names, captions). RegisterStockPropertyEditors runs once, before the first lookup.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ZPropEdit.h"
#include "rtl/Graphics.h"

namespace vt {

// ---- Cursors ----------------------------------------------------------------------

using TCursor = int32_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;
std::optional<std::string> CursorToIdent(int32_t cursor);
std::optional<int32_t> IdentToCursor(std::string_view ident);
std::vector<std::string> CursorIdents();

// Traits of a published cursor property ("TCursor").
struct TCursorType : TPropTraits<int32_t> {
  static const TTypeInfo& Info();
};

// ---- Dialogs ----------------------------------------------------------------------

// The dialogs the stock editors open. The defaults are the standard colour and font
// dialogs; tests and hosts may replace them.
struct TPropertyDialogs {
  // The chosen colour, or nullopt when cancelled.
  std::function<std::optional<TColor>(TColor current)> PickColor;
  // Edits `font` in place; false when cancelled.
  std::function<bool(TFont& font)> PickFont;
};
TPropertyDialogs& PropertyDialogs();

// ---- Integer text -----------------------------------------------------------------

// Decimal with an optional sign, or hexadecimal after "$" or "0x"; surrounding blanks
// are ignored. EConvertError "'text' is not a valid integer value" otherwise.
int64_t ParseInteger(std::string_view text);

// ---- Editors ----------------------------------------------------------------------

class TOrdinalProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

class TIntegerProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  std::string GetValue() override;
  // EPropertyError "Value must be between min and max" outside the type's range.
  void SetValue(const std::string& value) override;

 protected:
  void CheckRange(int64_t value, int64_t minValue, int64_t maxValue) const;
};

class TEnumProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;  // a value name, any case
  void GetValues(const TGetStrProc& proc) override;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

class TBoolProperty : public TEnumProperty {
 public:
  using TEnumProperty::TEnumProperty;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;  // "False" or "True", any case
  void GetValues(const TGetStrProc& proc) override;
};

// "[fsBold,fsItalic]"; expands into one Boolean row per element.
class TSetProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
  void GetProperties(const TGetPropProc& proc) override;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// One element of a set, shown as a Boolean named after the element.
class TSetElementProperty : public TPropertyEditor {
 public:
  TSetElementProperty(TDesignerRef designer, TPropTargets targets, int element);
  std::string GetName() const override;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
  void GetValues(const TGetStrProc& proc) override;

 protected:
  TPropertyAttributes EditorAttributes() override;

 private:
  int FElement;
};

class TStringProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
  int GetEditLimit() override { return 0; }

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// A published sub-object: "(TClassName)", expanding into the sub-object's properties.
class TClassProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  std::string GetValue() override;
  void GetProperties(const TGetPropProc& proc) override;

 protected:
  TPropertyAttributes EditorAttributes() override;
  // The sub-object of every selected object, or empty when one has none.
  TSelectionList SubObjects() const;
};

// Identifiers, "$" hex or decimal; a drop-down of the identifiers and a colour dialog.
class TColorProperty : public TIntegerProperty {
 public:
  using TIntegerProperty::TIntegerProperty;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
  void GetValues(const TGetStrProc& proc) override;
  void Edit() override;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

class TFontProperty : public TClassProperty {
 public:
  using TClassProperty::TClassProperty;
  void Edit() override;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// A face name; the drop-down lists the installed families.
class TFontNameProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
  void GetValues(const TGetStrProc& proc) override;
  int GetEditLimit() override { return 255; }

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// A charset identifier ("ANSI_CHARSET") or a number 0..255.
class TFontCharsetProperty : public TIntegerProperty {
 public:
  using TIntegerProperty::TIntegerProperty;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
  void GetValues(const TGetStrProc& proc) override;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// A cursor identifier ("crHandPoint") or a number.
class TCursorProperty : public TIntegerProperty {
 public:
  using TIntegerProperty::TIntegerProperty;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
  void GetValues(const TGetStrProc& proc) override;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// A component's Name: an identifier, unique among the components of its owner.
class TComponentNameProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
  void SetValue(const std::string& value) override;
  int GetEditLimit() override { return 63; }

 protected:
  TPropertyAttributes EditorAttributes() override { return {}; }
};

// Text shown while it is typed: every keystroke is written.
class TCaptionProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;

 protected:
  TPropertyAttributes EditorAttributes() override;
};

// ---- Registration -----------------------------------------------------------------

// The editor of a kind when nothing more specific is registered.
TPropertyEditorClass DefaultEditorClass(TTypeKind kind);
// Registers the editors of the named types for any class and any property name, and
// hides the skin objects' MaskedAngles and MaskedBorder (ZSkinProps.h).
void RegisterStockPropertyEditors();

}  // namespace vt
