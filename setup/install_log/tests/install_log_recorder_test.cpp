#include "install_log/install_log_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_bytes.h"
#include "memory_log_file.h"

namespace {

// Header of a log titled "T": 12 + 4 + 2 bytes.
constexpr size_t kHeaderSize = 18;

class RecorderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(recorder.OpenAt("C:\\WIN\\filog.ini", "T")); }

  // The bytes after the header.
  std::vector<uint8_t> Records() const {
    return std::vector<uint8_t>(file.bytes.begin() + kHeaderSize, file.bytes.end());
  }

  MemoryLogFile file;
  InstallLogRecorder recorder{file};
};

}  // namespace

TEST_F(RecorderTest, OpenWritesTheHeader) {
  EXPECT_EQ(file.opened_path, "C:\\WIN\\filog.ini");
  EXPECT_EQ(file.bytes, Bytes()("01234567.012")({2, 1, 0, 0, 1})("T").v);
}

TEST(RecorderOpenTest, AFileThatCannotBeOpenedFails) {
  MemoryLogFile file;
  file.refuse_open = true;
  InstallLogRecorder recorder(file);
  EXPECT_FALSE(recorder.OpenAt("x", "T"));
}

TEST(RecorderOpenTest, AHeaderThatCannotBeWrittenFailsAndCloses) {
  MemoryLogFile file;
  file.write_budget = 10;
  InstallLogRecorder recorder(file);
  EXPECT_FALSE(recorder.OpenAt("x", "T"));
  EXPECT_FALSE(file.IsOpen());
}

TEST(RecorderOpenTest, ALongTitleUsesTheMarker) {
  MemoryLogFile file;
  InstallLogRecorder recorder(file);
  const std::string title(300, 't');
  ASSERT_TRUE(recorder.OpenAt("x", title.c_str()));
  EXPECT_EQ(file.bytes, Bytes()("01234567.012")({2, 1, 0, 0})({255, 44, 1, 0, 0})(title).v);
}

TEST_F(RecorderTest, DirCreatedAndDirRemoved) {
  recorder.DirCreated("C:\\A");
  recorder.DirRemoved("D");
  EXPECT_EQ(Records(), Bytes()({0, 0, 0, 0, 4})("C:\\A")({1, 0, 0, 0, 1})("D").v);
}

TEST_F(RecorderTest, FileMovedAndFileDeleted) {
  recorder.FileMoved("ab", "c");
  recorder.FileDeleted("d");
  EXPECT_EQ(Records(), Bytes()({2, 0, 0, 0, 2})("ab")({1})("c")({3, 0, 0, 0, 1})("d").v);
}

TEST_F(RecorderTest, FileCopied) {
  recorder.FileCopied("s", "dd", 1);
  EXPECT_EQ(Records(), Bytes()({4, 0, 0, 0, 1})("s")({2})("dd")({1, 0, 0, 0}).v);
}

TEST_F(RecorderTest, AttribChanged) {
  recorder.AttribChanged("f", 0x21, 0x80);
  EXPECT_EQ(Records(), Bytes()({5, 0, 0, 0, 1})("f")({0x21, 0, 0, 0, 0x80, 0, 0, 0}).v);
}

TEST_F(RecorderTest, IniFileCreated) {
  recorder.IniFileCreated("w.ini");
  EXPECT_EQ(Records(), Bytes()({6, 0, 0, 0, 5})("w.ini").v);
}

TEST_F(RecorderTest, IniEntryAdded) {
  recorder.IniEntryAdded("f", "s", "k", 2);
  EXPECT_EQ(Records(), Bytes()({7, 0, 0, 0, 1})("f")({1})("s")({1})("k")({2, 0, 0, 0}).v);
}

TEST_F(RecorderTest, IniEntryDeletedAndChanged) {
  recorder.IniEntryDeleted("f", "s", "k", "old", 1);
  recorder.IniEntryChanged("f", "s", "k", "", 0);
  EXPECT_EQ(Records(), Bytes()({8, 0, 0, 0, 1})("f")({1})("s")({1})("k")({3})("old")({1, 0, 0, 0})(
                           {9, 0, 0, 0, 1})("f")({1})("s")({1})("k")({0})({0, 0, 0, 0})
                           .v);
}

TEST_F(RecorderTest, GroupCreatedItemAddedGroupDeleted) {
  recorder.GroupCreated("G");
  recorder.ItemAdded("G", "It");
  recorder.GroupDeleted("G");
  EXPECT_EQ(
      Records(),
      Bytes()({10, 0, 0, 0, 1})("G")({11, 0, 0, 0, 1})("G")({2})("It")({12, 0, 0, 0, 1})("G").v);
}

TEST_F(RecorderTest, ItemDeletedCarriesExactly1112Bytes) {
  std::vector<uint8_t> item(1112);
  for (size_t i = 0; i < item.size(); ++i) item[i] = static_cast<uint8_t>(i * 7);
  recorder.ItemDeleted("G", item.data());
  Bytes expected;
  expected({13, 0, 0, 0, 1})("G");
  expected.v.insert(expected.v.end(), item.begin(), item.end());
  EXPECT_EQ(Records(), expected.v);
  EXPECT_EQ(Records().size(), 4u + 2u + 1112u);
}

