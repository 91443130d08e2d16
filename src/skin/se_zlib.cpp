#include "se_zlib.h"

#include <algorithm>
#include <climits>

namespace vt {

namespace {

const char kInvalidOperation[] = "Invalid stream operation";

// zlib's own text for the failure: the stream's message when it left one, else the text
// of the code.
std::string ZlibMessage(const z_stream& z, int code) {
  return z.msg ? z.msg : zError(code);
}

int CCheck(z_stream& z, int code) {
  if (code < 0) throw ECompressionError(ZlibMessage(z, code));
  return code;
}

// What a failed inflate means to someone holding the file, with zlib's own words after it.
std::string InflateFailure(const z_stream& z, int code) {
  const std::string detail = " (zlib: " + ZlibMessage(z, code) + ")";
  switch (code) {
    case Z_NEED_DICT:
      return "Compressed data asks for a preset dictionary, which no skin uses" + detail;
    case Z_MEM_ERROR:
      return "Not enough memory to decompress the data" + detail;
    default:
      return "Compressed data is corrupt" + detail;
  }
}

int DCheck(z_stream& z, int code) {
  // A stream that asks for a preset dictionary cannot go on here: without this check the
  // reader would wait for progress that never comes.
  if (code < 0 || code == Z_NEED_DICT) throw EDecompressionError(InflateFailure(z, code));
  return code;
}

const char kTruncated[] =
    "Compressed data ends before its end marker and checksum: the file is truncated";

// zlib counts in 32-bit units; larger requests go through in slices.
constexpr int64_t kMaxSlice = INT_MAX;

}  // namespace

TCustomZlibStream::TCustomZlibStream(TStream& stream)
    : FStrm(stream), FStrmPos(stream.Position()) {}

// ---- TCompressionStream ---------------------------------------------------------------

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& dest)
    : TCustomZlibStream(dest) {
  FZRec.next_out = FBuffer;
  FZRec.avail_out = kBufferSize;
  CCheck(FZRec, deflateInit(&FZRec, static_cast<int>(level)));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (const std::exception&) {
    // Nothing can be reported from a destructor; Finish is the checked path.
  }
}

void TCompressionStream::FlushBuffer() {
  const int64_t used = kBufferSize - FZRec.avail_out;
  FStrm.Seek(FStrmPos, TSeekOrigin::soBeginning);
  FStrm.WriteBuffer(FBuffer, used);
  FStrmPos = FStrm.Position();
  FZRec.next_out = FBuffer;
  FZRec.avail_out = kBufferSize;
}

int64_t TCompressionStream::Write(const void* buffer, int64_t count) {
  if (FFinished) throw ECompressionError(kInvalidOperation);
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  for (int64_t done = 0; done < count;) {
    const int64_t slice = std::min(count - done, kMaxSlice);
    FZRec.next_in = const_cast<Bytef*>(bytes + done);
    FZRec.avail_in = static_cast<uInt>(slice);
    while (FZRec.avail_in > 0) {
      CCheck(FZRec, deflate(&FZRec, Z_NO_FLUSH));
      if (FZRec.avail_out == 0) FlushBuffer();
    }
    done += slice;
  }
  return std::max<int64_t>(count, 0);
}

void TCompressionStream::Finish() {
  if (FFinished) return;
  FFinished = true;
  struct TEnd {
    z_stream& Z;
    ~TEnd() { deflateEnd(&Z); }
  } end{FZRec};
  FZRec.next_in = nullptr;
  FZRec.avail_in = 0;
  while (CCheck(FZRec, deflate(&FZRec, Z_FINISH)) != Z_STREAM_END) FlushBuffer();
  if (FZRec.avail_out < kBufferSize) FlushBuffer();
}

int64_t TCompressionStream::Read(void*, int64_t) {
  throw ECompressionError(kInvalidOperation);
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::soCurrent) return static_cast<int64_t>(FZRec.total_in);
  throw ECompressionError(kInvalidOperation);
}

// ---- TDecompressionStream -------------------------------------------------------------

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source), FStartPos(FStrmPos) {
  FZRec.next_in = FBuffer;
  FZRec.avail_in = 0;
  DCheck(FZRec, inflateInit(&FZRec));
}

TDecompressionStream::~TDecompressionStream() {
  try {
    FStrm.Seek(FStrmPos - FZRec.avail_in, TSeekOrigin::soBeginning);
  } catch (const std::exception&) {
    // The source may not seek any more; the position is a courtesy only.
  }
  inflateEnd(&FZRec);
}

int64_t TDecompressionStream::Read(void* buffer, int64_t count) {
  auto* out = static_cast<uint8_t*>(buffer);
  int64_t done = 0;
  while (done < count && !FEnded) {
    if (FZRec.avail_in == 0) {
      FStrm.Seek(FStrmPos, TSeekOrigin::soBeginning);
      const int64_t got = FStrm.Read(FBuffer, kBufferSize);
      // The source ran out inside the zlib stream: whatever was delivered cannot be
      // trusted, since the checksum that would vouch for it is missing.
      if (got <= 0) throw EDecompressionError(kTruncated);
      FStrmPos = FStrm.Position();
      FZRec.next_in = FBuffer;
      FZRec.avail_in = static_cast<uInt>(got);
    }
    const int64_t slice = std::min(count - done, kMaxSlice);
    FZRec.next_out = out + done;
    FZRec.avail_out = static_cast<uInt>(slice);
    // The end of the zlib stream ends the data: bytes after it in the source are not
    // part of this stream (and inflate would make no further progress on them).
    FEnded = DCheck(FZRec, inflate(&FZRec, Z_NO_FLUSH)) == Z_STREAM_END;
    done += slice - FZRec.avail_out;
  }
  return done;
}

int64_t TDecompressionStream::Write(const void*, int64_t) {
  throw EDecompressionError(kInvalidOperation);
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  const auto delivered = static_cast<int64_t>(FZRec.total_out);
  if (offset == 0 && origin == TSeekOrigin::soBeginning) {
    // Back to the start of this zlib stream, which need not be the start of the source.
    DCheck(FZRec, inflateReset(&FZRec));
    FZRec.next_in = FBuffer;
    FZRec.avail_in = 0;
    FStrmPos = FStartPos;
    FEnded = false;
    return 0;
  }
  if (origin == TSeekOrigin::soCurrent && offset >= 0) {
    SkipForward(offset);
  } else if (origin == TSeekOrigin::soBeginning && offset > delivered) {
    SkipForward(offset - delivered);
  } else {
    throw EDecompressionError(kInvalidOperation);
  }
  return static_cast<int64_t>(FZRec.total_out);
}

void TDecompressionStream::ReadToEnd() {
  uint8_t discard[4096];
  while (!FEnded) Read(discard, sizeof discard);
}

void TDecompressionStream::SkipForward(int64_t count) {
  uint8_t discard[4096];
  for (; count > 0; count -= static_cast<int64_t>(sizeof discard))
    ReadBuffer(discard, std::min<int64_t>(count, sizeof discard));
}

}  // namespace vt
