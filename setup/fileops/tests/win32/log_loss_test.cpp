// A log that loses a record stops the file operations there: the change
// whose record was lost answers failure, every recorded change after it is
// refused without being made, the loss is shown once, and the log keeps
// exactly the records written whole before it.
#include <functional>
#include <string>
#include <vector>

#include "copy_test_support.h"
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "base/registry_roots.h"
#include "registry_test_key.h"

using namespace copytest;
using Strings = std::vector<std::string>;

namespace {

constexpr char kLost[] = "The installation log could not be written";
// The header of a log titled "Test": chain name, version, title.
constexpr size_t kHeaderSize = 12 + 4 + 1 + 4;

// File operations that are not quiet, recording into a log in memory whose
// writes can be refused, and showing their boxes to the test.
struct LossyOps {
  LossyOps() {
    opened = recorder.OpenAt("filog.ini", "Test");
    ops.PushRecorder(recorder);
  }

  MemoryLogFile file;
  InstallLogRecorder recorder{file};
  ShownBoxes shown;
  FileOperations ops{shown};
  bool opened = false;
};

bool ValueExists(const std::string& key, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
    return false;
  const bool found =
      RegQueryValueExA(opened, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(opened);
  return found;
}

class LogLossTest : public FileOpsTest {
 protected:
  void SetUp() override {
    FileOpsTest::SetUp();
    request_ = MakeCopyRequest(always_, reader_, writer_);
  }

  int CopyTo(FileOperations& ops, const std::string& destination) {
    PathBuffer target;
    if (!target.Set(destination.c_str())) return -1;
    return ops.Copy(Path("src.txt").c_str(), target, 1, request_, progress_);
  }

  AlwaysCopyPolicy always_;
  PlainReader reader_;
  CreateWriter writer_;
  CopyRequest request_;
  CountingProgress progress_;
};

}  // namespace

TEST_F(LogLossTest, AfterALostRecordEveryRecordedChangeIsRefused) {
  const std::string kept = Path("kept.txt");
  ASSERT_TRUE(WriteBytes(Path("src.txt"), Content(100, 1)));
  ASSERT_TRUE(WriteBytes(kept, Content(10, 2)));
  TestKey key("Loss");
  LossyOps lossy;
  ASSERT_TRUE(lossy.opened);
  FileOperations& ops = lossy.ops;
  ASSERT_EQ(ops.CreateDirectoryTree(Path("first").c_str()), 0);
  // The next record gets three bytes onto the disk, and no more.
  lossy.file.write_budget = 3;
  EXPECT_EQ(ops.CreateDirectoryTree(Path("second").c_str()), 2);
  EXPECT_TRUE(Exists(Path("second")));
  EXPECT_TRUE(ops.RecorderFailed());
  EXPECT_EQ(ops.LastError(), kFileOpLogWrite);
  // The file would take records again; the log does not.
  lossy.file.write_budget = -1;

  const DWORD value = 1;
  const struct {
    const char* what;
    std::function<bool()> attempt;  // true when the operation answered success
    std::function<bool()> unchanged;
  } rows[] = {
      {"directory", [&] { return ops.CreateDirectoryTree(Path("third").c_str()) == 0; },
       [&] { return !Exists(Path("third")); }},
      {"directory of a file",
       [&] { return ops.EnsureDirectoryOf(Path("fourth\\f.txt").c_str()) == 0; },
       [&] { return !Exists(Path("fourth")); }},
      {"delete", [&] { return ops.Delete(kept.c_str()); }, [&] { return Exists(kept); }},
      {"move", [&] { return ops.Move(kept.c_str(), Path("moved.txt").c_str()); },
       [&] { return Exists(kept) && !Exists(Path("moved.txt")); }},
      {"attributes", [&] { return ops.SetAttributes(kept.c_str(), FILE_ATTRIBUTE_HIDDEN); },
       [&] { return !(GetFileAttributesA(kept.c_str()) & FILE_ATTRIBUTE_HIDDEN); }},
      {"copy", [&] { return CopyTo(ops, Path("copy.txt")) != kCopyFailed; },
       [&] { return !Exists(Path("copy.txt")); }},
      {"copy into a new folder", [&] { return CopyTo(ops, Path("new\\copy.txt")) != kCopyFailed; },
       [&] { return !Exists(Path("new")); }},
      {"copy onto a file",
       [&] {
         PathBuffer target;
         return target.Set(kept.c_str()) && ops.CopyRecorded(Path("src.txt").c_str(), target, 1,
                                                             request_, progress_) != kCopyFailed;
       },
       [&] { return ReadBytes(kept) == Content(10, 2); }},
      {"plain copy", [&] { return ops.PlainCopy(Path("src.txt").c_str(), Path("p.txt").c_str()); },
       [&] { return !Exists(Path("p.txt")); }},
      {"key", [&] { return ops.CreateKey(kRootCurrentUser, key.Sub("k").c_str()); },
       [&] { return !RawKeyExists(HKEY_CURRENT_USER, key.Sub("k")); }},
      {"value",
       [&] {
         return ops.SetValue(kRootCurrentUser, key.Path().c_str(), "v", REG_DWORD, 4, &value);
       },
       [&] { return !ValueExists(key.Path(), "v"); }},
      // Refused before the platform is asked: a missing file would otherwise
      // fail with the font's own code.
      {"font", [&] { return ops.InstallFont(Path("absent.ttf").c_str(), 1); }, [] { return true; }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_FALSE(row.attempt());
    EXPECT_TRUE(row.unchanged());
    EXPECT_EQ(ops.LastError(), kFileOpLogWrite);
  }
  // Every copy still began and ended its file.
  EXPECT_EQ(progress_.begins, 3);
  EXPECT_EQ(progress_.ends, 3);
  EXPECT_EQ(lossy.shown.texts, (Strings{kLost}));
  size_t rest = 0;
  EXPECT_EQ(CompleteRecordLines(lossy.file.bytes, rest), (Strings{"DirCreated|" + Path("first")}));
  EXPECT_EQ(rest, 3u);
}

// Each change is made, its record lost: the operation answers failure and
// shows the loss once, and nothing at all is appended to the log.
TEST_F(LogLossTest, AChangeWhoseRecordIsLostAnswersFailure) {
  const std::string kept = Path("kept.txt");
  ASSERT_TRUE(WriteBytes(Path("src.txt"), Content(100, 3)));
  TestKey key("Lost");
  const DWORD value = 7;
  const struct {
    const char* what;
    std::function<void()> arrange;
    std::function<bool(FileOperations&)> attempt;  // true when it answered success
    std::function<bool()> made;
  } rows[] = {
      {"directory", [] {},
       [&](FileOperations& ops) { return ops.CreateDirectoryTree(Path("d").c_str()) == 0; },
       [&] { return Exists(Path("d")); }},
      {"delete", [&] { WriteBytes(kept, Content(5, 4)); },
       [&](FileOperations& ops) { return ops.Delete(kept.c_str()); },
       [&] { return !Exists(kept); }},
      {"move", [&] { WriteBytes(kept, Content(5, 5)); },
       [&](FileOperations& ops) { return ops.Move(kept.c_str(), Path("moved.txt").c_str()); },
       [&] { return Exists(Path("moved.txt")); }},
      {"attributes", [&] { WriteBytes(kept, Content(5, 6)); },
       [&](FileOperations& ops) { return ops.SetAttributes(kept.c_str(), FILE_ATTRIBUTE_HIDDEN); },
       [&] { return (GetFileAttributesA(kept.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0; }},
      {"copy", [] {},
       [&](FileOperations& ops) { return CopyTo(ops, Path("copy.txt")) != kCopyFailed; },
       [&] { return ReadBytes(Path("copy.txt")) == Content(100, 3); }},
      {"plain copy", [] {},
       [&](FileOperations& ops) {
         return ops.PlainCopy(Path("src.txt").c_str(), Path("plain.txt").c_str());
       },
       [&] { return Exists(Path("plain.txt")); }},
      {"key", [] {},
       [&](FileOperations& ops) { return ops.CreateKey(kRootCurrentUser, key.Sub("k").c_str()); },
       [&] { return RawKeyExists(HKEY_CURRENT_USER, key.Sub("k")); }},
      {"value", [] {},
       [&](FileOperations& ops) {
         return ops.SetValue(kRootCurrentUser, key.Path().c_str(), "v", REG_DWORD, 4, &value);
       },
       [&] { return ValueExists(key.Path(), "v"); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(kept.c_str());
    row.arrange();
    LossyOps lossy;
    ASSERT_TRUE(lossy.opened);
    lossy.file.write_budget = 0;
    EXPECT_FALSE(row.attempt(lossy.ops));
    EXPECT_TRUE(row.made());
    EXPECT_TRUE(lossy.ops.RecorderFailed());
    EXPECT_EQ(lossy.ops.LastError(), kFileOpLogWrite);
    EXPECT_EQ(lossy.shown.texts, (Strings{kLost}));
    size_t rest = 0;
    EXPECT_EQ(CompleteRecordLines(lossy.file.bytes, rest), Strings{});
    EXPECT_EQ(rest, 0u);
    EXPECT_EQ(lossy.file.bytes.size(), kHeaderSize);
  }
}

// Replacing a read-only file first gives it normal attributes, a quiet step
// of the copy. When that record is lost the file is not replaced, and the
// loss the quiet step noticed is still shown, once.
TEST_F(LogLossTest, ALostRecordOfAQuietStepStopsTheCopyAndIsShown) {
  const std::string guarded = Path("guarded.txt");
  ASSERT_TRUE(WriteBytes(Path("src.txt"), Content(100, 8)));
  ASSERT_TRUE(WriteBytes(guarded, Content(20, 9)));
  ASSERT_TRUE(SetFileAttributesA(guarded.c_str(), FILE_ATTRIBUTE_READONLY));
  LossyOps lossy;
  ASSERT_TRUE(lossy.opened);
  lossy.file.write_budget = 0;
  EXPECT_EQ(CopyTo(lossy.ops, guarded), kCopyFailed);
  EXPECT_EQ(ReadBytes(guarded), Content(20, 9));
  EXPECT_EQ(lossy.ops.LastError(), kFileOpLogWrite);
  EXPECT_EQ(lossy.shown.texts, (Strings{kLost}));
  EXPECT_EQ(lossy.file.bytes.size(), kHeaderSize);
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_EQ(progress_.begins, 1);
  EXPECT_EQ(progress_.ends, 1);
}

// A quiet object records its code each time and shows nothing.
TEST_F(LogLossTest, AQuietObjectShowsNothing) {
  LossyOps lossy;
  ASSERT_TRUE(lossy.opened);
  lossy.ops.SetQuiet(true);
  lossy.file.write_budget = 0;
  EXPECT_EQ(lossy.ops.CreateDirectoryTree(Path("a").c_str()), 2);
  EXPECT_EQ(lossy.ops.CreateDirectoryTree(Path("b").c_str()), 2);
  EXPECT_EQ(lossy.ops.LastError(), kFileOpLogWrite);
  EXPECT_TRUE(lossy.shown.texts.empty());
  EXPECT_FALSE(Exists(Path("b")));
}
