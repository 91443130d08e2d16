#pragma once
// Byte streams with the read/write/seek semantics the skin formats are specified in.
// Every reader of untrusted data goes through ReadBuffer/ReadBytes/ReadLengthString,
// which never allocate more than the stream can still deliver.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Classes.h"

class QFile;

namespace vt {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  // Up to `count` bytes; the number actually read (0 at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  // Bytes still to read when the stream knows its size; nullopt when it cannot tell
  // without reading (a decompressor).
  virtual std::optional<int64_t> Remaining();
  // For streams that hold their bytes in memory: the next `count` bytes where they lie,
  // consumed as by Read. nullptr, with nothing consumed, when the stream has no such
  // memory or fewer bytes remain; readers then use Read.
  virtual const uint8_t* ReadInPlace(int64_t /*count*/) { return nullptr; }

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, TSeekOrigin::soBeginning); }
  virtual int64_t Size();

  // Exactly `count` bytes, or EReadError "Stream read error: the data ends early".
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  int64_t CopyFrom(TStream& source, int64_t count);  // count 0: the whole source
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : FData(std::move(bytes)) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  std::optional<int64_t> Remaining() override { return Size() - FPosition; }
  const uint8_t* ReadInPlace(int64_t count) override;
  void SetSize(int64_t size);
  void Clear();
  const std::vector<uint8_t>& Bytes() const { return FData; }
  std::vector<uint8_t>& Bytes() { return FData; }
  const uint8_t* Memory() const { return FData.data(); }

 private:
  std::vector<uint8_t> FData;
  int64_t FPosition = 0;
};

// Reads a byte range owned by someone else (fuzzers, memory-mapped data): no copy.
class TReadOnlyMemoryStream : public TStream {
 public:
  TReadOnlyMemoryStream(const void* data, int64_t size)
      : FData(static_cast<const uint8_t*>(data)), FSize(size) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void*, int64_t) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return FSize; }
  std::optional<int64_t> Remaining() override { return FSize - FPosition; }
  const uint8_t* ReadInPlace(int64_t count) override;

 private:
  const uint8_t* FData;
  int64_t FSize;
  int64_t FPosition = 0;
};

enum class TFileMode { fmOpenRead, fmCreate, fmOpenReadWrite };

class TFileStream : public TStream {
 public:
  // EFOpenError / EFCreateError with the file name and the system's reason.
  TFileStream(const std::string& fileName, TFileMode mode);
  ~TFileStream() override;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override;
  std::optional<int64_t> Remaining() override { return Size() - Position(); }

 private:
  std::unique_ptr<QFile> FFile;
};

// Little-endian integers and length-prefixed 8-bit strings, as every skin stream stores them.
uint8_t ReadUInt8(TStream& s);
int16_t ReadInt16(TStream& s);
int32_t ReadInt32(TStream& s);
uint32_t ReadUInt32(TStream& s);
void WriteUInt8(TStream& s, uint8_t v);
void WriteInt16(TStream& s, int16_t v);
void WriteInt32(TStream& s, int32_t v);
void WriteUInt32(TStream& s, uint32_t v);

// `count` bytes; EReadError naming `what` when the count is negative or the bytes are not
// there. Memory grows with the data that actually arrives, never ahead of it.
std::vector<uint8_t> ReadBytes(TStream& s, int64_t count, const char* what);
// A signed 32-bit byte count and that many bytes.
std::string ReadLengthString(TStream& s, const char* what = "string");
// The same two without a copy where the stream holds its bytes in memory; otherwise the
// bytes are read into `storage`. The result lasts as long as both stay untouched.
std::span<const uint8_t> ReadBytes(TStream& s, int64_t count, std::vector<uint8_t>& storage,
                                   const char* what);
std::string_view ReadLengthString(TStream& s, std::string& storage, const char* what);
void WriteLengthString(TStream& s, const std::string& text);

}  // namespace vt
