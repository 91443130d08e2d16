// Sections: warnings and nesting guard; binary input; binary output; the writer; the
// reader. The text conversions are in PropText.cpp.
#include "PropStream.h"

#include <QtGlobal>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "AnsiText.h"
#include "PropStreamIO.h"
#include "TypInfo.h"

namespace vt {

// ---- Warnings and nesting guard -------------------------------------------------------

namespace {
thread_local TReadWarnings* gInnermostWarnings = nullptr;
thread_local int gNestingDepth = 0;
}  // namespace

TReadWarnings::TReadWarnings() : FOuter(gInnermostWarnings) {
  gInnermostWarnings = this;
}

TReadWarnings::~TReadWarnings() {
  gInnermostWarnings = FOuter;
}

void TReadWarnings::Report(const std::string& message) {
  TReadWarnings* sink = gInnermostWarnings;
  if (!sink) {
    qWarning("%s", message.c_str());
    return;
  }
  // A damaged stream can repeat the same problem endlessly; the list stays readable.
  if (sink->FItems.size() < kMaxItems)
    sink->FItems.push_back(message);
  else if (sink->FItems.size() == kMaxItems)
    sink->FItems.push_back("Further warnings suppressed");
}

TNestingGuard::TNestingGuard(const char* what) {
  if (gNestingDepth >= kMaxDepth)
    throw EReadError(std::string(what) + " nested more than " + std::to_string(kMaxDepth) +
                     " levels deep");
  ++gNestingDepth;
}

TNestingGuard::~TNestingGuard() {
  --gNestingDepth;
}

namespace propstream {

// ---- Binary input ---------------------------------------------------------------------

TBinaryInput::TBinaryInput(TStream& stream) : TBinaryInput(stream, stream.Position()) {}

TBinaryInput::TBinaryInput(TStream& stream, int64_t start) : FStream(stream), FStart(start) {
  const std::optional<int64_t> left = stream.Remaining();
  if (!left || *left <= 0) return;
  const int64_t position = stream.Position();
  if (const uint8_t* bytes = stream.ReadInPlace(*left)) {
    FBegin = FNext = bytes;
    FEnd = bytes + *left;
    FBeginPosition = position;
  }
}

TBinaryInput::~TBinaryInput() {
  // Memory streams seek without failing; the guard keeps a destructor from throwing.
  if (FBegin) try {
      FStream.SetPosition(FBeginPosition + (FNext - FBegin));
    } catch (...) {
    }
}

void TBinaryInput::Fail(const std::string& what) const {
  throw EReadError("Invalid property stream: " + what + " at offset " + std::to_string(Offset()));
}

void TBinaryInput::FailValueType(uint8_t type) const {
  Fail("unknown value type " + std::to_string(type));
}

bool TBinaryInput::Take(void* target, size_t count) {
  if (FBegin) {
    if (static_cast<size_t>(FEnd - FNext) < count) return false;
    std::memcpy(target, FNext, count);
    FNext += count;
    return true;
  }
  return FStream.Read(target, static_cast<int64_t>(count)) == static_cast<int64_t>(count);
}

std::span<const uint8_t> TBinaryInput::TakeCounted(int64_t count, const char* what,
                                                   std::vector<uint8_t>& storage) {
  if (!FBegin) {
    storage = ReadBytes(FStream, count, what);
    return storage;
  }
  if (count < 0)
    throw EReadError(std::string("Invalid ") + what + " length " + std::to_string(count));
  if (count > FEnd - FNext)
    throw EReadError(std::string("Truncated ") + what + ": " + std::to_string(count) +
                     " bytes expected, " + std::to_string(FEnd - FNext) + " present");
  const uint8_t* bytes = FNext;
  FNext += count;
  return {bytes, static_cast<size_t>(count)};
}

int32_t TBinaryInput::ReadLength(const char* what) {
  uint8_t bytes[4];
  if (!Take(bytes, 4)) Fail(std::string("stream ends inside the length of ") + what);
  return static_cast<int32_t>(bytes[0] | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
                              uint32_t{bytes[3]} << 24);
}

void TBinaryInput::ReadSignature() {
  char signature[4];
  if (!Take(signature, 4) || std::memcmp(signature, kSignature, 4) != 0)
    throw EReadError("Invalid property stream: \"TPF0\" signature missing");
}

uint8_t TBinaryInput::ReadByteFromStream(const char* what) {
  uint8_t value;
  if (FBegin || FStream.Read(&value, 1) != 1)
    Fail(std::string("stream ends where ") + what + " belongs");
  return value;
}

std::string TBinaryInput::ReadShortString(const char* what) {
  return ReadShortStringBody(ReadByte(what), what);
}

std::string_view TBinaryInput::ReadShortStringFromStream(const char* what, std::string& storage) {
  storage = ReadShortString(what);
  return storage;
}

std::string TBinaryInput::ReadShortStringBody(uint8_t length, const char* what) {
  if (FEnd - FNext >= length) {
    const char* text = reinterpret_cast<const char*>(FNext);
    FNext += length;
    return std::string(text, length);
  }
  std::string text(length, '\0');
  if (!Take(text.data(), length)) Fail(std::string("stream ends inside ") + what);
  return text;
}

int64_t TBinaryInput::ReadIntBodyFromStream(TValueType type) {
  uint8_t bytes[8] = {};
  const size_t size = type == TValueType::vaInt8    ? 1
                      : type == TValueType::vaInt16 ? 2
                      : type == TValueType::vaInt32 ? 4
                                                    : 8;
  if (!Take(bytes, size)) Fail("stream ends inside an integer");
  uint64_t value = 0;
  for (size_t i = 0; i < size; ++i) value |= uint64_t{bytes[i]} << (8 * i);
  // Sign-extend from the stored width.
  const int unused = 64 - 8 * static_cast<int>(size);
  return static_cast<int64_t>(value << unused) >> unused;
}

namespace {
std::string Utf16ToAnsi(std::span<const uint8_t> bytes) {
  std::string text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t code = bytes[i] | (uint32_t{bytes[i + 1]} << 8);
    if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size()) {
      const uint32_t low = bytes[i + 2] | (uint32_t{bytes[i + 3]} << 8);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    text += CodeToAnsi(code);
  }
  return text;
}

// Decodes UTF-8 to 8-bit text; a malformed sequence gives '?' for its first byte.
std::string Utf8ToAnsi(std::span<const uint8_t> bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size();) {
    const uint8_t lead = bytes[i];
    const int extra = lead < 0x80             ? 0
                      : (lead & 0xE0) == 0xC0 ? 1
                      : (lead & 0xF0) == 0xE0 ? 2
                      : (lead & 0xF8) == 0xF0 ? 3
                                              : -1;
    bool valid = extra >= 0 && i + static_cast<size_t>(extra) < bytes.size();
    uint32_t code = extra > 0 ? lead & (0x3F >> extra) : lead;
    for (int k = 1; valid && k <= extra; ++k) {
      valid = (bytes[i + k] & 0xC0) == 0x80;
      code = (code << 6) | (bytes[i + k] & 0x3F);
    }
    text += valid ? CodeToAnsi(code) : '?';
    i += valid ? static_cast<size_t>(extra) + 1 : 1;
  }
  return text;
}
}  // namespace

