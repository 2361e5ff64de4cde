// Cross-checks with Debian's mscompress and msexpand: our output expands
// with msexpand, theirs with our decoder, and ours is never larger.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "szdd_test_util.h"

namespace szdd_test {
namespace {

class SzddCross : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/szdd_cross_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    const std::string cmd = "rm -rf '" + dir_ + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
  }
  std::string Path(const char* name) const { return dir_ + "/" + name; }
  void Write(const std::string& path, const Bytes& b) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(std::fwrite(b.data(), 1, b.size(), f), b.size());
    std::fclose(f);
  }
  int Run(const std::string& cmd) { return std::system(cmd.c_str()); }

  // Compresses with mscompress; answers its output.
  Bytes Theirs(const Bytes& data) {
    Write(Path("in.bin"), data);
    EXPECT_EQ(Run("mscompress '" + Path("in.bin") + "' >/dev/null 2>&1"), 0);
    return ReadFileBytes(Path("in.bin_"));
  }
  // Expands with msexpand; answers its output.
  Bytes Expand(const Bytes& z) {
    Write(Path("ours.bi_"), z);
    EXPECT_EQ(Run("msexpand <'" + Path("ours.bi_") + "' >'" + Path("out.bin") + "' 2>/dev/null"),
              0);
    return ReadFileBytes(Path("out.bin"));
  }

  void CrossCheck(const Bytes& data) {
    const Bytes ours = EncodeAll(data);
    EXPECT_TRUE(Expand(ours) == data) << "msexpand disagrees with our encoder";
    const Bytes theirs = Theirs(data);
    ASSERT_GE(theirs.size(), szdd::kHeaderSize);
    const Decoded d = DecodeAll(theirs, 2048, 4096, theirs.size());
    ASSERT_TRUE(d.ok) << static_cast<int>(d.status);
    EXPECT_TRUE(d.data == data) << "our decoder disagrees with mscompress";
    EXPECT_LE(ours.size(), theirs.size());
  }

  std::string dir_;
};

TEST_F(SzddCross, Prose) { CrossCheck(Prose(50000, 21)); }
TEST_F(SzddCross, Random) { CrossCheck(Noise(20000, 22)); }
TEST_F(SzddCross, Runs) { CrossCheck(Bytes(30000, 0)); }
TEST_F(SzddCross, RealBinary) { CrossCheck(ReadFileBytes("/usr/bin/mscompress")); }
TEST_F(SzddCross, LeadingSpaces) {
  Bytes b(5000, ' ');
  const Bytes p = Prose(3000, 23);
  b.insert(b.end(), p.begin(), p.end());
  CrossCheck(b);
}

// msexpand copes with our short files, which mscompress itself mangles.
TEST_F(SzddCross, TinyFilesExpand) {
  for (std::size_t n = 0; n < 20; ++n) {
    const Bytes data = Prose(n, static_cast<std::uint32_t>(n));
    EXPECT_TRUE(Expand(EncodeAll(data)) == data) << n;
  }
}

}  // namespace
}  // namespace szdd_test
