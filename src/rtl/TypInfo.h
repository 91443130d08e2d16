#pragma once
// Published-property type information.
//
// Every persistent class describes its published properties once, in a static
// TClassInfo built with TClassInfoBuilder, in declaration order; the property stream,
// the property text and the inspector are driven from that description alone. A
// registration reads like the class's own property table:
//
//   const TClassInfo& TFont::StaticClassInfo() {
//     static const TClassInfo info = TClassInfoBuilder<TFont>("TFont",
//     &TPersistent::StaticClassInfo())
//         .Property<TFontCharsetType>("Charset", &TFont::GetCharset, &TFont::SetCharset)
//         .Property<TColorType>("Color", &TFont::GetColor, &TFont::SetColor)
//         ...
//         .Build();
//     return info;
//   }
//
// Value types are deduced from the getter (int32_t, bool, std::string, enumerations with
// an EnumTypeInfo, TSetOf<E>, pointers to persistent sub-objects) or named explicitly
// with a traits type where one C++ type carries several meanings (TColorType,
// TFontCharsetType, TFontNameType, TCaptionType...). A mismatch fails to compile.
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "Classes.h"

namespace vt {

enum class TTypeKind { Integer, Enumeration, Boolean, Set, String, Class };

struct TTypeInfo {
  TTypeKind Kind = TTypeKind::Integer;
  std::string Name;                // "Integer", "TColor", "TSeAlign", "TFontStyles", "TFont"...
  std::vector<std::string> Names;  // enumeration values, or a set's element names, in order
  int64_t MinValue = INT32_MIN;    // integer range
  int64_t MaxValue = INT32_MAX;
  // Integer types that have identifiers for some values (colours, charsets, cursors).
  std::optional<std::string> (*IntToIdent)(int32_t value) = nullptr;
  std::optional<int32_t> (*IdentToInt)(std::string_view ident) = nullptr;
  std::vector<std::string> (*Idents)() = nullptr;
  // Class-typed sub-objects: the class of the value (a function: static-init order).
  const TClassInfo& (*ClassType)() = nullptr;

  // Enumerations and sets: the ordinal of a value name, ignoring letter case.
  std::optional<int> OrdinalOf(std::string_view name) const;
  // Enumerations and sets: the name of an ordinal, or "" when out of range.
  std::string NameOf(int64_t ordinal) const;
};

// A property value in transit: ordinals (integers, enumeration ordinals, booleans,
// colours, charsets, sets as bit masks with bit i for element i), strings (8-bit text as
// stored), or a class-typed sub-object (owned by the object that publishes it).
using TPropValue = std::variant<int64_t, std::string, TPersistent*>;

struct TPropInfo {
  std::string Name;
  const TTypeInfo* PropType = nullptr;
  std::function<TPropValue(const TPersistent&)> Get;
  std::function<void(TPersistent&, const TPropValue&)> Set;  // empty: read-only
  std::function<bool(const TPersistent&)> IsStored;          // empty: always stored

  TTypeKind Kind() const { return PropType->Kind; }
  bool ReadOnly() const { return !Set; }
  bool Stored(const TPersistent& instance) const { return !IsStored || IsStored(instance); }
  int64_t GetOrd(const TPersistent& instance) const;
  void SetOrd(TPersistent& instance, int64_t value) const;
  std::string GetStr(const TPersistent& instance) const;
  void SetStr(TPersistent& instance, const std::string& value) const;
  TPersistent* GetObject(const TPersistent& instance) const;
  // Class-typed properties: copies `value` into the published sub-object.
  void SetObject(TPersistent& instance, const TPersistent& value) const;
};

struct TClassInfo {
  std::string Name;
  const TClassInfo* Parent = nullptr;
  std::vector<TPropInfo> Properties;  // declared by this class, in declaration order
  // The virtual constructor of component classes; empty for abstract or plain classes.
  std::function<TComponent*(TComponent* owner)> Create;

