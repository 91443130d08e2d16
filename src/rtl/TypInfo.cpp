#include "TypInfo.h"

#include <algorithm>

namespace vt {

namespace {
// ASCII letters only, whatever the C locale the GUI has set: names are ASCII, and bytes
// of 128 and above must not fold differently from one machine to the next.
char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::optional<int> TTypeInfo::OrdinalOf(std::string_view name) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (SameText(Names[i], name)) return static_cast<int>(i);
  return std::nullopt;
}

std::string TTypeInfo::NameOf(int64_t ordinal) const {
  if (ordinal < 0 || ordinal >= static_cast<int64_t>(Names.size())) return {};
  return Names[static_cast<size_t>(ordinal)];
}

// ---- TPropInfo --------------------------------------------------------------------

int64_t TPropInfo::GetOrd(const TPersistent& instance) const {
  return std::get<int64_t>(Get(instance));
}

void TPropInfo::SetOrd(TPersistent& instance, int64_t value) const {
  if (!Set) throw EPropertyError("Property " + Name + " is read-only");
  Set(instance, value);
}

std::string TPropInfo::GetStr(const TPersistent& instance) const {
  return std::get<std::string>(Get(instance));
}

void TPropInfo::SetStr(TPersistent& instance, const std::string& value) const {
  if (!Set) throw EPropertyError("Property " + Name + " is read-only");
  Set(instance, value);
}

TPersistent* TPropInfo::GetObject(const TPersistent& instance) const {
  return std::get<TPersistent*>(Get(instance));
}

void TPropInfo::SetObject(TPersistent& instance, const TPersistent& value) const {
  if (!Set) throw EPropertyError("Property " + Name + " is read-only");
  Set(instance, const_cast<TPersistent*>(&value));
}

// ---- TClassInfo -------------------------------------------------------------------

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == &other) return true;
  return false;
}

const std::vector<const TPropInfo*>& TClassInfo::AllProperties() const {
  // Class infos are built once at first use and never change; the flattened list is
  // computed on first request. The engine's property work all runs on the GUI thread.
  if (!FAllBuilt) {
    if (Parent) FAll = Parent->AllProperties();
    for (const TPropInfo& p : Properties) FAll.push_back(&p);
    FAllBuilt = true;
  }
  return FAll;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TPropInfo* p : AllProperties())
    if (SameText(p->Name, name)) return p;
  return nullptr;
}

// ---- Stock types ------------------------------------------------------------------

namespace {
TTypeInfo MakeSimple(TTypeKind kind, std::string name) {
  TTypeInfo t;
  t.Kind = kind;
  t.Name = std::move(name);
  return t;
}
}  // namespace

const TTypeInfo& IntegerTypeInfo() {
  static const TTypeInfo info = MakeSimple(TTypeKind::Integer, "Integer");
  return info;
}

const TTypeInfo& BooleanTypeInfo() {
  static const TTypeInfo info = [] {
    TTypeInfo t = MakeSimple(TTypeKind::Boolean, "Boolean");
    t.Names = {"False", "True"};
    return t;
  }();
  return info;
}

const TTypeInfo& StringTypeInfo() {
  static const TTypeInfo info = MakeSimple(TTypeKind::String, "string");
  return info;
}

const TTypeInfo& ComponentNameTypeInfo() {
  static const TTypeInfo info = MakeSimple(TTypeKind::String, "TComponentName");
  return info;
}

const TTypeInfo& CaptionTypeInfo() {
  static const TTypeInfo info = MakeSimple(TTypeKind::String, "TCaption");
  return info;
}

TTypeInfo MakeEnumTypeInfo(std::string name, std::vector<std::string> names) {
  TTypeInfo t = MakeSimple(TTypeKind::Enumeration, std::move(name));
  t.Names = std::move(names);
  t.MinValue = 0;
  t.MaxValue = static_cast<int64_t>(t.Names.size()) - 1;
  return t;
}

TTypeInfo MakeSetTypeInfo(std::string name, const TTypeInfo& elementType) {
  TTypeInfo t = MakeSimple(TTypeKind::Set, std::move(name));
  t.Names = elementType.Names;
  return t;
}

// ---- Helpers over instances -------------------------------------------------------

const TPropInfo* GetPropInfo(const TPersistent& instance, std::string_view name) {
  return instance.ClassInfo().FindProperty(name);
}

static const TPropInfo& RequireProp(const TPersistent& instance, std::string_view name) {
  const TPropInfo* p = GetPropInfo(instance, name);
  if (!p) throw EPropertyError("Property " + std::string(name) + " does not exist");
  return *p;
}

TPropValue GetPropValue(const TPersistent& instance, std::string_view name) {
  return RequireProp(instance, name).Get(instance);
}

void SetPropValue(TPersistent& instance, std::string_view name, const TPropValue& value) {
  const TPropInfo& p = RequireProp(instance, name);
  if (!p.Set) throw EPropertyError("Property " + p.Name + " is read-only");
  p.Set(instance, value);
}

std::string GetEnumName(const TTypeInfo& type, int64_t ordinal) {
  return type.NameOf(ordinal);
}

std::optional<int> GetEnumValue(const TTypeInfo& type, std::string_view name) {
  return type.OrdinalOf(name);
}

std::string SetToString(const TTypeInfo& setType, int64_t mask, bool brackets) {
  std::string text;
  for (size_t i = 0; i < setType.Names.size(); ++i) {
    if (!(mask & (int64_t{1} << i))) continue;
    if (!text.empty()) text += ',';
    text += setType.Names[i];
  }
  return brackets ? "[" + text + "]" : text;
}

int64_t StringToSet(const TTypeInfo& setType, std::string_view text) {
  auto trim = [](std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
  };
  text = trim(text);
  if (!text.empty() && text.front() == '[') text.remove_prefix(1);
  if (!text.empty() && text.back() == ']') text.remove_suffix(1);
  int64_t mask = 0;
  while (!trim(text).empty()) {
    size_t comma = text.find(',');
    std::string_view element = trim(text.substr(0, comma));
    auto ordinal = setType.OrdinalOf(element);
    if (!ordinal) throw EPropertyError("Invalid property value: " + std::string(element));
    mask |= int64_t{1} << *ordinal;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return mask;
}

}  // namespace vt