TEST_F(RecorderTest, ItemDeletedWithoutAnItemWritesNothing) {
  recorder.ItemDeleted("G", nullptr);
  EXPECT_TRUE(Records().empty());
}

TEST_F(RecorderTest, RegKeyCreatedAndDeleted) {
  recorder.RegKeyCreated(2, "Soft");
  recorder.RegKeyDeleted(1, "K");
  EXPECT_EQ(Records(),
            Bytes()({14, 0, 0, 0, 2, 0, 0, 0, 4})("Soft")({18, 0, 0, 0, 1, 0, 0, 0, 1})("K").v);
}

TEST_F(RecorderTest, RegValueCreated) {
  recorder.RegValueCreated(3, "K", "V");
  EXPECT_EQ(Records(), Bytes()({15, 0, 0, 0, 3, 0, 0, 0, 1})("K")({1})("V").v);
}

TEST_F(RecorderTest, RegValueChangedOfAFourByteValue) {
  const uint8_t old[4] = {0xDE, 0xAD, 0xBE, 0xEF};
  recorder.RegValueChanged(2, "K", "V", 4, 4, old);
  EXPECT_EQ(Records(), Bytes()({16, 0, 0, 0, 2, 0, 0, 0, 1})("K")({1})("V")(
                           {4, 0, 0, 0, 4, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF})
                           .v);
}

TEST_F(RecorderTest, RegValueDeletedOfAnEmptyValueHasNoDataBytes) {
  recorder.RegValueDeleted(0, "K", "", 1, 0, nullptr);
  EXPECT_EQ(Records(), Bytes()({17, 0, 0, 0, 0, 0, 0, 0, 1})("K")({0})({1, 0, 0, 0, 0, 0, 0, 0}).v);
}

TEST_F(RecorderTest, RegValueChangedWithoutItsDataWritesNothing) {
  recorder.RegValueChanged(2, "K", "V", 4, 4, nullptr);
  EXPECT_TRUE(Records().empty());
}

TEST_F(RecorderTest, FileAppended) {
  recorder.FileAppended("s", "d", 0, 0x010203);
  EXPECT_EQ(Records(), Bytes()({19, 0, 0, 0, 1})("s")({1})("d")({0, 0, 0, 0, 3, 2, 1, 0}).v);
}

TEST_F(RecorderTest, IniSectionAddedAndDeleted) {
  recorder.IniSectionAdded("f", "sec");
  recorder.IniSectionDeleted("f", "s");
  EXPECT_EQ(Records(),
            Bytes()({20, 0, 0, 0, 1})("f")({3})("sec")({21, 0, 0, 0, 1})("f")({1})("s").v);
}

TEST_F(RecorderTest, FontInstalled) {
  recorder.FontInstalled("a.ttf", 1);
  EXPECT_EQ(Records(), Bytes()({22, 0, 0, 0, 5})("a.ttf")({1, 0, 0, 0}).v);
}

TEST_F(RecorderTest, AFieldBeyondTheReadersBoundLeavesTheRecordOut) {
  const std::string huge(install_log::kMaxStringLength + 1, 'p');
  recorder.DirCreated(huge.c_str());
  recorder.DirCreated("ok");
  EXPECT_EQ(Records(), Bytes()({0, 0, 0, 0, 2})("ok").v);
}

TEST_F(RecorderTest, AfterAFailedWriteNoFurtherRecordIsAppended) {
  recorder.DirCreated("a");
  file.write_budget = 3;
  recorder.DirCreated("b");
  EXPECT_EQ(recorder.Error(), 1);
  file.write_budget = -1;
  recorder.DirCreated("c");
  EXPECT_EQ(Records(), Bytes()({0, 0, 0, 0, 1})("a")({0, 0, 0}).v);
}

TEST_F(RecorderTest, AFailedWriteLeavesTheRecorderFailedForGood) {
  recorder.DirCreated("a");
  EXPECT_FALSE(recorder.Failed());
  file.write_budget = 0;
  recorder.FileDeleted("b");
  EXPECT_TRUE(recorder.Failed());
  file.write_budget = -1;
  recorder.FileDeleted("c");
  EXPECT_TRUE(recorder.Failed());
  EXPECT_EQ(Records(), Bytes()({0, 0, 0, 0, 1})("a").v);
}

// A record left out for a field longer than a reader takes, or one told to
// a closed log, leaves nothing cut in the log: neither is a failure.
TEST_F(RecorderTest, AClosedLogOrARecordLeftOutIsNoFailure) {
  recorder.DirCreated(std::string(install_log::kMaxStringLength + 1, 'p').c_str());
  EXPECT_FALSE(recorder.Failed());
  recorder.Close();
  recorder.DirCreated("a");
  EXPECT_FALSE(recorder.Failed());
  EXPECT_FALSE(NullRecorder::Instance().Failed());
}

TEST_F(RecorderTest, AClosedLogTakesNoRecords) {
  recorder.Close();
  recorder.DirCreated("a");
  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(recorder.Error(), 0);
}

TEST(NullRecorderTest, IsOneInstanceThatAcceptsEveryOperation) {
  OperationRecorder& r = NullRecorder::Instance();
  EXPECT_EQ(&r, &NullRecorder::Instance());
  r.DirCreated("a");
  r.RegValueChanged(0, "k", "v", 1, 4, nullptr);
  r.ItemDeleted("g", nullptr);
}
