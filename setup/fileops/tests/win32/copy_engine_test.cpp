// The copy engine's direct and comparing routes on real files; the route
// for a destination in use is in restart_replacement_test.cpp.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "copy_test_support.h"
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "szdd_encoder.h"
#include "version_compare_double.h"

using namespace copytest;
using Strings = std::vector<std::string>;

namespace {

// A policy answering what the test says, counting its after-copy hooks.
class ScriptedPolicy : public CopyPolicy {
 public:
  explicit ScriptedPolicy(int answer) : answer_(answer) {}
  void AfterCopy() override { ++afterCopies; }
  int DecompressFirst() override { return 0; }
  int Compare(const char*, const char*) override { return answer_; }
  int afterCopies = 0;

 private:
  int answer_;
};

// A plain reader that notes the buffers and sizes it is handed, and can
// fail its reads or its close.
class WatchingReader : public PlainReader {
 public:
  int32_t Read(void* buffer, int32_t size) override {
    buffers.insert(buffer);
    sizes.insert(size);
    if (failRead) return -1;
    return PlainReader::Read(buffer, size);
  }
  bool Close() override { return PlainReader::Close() && !failClose; }
  std::set<void*> buffers;
  std::set<int32_t> sizes;
  bool failRead = false;
  bool failClose = false;
};

// A create writer whose writes can come up short.
class ShortWriter : public CreateWriter {
 public:
  int32_t Write(const void* buffer, int32_t size) override {
    const int32_t written = CreateWriter::Write(buffer, size);
    return written > 0 ? written - 1 : written;
  }
};

// A writer whose destination, once written and closed, is taken by another
// handle that lets nobody read or write it (only delete it), as a program
// watching new files may take one: its time stamp cannot be set.
template <class Writer>
class TakenWriter : public Writer {
 public:
  ~TakenWriter() override { Release(); }
  bool Open(const char* path) override {
    path_ = path;
    return Writer::Open(path);
  }
  bool Close() override {
    const bool closed = Writer::Close();
    Release();
    taken_ = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    return closed;
  }
  bool Taken() const { return taken_ != INVALID_HANDLE_VALUE; }
  void Release() {
    if (taken_ != INVALID_HANDLE_VALUE) CloseHandle(taken_);
    taken_ = INVALID_HANDLE_VALUE;
  }

 private:
  std::string path_;
  HANDLE taken_ = INVALID_HANDLE_VALUE;
};

class CopyEngineTest : public FileOpsTest {
 protected:
  void SetUp() override {
    FileOpsTest::SetUp();
    VersionAnswer() = VersionCompareDouble();
    request_ = MakeCopyRequest(always_, reader_, writer_);
  }

  int CopyTo(const std::string& source, const std::string& destination, int32_t flag = 1) {
    PathBuffer target;
    if (!target.Set(destination.c_str())) return -1;
    return ops_.Copy(source.c_str(), target, flag, request_, progress_);
  }

  void ExpectOneFile() {
    EXPECT_EQ(progress_.begins, 1);
    EXPECT_EQ(progress_.ends, 1);
  }

  AlwaysCopyPolicy always_;
  WatchingReader reader_;
  CreateWriter writer_;
  CopyRequest request_;
  CountingProgress progress_;
};

}  // namespace

TEST_F(CopyEngineTest, CopiesIntoANewFolderAndRecordsTheNetCopy) {
  const std::string s = Path("src.dat"), d = Path("dest\\out.dat");
  ASSERT_TRUE(WriteBytes(s, Content(5000, 1)));
  EXPECT_EQ(CopyTo(s, d, 0), kCopyDone);
  EXPECT_EQ(ReadBytes(d), Content(5000, 1));
  EXPECT_EQ(Records(), (Strings{"DirCreated|" + Path("dest"), "FileCopied|" + s + "|" + d + "|0"}));
  ExpectOneFile();
  EXPECT_EQ(progress_.adds, 3);
  EXPECT_EQ(progress_.bytes, 5000u);
  EXPECT_EQ(ops_.LastError(), kFileOpOk);
}

