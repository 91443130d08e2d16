#include "ZStdProps.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

#include "ZSkinProps.h"

namespace vt {

using enum TPropertyAttribute;

namespace {

std::string Trimmed(std::string_view text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  const auto letter = [](char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
  };
  if (!letter(name.front())) return false;
  return std::all_of(name.begin() + 1, name.end(), [&letter](char c) {
    return letter(c) || std::isdigit(static_cast<unsigned char>(c));
  });
}

[[noreturn]] void InvalidPropertyValue() {
  throw EPropertyError("Invalid property value");
}

}  // namespace

// ---- Cursors ----------------------------------------------------------------------

namespace {

struct TCursorIdent {
  TCursor Value;
  const char* Name;
};
constexpr std::array<TCursorIdent, 22> kCursorIdents{{
    {crDefault, "crDefault"},     {crNone, "crNone"},           {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},     {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
}};

}  // namespace

std::optional<std::string> CursorToIdent(int32_t cursor) {
  for (const TCursorIdent& c : kCursorIdents)
    if (c.Value == cursor) return std::string(c.Name);
  return std::nullopt;
}

std::optional<int32_t> IdentToCursor(std::string_view ident) {
  for (const TCursorIdent& c : kCursorIdents)
    if (SameText(c.Name, ident)) return c.Value;
  return std::nullopt;
}

std::vector<std::string> CursorIdents() {
  std::vector<std::string> names;
  for (const TCursorIdent& c : kCursorIdents) names.emplace_back(c.Name);
  return names;
}

const TTypeInfo& TCursorType::Info() {
  static const TTypeInfo info = [] {
    TTypeInfo t;
    t.Kind = TTypeKind::Integer;
    t.Name = "TCursor";
    t.IntToIdent = &CursorToIdent;
    t.IdentToInt = &IdentToCursor;
    t.Idents = &CursorIdents;
    return t;
  }();
  return info;
}

// ---- Dialogs ----------------------------------------------------------------------

namespace {

std::optional<TColor> StandardColorDialog(TColor current) {
  const TColor rgb = ColorToRGB(current);
  const QColor chosen =
      QColorDialog::getColor(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
  if (!chosen.isValid()) return std::nullopt;
  return RGB(chosen.red(), chosen.green(), chosen.blue());
}

bool StandardFontDialog(TFont& font) {
  bool accepted = false;
  const QFont chosen = QFontDialog::getFont(&accepted, font.ToQFont());
  if (!accepted) return false;
  font.SetName(QStringToAnsi(chosen.family()));
  if (chosen.pointSize() > 0) font.SetSize(chosen.pointSize());
  TFontStyles style;
  if (chosen.bold()) style.Include(TFontStyle::fsBold);
  if (chosen.italic()) style.Include(TFontStyle::fsItalic);
  if (chosen.underline()) style.Include(TFontStyle::fsUnderline);
  if (chosen.strikeOut()) style.Include(TFontStyle::fsStrikeOut);
  font.SetStyle(style);
  return true;
}

}  // namespace

TPropertyDialogs& PropertyDialogs() {
  static TPropertyDialogs dialogs{&StandardColorDialog, &StandardFontDialog};
  return dialogs;
}

// ---- Integer text -----------------------------------------------------------------

namespace {

std::optional<uint64_t> ParseDigits(std::string_view digits, unsigned base) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    const int lower = std::tolower(static_cast<unsigned char>(c));
    unsigned digit = 0;
    if (lower >= '0' && lower <= '9')
      digit = static_cast<unsigned>(lower - '0');
    else if (base == 16 && lower >= 'a' && lower <= 'f')
      digit = static_cast<unsigned>(lower - 'a' + 10);
    else
      return std::nullopt;
    if (value > (std::numeric_limits<uint64_t>::max() - digit) / base) return std::nullopt;
    value = value * base + digit;
  }
  return value;
}

}  // namespace

int64_t ParseInteger(std::string_view text) {
  const std::string trimmed = Trimmed(text);
  std::string_view rest = trimmed;
  const bool negative = !rest.empty() && rest.front() == '-';
  if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) rest.remove_prefix(1);
  unsigned base = 10;
  if (!rest.empty() && rest.front() == '$') {
    base = 16;
    rest.remove_prefix(1);
  } else if (rest.size() > 1 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    base = 16;
    rest.remove_prefix(2);
  }
  const std::optional<uint64_t> magnitude = ParseDigits(rest, base);
  // Hexadecimal may spell the two's complement of a negative 64-bit number.
  const uint64_t limit = negative ? uint64_t{1} << 63
                                  : (base == 16 ? std::numeric_limits<uint64_t>::max()
                                                : uint64_t{std::numeric_limits<int64_t>::max()});
  if (!magnitude || *magnitude > limit)
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  return negative ? static_cast<int64_t>(0 - *magnitude) : static_cast<int64_t>(*magnitude);
}