std::string TBinaryInput::ReadStringBody(TValueType type) {
  if (type == TValueType::vaString) return ReadShortString("a string");
  const int32_t length = ReadLength("a string");
  std::vector<uint8_t> storage;
  if (type == TValueType::vaWString) {
    if (length < 0 || length > INT32_MAX / 2) Fail("invalid wide string length");
    return Utf16ToAnsi(TakeCounted(int64_t{length} * 2, "wide string", storage));
  }
  const std::span<const uint8_t> bytes = TakeCounted(length, "string", storage);
  if (type == TValueType::vaUTF8String) return Utf8ToAnsi(bytes);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<uint8_t> TBinaryInput::ReadBinaryBody() {
  std::vector<uint8_t> storage;
  const std::span<const uint8_t> bytes = ReadBinaryBody(storage);
  if (bytes.data() != storage.data()) storage.assign(bytes.begin(), bytes.end());
  return storage;
}

std::span<const uint8_t> TBinaryInput::ReadBinaryBody(std::vector<uint8_t>& storage) {
  return TakeCounted(ReadLength("a binary property"), "binary property", storage);
}

std::vector<std::string> TBinaryInput::ReadSetBody() {
  std::vector<std::string> names;
  for (;;) {
    std::string name = ReadShortString("a set element");
    if (name.empty()) return names;
    names.push_back(std::move(name));
  }
}

void TBinaryInput::SkipValue(TValueType type) {
  auto skipBytes = [this](int64_t count) {
    std::vector<uint8_t> storage;
    TakeCounted(count, "value", storage);
  };
  switch (type) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
      return;
    case TValueType::vaList: {
      TNestingGuard guard("Lists");
      for (TValueType item = ReadValueType(); item != TValueType::vaNull; item = ReadValueType())
        SkipValue(item);
      return;
    }
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
    case TValueType::vaInt64:
      ReadIntBody(type);
      return;
    case TValueType::vaExtended:
      return skipBytes(10);
    case TValueType::vaSingle:
      return skipBytes(4);
    case TValueType::vaCurrency:
    case TValueType::vaDate:
      return skipBytes(8);
    case TValueType::vaString:
    case TValueType::vaLString:
    case TValueType::vaWString:
    case TValueType::vaUTF8String:
      ReadStringBody(type);
      return;
    case TValueType::vaIdent:
      ReadShortString("an identifier");
      return;
    case TValueType::vaBinary: {
      std::vector<uint8_t> storage;
      ReadBinaryBody(storage);
      return;
    }
    case TValueType::vaSet:
      ReadSetBody();
      return;
    case TValueType::vaCollection: {
      TNestingGuard guard("Collections");
      for (TValueType item = ReadValueType(); item != TValueType::vaNull; item = ReadValueType()) {
        if (IsIntType(item)) {
          ReadIntBody(item);
          item = ReadValueType();
        }
        if (item != TValueType::vaList) Fail("collection item expected");
        while (!ReadShortString("a property name").empty()) SkipValue(ReadValueType());
      }
      return;
    }
  }
}

