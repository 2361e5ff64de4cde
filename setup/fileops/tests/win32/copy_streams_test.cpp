// The compressed reader through the decompression library built with these
// tests (next to the test program).
#include <string>
#include <vector>

#include "copy_test_support.h"
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "szdd_encoder.h"

using namespace copytest;

namespace {

class CopyStreamsTest : public FileOpsTest {
 protected:
  // data compressed into name; the path.
  std::string Compressed(const std::string& name, const Bytes& data) {
    std::vector<uint8_t> packed;
    if (!szdd::Encode(data.data(), data.size(), packed)) return std::string();
    const std::string path = Path(name);
    return WriteBytes(path, Bytes(packed.begin(), packed.end())) ? path : std::string();
  }

  static bool LibraryLoaded() { return GetModuleHandleA(kDecompressionLibrary) != nullptr; }

  // Mixed content as a program file has: text, tables and noise.
  static Bytes Mixed(size_t n) {
    Bytes bytes = Content(n / 2, 30, true);
    const Bytes noise = Content(n / 4, 31);
    bytes.insert(bytes.end(), noise.begin(), noise.end());
    bytes.resize(n, 0);
    return bytes;
  }
};

}  // namespace

TEST_F(CopyStreamsTest, CompressedReaderGivesTheExpandedBytesInChunks) {
  const Bytes data = Mixed(10000);
  const std::string s = Compressed("f.da_", data);
  ASSERT_FALSE(s.empty());
  CompressedReader reader;
  ASSERT_TRUE(reader.Open(s.c_str()));
  EXPECT_TRUE(reader.HoldsLibrary());
  Bytes got;
  char chunk[2048];
  int32_t n;
  std::vector<int32_t> sizes;
  while ((n = reader.Read(chunk, sizeof chunk)) == static_cast<int32_t>(sizeof chunk))
    got.insert(got.end(), chunk, chunk + n);
  ASSERT_GE(n, 0);
  got.insert(got.end(), chunk, chunk + n);
  EXPECT_EQ(n, 10000 % 2048);
  EXPECT_EQ(got, data);
  EXPECT_TRUE(reader.Close());
  EXPECT_FALSE(reader.HoldsLibrary());
  EXPECT_FALSE(LibraryLoaded());
  // Nothing open: closing again fails and reads fail.
  EXPECT_FALSE(reader.Close());
  EXPECT_EQ(reader.Read(chunk, sizeof chunk), -1);
}

TEST_F(CopyStreamsTest, CompressedReaderThatCannotOpenFreesTheLibrary) {
  const std::string s = Path("plain.txt");
  ASSERT_TRUE(WriteBytes(s, Content(100, 32, true)));
  CompressedReader reader;
  EXPECT_FALSE(reader.Open(s.c_str()));
  EXPECT_FALSE(reader.HoldsLibrary());
  EXPECT_FALSE(LibraryLoaded());
  EXPECT_FALSE(reader.Open(Path("missing.tx_").c_str()));
  EXPECT_FALSE(LibraryLoaded());
}

TEST_F(CopyStreamsTest, CompressedCopyThroughTheEngineIsExact) {
  const Bytes data = Mixed(300000);
  const std::string s = Compressed("kelvane.ex_", data), d = Path("app\\kelvane.exe");
  ASSERT_FALSE(s.empty());
  AlwaysCopyPolicy always;
  CompressedReader reader;
  CreateWriter writer;
  const CopyRequest request = MakeCopyRequest(always, reader, writer);
  CountingProgress progress;
  PathBuffer target;
  ASSERT_TRUE(target.Set(d.c_str()));
  EXPECT_EQ(ops_.Copy(s.c_str(), target, 1, request, progress), kCopyDone);
  EXPECT_EQ(ReadBytes(d), data);
  EXPECT_EQ(progress.bytes, data.size());
  EXPECT_FALSE(LibraryLoaded());
  // A damaged compressed file is a read error of the source.
  Bytes packed = ReadBytes(s);
  packed.resize(packed.size() / 2);
  ASSERT_TRUE(WriteBytes(s, packed));
  EXPECT_EQ(ops_.Copy(s.c_str(), target, 1, request, progress), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpRead);
  EXPECT_FALSE(Exists(d));
  EXPECT_FALSE(LibraryLoaded());
  // Not compressed at all: the source cannot be opened.
  ASSERT_TRUE(WriteBytes(s, Content(100, 33)));
  EXPECT_EQ(ops_.Copy(s.c_str(), target, 1, request, progress), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpOpen);
  EXPECT_FALSE(Exists(d));
}
