#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "rtl/Streams.h"

using namespace vt;

namespace {
// A stream that does not know its size, like a decompressor: it yields `available` bytes.
class TTrickle : public TStream {
 public:
  explicit TTrickle(int64_t available) : FLeft(available) {}
  int64_t Read(void* buffer, int64_t count) override {
    const int64_t n = std::min(count, FLeft);
    std::memset(buffer, 'z', static_cast<size_t>(n));
    FLeft -= n;
    return n;
  }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t, TSeekOrigin) override { return 0; }

 private:
  int64_t FLeft;
};
}  // namespace

TEST(Streams, MemoryStreamReadsWritesSeeksAndChecksLengths) {
  TMemoryStream s;
  WriteInt32(s, -2);
  WriteInt16(s, 0x1234);
  WriteUInt8(s, 0xAB);
  WriteLengthString(s, "abc");
  EXPECT_EQ(s.Size(), 4 + 2 + 1 + 4 + 3);
  EXPECT_EQ((std::vector<uint8_t>(s.Bytes().begin(), s.Bytes().begin() + 7)),
            (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0xAB}));
  s.SetPosition(0);
  EXPECT_EQ(ReadInt32(s), -2);
  EXPECT_EQ(ReadInt16(s), 0x1234);
  EXPECT_EQ(ReadUInt8(s), 0xAB);
  EXPECT_EQ(ReadLengthString(s), "abc");
  EXPECT_EQ(s.Remaining(), 0);
  EXPECT_THROW(ReadUInt8(s), EReadError);
  EXPECT_EQ(s.Seek(-3, TSeekOrigin::soEnd), s.Size() - 3);
  // Lengths are checked against the bytes present.
  TMemoryStream claim;
  WriteInt32(claim, 1000000000);  // claims a gigabyte
  claim.WriteBuffer("xy", 2);
  claim.SetPosition(0);
  try {
    ReadLengthString(claim, "image name");
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find("image name"), std::string::npos) << e.what();
  }
  TMemoryStream neg;
  WriteInt32(neg, -1);
  neg.SetPosition(0);
  EXPECT_THROW(ReadLengthString(neg), EReadError);
  // A stream that does not know its size fails on short data without reserving the claim.
  TTrickle small(10);
  EXPECT_THROW(ReadBytes(small, int64_t{1} << 40, "pixels"), EReadError);
  TTrickle enough(3 << 20);
  EXPECT_EQ(ReadBytes(enough, 3 << 20, "pixels").size(), size_t{3 << 20});
  // File streams round-trip and name the file on failure.
  QTemporaryDir dir;
  const std::string path = QDir(dir.path()).filePath("x.bin").toStdString();
  {
    TFileStream out(path, TFileMode::fmCreate);
    WriteLengthString(out, "hello");
  }
  TFileStream in(path, TFileMode::fmOpenRead);
  EXPECT_EQ(in.Size(), 9);
  EXPECT_EQ(ReadLengthString(in), "hello");
  try {
    TFileStream missing(path + ".none", TFileMode::fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_NE(std::string(e.what()).find("x.bin.none"), std::string::npos);
  }
}