TBinaryInput::THeader TBinaryInput::ReadHeaderAfter(uint8_t firstByte) {
  THeader header;
  if ((firstByte & 0xF0) == 0xF0) {
    header.Flags = firstByte & 0x0F;
    if (header.Flags & ffChildPos) {
      const TValueType type = ReadValueType();
      if (!IsIntType(type)) Fail("child position expected");
      header.ChildPos = ReadIntBody(type);
    }
    firstByte = ReadByte("a class name");
  }
  header.ClassName = ReadShortStringBody(firstByte, "a class name");
  header.ObjectName = ReadShortString("an object name");
  if (header.ClassName.empty()) Fail("empty class name");
  return header;
}

// ---- Binary output --------------------------------------------------------------------

void TBinaryOutput::PutLittleEndian(uint64_t value, size_t size) {
  uint8_t bytes[8];
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  Put(bytes, size);
}

void TBinaryOutput::WriteShortString(std::string_view text, const char* what) {
  if (text.size() > 255)
    throw EWriteError(std::string("Cannot store ") + what + " \"" +
                      std::string(text.substr(0, 40)) + "...\": longer than 255 characters");
  WriteByte(static_cast<uint8_t>(text.size()));
  Put(text.data(), text.size());
}

void TBinaryOutput::WriteInteger(int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    WriteValueType(TValueType::vaInt8);
    PutLittleEndian(static_cast<uint64_t>(value), 1);
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    WriteValueType(TValueType::vaInt16);
    PutLittleEndian(static_cast<uint64_t>(value), 2);
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteValueType(TValueType::vaInt32);
    PutLittleEndian(static_cast<uint64_t>(value), 4);
  } else {
    WriteValueType(TValueType::vaInt64);
    PutLittleEndian(static_cast<uint64_t>(value), 8);
  }
}