// ---- Ordinals ---------------------------------------------------------------------

TPropertyAttributes TOrdinalProperty::EditorAttributes() {
  return {paMultiSelect, paRevertable};
}

std::string TIntegerProperty::GetValue() {
  if (!AllEqual()) return {};
  return std::to_string(GetOrdValue());
}

void TIntegerProperty::SetValue(const std::string& value) {
  const int64_t number = ParseInteger(value);
  CheckRange(number, PropType().MinValue, PropType().MaxValue);
  SetOrdValue(number);
}

void TIntegerProperty::CheckRange(int64_t value, int64_t minValue, int64_t maxValue) const {
  if (value < minValue || value > maxValue)
    throw EPropertyError("Value must be between " + std::to_string(minValue) + " and " +
                         std::to_string(maxValue));
}

TPropertyAttributes TEnumProperty::EditorAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TEnumProperty::GetValue() {
  if (!AllEqual()) return {};
  return GetEnumName(PropType(), GetOrdValue());
}

void TEnumProperty::SetValue(const std::string& value) {
  const std::optional<int> ordinal = GetEnumValue(PropType(), Trimmed(value));
  if (!ordinal) InvalidPropertyValue();
  SetOrdValue(*ordinal);
}

void TEnumProperty::GetValues(const TGetStrProc& proc) {
  for (const std::string& name : PropType().Names) proc(name);
}

std::string TBoolProperty::GetValue() {
  if (!AllEqual()) return {};
  return GetOrdValue() != 0 ? "True" : "False";
}

void TBoolProperty::SetValue(const std::string& value) {
  const std::string text = Trimmed(value);
  if (SameText(text, "True"))
    SetOrdValue(1);
  else if (SameText(text, "False"))
    SetOrdValue(0);
  else
    InvalidPropertyValue();
}

void TBoolProperty::GetValues(const TGetStrProc& proc) {
  proc("False");
  proc("True");
}

// ---- Sets -------------------------------------------------------------------------

TPropertyAttributes TSetProperty::EditorAttributes() {
  return {paMultiSelect, paSubProperties, paRevertable};
}

std::string TSetProperty::GetValue() {
  if (!AllEqual()) return {};
  return SetToString(PropType(), GetOrdValue());
}

void TSetProperty::SetValue(const std::string& value) {
  SetOrdValue(StringToSet(PropType(), Trimmed(value)));
}

void TSetProperty::GetProperties(const TGetPropProc& proc) {
  const int count = static_cast<int>(PropType().Names.size());
  for (int element = 0; element < count; ++element)
    proc(std::make_shared<TSetElementProperty>(Designer(), Targets(), element));
}

TSetElementProperty::TSetElementProperty(TDesignerRef designer, TPropTargets targets, int element)
    : TPropertyEditor(std::move(designer), std::move(targets)), FElement(element) {}

std::string TSetElementProperty::GetName() const {
  return PropType().NameOf(FElement);
}