TEST_F(CopyEngineTest, DefaultBufferIsAllocatedOncePerFile) {
  const std::string s = Path("src.dat"), d = Path("out.dat");
  ASSERT_TRUE(WriteBytes(s, Content(4096, 2)));
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  EXPECT_EQ(reader_.sizes, (std::set<int32_t>{2048}));
  EXPECT_EQ(reader_.buffers.size(), 1u);
  // An exact multiple ends with an empty read, still told to the sink.
  EXPECT_EQ(progress_.adds, 3);
  reader_.sizes.clear();
  reader_.buffers.clear();
  progress_.bufferSize = 1000;
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  EXPECT_EQ(reader_.sizes, (std::set<int32_t>{1000}));
  EXPECT_EQ(reader_.buffers.size(), 1u);
  EXPECT_EQ(ReadBytes(d), Content(4096, 2));
}

TEST_F(CopyEngineTest, ReadOnlyDestinationIsClearedThenRewritten) {
  const std::string s = Path("src.txt"), d = Path("ro.txt");
  ASSERT_TRUE(WriteBytes(s, Content(300, 3, true)));
  ASSERT_TRUE(WriteBytes(d, Content(20, 4)));
  ASSERT_TRUE(SetFileAttributesA(d.c_str(), FILE_ATTRIBUTE_READONLY));
  const DWORD old = GetFileAttributesA(d.c_str());
  ASSERT_TRUE(old & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  EXPECT_EQ(ReadBytes(d), Content(300, 3, true));
  EXPECT_FALSE(GetFileAttributesA(d.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Records(), (Strings{"AttribChanged|" + d + "|" + std::to_string(old) + "|128",
                                "FileCopied|" + s + "|" + d + "|1"}));
  EXPECT_FALSE(Exists(Path("tmp000.000")));
}

TEST_F(CopyEngineTest, MissingSourceFailsWithoutCreatingTheDestination) {
  const std::string s = Path("absent.txt"), d = Path("out.txt");
  EXPECT_EQ(CopyTo(s, d), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpNotFound);
  EXPECT_FALSE(Exists(d));
  EXPECT_TRUE(Records().empty());
  ExpectOneFile();
}

TEST_F(CopyEngineTest, CancelledCopyLeavesNoDestination) {
  const std::string s = Path("src.dat"), d = Path("out.dat");
  ASSERT_TRUE(WriteBytes(s, Content(10000, 5)));
  ASSERT_TRUE(WriteBytes(d, Content(10, 6)));
  progress_.cancelAtAdd = 2;
  EXPECT_EQ(CopyTo(s, d), kCopyCancelled);
  EXPECT_FALSE(Exists(d));
  EXPECT_EQ(progress_.adds, 2);
  ExpectOneFile();
  EXPECT_TRUE(Records().empty());
}

TEST_F(CopyEngineTest, KeptFileStillBeginsAndEndsOnce) {
  const std::string s = Path("src.txt"), d = Path("kept.txt");
  ASSERT_TRUE(WriteBytes(s, Content(100, 7)));
  ASSERT_TRUE(WriteBytes(d, Content(10, 8)));
  ScriptedPolicy keep(kPolicyKeep);
  request_.policy = &keep;
  EXPECT_EQ(CopyTo(s, d), kCopySkipped);
  EXPECT_EQ(ReadBytes(d), Content(10, 8));
  ExpectOneFile();
  EXPECT_EQ(progress_.adds, 0);
  EXPECT_EQ(keep.afterCopies, 0);
  EXPECT_TRUE(Records().empty());
}

TEST_F(CopyEngineTest, PolicyErrorFailsAndStillEndsTheFile) {
  const std::string s = Path("src.txt"), d = Path("d.txt");
  ASSERT_TRUE(WriteBytes(s, Content(100, 9)));
  ScriptedPolicy broken(kPolicyError);
  request_.policy = &broken;
  EXPECT_EQ(CopyTo(s, d), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpGeneral);
  ExpectOneFile();
  EXPECT_FALSE(Exists(d));
}

TEST_F(CopyEngineTest, AfterCopyHookRunsOnceAfterSuccess) {
  const std::string s = Path("src.txt"), d = Path("d.txt");
  ASSERT_TRUE(WriteBytes(s, Content(100, 10)));
  ScriptedPolicy copy(kPolicyCopy);
  request_.policy = &copy;
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  EXPECT_EQ(copy.afterCopies, 1);
  EXPECT_EQ(CopyTo(Path("none"), d), kCopyFailed);
  EXPECT_EQ(copy.afterCopies, 1);
}

TEST_F(CopyEngineTest, ReadWriteAndCloseFailuresDeleteThePartialDestination) {
  const std::string s = Path("src.dat"), d = Path("d.dat");
  ASSERT_TRUE(WriteBytes(s, Content(5000, 11)));
  reader_.failRead = true;
  EXPECT_EQ(CopyTo(s, d), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpRead);
  EXPECT_FALSE(Exists(d));
  reader_.failRead = false;
  reader_.failClose = true;
  EXPECT_EQ(CopyTo(s, d), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpClose);
  EXPECT_FALSE(Exists(d));
  reader_.failClose = false;
  ShortWriter shortWriter;
  request_.writer = &shortWriter;
  EXPECT_EQ(CopyTo(s, d), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpWrite);
  EXPECT_FALSE(Exists(d));
  EXPECT_EQ(progress_.begins, 3);
  EXPECT_EQ(progress_.ends, 3);
  EXPECT_TRUE(Records().empty());
}

TEST_F(CopyEngineTest, TimeStampsAreCopiedOnlyWhenAsked) {
  const std::string s = Path("src.txt"), d = Path("d.txt"), e = Path("e.txt");
  ASSERT_TRUE(WriteBytes(s, Content(100, 12)));
  ASSERT_TRUE(ops_.SetTimeStamp(s.c_str(), LocalStamp(1995, 7, 14, 12)));
  request_.timeStamp = 1;
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  request_.timeStamp = 0;
  EXPECT_EQ(CopyTo(s, e), kCopyDone);
  SYSTEMTIME got = {};
  ASSERT_TRUE(ops_.GetTimeStamp(d.c_str(), got));
  EXPECT_EQ(got.wYear, 1995);
  EXPECT_EQ(got.wMonth, 7);
  EXPECT_EQ(got.wDay, 14);
  EXPECT_EQ(got.wHour, 12);
  ASSERT_TRUE(ops_.GetTimeStamp(e.c_str(), got));
  EXPECT_NE(got.wYear, 1995);
}

// The old destination is gone and the new one written whole when its time
// stamp cannot be set: the new file stays and is recorded, the copy is done,
// and the time stamp's failure is shown once.
TEST_F(CopyEngineTest, ATimeStampThatCannotBeSetKeepsTheNewFile) {
  const std::string s = Path("src.txt");
  ASSERT_TRUE(WriteBytes(s, Content(3000, 30)));
  ASSERT_TRUE(ops_.SetTimeStamp(s.c_str(), LocalStamp(1995, 7, 14, 12)));
  TakenWriter<CreateWriter> create;
  TakenWriter<AppendWriter> append;
  const Bytes copied = Content(3000, 30);
  Bytes appended = Content(100, 31);
  appended.insert(appended.end(), copied.begin(), copied.end());
  const struct {
    DestWriter* writer;
    std::function<bool()> taken;
    std::function<void()> release;
    const char* name;
    Bytes expected;
    std::string record;
  } rows[] = {
      {&create, [&] { return create.Taken(); }, [&] { create.Release(); }, "new.txt", copied,
       "FileCopied|" + s + "|" + Path("new.txt") + "|1"},
      {&append, [&] { return append.Taken(); }, [&] { append.Release(); }, "more.txt", appended,
       "FileAppended|" + s + "|" + Path("more.txt") + "|1|100"},
  };
  Strings records;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string d = Path(row.name);
    ASSERT_TRUE(WriteBytes(d, Content(100, 31)));
    ShownBoxes shown;
    FileOperations ops(shown);
    ops.PushRecorder(recorder_);
    request_.writer = row.writer;
    request_.timeStamp = 1;
    PathBuffer target;
    ASSERT_TRUE(target.Set(d.c_str()));
    EXPECT_EQ(ops.Copy(s.c_str(), target, 1, request_, progress_), kCopyDone);
    ASSERT_TRUE(row.taken());
    row.release();
    EXPECT_EQ(ReadBytes(d), row.expected);
    EXPECT_EQ(shown.texts, (Strings{"Unable to set the time stamp of " + d}));
    records.push_back(row.record);
    EXPECT_EQ(Records(), records);
  }
}

// A destination that cannot even be looked at is not taken for one in use:
// it fails, on the direct and the comparing route alike, instead of being
// left for a restart.
TEST_F(CopyEngineTest, ADestinationThatCannotBeLookedAtFails) {
  const std::string s = Path("a.dll"), d = Path("any*.dll");
  ASSERT_TRUE(WriteBytes(s, Content(3000, 32)));
  VersionPolicy version;
  const struct {
    const char* route;
    CopyPolicy* policy;
  } rows[] = {{"direct", &always_}, {"comparing", &version}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.route);
    ShownBoxes shown;
    FileOperations ops(shown);
    ops.PushRecorder(recorder_);
    request_.policy = row.policy;
    PathBuffer target;
    ASSERT_TRUE(target.Set(d.c_str()));
    EXPECT_EQ(ops.Copy(s.c_str(), target, 1, request_, progress_), kCopyFailed);
    EXPECT_EQ(shown.texts, (Strings{"Unable to get the file attributes of " + d}));
    EXPECT_FALSE(Exists(Path("tmp000.000")));
  }
  EXPECT_TRUE(Records().empty());
}

