#include "Streams.h"

#include <QFile>
#include <algorithm>
#include <cstring>

namespace vt {

std::optional<int64_t> TStream::Remaining() {
  return std::nullopt;
}

int64_t TStream::Size() {
  const int64_t pos = Position();
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(pos, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count)
    throw EReadError("Stream read error: the data ends early");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  char buffer[65536];
  int64_t left = count;
  while (left > 0) {
    const int64_t n = std::min<int64_t>(left, sizeof buffer);
    source.ReadBuffer(buffer, n);
    WriteBuffer(buffer, n);
    left -= n;
  }
  return count;
}

// ---- TMemoryStream ----------------------------------------------------------------

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t n = std::clamp<int64_t>(Size() - FPosition, 0, std::max<int64_t>(count, 0));
  if (n > 0) std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

const uint8_t* TMemoryStream::ReadInPlace(int64_t count) {
  if (count < 0 || FPosition < 0 || count > Size() - FPosition) return nullptr;
  const uint8_t* bytes = FData.data() + FPosition;
  FPosition += count;
  return bytes;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = FPosition + count;
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  if (FPosition == Size()) {
    // Appending, the usual case: no clearing of the new bytes before they are copied.
    FData.insert(FData.end(), bytes, bytes + count);
  } else {
    if (end > Size()) FData.resize(static_cast<size_t>(end));
    std::memcpy(FData.data() + FPosition, bytes, static_cast<size_t>(count));
  }
  FPosition = end;
  return count;
}

static int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t pos, int64_t size) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      return offset;
    case TSeekOrigin::soCurrent:
      return pos + offset;
    case TSeekOrigin::soEnd:
      return size + offset;
  }
  return pos;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  FPosition = std::max<int64_t>(0, SeekTarget(offset, origin, FPosition, Size()));
  return FPosition;
}

