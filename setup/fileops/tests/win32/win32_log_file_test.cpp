#include "fileops/win32_log_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install_log/install_log_reader.h"
#include "test_folder.h"

namespace {

// A fresh folder of its own under the temporary folder, removed with what
// the test left in it.
class LogFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeTestFolder("hvtlog");
    ASSERT_FALSE(folder_.empty());
    log_ = folder_ + "\\filog.ini";
  }
  void TearDown() override { RemoveTree(folder_); }

  std::vector<uint8_t> ReadAll() {
    Win32LogFile file;
    LogStream stream(file);
    std::vector<uint8_t> bytes;
    if (!stream.Open(log_.c_str(), "rb")) return bytes;
    uint8_t block[512];
    for (;;) {
      const uint32_t got = stream.ReadRaw(block, sizeof block);
      bytes.insert(bytes.end(), block, block + got);
      if (got < sizeof block) break;
    }
    return bytes;
  }

  std::string folder_;
  std::string log_;
};

}  // namespace

TEST_F(LogFolderTest, ARealLogIsReadBack) {
  {
    Win32LogFile file;
    InstallLogRecorder recorder(file);
    ASSERT_TRUE(recorder.OpenAt(log_.c_str(), "Configuration Haventide"));
    recorder.DirCreated("C:\\KELVANE");
    recorder.FileCopied("A:\\KELVANE.EX_", "C:\\KELVANE\\KELVANE.EXE", 1);
    const uint8_t old[4] = {1, 0, 0, 0};
    recorder.RegValueChanged(2, "Software\\K", "V", 4, 4, old);
    recorder.Close();
    EXPECT_EQ(recorder.Error(), 0);
  }
  const std::vector<uint8_t> bytes = ReadAll();
  LogHeader header;
  std::vector<LogRecord> records;
  ASSERT_TRUE(ReadInstallLog(bytes.data(), bytes.size(), header, records));
  EXPECT_EQ(std::string(header.chain_name, 12), "01234567.012");
  EXPECT_EQ(header.title, "Configuration Haventide");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].kind, LogOp::DirCreated);
  EXPECT_EQ(records[1].kind, LogOp::FileCopied);
  EXPECT_EQ(records[1].texts[1], "C:\\KELVANE\\KELVANE.EXE");
  EXPECT_EQ(records[2].kind, LogOp::RegValueChanged);
  EXPECT_EQ(records[2].data, (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST_F(LogFolderTest, AFreshLogTruncatesTheOldOne) {
  Win32LogFile file;
  InstallLogRecorder recorder(file);
  ASSERT_TRUE(recorder.OpenAt(log_.c_str(), "T"));
  recorder.DirCreated("C:\\A");
  recorder.Close();
  ASSERT_TRUE(recorder.OpenAt(log_.c_str(), "T"));
  recorder.Close();
  EXPECT_EQ(ReadAll().size(), 18u);
}

TEST_F(LogFolderTest, ReadWriteModeOverwritesInPlace) {
  Win32LogFile file;
  InstallLogRecorder recorder(file);
  ASSERT_TRUE(recorder.OpenAt(log_.c_str(), "T"));
  recorder.Close();
  LogStream stream(file);
  ASSERT_TRUE(stream.Open(log_.c_str(), "r+b"));
  ASSERT_TRUE(stream.Seek(0));
  ASSERT_TRUE(stream.WriteRaw("filog.bak\0\0\0", 12));
  stream.Close();
  const std::vector<uint8_t> bytes = ReadAll();
  ASSERT_EQ(bytes.size(), 18u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 12), std::string("filog.bak\0\0\0", 12));
  EXPECT_EQ(bytes[12], 2);
}

TEST_F(LogFolderTest, MissingFileAndUnknownModeAreRefused) {
  Win32LogFile file;
  EXPECT_FALSE(file.Open(log_.c_str(), "rb"));
  EXPECT_FALSE(file.Open(log_.c_str(), "r+b"));
  EXPECT_FALSE(file.Open(log_.c_str(), "a"));
  EXPECT_FALSE(file.IsOpen());
}

TEST(InstallLogPathTest, IsFilogIniInTheWindowsFolder) {
  char windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  ASSERT_GT(length, 0u);
  char path[MAX_PATH];
  ASSERT_TRUE(InstallLogPath(path));
  std::string expected(windows);
  if (expected.back() != '\\') expected += '\\';
  EXPECT_EQ(std::string(path), expected + "filog.ini");
}

TEST(OpenInstallLogTest, CreatesTheLogInTheWindowsFolder) {
  char path[MAX_PATH];
  ASSERT_TRUE(InstallLogPath(path));
  {
    Win32LogFile file;
    InstallLogRecorder recorder(file);
    ASSERT_TRUE(OpenInstallLog(recorder, "Title"));
    recorder.GroupCreated("Configuration Haventide");
    recorder.Close();
  }
  std::vector<uint8_t> bytes;
  const bool read = ReadWholeFile(path, 1u << 20, bytes);
  DeleteFileA(path);
  ASSERT_TRUE(read);
  LogHeader header;
  std::vector<LogRecord> records;
  ASSERT_TRUE(ReadInstallLog(bytes.data(), bytes.size(), header, records));
  EXPECT_EQ(header.title, "Title");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].kind, LogOp::GroupCreated);
}
