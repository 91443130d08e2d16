#pragma once
// The property stream ("TPF0") and the property text: the stored forms of one object's
// published properties, driven entirely by its TClassInfo.
//
// Binary form: "TPF0", an optional flags byte (0xF0 | flags, for inherited or inline
// objects), the class name and the object's Name as short strings, then each stored
// property as a short-string name (dotted for the published sub-objects: "Font.Name",
// "Bitmap.Left"), a value-type byte and the value; a zero byte ends the properties and a
// second one the list of child objects.
//
// Text form: "object Name: TClass" (or "object TClass" when unnamed), one "Prop = value"
// line per property indented by two spaces per level, nested objects, "end".
//
// Reading is tolerant where a stored form may come from another writer or an older
// version: an unknown property, or a value its property cannot take, is skipped and
// reported through the active TReadWarnings; damaged structure (an unknown value type,
// missing bytes) raises EReadError with the offset or line where it was found.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Classes.h"
#include "Streams.h"
#include "TypInfo.h"

namespace vt {

// The value-type byte in front of every value of a property stream.
enum class TValueType : uint8_t {
  vaNull = 0,  // end of a list
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,  // at most 255 bytes: 1 length byte
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,  // 32-bit length
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,  // UTF-16 text of other writers
  vaInt64 = 19,
  vaUTF8String = 20,
};

// Flags of an object header (the byte 0xF0 | flags in front of the class name).
enum TFilerFlag : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

// ---- Warnings -------------------------------------------------------------------------

// Collects the non-fatal problems met while reading stored data (an unknown property, a
// record of an unknown class) for as long as it lives; the innermost collector of the
// thread receives them. Without a collector they go to the Qt message log.
class TReadWarnings {
 public:
  static constexpr size_t kMaxItems = 1000;  // then one "Further warnings suppressed"
  TReadWarnings();
  ~TReadWarnings();
  TReadWarnings(const TReadWarnings&) = delete;
  TReadWarnings& operator=(const TReadWarnings&) = delete;

  const std::vector<std::string>& Items() const { return FItems; }
  std::vector<std::string> Take() { return std::move(FItems); }

  static void Report(const std::string& message);

 private:
  std::vector<std::string> FItems;
  TReadWarnings* FOuter;
};

// Bounds the nesting of stored forms (objects inside "Objects" properties, lists inside
// lists) so that a damaged or hostile stream cannot exhaust the stack.
class TNestingGuard {
 public:
  static constexpr int kMaxDepth = 100;
  explicit TNestingGuard(const char* what);
  ~TNestingGuard();
  TNestingGuard(const TNestingGuard&) = delete;
  TNestingGuard& operator=(const TNestingGuard&) = delete;
};

// ---- Writer and reader ----------------------------------------------------------------

// Writes one object as a property stream: every stored published property in declaration
// order, base class first; then the binary properties the object defines.
class TWriter : public TFiler {
 public:
  explicit TWriter(TStream& stream) : FStream(stream) {}
  void WriteRootComponent(const TPersistent& instance);
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                            const TStreamProc& writeData, bool hasData) override;

 private:
  void WriteProperties(const TPersistent& instance, const std::string& prefix);
  void WriteProperty(const TPersistent& instance, const TPropInfo& prop, const std::string& prefix);
  void WriteCollection(const TCollection& collection, const std::string& name);

  TStream& FStream;
  std::string FPrefix;  // dotted path of the object whose binary properties are defined
};

namespace propstream {
class TBinaryInput;
struct TIdentMemo;
}  // namespace propstream

// Reads a property stream into an existing object: the properties are applied by name in
// any order; those not mentioned keep their current values.
class TReader : public TFiler {
 public:
  explicit TReader(TStream& stream);
  ~TReader() override;
  void ReadSignature();
  // Returns the class name stored in the header (the object's class is not checked
  // against it: a record may have been resolved to a related class).
  std::string ReadRootComponent(TPersistent& instance);
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                            const TStreamProc& writeData, bool hasData) override;

 private:
  void ReadProperties(TPersistent& instance);
  // `owner` is the object that holds the property the (possibly dotted) name stands for,
  // nullptr when a leading part names no published sub-object; `prop` is nullptr when the
  // name is no published property of the owner. `memo`, when given, remembers the last
  // identifier met under this name.
  void ReadProperty(TPersistent* owner, const TPropInfo* prop, std::string_view name,
                    int64_t offset, propstream::TIdentMemo* memo);
  void ReadCollection(TCollection& collection, const std::string& name);
  bool ReadDefinedProperty(TPersistent& owner, std::string_view name);
  std::string Where() const;

  std::unique_ptr<propstream::TBinaryInput> FIn;
  std::string FClassName, FObjectName;
  std::string FNameStorage;       // property names of streams that lend no memory
  std::string_view FPendingName;  // the binary property being looked for
  bool FPendingFound = false;     // set by DefineBinaryProperty when it took the value
};

// An object whose properties depend on one another (an index into a list that another
// property names) acts on them only once all have arrived: ReadComponent calls
// BeginLoading before the first property and Loaded after the last.
class TLoadingNotifiable {
 public:
  virtual void BeginLoading() = 0;
  virtual void Loaded() = 0;

 protected:
  ~TLoadingNotifiable() = default;
};

// "TPF0" and the object (TStream.WriteComponent of the classic libraries).
void WriteComponent(TStream& stream, const TPersistent& instance);
// Reads "TPF0" and the object's properties into `instance`; returns the stored class name.
// A string property also reads an identifier: the classic stored forms keep references to
// other components (ThemeList = ThemeList1) that way.
std::string ReadComponent(TStream& stream, TPersistent& instance);

// ---- Text ------------------------------------------------------------------------------

// Converts the property stream at the input's position (up to its end marker) to
// property text, CR LF line ends.
void ObjectBinaryToText(TStream& input, TStream& output);
// Converts property text (the rest of the input) to a property stream.
void ObjectTextToBinary(TStream& input, TStream& output);

std::string ObjectBinaryToText(const std::vector<uint8_t>& binary);
std::vector<uint8_t> ObjectTextToBinary(std::string_view text);

}  // namespace vt
