#pragma once
// Byte-level pieces of the property stream shared by the reader, the writer and the two
// text conversions. Internal to the platform layer.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "PropStream.h"

namespace vt::propstream {

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};

// Reads values from a property stream; every failure names what was expected and the
// offset (from the start of the property stream) where it was met.
//
// A stream that holds its bytes in memory lends all the bytes it has left at once: reads
// then move a pointer over them, strings and binary values can be taken in place, and
// the stream is set to the position reached when the input is destroyed. Other streams
// are read value by value. Only one input may read a stream at a time.
class TBinaryInput {
 public:
  explicit TBinaryInput(TStream& stream);
  // Offsets in messages count from `start`.
  TBinaryInput(TStream& stream, int64_t start);
  ~TBinaryInput();
  TBinaryInput(const TBinaryInput&) = delete;
  TBinaryInput& operator=(const TBinaryInput&) = delete;

  int64_t Offset() const {
    return FBegin ? FBeginPosition + (FNext - FBegin) - FStart : FStream.Position() - FStart;
  }
  [[noreturn]] void Fail(const std::string& what) const;

  void ReadSignature();
  uint8_t ReadByte(const char* what) { return FNext != FEnd ? *FNext++ : ReadByteFromStream(what); }
  TValueType ReadValueType() {
    const uint8_t type = ReadByte("a value type");
    if (type > static_cast<uint8_t>(TValueType::vaUTF8String)) FailValueType(type);
    return static_cast<TValueType>(type);
  }
  std::string ReadShortString(const char* what);
  // The same without a copy where the bytes are in memory; otherwise the text is read
  // into `storage`. The view lasts as long as the input and `storage` stay untouched.
  std::string_view ReadShortString(const char* what, std::string& storage) {
    if (FNext != FEnd && FEnd - FNext > *FNext) {
      const char* text = reinterpret_cast<const char*>(FNext + 1);
      const uint8_t length = *FNext;
      FNext += 1 + length;
      return {text, length};
    }
    return ReadShortStringFromStream(what, storage);
  }
  // The bytes of a short string whose length byte has already been read.
  std::string ReadShortStringBody(uint8_t length, const char* what);
  int64_t ReadIntBody(TValueType type) {
    // The small integers that most properties hold, straight from memory.
    if (type == TValueType::vaInt8 && FNext != FEnd) return static_cast<int8_t>(*FNext++);
    if (type == TValueType::vaInt16 && FEnd - FNext >= 2) {
      const auto value = static_cast<int16_t>(FNext[0] | FNext[1] << 8);
      FNext += 2;
      return value;
    }
    return ReadIntBodyFromStream(type);
  }
  // The value of any of the string types, as 8-bit text.
  std::string ReadStringBody(TValueType type);
  std::vector<uint8_t> ReadBinaryBody();
  // In place where the bytes are in memory, otherwise read into `storage`.
  std::span<const uint8_t> ReadBinaryBody(std::vector<uint8_t>& storage);
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
  uint8_t ReadByteFromStream(const char* what);
  int64_t ReadIntBodyFromStream(TValueType type);
  std::string_view ReadShortStringFromStream(const char* what, std::string& storage);
  [[noreturn]] void FailValueType(uint8_t type) const;
  // Exactly `count` bytes into `target`; false, with nothing consumed from memory, when
  // fewer are left.
  bool Take(void* target, size_t count);
  // `count` bytes counted by a stored length (checked against what is left before
  // anything is allocated): in place where possible, otherwise in `storage`.
  std::span<const uint8_t> TakeCounted(int64_t count, const char* what,
                                       std::vector<uint8_t>& storage);
  int32_t ReadLength(const char* what);

  TStream& FStream;
  int64_t FStart;
  // The lent bytes (all null when the stream has none to lend) and the stream position
  // of the first.
  const uint8_t* FBegin = nullptr;
  const uint8_t* FNext = nullptr;
  const uint8_t* FEnd = nullptr;
  int64_t FBeginPosition = 0;
};

inline bool IsIntType(TValueType type) {
  return type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32 ||
         type == TValueType::vaInt64;
}

inline bool IsStringType(TValueType type) {
  return type == TValueType::vaString || type == TValueType::vaLString ||
         type == TValueType::vaWString || type == TValueType::vaUTF8String;
}

// Writes values in the forms the classic writers use, to a stream or straight to the end
// of a byte vector (the text conversion builds whole property streams in memory).
class TBinaryOutput {
 public:
  explicit TBinaryOutput(TStream& stream) : FStream(&stream) {}
  explicit TBinaryOutput(std::vector<uint8_t>& bytes) : FBytes(&bytes) {}
  void WriteByte(uint8_t value) { Put(&value, 1); }
  void WriteValueType(TValueType type) { WriteByte(static_cast<uint8_t>(type)); }
  // EWriteError when the text does not fit a short string.
  void WriteShortString(std::string_view text, const char* what);
  // The smallest of vaInt8, vaInt16, vaInt32 (vaInt64 beyond 32 bits) that holds it.
  void WriteInteger(int64_t value);
  // vaString up to 255 bytes, vaLString beyond.
  void WriteString(std::string_view text);
  void WriteIdent(std::string_view ident);
  void WriteBinary(const std::vector<uint8_t>& bytes);
  void WriteBinary(const uint8_t* bytes, int64_t size);
  void WriteHeader(uint8_t flags, int64_t childPos, const std::string& className,
                   const std::string& objectName);

 private:
  void Put(const void* data, size_t size) {
    if (FBytes) {
      const auto* bytes = static_cast<const uint8_t*>(data);
      if (size == 1)
        FBytes->push_back(*bytes);
      else
        FBytes->insert(FBytes->end(), bytes, bytes + size);
    } else {
      FStream->WriteBuffer(data, static_cast<int64_t>(size));
    }
  }
  void PutLittleEndian(uint64_t value, size_t size);

  TStream* FStream = nullptr;
  std::vector<uint8_t>* FBytes = nullptr;
};

// A character code of text (decimal "#nnn" or UTF-16 of another writer) as 8-bit text:
// codes up to 255 are the byte itself; above, the Windows-1252 byte of that character,
// or '?' when it has none.
char CodeToAnsi(uint32_t code);

}  // namespace vt::propstream