TEST_F(CopyEngineTest, AppendWriterRecordsTheFormerLength) {
  const std::string s = Path("more.txt"), d = Path("log.txt"), n = Path("new.txt");
  ASSERT_TRUE(WriteBytes(s, Content(3000, 13, true)));
  ASSERT_TRUE(WriteBytes(d, Content(100, 14, true)));
  AppendWriter append;
  request_.writer = &append;
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  EXPECT_EQ(CopyTo(s, n, 0), kCopyDone);
  Bytes expected = Content(100, 14, true);
  const Bytes more = Content(3000, 13, true);
  expected.insert(expected.end(), more.begin(), more.end());
  EXPECT_EQ(ReadBytes(d), expected);
  EXPECT_EQ(ReadBytes(n), more);
  EXPECT_EQ(Records(), (Strings{"FileAppended|" + s + "|" + d + "|1|100",
                                "FileCopied|" + s + "|" + n + "|0"}));
}

TEST_F(CopyEngineTest, CancelledAppendKeepsTheEarlierContent) {
  const std::string s = Path("more.txt"), d = Path("log.txt");
  ASSERT_TRUE(WriteBytes(s, Content(9000, 15)));
  ASSERT_TRUE(WriteBytes(d, Content(100, 16)));
  AppendWriter append;
  request_.writer = &append;
  progress_.cancelAtAdd = 2;
  EXPECT_EQ(CopyTo(s, d), kCopyCancelled);
  EXPECT_EQ(ReadBytes(d), Content(100, 16));
  EXPECT_TRUE(Records().empty());
}