void TBinaryOutput::WriteString(std::string_view text) {
  if (text.size() <= 255) {
    WriteValueType(TValueType::vaString);
    WriteShortString(text, "a string");
  } else {
    if (text.size() > INT32_MAX) throw EWriteError("String larger than 2 GB");
    WriteValueType(TValueType::vaLString);
    PutLittleEndian(text.size(), 4);
    Put(text.data(), text.size());
  }
}

void TBinaryOutput::WriteIdent(std::string_view ident) {
  WriteValueType(TValueType::vaIdent);
  WriteShortString(ident, "an identifier");
}

void TBinaryOutput::WriteBinary(const std::vector<uint8_t>& bytes) {
  WriteBinary(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TBinaryOutput::WriteBinary(const uint8_t* bytes, int64_t size) {
  if (size > INT32_MAX) throw EWriteError("Binary property larger than 2 GB");
  WriteValueType(TValueType::vaBinary);
  PutLittleEndian(static_cast<uint64_t>(size), 4);
  Put(bytes, static_cast<size_t>(size));
}

void TBinaryOutput::WriteHeader(uint8_t flags, int64_t childPos, const std::string& className,
                                const std::string& objectName) {
  if (flags != 0) {
    WriteByte(0xF0 | flags);
    if (flags & ffChildPos) WriteInteger(childPos);
  }
  if (className.empty()) throw EWriteError("Cannot store an object without a class name");
  // A length byte of 0xF0 or more would read back as the flags byte.
  if (className.size() >= 0xF0)
    throw EWriteError("Cannot store the class name \"" + className.substr(0, 40) +
                      "...\": longer than 239 characters");
  WriteShortString(className, "the class name");
  WriteShortString(objectName, "the object name");
}

char CodeToAnsi(uint32_t code) {
  return UnicodeToAnsiChar(code).value_or('?');
}

}  // namespace propstream

using propstream::TBinaryInput;
using propstream::TBinaryOutput;

// ---- Writer ---------------------------------------------------------------------------

void TWriter::WriteRootComponent(const TPersistent& instance) {
  TBinaryOutput out(FStream);
  const auto* component = dynamic_cast<const TComponent*>(&instance);
  out.WriteHeader(0, 0, instance.ClassName(), component ? component->GetName() : std::string());
  WriteProperties(instance, "");
  out.WriteByte(0);  // end of the properties
  out.WriteByte(0);  // end of the (empty) list of child objects
}

void TWriter::WriteProperties(const TPersistent& instance, const std::string& prefix) {
  for (const TPropInfo* prop : instance.ClassInfo().AllProperties())
    if (!prop->ReadOnly() && prop->Stored(instance)) WriteProperty(instance, *prop, prefix);
  // Binary properties follow the published ones, under the same dotted path.
  const std::string outerPrefix = FPrefix;
  FPrefix = prefix;
  const_cast<TPersistent&>(instance).DefineProperties(*this);
  FPrefix = outerPrefix;
}

void TWriter::WriteProperty(const TPersistent& instance, const TPropInfo& prop,
                            const std::string& prefix) {
  TBinaryOutput out(FStream);
  const TTypeInfo& type = *prop.PropType;
  const std::string name = prefix + prop.Name;
  switch (type.Kind) {
    case TTypeKind::Class:
      if (auto* collection = dynamic_cast<const TCollection*>(prop.GetObject(instance)))
        WriteCollection(*collection, name);
      else if (TPersistent* sub = prop.GetObject(instance))
        WriteProperties(*sub, name + ".");
      return;
    case TTypeKind::String: {
      const std::string value = prop.GetStr(instance);
      if (value.empty()) return;  // an empty string is the default of every string
      out.WriteShortString(name, "a property name");
      out.WriteString(value);
      return;
    }
    case TTypeKind::Set: {
      const int64_t mask = prop.GetOrd(instance);
      if (mask == 0) return;  // an empty set is the default of every set
      out.WriteShortString(name, "a property name");
      out.WriteValueType(TValueType::vaSet);
      for (size_t i = 0; i < type.Names.size(); ++i)
        if (mask & (int64_t{1} << i)) out.WriteShortString(type.Names[i], "a set element");
      out.WriteByte(0);
      return;
    }
    case TTypeKind::Boolean:
      out.WriteShortString(name, "a property name");
      out.WriteValueType(prop.GetOrd(instance) ? TValueType::vaTrue : TValueType::vaFalse);
      return;
    case TTypeKind::Enumeration: {
      const int64_t ordinal = prop.GetOrd(instance);
      out.WriteShortString(name, "a property name");
      if (const std::string ident = type.NameOf(ordinal); !ident.empty())
        out.WriteIdent(ident);
      else
        out.WriteInteger(ordinal);  // out of range: keep the number rather than lose it
      return;
    }
    case TTypeKind::Integer: {
      const int64_t value = prop.GetOrd(instance);
      out.WriteShortString(name, "a property name");
      if (type.IntToIdent)
        if (auto ident = type.IntToIdent(static_cast<int32_t>(value)))
          return out.WriteIdent(*ident);
      out.WriteInteger(value);
      return;
    }
  }
}

// The collection value: each item a list of its properties (binary ones included, under
// their own names), the whole ended by an empty list marker.
void TWriter::WriteCollection(const TCollection& collection, const std::string& name) {
  TBinaryOutput out(FStream);
  out.WriteShortString(name, "a property name");
  out.WriteValueType(TValueType::vaCollection);
  for (int i = 0; i < collection.ItemCount(); ++i) {
    out.WriteValueType(TValueType::vaList);
    WriteProperties(collection.ItemAt(i), "");
    out.WriteByte(0);
  }
  out.WriteByte(0);
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc& /*readData*/,
                                   const TStreamProc& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  TMemoryStream data;
  writeData(data);
  TBinaryOutput out(FStream);
  out.WriteShortString(FPrefix + name, "a property name");
  out.WriteBinary(data.Bytes());
}

void WriteComponent(TStream& stream, const TPersistent& instance) {
  stream.WriteBuffer(propstream::kSignature, 4);
  TWriter(stream).WriteRootComponent(instance);
}

// ---- Reader ---------------------------------------------------------------------------

namespace {

// A value read ahead of applying it, so that a value its property cannot take is passed
// over whole and the stream stays in step.
struct TReadValue {
  TValueType Type = TValueType::vaNull;
  int64_t Int = 0;
  std::string Text;                // strings
  std::string_view Ident;          // identifiers, valid while the input is
  std::string IdentStorage;        // behind Ident when the stream lends no memory
  std::vector<std::string> Names;  // sets
};

void ReadValue(TBinaryInput& in, TValueType type, TReadValue& value) {
  value.Type = type;
  if (propstream::IsIntType(type))
    value.Int = in.ReadIntBody(type);
  else if (propstream::IsStringType(type))
    value.Text = in.ReadStringBody(type);
  else if (type == TValueType::vaIdent)
    value.Ident = in.ReadShortString("an identifier", value.IdentStorage);
  else if (type == TValueType::vaSet)
    value.Names = in.ReadSetBody();
  else
    in.SkipValue(type);  // kinds no published property of this engine takes
}

// Stored identifiers nearly always carry the declared spelling: an exact comparison finds
// them without folding case character by character; any other letter case still matches.
std::optional<int> OrdinalOfStored(const TTypeInfo& type, std::string_view name) {
  for (size_t i = 0; i < type.Names.size(); ++i)
    if (SameName(type.Names[i], name)) return static_cast<int>(i);
  return type.OrdinalOf(name);
}

}  // namespace

// The last identifier met in one place and the number it stood for.
struct propstream::TIdentMemo {
  std::string Ident;
  int64_t Number = 0;
};

namespace {

using propstream::TIdentMemo;

// The number an identifier stands for in an integer or enumeration property. The objects
// of a skin repeat their identifiers (clNone, DEFAULT_CHARSET, taLeft) from one object
// to the next, so the last one met in the same place is tried first.
std::optional<int64_t> IdentNumber(const TPropInfo& prop, std::string_view ident,
                                   TIdentMemo* memo) {
  if (memo && !memo->Ident.empty() && SameName(memo->Ident, ident)) return memo->Number;
  const TTypeInfo& type = *prop.PropType;
  std::optional<int64_t> number;
  if (prop.Kind() == TTypeKind::Enumeration) {
    if (auto ordinal = OrdinalOfStored(type, ident)) number = *ordinal;
  } else if (type.IdentToInt) {
    if (auto known = type.IdentToInt(ident)) number = *known;
  }
  if (number && memo) *memo = {std::string(ident), *number};
  return number;
}

// Applies the value; returns the reason it cannot be applied, or "" on success.
std::string ApplyIntegerValue(TPersistent& instance, const TPropInfo& prop, const TReadValue& value,
                              TIdentMemo* memo) {
  const TTypeInfo& type = *prop.PropType;
  int64_t number = value.Int;
  if (value.Type == TValueType::vaIdent) {
    auto known = IdentNumber(prop, value.Ident, memo);
    if (!known) return "unknown identifier " + std::string(value.Ident);
    number = *known;
  } else if (!propstream::IsIntType(value.Type)) {
    return "an integer is expected";
  }
  if (number < type.MinValue || number > type.MaxValue)
    return "value " + std::to_string(number) + " out of range";
  prop.SetOrd(instance, number);
  return {};
}

std::string ApplySetValue(TPersistent& instance, const TPropInfo& prop, const TReadValue& value) {
  if (value.Type != TValueType::vaSet) return "a set is expected";
  int64_t mask = 0;
  std::string unknown;
  for (const std::string& element : value.Names) {
    if (auto ordinal = OrdinalOfStored(*prop.PropType, element); ordinal && *ordinal < 63)
      mask |= int64_t{1} << *ordinal;
    else
      unknown += (unknown.empty() ? "" : ", ") + element;
  }
  prop.SetOrd(instance, mask);
  return unknown.empty() ? std::string() : "unknown set elements ignored: " + unknown;
}

std::string ApplyValue(TPersistent& instance, const TPropInfo& prop, const TReadValue& value,
                       TIdentMemo* memo) {
  switch (prop.Kind()) {
    case TTypeKind::Integer:
      return ApplyIntegerValue(instance, prop, value, memo);
    case TTypeKind::Enumeration: {
      if (value.Type != TValueType::vaIdent) return "an identifier is expected";
      auto ordinal = IdentNumber(prop, value.Ident, memo);
      if (!ordinal) return "unknown identifier " + std::string(value.Ident);
      prop.SetOrd(instance, *ordinal);
      return {};
    }
    case TTypeKind::Boolean:
      if (value.Type != TValueType::vaTrue && value.Type != TValueType::vaFalse)
        return "True or False is expected";
      prop.SetOrd(instance, value.Type == TValueType::vaTrue ? 1 : 0);
      return {};
    case TTypeKind::Set:
      return ApplySetValue(instance, prop, value);
    case TTypeKind::String:
      if (!propstream::IsStringType(value.Type)) return "a string is expected";
      prop.SetStr(instance, value.Text);
      return {};
    case TTypeKind::Class:
      return "an object property takes no value";
  }
  return "unsupported property";
}

// Property names are short: a plain loop beats a call of the library's search.
size_t FirstDot(std::string_view name) {
  for (size_t i = 0; i < name.size(); ++i)
    if (name[i] == '.') return i;
  return std::string_view::npos;
}

std::string_view LastPart(std::string_view name) {
  for (size_t i = name.size(); i-- > 0;)
    if (name[i] == '.') return name.substr(i + 1);
  return name;
}

// Stored names nearly always carry the declared letter case: an exact comparison finds
// them without folding case character by character.
const TPropInfo* FindStoredProperty(const TClassInfo& cls, std::string_view name) {
  for (const TPropInfo* prop : cls.AllProperties())
    if (SameName(prop->Name, name)) return prop;
  return cls.FindProperty(name);
}

// What a stored property name stands for in objects of one class: the published
// sub-objects that its leading parts name, each with the class it had, and the property
// that its last part names (nullptr when none is published under that name).
struct TResolvedName {
  struct TStep {
    const TPropInfo* Prop;
    const TClassInfo* Class;
  };
  std::string Name;
  std::vector<TStep> Path;
  const TPropInfo* Prop = nullptr;
  TIdentMemo Memo;
};

// Objects of a class are stored with the same names in the same order, so each name is
// remembered, per class and place, with what it resolved to: the name in that place of
// the next object of the class is then resolved by one comparison. The plans are per
// thread, like the readers that use them, and bounded in length against hostile streams.
using TNamePlan = std::vector<TResolvedName>;
constexpr size_t kMaxPlanLength = 256;
thread_local std::unordered_map<const TClassInfo*, TNamePlan> gNamePlans;

// The owner that a remembered resolution gives in `root`; nullptr when a sub-object on
// the way is missing or of another class than when the name was resolved.
TPersistent* OwnerAlong(TPersistent& root, const TResolvedName& resolved) {
  TPersistent* owner = &root;
  for (const TResolvedName::TStep& step : resolved.Path) {
    owner = step.Prop->GetObject(*owner);
    if (!owner || &owner->ClassInfo() != step.Class) return nullptr;
  }
  return owner;
}

// Resolves the name from scratch; `owner` is nullptr when a leading part names no
// published sub-object, and such a name is not remembered.
std::optional<TResolvedName> Resolve(TPersistent& root, std::string_view name,
                                     TPersistent*& owner) {
  TResolvedName resolved;
  owner = &root;
  std::string_view last = name;
  for (size_t dot; (dot = FirstDot(last)) != std::string_view::npos; last.remove_prefix(dot + 1)) {
    const TPropInfo* part = FindStoredProperty(owner->ClassInfo(), last.substr(0, dot));
    owner = part && part->Kind() == TTypeKind::Class ? part->GetObject(*owner) : nullptr;
    if (!owner) return std::nullopt;
    resolved.Path.push_back({part, &owner->ClassInfo()});
  }
  resolved.Prop = FindStoredProperty(owner->ClassInfo(), last);
  resolved.Name = name;
  return resolved;
}

void SkipChildObject(TBinaryInput& in, uint8_t first) {
  TNestingGuard guard("Objects");
  in.ReadHeaderAfter(first);
  std::string storage;
  while (!in.ReadShortString("a property name", storage).empty()) in.SkipValue(in.ReadValueType());
  for (uint8_t next = in.ReadByte("the end of an object"); next != 0;
       next = in.ReadByte("the end of an object"))
    SkipChildObject(in, next);
}

}  // namespace

TReader::TReader(TStream& stream) : FIn(std::make_unique<TBinaryInput>(stream)) {}

TReader::~TReader() = default;

void TReader::ReadSignature() {
  FIn->ReadSignature();
}

std::string TReader::ReadRootComponent(TPersistent& instance) {
  TNestingGuard guard("Objects");
  const auto header = FIn->ReadHeaderAfter(FIn->ReadByte("the object header"));
  FClassName = header.ClassName;
  FObjectName = header.ObjectName;
  if (auto* component = dynamic_cast<TComponent*>(&instance)) component->SetName(FObjectName);
  ReadProperties(instance);
  // Children of a skin object travel in its "Objects" property; children in the header
  // list come only from other writers and have no place to go here.
  for (uint8_t first = FIn->ReadByte("the end of the object"); first != 0;
       first = FIn->ReadByte("the end of the object")) {
    TReadWarnings::Report("Child object in the stored form of " + Where() + " skipped");
    SkipChildObject(*FIn, first);
  }
  return FClassName;
}

void TReader::ReadProperties(TPersistent& instance) {
  TNamePlan& plan = gNamePlans[&instance.ClassInfo()];
  for (size_t place = 0;; ++place) {
    const int64_t offset = FIn->Offset();
    const std::string_view name = FIn->ReadShortString("a property name", FNameStorage);
    if (name.empty()) return;
    TPersistent* owner = nullptr;
    const TPropInfo* prop = nullptr;
    TIdentMemo* memo = nullptr;
    if (place < plan.size() && SameName(plan[place].Name, name) &&
        (owner = OwnerAlong(instance, plan[place]))) {
      prop = plan[place].Prop;
      memo = &plan[place].Memo;
    } else if (std::optional<TResolvedName> resolved = Resolve(instance, name, owner)) {
      prop = resolved->Prop;
      if (place < plan.size())
        plan[place] = std::move(*resolved);
      else if (place == plan.size() && place < kMaxPlanLength)
        plan.push_back(std::move(*resolved));
      if (place < plan.size()) memo = &plan[place].Memo;
    }
    ReadProperty(owner, prop, name, offset, memo);
  }
}

// The memo belongs to the plan of the class, which the objects read by a nested reader
// may change: it is used only before anything else is read.
void TReader::ReadProperty(TPersistent* owner, const TPropInfo* prop, std::string_view name,
                           int64_t offset, TIdentMemo* memo) {
  std::string problem;
  auto* collection = prop && prop->Kind() == TTypeKind::Class
                         ? dynamic_cast<TCollection*>(prop->GetObject(*owner))
                         : nullptr;
  if (collection) {
    return ReadCollection(*collection, std::string(name));
  } else if (prop && !prop->ReadOnly() && prop->Kind() != TTypeKind::Class) {
    TReadValue value;
    ReadValue(*FIn, FIn->ReadValueType(), value);
    problem = ApplyValue(*owner, *prop, value, memo);
  } else if (owner && ReadDefinedProperty(*owner, LastPart(name))) {
    return;
  } else {
    FIn->SkipValue(FIn->ReadValueType());
    problem = "unknown property";
  }
  if (!problem.empty())
    TReadWarnings::Report("Property " + std::string(name) + " of " + Where() + " at offset " +
                          std::to_string(offset) + ": " + problem);
}

// A collection value replaces the items; a value of another type is passed over.
void TReader::ReadCollection(TCollection& collection, const std::string& name) {
  TBinaryInput& in = *FIn;
  const TValueType type = in.ReadValueType();
  if (type != TValueType::vaCollection) {
    in.SkipValue(type);
    TReadWarnings::Report("Property " + name + " of " + Where() + ": a collection is expected");
    return;
  }
  TNestingGuard guard("Collections");
  collection.ClearItems();
  for (TValueType item = in.ReadValueType(); item != TValueType::vaNull;
       item = in.ReadValueType()) {
    if (propstream::IsIntType(item)) {
      in.ReadIntBody(item);  // the item's position, which the order already gives
      item = in.ReadValueType();
    }
    if (item != TValueType::vaList) in.Fail("collection item expected");
    ReadProperties(collection.AddItem());
  }
}

bool TReader::ReadDefinedProperty(TPersistent& owner, std::string_view name) {
  FPendingName = name;
  FPendingFound = false;
  owner.DefineProperties(*this);
  FPendingName = {};
  return FPendingFound;
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                   const TStreamProc& /*writeData*/, bool /*hasData*/) {
  if (FPendingFound || FPendingName.empty() || !SameText(name, FPendingName)) return;
  FPendingFound = true;
  const TValueType type = FIn->ReadValueType();
  if (type != TValueType::vaBinary) {
    FIn->SkipValue(type);
    TReadWarnings::Report("Property " + name + " of " + Where() + ": binary data expected");
    return;
  }
  // The handler reads from its own bounded stream, so that it can neither run past its
  // data nor leave the outer stream out of step.
  std::vector<uint8_t> storage;
  const std::span<const uint8_t> bytes = FIn->ReadBinaryBody(storage);
  TReadOnlyMemoryStream data(bytes.data(), static_cast<int64_t>(bytes.size()));
  if (readData) readData(data);
}

std::string TReader::Where() const {
  return FObjectName.empty() ? FClassName : FClassName + " \"" + FObjectName + "\"";
}

std::string ReadComponent(TStream& stream, TPersistent& instance) {
  TReader reader(stream);
  reader.ReadSignature();
  return reader.ReadRootComponent(instance);
}

}  // namespace vt
