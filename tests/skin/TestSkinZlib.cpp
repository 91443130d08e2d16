// The compression envelope's stream adaptors.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <random>

#include "TestBitmapUtil.h"
#include "skin/se_zlib.h"

using namespace vt;

namespace {

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data, TCompressionLevel level,
                              size_t prefix = 0) {
  TMemoryStream out;
  out.WriteBuffer(std::vector<uint8_t>(prefix, 0xEE).data(), static_cast<int64_t>(prefix));
  TCompressionStream z(level, out);
  z.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  z.Finish();
  return out.Bytes();
}

std::vector<uint8_t> Sample(size_t size, uint32_t seed = 1) {
  std::mt19937 random(seed);
  std::vector<uint8_t> data(size);
  // Half noise, half runs: both the stored and the matching paths of deflate.
  for (size_t i = 0; i < size; ++i) data[i] = (i / 1000) % 2 ? uint8_t(random()) : uint8_t(i / 7);
  return data;
}

std::vector<uint8_t> ReadAll(TStream& stream, int64_t piece) {
  std::vector<uint8_t> data;
  std::vector<uint8_t> buffer(static_cast<size_t>(piece));
  for (int64_t n; (n = stream.Read(buffer.data(), piece)) > 0;)
    data.insert(data.end(), buffer.begin(), buffer.begin() + n);
  return data;
}

// Any piece sizes read the data; the source stops at the first byte after the stream.
TEST(Zlib, RoundTripsInAnyPiecesAndStopsAtTheEndOfTheZlibStream) {
  const std::vector<uint8_t> data = Sample(100000);
  std::vector<uint8_t> packed = Compress(data, TCompressionLevel::clDefault);
  const size_t zlibSize = packed.size();
  packed.insert(packed.end(), {'t', 'a', 'i', 'l'});
  for (int64_t piece : {1, 7, 8192, 8193, 100000, 300000}) {
    TReadOnlyMemoryStream source(packed.data(), static_cast<int64_t>(packed.size()));
    {
      TDecompressionStream z(source);
      EXPECT_EQ(ReadAll(z, piece), data) << piece;
    }
    EXPECT_EQ(source.Position(), static_cast<int64_t>(zlibSize)) << piece;
  }
  // A compressor released unused still writes a whole (empty) stream.
  TMemoryStream out;
  { TCompressionStream z(TCompressionLevel::clFastest, out); }
  out.SetPosition(0);
  TDecompressionStream empty(out);
  uint8_t byte;
  EXPECT_EQ(empty.Read(&byte, 1), 0);
}

TEST(Zlib, DecompressorSeeksForwardAndBackToItsStart) {
  const std::vector<uint8_t> data = Sample(50000);
  const std::vector<uint8_t> packed = Compress(data, TCompressionLevel::clFastest, 11);
  TReadOnlyMemoryStream source(packed.data(), static_cast<int64_t>(packed.size()));
  source.SetPosition(11);
  TDecompressionStream z(source);
  EXPECT_EQ(z.Seek(10000, TSeekOrigin::soBeginning), 10000);
  uint8_t byte;
  z.ReadBuffer(&byte, 1);
  EXPECT_EQ(byte, data[10000]);
  EXPECT_EQ(z.Seek(4999, TSeekOrigin::soCurrent), 15000);
  EXPECT_EQ(z.Seek(0, TSeekOrigin::soCurrent), 15000);
  // Back to 0 restarts at the zlib stream's own start, not at the start of the source.
  EXPECT_EQ(z.Seek(0, TSeekOrigin::soBeginning), 0);
  EXPECT_EQ(ReadAll(z, 4096), data);
  // What neither stream can do fails with one message: seeking back except to the
  // start, writing a decompressor, reading or seeking a compressor.
  TMemoryStream out;
  TCompressionStream packer(TCompressionLevel::clDefault, out);
  packer.WriteBuffer("abcdef", 6);
  EXPECT_EQ(packer.Position(), 6);
  const std::function<void()> refused[] = {
      [&] { z.Seek(10, TSeekOrigin::soBeginning); },
      [&] { z.Seek(-1, TSeekOrigin::soCurrent); },
      [&] { z.Seek(0, TSeekOrigin::soEnd); },
      [&] { z.Write("x", 1); },
      [&] { packer.Read(&byte, 1); },
      [&] { packer.Seek(0, TSeekOrigin::soBeginning); },
      [&] { packer.Seek(1, TSeekOrigin::soCurrent); },
  };
  for (const auto& operation : refused)
    EXPECT_EQ(test::MessageOf<Exception>(operation), "Invalid stream operation");
}

// A stream cut before its end marker and checksum is damaged, never short data.
TEST(Zlib, TruncatedCorruptAndDictionaryDataFailWithPlainMessages) {
  const std::vector<uint8_t> data = Sample(20000);
  std::vector<uint8_t> packed = Compress(data, TCompressionLevel::clDefault);
  // One byte more than the data asks the stream for its end, and so for its checksum.
  std::vector<uint8_t> buffer(data.size() + 1);
  for (const size_t cut : {packed.size() / 2, packed.size() - 1, packed.size() - 4}) {
    SCOPED_TRACE(cut);
    TReadOnlyMemoryStream shortSource(packed.data(), static_cast<int64_t>(cut));
    TDecompressionStream shortStream(shortSource);
    const std::string message = test::MessageOf<EDecompressionError>(
        [&] { shortStream.Read(buffer.data(), static_cast<int64_t>(buffer.size())); });
    EXPECT_NE(message.find("truncated"), std::string::npos) << message;
  }

  packed[0] = 0x77;
  TReadOnlyMemoryStream badSource(packed.data(), static_cast<int64_t>(packed.size()));
  TDecompressionStream bad(badSource);
  EXPECT_EQ(test::MessageOf<EDecompressionError>([&] { bad.Read(buffer.data(), 10); }),
            "Compressed data is corrupt (zlib: incorrect header check)");
  // A stream that needs a dictionary fails too.
  z_stream z{};
  deflateInit(&z, 6);
  const char dictionary[] = "skin";
  deflateSetDictionary(&z, reinterpret_cast<const Bytef*>(dictionary), 4);
  uint8_t in[] = "skin skin", out[64];
  z.next_in = in;
  z.avail_in = sizeof in;
  z.next_out = out;
  z.avail_out = sizeof out;
  deflate(&z, Z_FINISH);
  const auto size = static_cast<int64_t>(sizeof out - z.avail_out);
  deflateEnd(&z);
  TReadOnlyMemoryStream source(out, size);
  TDecompressionStream stream(source);
  EXPECT_THROW(stream.Read(buffer.data(), 16), EDecompressionError);
}

}  // namespace