TEST_F(CopyEngineTest, PathsLongerThanOpenFileTakesStillCopy) {
  std::string dir = folder_;
  while (dir.size() < 150) dir += "\\longer_folder_name";
  const std::string s = dir + "\\source.dat", d = dir + "\\destination.dat";
  ASSERT_EQ(ops_.CreateDirectoryTree(dir.c_str()), 0);
  ASSERT_TRUE(WriteBytes(s, Content(3000, 17)));
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  EXPECT_EQ(ReadBytes(d), Content(3000, 17));
  AppendWriter append;
  request_.writer = &append;
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  EXPECT_EQ(ReadBytes(d).size(), 6000u);
}

TEST_F(CopyEngineTest, PlainCopyRecordsFlagOne) {
  const std::string s = Path("a.txt"), d = Path("b.txt");
  ASSERT_TRUE(WriteBytes(s, Content(2048, 18)));
  ASSERT_TRUE(WriteBytes(d, Content(4000, 19)));
  EXPECT_TRUE(ops_.PlainCopy(s.c_str(), d.c_str()));
  EXPECT_EQ(ReadBytes(d), Content(2048, 18));
  EXPECT_EQ(Records(), (Strings{"FileCopied|" + s + "|" + d + "|1"}));
  EXPECT_FALSE(ops_.PlainCopy(Path("none").c_str(), d.c_str()));
  EXPECT_EQ(ops_.LastError(), kFileOpNotFound);
}