void TMemoryStream::SetSize(int64_t size) {
  FData.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
  FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

// ---- TReadOnlyMemoryStream --------------------------------------------------------

int64_t TReadOnlyMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t n = std::clamp<int64_t>(FSize - FPosition, 0, std::max<int64_t>(count, 0));
  if (n > 0) std::memcpy(buffer, FData + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

const uint8_t* TReadOnlyMemoryStream::ReadInPlace(int64_t count) {
  if (count < 0 || FPosition < 0 || count > FSize - FPosition) return nullptr;
  const uint8_t* bytes = FData + FPosition;
  FPosition += count;
  return bytes;
}

int64_t TReadOnlyMemoryStream::Write(const void*, int64_t) {
  throw EWriteError("Stream write error: the stream is read-only");
}

int64_t TReadOnlyMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  FPosition = std::clamp<int64_t>(SeekTarget(offset, origin, FPosition, FSize), 0, FSize);
  return FPosition;
}

// ---- TFileStream ------------------------------------------------------------------

TFileStream::TFileStream(const std::string& fileName, TFileMode mode)
    : FFile(std::make_unique<QFile>(QString::fromStdString(fileName))) {
  QIODevice::OpenMode qmode = QIODevice::ReadOnly;
  if (mode == TFileMode::fmCreate) qmode = QIODevice::WriteOnly | QIODevice::Truncate;
  if (mode == TFileMode::fmOpenReadWrite) qmode = QIODevice::ReadWrite;
  if (FFile->open(qmode)) return;
  const std::string reason = FFile->errorString().toStdString();
  if (mode == TFileMode::fmCreate)
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
  throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

TFileStream::~TFileStream() = default;

int64_t TFileStream::Read(void* buffer, int64_t count) {
  const qint64 n = FFile->read(static_cast<char*>(buffer), count);
  return n < 0 ? 0 : n;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  const qint64 n = FFile->write(static_cast<const char*>(buffer), count);
  return n < 0 ? 0 : n;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t target = SeekTarget(offset, origin, FFile->pos(), FFile->size());
  if (target != FFile->pos() && !FFile->seek(std::max<int64_t>(target, 0)))
    throw EStreamError("Stream seek error: " + FFile->errorString().toStdString());
  return FFile->pos();
}

int64_t TFileStream::Size() {
  return FFile->size();
}

// ---- Little-endian helpers --------------------------------------------------------

template <class T>
static T ReadLE(TStream& s) {
  uint8_t b[sizeof(T)];
  s.ReadBuffer(b, sizeof b);
  std::make_unsigned_t<T> v = 0;
  for (size_t i = 0; i < sizeof(T); ++i) v |= static_cast<std::make_unsigned_t<T>>(b[i]) << (8 * i);
  return static_cast<T>(v);
}

template <class T>
static void WriteLE(TStream& s, T value) {
  uint8_t b[sizeof(T)];
  auto v = static_cast<std::make_unsigned_t<T>>(value);
  for (size_t i = 0; i < sizeof(T); ++i) b[i] = static_cast<uint8_t>(v >> (8 * i));
  s.WriteBuffer(b, sizeof b);
}

uint8_t ReadUInt8(TStream& s) {
  return ReadLE<uint8_t>(s);
}
int16_t ReadInt16(TStream& s) {
  return ReadLE<int16_t>(s);
}
int32_t ReadInt32(TStream& s) {
  return ReadLE<int32_t>(s);
}
uint32_t ReadUInt32(TStream& s) {
  return ReadLE<uint32_t>(s);
}
void WriteUInt8(TStream& s, uint8_t v) {
  WriteLE(s, v);
}
void WriteInt16(TStream& s, int16_t v) {
  WriteLE(s, v);
}
void WriteInt32(TStream& s, int32_t v) {
  WriteLE(s, v);
}
void WriteUInt32(TStream& s, uint32_t v) {
  WriteLE(s, v);
}

namespace {

// Reads `count` bytes into a byte container. A stream that cannot tell its size (a
// decompressor) gets the bytes in bounded steps, so that a damaged length never reserves
// more memory than data actually arrived.
template <class TBytes>
TBytes ReadCounted(TStream& s, int64_t count, const char* what) {
  if (count < 0)
    throw EReadError(std::string("Invalid ") + what + " length " + std::to_string(count));
  const std::optional<int64_t> left = s.Remaining();
  if (left && count > *left)
    throw EReadError(std::string("Truncated ") + what + ": " + std::to_string(count) +
                     " bytes expected, " + std::to_string(*left) + " present");
  const int64_t step = left ? count : int64_t{1} << 20;
  TBytes bytes;
  while (static_cast<int64_t>(bytes.size()) < count) {
    const size_t have = bytes.size();
    const int64_t want = std::min<int64_t>(step, count - static_cast<int64_t>(have));
    bytes.resize(have + static_cast<size_t>(want));
    if (s.Read(bytes.data() + have, want) != want)
      throw EReadError(std::string("Truncated ") + what + ": " + std::to_string(count) +
                       " bytes expected");
  }
  return bytes;
}

}  // namespace

std::vector<uint8_t> ReadBytes(TStream& s, int64_t count, const char* what) {
  return ReadCounted<std::vector<uint8_t>>(s, count, what);
}

std::string ReadLengthString(TStream& s, const char* what) {
  return ReadCounted<std::string>(s, ReadInt32(s), what);
}

std::span<const uint8_t> ReadBytes(TStream& s, int64_t count, std::vector<uint8_t>& storage,
                                   const char* what) {
  if (const uint8_t* bytes = count > 0 ? s.ReadInPlace(count) : nullptr)
    return {bytes, static_cast<size_t>(count)};
  storage = ReadBytes(s, count, what);
  return storage;
}

std::string_view ReadLengthString(TStream& s, std::string& storage, const char* what) {
  const int32_t length = ReadInt32(s);
  if (const uint8_t* bytes = length > 0 ? s.ReadInPlace(length) : nullptr)
    return {reinterpret_cast<const char*>(bytes), static_cast<size_t>(length)};
  storage = ReadCounted<std::string>(s, length, what);
  return storage;
}

void WriteLengthString(TStream& s, const std::string& text) {
  WriteInt32(s, static_cast<int32_t>(text.size()));
  s.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

}  // namespace vt