  bool InheritsFrom(const TClassInfo& other) const;
  // Every published property, base class first, each class in declaration order.
  const std::vector<const TPropInfo*>& AllProperties() const;
  // By name, ignoring case; nullptr when the class has none of that name.
  const TPropInfo* FindProperty(std::string_view name) const;

 private:
  mutable std::vector<const TPropInfo*> FAll;
  mutable bool FAllBuilt = false;
};

// Case-insensitive ASCII comparison, as property and identifier names are compared.
bool SameText(std::string_view a, std::string_view b);
// Exact equality, quick to refuse: the lookups of stored names compare a name with many
// candidates of which most differ in length already. Names are short, so their bytes are
// compared in words (the last word overlapping the one before) in place of a memcmp call.
inline bool SameName(std::string_view a, std::string_view b) {
  const size_t n = a.size();
  if (n != b.size()) return false;
  const auto word = [](const char* p, auto value) {
    std::memcpy(&value, p, sizeof value);
    return value;
  };
  if (n >= 8) {
    for (size_t i = 0; i + 8 < n; i += 8)
      if (word(a.data() + i, uint64_t{}) != word(b.data() + i, uint64_t{})) return false;
    return word(a.data() + n - 8, uint64_t{}) == word(b.data() + n - 8, uint64_t{});
  }
  if (n >= 4)
    return word(a.data(), uint32_t{}) == word(b.data(), uint32_t{}) &&
           word(a.data() + n - 4, uint32_t{}) == word(b.data() + n - 4, uint32_t{});
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// ---- Value types -----------------------------------------------------------------

// A set of up to 32 elements of an enumeration.
template <class E>
class TSetOf {
 public:
  constexpr TSetOf() = default;
  constexpr TSetOf(std::initializer_list<E> elements) {
    for (E e : elements) Include(e);
  }
  static constexpr TSetOf FromMask(uint32_t mask) {
    TSetOf s;
    s.FBits = mask;
    return s;
  }
  constexpr uint32_t Mask() const { return FBits; }
  constexpr bool Contains(E e) const { return FBits & Bit(e); }
  constexpr void Include(E e) { FBits |= Bit(e); }
  constexpr void Exclude(E e) { FBits &= ~Bit(e); }
  constexpr bool Empty() const { return FBits == 0; }
  friend constexpr bool operator==(TSetOf, TSetOf) = default;

 private:
  static constexpr uint32_t Bit(E e) { return 1u << static_cast<unsigned>(e); }
  uint32_t FBits = 0;
};

// Specialise with `static const TTypeInfo& Info();` for every published enumeration,
// and SetTypeInfo<E> for every published set over one.
template <class E>
struct EnumTypeInfo;
template <class E>
struct SetTypeInfo;

const TTypeInfo& IntegerTypeInfo();
const TTypeInfo& BooleanTypeInfo();
const TTypeInfo& StringTypeInfo();
const TTypeInfo& ComponentNameTypeInfo();  // "TComponentName"
const TTypeInfo& CaptionTypeInfo();        // "TCaption"

// Builds the TTypeInfo of an enumeration (names in ordinal order).
TTypeInfo MakeEnumTypeInfo(std::string name, std::vector<std::string> names);
// Builds the TTypeInfo of a set over an enumeration.
TTypeInfo MakeSetTypeInfo(std::string name, const TTypeInfo& elementType);
// Builds the TTypeInfo of a class-typed property of class C.
template <class C>
const TTypeInfo& ClassTypeInfo() {
  static const TTypeInfo info = [] {
    TTypeInfo t;
    t.Kind = TTypeKind::Class;
    t.Name = C::StaticClassInfo().Name;
    t.ClassType = &C::StaticClassInfo;
    return t;
  }();
  return info;
}

// Traits: how one C++ value type maps to a TTypeInfo and a TPropValue. The default
// deduces from the type; named traits (TColorType, ...) override for integer aliases.
template <class T, class = void>
struct TPropTraits;

template <>
struct TPropTraits<int32_t> {
  using Value = int32_t;
  static const TTypeInfo& Info() { return IntegerTypeInfo(); }
  static TPropValue ToValue(int32_t v) { return int64_t{v}; }
  static int32_t FromValue(const TPropValue& v) {
    return static_cast<int32_t>(std::get<int64_t>(v));
  }
};

template <>
struct TPropTraits<bool> {
  using Value = bool;
  static const TTypeInfo& Info() { return BooleanTypeInfo(); }
  static TPropValue ToValue(bool v) { return int64_t{v ? 1 : 0}; }
  static bool FromValue(const TPropValue& v) { return std::get<int64_t>(v) != 0; }
};

template <>
struct TPropTraits<std::string> {
  using Value = std::string;
  static const TTypeInfo& Info() { return StringTypeInfo(); }
  static TPropValue ToValue(const std::string& v) { return v; }
  static std::string FromValue(const TPropValue& v) { return std::get<std::string>(v); }
};

template <class E>
struct TPropTraits<E, std::enable_if_t<std::is_enum_v<E>>> {
  using Value = E;
  static const TTypeInfo& Info() { return EnumTypeInfo<E>::Info(); }
  static TPropValue ToValue(E v) { return static_cast<int64_t>(v); }
  static E FromValue(const TPropValue& v) { return static_cast<E>(std::get<int64_t>(v)); }
};

template <class E>
struct TPropTraits<TSetOf<E>> {
  using Value = TSetOf<E>;
  static const TTypeInfo& Info() { return SetTypeInfo<E>::Info(); }
  static TPropValue ToValue(TSetOf<E> v) { return static_cast<int64_t>(v.Mask()); }
  static TSetOf<E> FromValue(const TPropValue& v) {
    return TSetOf<E>::FromMask(static_cast<uint32_t>(std::get<int64_t>(v)));
  }
};

template <class C>
struct TPropTraits<C, std::enable_if_t<std::is_base_of_v<TPersistent, C>>> {
  using Value = C;
  static const TTypeInfo& Info() { return ClassTypeInfo<C>(); }
};

// Named traits for strings with their own property editors.
struct TComponentNameType : TPropTraits<std::string> {
  static const TTypeInfo& Info() { return ComponentNameTypeInfo(); }
};
struct TCaptionType : TPropTraits<std::string> {
  static const TTypeInfo& Info() { return CaptionTypeInfo(); }
};

namespace detail {
template <class M>
struct MemberFn;
template <class C, class R>
struct MemberFn<R (C::*)() const> {
  using Result = std::remove_cvref_t<R>;
};
template <class C, class A>
struct MemberFn<void (C::*)(A)> {
  using Arg = std::remove_cvref_t<A>;
};
template <class T>
using Pointee = std::remove_cvref_t<std::remove_pointer_t<T>>;
}  // namespace detail

template <class C>
class TClassInfoBuilder {
 public:
  TClassInfoBuilder(std::string name, const TClassInfo* parent) {
    FInfo.Name = std::move(name);
    FInfo.Parent = parent;
  }

  // A scalar property: getter `V Get() const`, setter `void Set(V)` or `void Set(const V&)`.
  // A class-typed property: getter `X* Get() const` returning the owned sub-object, setter
  // `void Set(const X&)` copying into it.
  template <class Traits = void, class G, class S>
  TClassInfoBuilder& Property(std::string name, G getter, S setter,
                              std::function<bool(const C&)> stored = {}) {
    using Got = typename detail::MemberFn<G>::Result;
    if constexpr (std::is_pointer_v<Got>) {
      AddClassProperty<detail::Pointee<Got>>(std::move(name), getter, setter);
    } else {
      using Tr = std::conditional_t<std::is_void_v<Traits>, TPropTraits<Got>, Traits>;
      static_assert(std::is_same_v<typename Tr::Value, Got>, "getter type differs from the traits");
      AddScalarProperty<Tr>(std::move(name), getter, setter);
    }
    if (stored) {
      FInfo.Properties.back().IsStored = [stored](const TPersistent& o) {
        return stored(static_cast<const C&>(o));
      };
    }
    return *this;
  }

  // A read-only scalar property (shown, never stored or written).
  template <class Traits = void, class G>
  TClassInfoBuilder& ReadOnlyProperty(std::string name, G getter) {
    using Got = typename detail::MemberFn<G>::Result;
    using Tr = std::conditional_t<std::is_void_v<Traits>, TPropTraits<Got>, Traits>;
    TPropInfo p;
    p.Name = std::move(name);
    p.PropType = &Tr::Info();
    p.Get = [getter](const TPersistent& o) {
      return Tr::ToValue((static_cast<const C&>(o).*getter)());
    };
    p.IsStored = [](const TPersistent&) { return false; };
    FInfo.Properties.push_back(std::move(p));
    return *this;
  }

  // Makes the class creatable by name with an owner (skin objects, components).
  TClassInfoBuilder& Creatable() {
    if constexpr (std::is_constructible_v<C, TComponent*>) {
      FInfo.Create = [](TComponent* owner) -> TComponent* { return new C(owner); };
    }
    return *this;
  }

  TClassInfo Build() { return std::move(FInfo); }

 private:
  template <class Tr, class G, class S>
  void AddScalarProperty(std::string name, G getter, S setter) {
    using Arg = typename detail::MemberFn<S>::Arg;
    static_assert(std::is_same_v<Arg, typename Tr::Value>, "setter type differs from the getter");
    TPropInfo p;
    p.Name = std::move(name);
    p.PropType = &Tr::Info();
    p.Get = [getter](const TPersistent& o) {
      return Tr::ToValue((static_cast<const C&>(o).*getter)());
    };
    p.Set = [setter](TPersistent& o, const TPropValue& v) {
      (static_cast<C&>(o).*setter)(Tr::FromValue(v));
    };
    FInfo.Properties.push_back(std::move(p));
  }

  template <class X, class G, class S>
  void AddClassProperty(std::string name, G getter, S setter) {
    static_assert(std::is_base_of_v<TPersistent, X>,
                  "class-typed properties hold persistent objects");
    static_assert(std::is_same_v<typename detail::MemberFn<S>::Arg, X>, "setter takes const X&");
    TPropInfo p;
    p.Name = std::move(name);
    p.PropType = &ClassTypeInfo<X>();
    p.Get = [getter](const TPersistent& o) -> TPropValue {
      return static_cast<TPersistent*>((static_cast<const C&>(o).*getter)());
    };
    p.Set = [setter](TPersistent& o, const TPropValue& v) {
      (static_cast<C&>(o).*setter)(dynamic_cast<const X&>(*std::get<TPersistent*>(v)));
    };
    FInfo.Properties.push_back(std::move(p));
  }

  TClassInfo FInfo;
};

// ---- Free helpers over instances --------------------------------------------------

// The published property of that name of the instance's class, or nullptr.
const TPropInfo* GetPropInfo(const TPersistent& instance, std::string_view name);
// Reads / writes a property by name; EPropertyError when there is none or it is read-only.
TPropValue GetPropValue(const TPersistent& instance, std::string_view name);
void SetPropValue(TPersistent& instance, std::string_view name, const TPropValue& value);

// Ordinals of enumerations and elements of sets to and from their names.
std::string GetEnumName(const TTypeInfo& type, int64_t ordinal);
std::optional<int> GetEnumValue(const TTypeInfo& type, std::string_view name);
// A set as "[a,b]" (the inspector's form); parsing accepts ", " or "," and any case.
std::string SetToString(const TTypeInfo& setType, int64_t mask, bool brackets = true);
int64_t StringToSet(const TTypeInfo& setType, std::string_view text);  // EPropertyError

}  // namespace vt