TPropertyAttributes TSetElementProperty::EditorAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TSetElementProperty::GetValue() {
  const int64_t bit = int64_t{1} << FElement;
  const bool first = (GetOrdValue() & bit) != 0;
  for (const TPropTarget& t : Targets())
    if (((t.Prop->GetOrd(*t.Instance) & bit) != 0) != first) return {};
  return first ? "True" : "False";
}

void TSetElementProperty::SetValue(const std::string& value) {
  const std::string text = Trimmed(value);
  const bool include = SameText(text, "True");
  if (!include && !SameText(text, "False")) InvalidPropertyValue();
  const int64_t bit = int64_t{1} << FElement;
  for (const TPropTarget& t : Targets()) {
    const int64_t mask = t.Prop->GetOrd(*t.Instance);
    t.Prop->SetOrd(*t.Instance, include ? (mask | bit) : (mask & ~bit));
  }
  Modified();
}

void TSetElementProperty::GetValues(const TGetStrProc& proc) {
  proc("False");
  proc("True");
}

// ---- Strings and sub-objects ------------------------------------------------------

TPropertyAttributes TStringProperty::EditorAttributes() {
  return {paMultiSelect, paRevertable};
}

std::string TStringProperty::GetValue() {
  return AllEqual() ? GetStrValue() : std::string();
}

void TStringProperty::SetValue(const std::string& value) {
  SetStrValue(value);
}

TPropertyAttributes TClassProperty::EditorAttributes() {
  TPropertyAttributes attributes{paMultiSelect, paReadOnly};
  if (!SubObjects().empty()) attributes.Include(paSubProperties);
  return attributes;
}

std::string TClassProperty::GetValue() {
  const TPersistent* sub = GetObjectValue();
  return sub ? "(" + sub->ClassName() + ")" : std::string();
}

TSelectionList TClassProperty::SubObjects() const {
  TSelectionList subs;
  for (const TPropTarget& t : Targets()) {
    TPersistent* sub = t.Prop->GetObject(*t.Instance);
    if (!sub) return {};
    subs.push_back(sub);
  }
  return subs;
}

void TClassProperty::GetProperties(const TGetPropProc& proc) {
  GetComponentProperties(SubObjects(), kAllPropertyKinds, Designer(), proc);
}

// ---- Colours and fonts ------------------------------------------------------------

TPropertyAttributes TColorProperty::EditorAttributes() {
  return {paMultiSelect, paDialog, paValueList, paRevertable};
}

std::string TColorProperty::GetValue() {
  if (!AllEqual()) return {};
  return ColorToString(static_cast<TColor>(GetOrdValue()));
}

void TColorProperty::SetValue(const std::string& value) {
  SetOrdValue(StringToColor(Trimmed(value)));
}

void TColorProperty::GetValues(const TGetStrProc& proc) {
  for (const std::string& name : ColorIdents()) proc(name);
}

void TColorProperty::Edit() {
  if (!PropertyDialogs().PickColor) return;
  const std::optional<TColor> chosen =
      PropertyDialogs().PickColor(static_cast<TColor>(GetOrdValue()));
  if (chosen) SetOrdValue(*chosen);
}

TPropertyAttributes TFontProperty::EditorAttributes() {
  TPropertyAttributes attributes = TClassProperty::EditorAttributes();
  attributes.Include(paDialog);
  return attributes;
}

void TFontProperty::Edit() {
  const auto* current = dynamic_cast<const TFont*>(GetObjectValue());
  if (!current || !PropertyDialogs().PickFont) return;
  TFont edited;
  edited.Assign(*current);
  if (PropertyDialogs().PickFont(edited)) SetObjectValue(edited);
}

TPropertyAttributes TFontNameProperty::EditorAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

void TFontNameProperty::GetValues(const TGetStrProc& proc) {
  // A family whose name 8-bit text cannot hold could not be stored: it is not offered.
  for (const QString& family : QFontDatabase::families()) {
    std::string name;
    try {
      name = QStringToAnsi(family);
    } catch (const EConvertError&) {
      continue;
    }
    proc(name);
  }
}

