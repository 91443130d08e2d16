#pragma once
// The compression envelope of the compressed skin variants: stream adaptors that deflate
// what is written into another stream and inflate what is read from one (zlib format).
#include <zlib.h>

#include <cstdint>

#include "rtl/Classes.h"
#include "rtl/Streams.h"

namespace vt {

class EZlibError : public Exception {
 public:
  using Exception::Exception;
};
class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

// The adaptor's level scale; the values are the zlib levels handed to deflate.
enum class TCompressionLevel { clNone = 0, clFastest = 1, clDefault = -1, clMax = 9 };

// The wrapped stream (not owned), the position in it the adaptor last worked at, the zlib
// state and the 8192-byte buffer.
class TCustomZlibStream : public TStream {
 public:
  static constexpr int kBufferSize = 8192;
  TCustomZlibStream(const TCustomZlibStream&) = delete;
  TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

 protected:
  explicit TCustomZlibStream(TStream& stream);

  TStream& FStrm;
  int64_t FStrmPos;
  z_stream FZRec{};
  uint8_t FBuffer[kBufferSize];
};

class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel level, TStream& dest);
  // Finishes the zlib stream when Finish was not called; errors are lost here, so writers
  // that must know (a save) call Finish themselves.
  ~TCompressionStream() override;

  // ECompressionError "Invalid stream operation".
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  // Only the current position (a zero move from the current position): the count of
  // uncompressed bytes taken in. Everything else raises "Invalid stream operation".
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

  // Flushes deflate with the finishing flag, writes the rest of the buffer and ends the
  // deflate state: the zlib stream is complete afterwards. Called once; later calls do
  // nothing.
  void Finish();

 private:
  void FlushBuffer();
  bool FFinished = false;
};

class TDecompressionStream : public TCustomZlibStream {
 public:
  // The source position now is where the zlib stream begins.
  explicit TDecompressionStream(TStream& source);
  // Leaves the source at the first byte the zlib stream did not use.
  ~TDecompressionStream() override;

  // Up to `count` bytes; fewer only when the zlib stream ends. A source that runs out
  // before the stream's end marker and checksum raises EDecompressionError (truncated).
  int64_t Read(void* buffer, int64_t count) override;
  // EDecompressionError "Invalid stream operation".
  int64_t Write(const void* buffer, int64_t count) override;
  // To 0 from the beginning: back to the start of the zlib stream. Forward (from the
  // beginning past the current position, or by a positive amount from the current one):
  // by reading and discarding. A zero move from the current position answers the count
  // of uncompressed bytes delivered. Anything else raises "Invalid stream operation".
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  // Inflates and discards the rest, so that the end marker and the checksum are checked:
  // a reader that stops at the last byte it needs would not see a damaged or cut tail.
  void ReadToEnd();

 private:
  void SkipForward(int64_t count);
  int64_t FStartPos;
  bool FEnded = false;
};

}  // namespace vt
