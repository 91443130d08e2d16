#pragma once
// Byte-level pieces of the property stream shared by the reader, the writer and the two
// text conversions. Internal to the platform layer.
#include <cstdint>
#include <string>
#include <vector>

#include "PropStream.h"

namespace vt::propstream {

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};

// Reads values from a property stream; every failure names what was expected and the
// offset (from the start of the property stream) where it was met.
class TBinaryInput {
 public:
  explicit TBinaryInput(TStream& stream);
  // Offsets in messages count from `start`.
  TBinaryInput(TStream& stream, int64_t start);

  int64_t Offset();
  [[noreturn]] void Fail(const std::string& what);

  void ReadSignature();
  uint8_t ReadByte(const char* what);
  TValueType ReadValueType();
  std::string ReadShortString(const char* what);
  // The bytes of a short string whose length byte has already been read.
  std::string ReadShortStringBody(uint8_t length, const char* what);
  int64_t ReadIntBody(TValueType type);
  // The value of any of the string types, as 8-bit text.
  std::string ReadStringBody(TValueType type);
  std::vector<uint8_t> ReadBinaryBody();
  std::vector<std::string> ReadSetBody();
  // Passes over a value of any type, nested lists and collections included.
  void SkipValue(TValueType type);
  // After the first byte of an object header: the flags (0 when none), the child position
  // when ffChildPos is set, the class name and the object name.
  struct THeader {
    uint8_t Flags = 0;
    int64_t ChildPos = 0;
    std::string ClassName, ObjectName;
  };
  THeader ReadHeaderAfter(uint8_t firstByte);

 private:
  TStream& FStream;
  int64_t FStart;
};

bool IsIntType(TValueType type);
bool IsStringType(TValueType type);

// Writes values in the forms the classic writers use.
class TBinaryOutput {
 public:
  explicit TBinaryOutput(TStream& stream) : FStream(stream) {}
  void WriteByte(uint8_t value);
  void WriteValueType(TValueType type) { WriteByte(static_cast<uint8_t>(type)); }
  // EWriteError when the text does not fit a short string.
  void WriteShortString(const std::string& text, const char* what);
  // The smallest of vaInt8, vaInt16, vaInt32 (vaInt64 beyond 32 bits) that holds it.
  void WriteInteger(int64_t value);
  // vaString up to 255 bytes, vaLString beyond.
  void WriteString(const std::string& text);
  void WriteIdent(const std::string& ident);
  void WriteBinary(const std::vector<uint8_t>& bytes);
  void WriteBinary(const uint8_t* bytes, int64_t size);
  void WriteHeader(uint8_t flags, int64_t childPos, const std::string& className,
                   const std::string& objectName);

 private:
  TStream& FStream;
};

// A character code of text (decimal "#nnn" or UTF-16 of another writer) as 8-bit text:
// codes up to 255 are the byte itself; above, the Windows-1252 byte of that character,
// or '?' when it has none.
char CodeToAnsi(uint32_t code);

}  // namespace vt::propstream