TPropertyAttributes TFontCharsetProperty::EditorAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TFontCharsetProperty::GetValue() {
  if (!AllEqual()) return {};
  const int64_t charset = GetOrdValue();
  return CharsetToIdent(static_cast<int32_t>(charset)).value_or(std::to_string(charset));
}

void TFontCharsetProperty::SetValue(const std::string& value) {
  const std::string text = Trimmed(value);
  if (const std::optional<int32_t> charset = IdentToCharset(text)) return SetOrdValue(*charset);
  const int64_t number = ParseInteger(text);
  CheckRange(number, 0, 255);
  SetOrdValue(number);
}

void TFontCharsetProperty::GetValues(const TGetStrProc& proc) {
  for (const std::string& name : CharsetIdents()) proc(name);
}

// ---- Cursors, names, captions -----------------------------------------------------

TPropertyAttributes TCursorProperty::EditorAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TCursorProperty::GetValue() {
  if (!AllEqual()) return {};
  const int64_t cursor = GetOrdValue();
  return CursorToIdent(static_cast<int32_t>(cursor)).value_or(std::to_string(cursor));
}

void TCursorProperty::SetValue(const std::string& value) {
  const std::string text = Trimmed(value);
  if (const std::optional<int32_t> cursor = IdentToCursor(text)) return SetOrdValue(*cursor);
  const int64_t number = ParseInteger(text);
  CheckRange(number, PropType().MinValue, PropType().MaxValue);
  SetOrdValue(number);
}

void TCursorProperty::GetValues(const TGetStrProc& proc) {
  for (const std::string& name : CursorIdents()) proc(name);
}

void TComponentNameProperty::SetValue(const std::string& value) {
  if (!value.empty() && !IsValidIdent(value))
    throw EPropertyError("'" + value + "' is not a valid component name");
  for (const TPropTarget& t : Targets()) {
    const auto* component = dynamic_cast<const TComponent*>(t.Instance);
    const TComponent* owner = component ? component->Owner() : nullptr;
    const TComponent* namesake = owner ? owner->FindComponent(value) : nullptr;
    if (namesake && namesake != component)
      throw EPropertyError("A component named " + value + " already exists");
  }
  SetStrValue(value);
}

TPropertyAttributes TCaptionProperty::EditorAttributes() {
  return {paMultiSelect, paAutoUpdate, paRevertable};
}

// ---- Registration -----------------------------------------------------------------

TPropertyEditorClass DefaultEditorClass(TTypeKind kind) {
  switch (kind) {
    case TTypeKind::Integer:
      return EditorClass<TIntegerProperty>;
    case TTypeKind::Enumeration:
      return EditorClass<TEnumProperty>;
    case TTypeKind::Boolean:
      return EditorClass<TBoolProperty>;
    case TTypeKind::Set:
      return EditorClass<TSetProperty>;
    case TTypeKind::String:
      return EditorClass<TStringProperty>;
    case TTypeKind::Class:
      return EditorClass<TClassProperty>;
  }
  return EditorClass<TPropertyEditor>;
}

void RegisterStockPropertyEditors() {
  RegisterPropertyEditor(CaptionTypeInfo(), nullptr, "", EditorClass<TCaptionProperty>);
  RegisterPropertyEditor(TColorType::Info(), nullptr, "", EditorClass<TColorProperty>);
  RegisterPropertyEditor(ComponentNameTypeInfo(), nullptr, "", EditorClass<TComponentNameProperty>);
  RegisterPropertyEditor(TCursorType::Info(), nullptr, "", EditorClass<TCursorProperty>);
  RegisterPropertyEditor(TFontCharsetType::Info(), nullptr, "", EditorClass<TFontCharsetProperty>);
  RegisterPropertyEditor(TFontNameType::Info(), nullptr, "", EditorClass<TFontNameProperty>);
  RegisterPropertyEditor(ClassTypeInfo<TFont>(), nullptr, "", EditorClass<TFontProperty>);
  RegisterSkinPropertyEditors();
}

}  // namespace vt
