#include "base/path_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A derived path keeps the virtual slots: a refused Set stays refused.
class UpperPath : public PathBuffer {
 public:
  bool Set(const char* text) override {
    if (!PathBuffer::Set(text)) return false;
    for (char* p = path_; *p; ++p)
      if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
    return true;
  }
};

}  // namespace

TEST(PathBufferTest, StartsEmptyAndHoldsAPath) {
  PathBuffer path;
  EXPECT_STREQ(path.Get(), "");
  EXPECT_TRUE(path.Set("C:\\WINDOWS\\BACKUP.HVT"));
  EXPECT_STREQ(path.Get(), "C:\\WINDOWS\\BACKUP.HVT");
  EXPECT_TRUE(path.Set(""));
  EXPECT_STREQ(path.Get(), "");
}

TEST(PathBufferTest, TakesTheLongestPathThatFits) {
  PathBuffer path;
  std::string longest(PathBuffer::kMaxLength, 'p');
  ASSERT_EQ(longest.size(), 259u);
  EXPECT_TRUE(path.Set(longest.c_str()));
  EXPECT_EQ(std::string(path.Get()), longest);
}

TEST(PathBufferTest, RefusesAPathThatDoesNotFitAndKeepsTheOldOne) {
  PathBuffer path;
  ASSERT_TRUE(path.Set("C:\\OLD"));
  std::string tooLong(PathBuffer::kCapacity, 'x');
  EXPECT_FALSE(path.Set(tooLong.c_str()));
  EXPECT_STREQ(path.Get(), "C:\\OLD");
  std::string farTooLong(5000, 'y');
  EXPECT_FALSE(path.Set(farTooLong.c_str()));
  EXPECT_STREQ(path.Get(), "C:\\OLD");
  EXPECT_FALSE(path.Set(nullptr));
  EXPECT_STREQ(path.Get(), "C:\\OLD");
}

TEST(PathBufferTest, SetAcceptsItsOwnText) {
  PathBuffer path;
  ASSERT_TRUE(path.Set("C:\\A\\B"));
  EXPECT_TRUE(path.Set(path.Get() + 3));
  EXPECT_STREQ(path.Get(), "A\\B");
}

TEST(PathBufferTest, DerivedPathsOverrideSet) {
  UpperPath upper;
  PathBuffer& path = upper;
  EXPECT_TRUE(path.Set("c:\\windows"));
  EXPECT_STREQ(path.Get(), "C:\\WINDOWS");
  std::string tooLong(300, 'a');
  EXPECT_FALSE(path.Set(tooLong.c_str()));
  EXPECT_STREQ(path.Get(), "C:\\WINDOWS");
}