// The comparing route: the source is decompressed next to the destination
// first, and that temporary file is what the version comparison sees.
TEST_F(CopyEngineTest, VersionRouteComparesTheDecompressedTemporaryFile) {
  const Bytes plain = Content(20000, 20, true);
  std::vector<uint8_t> packed;
  ASSERT_TRUE(szdd::Encode(plain.data(), plain.size(), packed));
  const std::string s = Path("prog.ex_"), d = Path("prog.exe");
  ASSERT_TRUE(WriteBytes(s, Bytes(packed.begin(), packed.end())));
  ASSERT_TRUE(WriteBytes(d, Content(10, 21)));
  VersionPolicy version;
  CompressedReader compressed;
  request_.policy = &version;
  request_.reader = &compressed;
  EXPECT_EQ(CopyTo(s, d), kCopyDone);
  EXPECT_EQ(VersionAnswer().calls, 1);
  EXPECT_EQ(VersionAnswer().newFile, Path("tmp000.000"));
  EXPECT_EQ(VersionAnswer().existing, d);
  EXPECT_EQ(ReadBytes(d), plain);
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_EQ(Records(), (Strings{"FileCopied|" + s + "|" + d + "|1"}));
  ExpectOneFile();
}

TEST_F(CopyEngineTest, VersionRouteKeepOrErrorRemovesTheTemporaryFile) {
  const std::string s = Path("a.dll"), d = Path("b.dll");
  ASSERT_TRUE(WriteBytes(s, Content(3000, 22)));
  ASSERT_TRUE(WriteBytes(d, Content(10, 23)));
  VersionPolicy version;
  request_.policy = &version;
  VersionAnswer().result = kPolicyKeep;
  EXPECT_EQ(CopyTo(s, d), kCopySkipped);
  EXPECT_EQ(ReadBytes(d), Content(10, 23));
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  ExpectOneFile();
  VersionAnswer().result = kPolicyError;
  EXPECT_EQ(CopyTo(s, d), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpGeneral);
  EXPECT_EQ(ReadBytes(d), Content(10, 23));
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_TRUE(Records().empty());
}

TEST_F(CopyEngineTest, VersionRouteFollowsATypedDestination) {
  const std::string s = Path("a.dll"), d = Path("b.dll"), typed = Path("other\\c.dll");
  ASSERT_TRUE(WriteBytes(s, Content(3000, 24)));
  ASSERT_TRUE(WriteBytes(d, Content(10, 25)));
  VersionPolicy version;
  request_.policy = &version;
  VersionAnswer().typedPath = typed;
  PathBuffer target;
  ASSERT_TRUE(target.Set(d.c_str()));
  EXPECT_EQ(ops_.Copy(s.c_str(), target, 1, request_, progress_), kCopyDone);
  EXPECT_EQ(std::string(target.Get()), typed);
  EXPECT_EQ(ReadBytes(typed), Content(3000, 24));
  EXPECT_EQ(ReadBytes(d), Content(10, 25));
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_EQ(Records(),
            (Strings{"DirCreated|" + Path("other"), "FileCopied|" + s + "|" + typed + "|1"}));
}

TEST_F(CopyEngineTest, VersionRouteCancelLeavesNoTemporaryFile) {
  const std::string s = Path("a.dll"), d = Path("b.dll");
  ASSERT_TRUE(WriteBytes(s, Content(9000, 26)));
  VersionPolicy version;
  request_.policy = &version;
  progress_.cancelAtAdd = 1;
  EXPECT_EQ(CopyTo(s, d), kCopyCancelled);
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_FALSE(Exists(d));
  EXPECT_EQ(VersionAnswer().calls, 0);
  ExpectOneFile();
}
