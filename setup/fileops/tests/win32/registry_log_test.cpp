// The registry and font records as the uninstaller reads them from the log.
#include "fileops/file_operations.h"
#include "install_log/install_log_reader.h"
#include "install_log/install_log_recorder.h"
#include "fileops/win32_log_file.h"
#include "registry_test_key.h"
#include "test_folder.h"
#include "base/registry_roots.h"
#include "ui/dialogs/engine_error_boxes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    uint8_t chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
      bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(file);
  }
  return bytes;
}

TEST(RegistryLog, KeysAndValuesAsTheUninstallerReadsThem) {
  const std::string folder = MakeTestFolder("hvtreglog");
  ASSERT_FALSE(folder.empty());
  const std::string logPath = folder + "\\filog.ini";
  TestKey key("Log", false);
  {
    Win32LogFile file;
    InstallLogRecorder recorder(file);
    ASSERT_TRUE(recorder.OpenAt(logPath.c_str(), "Haventide"));
    EngineErrorBoxes boxes;
    FileOperations ops(boxes);
    ops.SetQuiet(true);
    ops.PushRecorder(recorder);
    const DWORD first = 0x01020304, second = 7;
    ASSERT_TRUE(ops.SetValue(kRootCurrentUser, key.Path().c_str(), "Count", REG_DWORD, 4, &first));
    ASSERT_TRUE(ops.SetValue(kRootCurrentUser, key.Path().c_str(), "Count", REG_DWORD, 4, &second));
    EXPECT_FALSE(ops.InstallFont((folder + "\\missing.ttf").c_str(), 0));  // nothing recorded
    ops.PopRecorder();
    recorder.Close();
  }
  const std::vector<uint8_t> bytes = FileBytes(logPath);
  LogHeader header;
  std::vector<LogRecord> records;
  ASSERT_TRUE(ReadInstallLog(bytes.data(), bytes.size(), header, records));
  ASSERT_EQ(records.size(), 3u);

  EXPECT_EQ(records[0].kind, LogOp::RegKeyCreated);
  EXPECT_EQ(records[0].numbers, (std::vector<uint32_t>{1}));
  EXPECT_EQ(records[0].texts, (std::vector<std::string>{key.Path()}));

  EXPECT_EQ(records[1].kind, LogOp::RegValueCreated);
  EXPECT_EQ(records[1].texts, (std::vector<std::string>{key.Path(), "Count"}));

  EXPECT_EQ(records[2].kind, LogOp::RegValueChanged);
  EXPECT_EQ(records[2].texts, (std::vector<std::string>{key.Path(), "Count"}));
  EXPECT_EQ(records[2].numbers, (std::vector<uint32_t>{1, 4, 4}));  // root, type, size
  EXPECT_EQ(records[2].data, (std::vector<uint8_t>{4, 3, 2, 1}));
  RemoveTree(folder);
}

}  // namespace
