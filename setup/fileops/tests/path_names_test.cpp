#include "fileops/path_names.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

using namespace path_names;

namespace {

std::string Long(size_t length, char c = 'a') { return std::string(length, c); }

// A set of taken names standing in for the file system.
struct Taken {
  std::set<std::string> names;
  int asked = 0;
  static bool Exists(const char* path, void* context) {
    auto* taken = static_cast<Taken*>(context);
    ++taken->asked;
    return taken->names.count(path) != 0;
  }
};

// A refused result leaves the output as it was.
void ExpectRefusedKeeps(bool result, const PathBuffer& out) {
  EXPECT_FALSE(result);
  EXPECT_STREQ(out.Get(), "old");
}

}  // namespace

TEST(PathNamesTest, DriveOnlyIsExactlyLetterAndColon) {
  EXPECT_TRUE(IsDriveOnly("C:"));
  EXPECT_TRUE(IsDriveOnly("z:"));
  EXPECT_FALSE(IsDriveOnly("C:\\"));
  EXPECT_FALSE(IsDriveOnly("C"));
  EXPECT_FALSE(IsDriveOnly("1:"));
  EXPECT_FALSE(IsDriveOnly(""));
  EXPECT_FALSE(IsDriveOnly(nullptr));
}

TEST(PathNamesTest, DirectoryOfDropsNameAndTrailingBackslash) {
  PathBuffer dir;
  ASSERT_TRUE(DirectoryOf("C:\\WINDOWS\\SYSTEM\\X.DLL", dir));
  EXPECT_STREQ(dir.Get(), "C:\\WINDOWS\\SYSTEM");
  ASSERT_TRUE(DirectoryOf("C:\\X.DLL", dir));
  EXPECT_STREQ(dir.Get(), "C:");
  ASSERT_TRUE(DirectoryOf("C:X.DLL", dir));
  EXPECT_STREQ(dir.Get(), "C:");
  ASSERT_TRUE(DirectoryOf("X.DLL", dir));
  EXPECT_STREQ(dir.Get(), "");
  ASSERT_TRUE(DirectoryOf("C:\\A\\\\B", dir));
  EXPECT_STREQ(dir.Get(), "C:\\A");
  ASSERT_TRUE(DirectoryOf("\\\\server\\share\\f.txt", dir));
  EXPECT_STREQ(dir.Get(), "\\\\server\\share");
  ASSERT_TRUE(DirectoryOf("C:/A/B.TXT", dir));
  EXPECT_STREQ(dir.Get(), "C:/A");
}

TEST(PathNamesTest, WithoutTrailingSlash) {
  PathBuffer out;
  ASSERT_TRUE(WithoutTrailingSlash("C:\\A\\", out));
  EXPECT_STREQ(out.Get(), "C:\\A");
  ASSERT_TRUE(WithoutTrailingSlash("C:\\", out));
  EXPECT_STREQ(out.Get(), "C:");
  ASSERT_TRUE(WithoutTrailingSlash("C:\\A", out));
  EXPECT_STREQ(out.Get(), "C:\\A");
}

TEST(PathNamesTest, JoinAddsOneBackslash) {
  PathBuffer path;
  ASSERT_TRUE(JoinPath("C:\\A", "B.TXT", path));
  EXPECT_STREQ(path.Get(), "C:\\A\\B.TXT");
  ASSERT_TRUE(JoinPath("C:\\", "B.TXT", path));
  EXPECT_STREQ(path.Get(), "C:\\B.TXT");
  ASSERT_TRUE(JoinPath("C:", "B.TXT", path));
  EXPECT_STREQ(path.Get(), "C:\\B.TXT");
  ASSERT_TRUE(JoinPath("", "B.TXT", path));
  EXPECT_STREQ(path.Get(), "B.TXT");
}

TEST(PathNamesTest, JoinRefusesWhatDoesNotFit) {
  PathBuffer path;
  const std::string dir = "C:\\" + Long(250);
  // 253 + 1 + 5 = 259 characters fit; one more does not.
  ASSERT_TRUE(JoinPath(dir.c_str(), "B.TXT", path));
  EXPECT_EQ(std::string(path.Get()).size(), 259u);
  ASSERT_TRUE(path.Set("old"));
  ExpectRefusedKeeps(JoinPath(dir.c_str(), "BB.TXT", path), path);
  ExpectRefusedKeeps(JoinPath(Long(300).c_str(), "", path), path);
}

TEST(PathNamesTest, SameFileIgnoresCaseOnly) {
  EXPECT_TRUE(SameFile("C:\\Windows\\A.TXT", "c:\\WINDOWS\\a.txt"));
  EXPECT_FALSE(SameFile("C:\\A.TXT", "C:\\A.TX"));
  EXPECT_FALSE(SameFile("C:\\A.TX", "C:\\A.TXT"));
  EXPECT_FALSE(SameFile("C:\\A\\B", "C:/A/B"));
  EXPECT_TRUE(SameFile("", ""));
}

TEST(PathNamesTest, CompressedNames) {
  PathBuffer name;
  const struct {
    const char* path;
    const char* compressed;
  } cases[] = {
      {"SETUP.EXE", "SETUP.EX_"},
      {"README.H", "README.H_"},
      {"README.HT", "README.HT_"},
      {"README", "README._"},
      {"PAGE.HTML", "PAGE.HTML_"},
      {"A:\\DISK.1\\KELVANE.EXE", "A:\\DISK.1\\KELVANE.EX_"},
      {"A:\\DISK.1\\KELVANE", "A:\\DISK.1\\KELVANE._"},
      {"NAME.", "NAME._"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    ASSERT_TRUE(CompressedName(c.path, name));
    EXPECT_STREQ(name.Get(), c.compressed);
  }
}

TEST(PathNamesTest, CompressedNameRefusesOverflow) {
  PathBuffer name;
  // 257 characters without extension would need 259: fits; 258 does not.
  const std::string fits = Long(257);
  ASSERT_TRUE(CompressedName(fits.c_str(), name));
  EXPECT_EQ(std::string(name.Get()), fits + "._");
  ASSERT_TRUE(name.Set("old"));
  ExpectRefusedKeeps(CompressedName(Long(258).c_str(), name), name);
  // A three-character extension changes in place: 259 characters fit.
  const std::string full = Long(255) + ".EXE";
  ASSERT_TRUE(CompressedName(full.c_str(), name));
  EXPECT_EQ(std::string(name.Get()), Long(255) + ".EX_");
}

TEST(PathNamesTest, ExtensionsReplaceOrAreAdded) {
  PathBuffer out;
  ASSERT_TRUE(WithExtension("C:\\A\\FILOG.INI", "bak", out));
  EXPECT_STREQ(out.Get(), "C:\\A\\FILOG.bak");
  ASSERT_TRUE(WithExtension("C:\\A\\FILOG.INI", ".bak", out));
  EXPECT_STREQ(out.Get(), "C:\\A\\FILOG.bak");
  ASSERT_TRUE(WithExtension("C:\\A.B\\FILOG", "000", out));
  EXPECT_STREQ(out.Get(), "C:\\A.B\\FILOG.000");
  ASSERT_TRUE(WithExtension("C:\\A\\X.TAR.GZ", "bak", out));
  EXPECT_STREQ(out.Get(), "C:\\A\\X.TAR.bak");
}

TEST(PathNamesTest, BackupCandidatesInOrder) {
  PathBuffer out;
  ASSERT_TRUE(BackupCandidate("C:\\A\\F.INI", 0, out));
  EXPECT_STREQ(out.Get(), "C:\\A\\F.bak");
  ASSERT_TRUE(BackupCandidate("C:\\A\\F.INI", 1, out));
  EXPECT_STREQ(out.Get(), "C:\\A\\F.000");
  ASSERT_TRUE(BackupCandidate("C:\\A\\F.INI", 1000, out));
  EXPECT_STREQ(out.Get(), "C:\\A\\F.999");
  ASSERT_TRUE(out.Set("old"));
  ExpectRefusedKeeps(BackupCandidate("C:\\A\\F.INI", 1001, out), out);
  ExpectRefusedKeeps(BackupCandidate("C:\\A\\F.INI", -1, out), out);
  ExpectRefusedKeeps(BackupCandidate(Long(257).c_str(), 0, out), out);
}

TEST(PathNamesTest, FirstFreeBackupSkipsTakenNames) {
  Taken taken;
  taken.names = {"C:\\F.bak", "C:\\F.000"};
  PathBuffer out;
  ASSERT_TRUE(FirstFreeBackup("C:\\F.INI", &Taken::Exists, &taken, out));
  EXPECT_STREQ(out.Get(), "C:\\F.001");
}

// The 1002nd backup of the same file has no name left.
TEST(PathNamesTest, NoBackupWhenAll1001AreTaken) {
  Taken taken;
  PathBuffer name;
  for (int i = 0; i < kBackupCandidates; ++i) {
    ASSERT_TRUE(FirstFreeBackup("C:\\F.INI", &Taken::Exists, &taken, name));
    taken.names.insert(name.Get());
  }
  EXPECT_EQ(taken.names.size(), 1001u);
  EXPECT_TRUE(taken.names.count("C:\\F.999"));
  ASSERT_TRUE(name.Set("old"));
  taken.asked = 0;
  ExpectRefusedKeeps(FirstFreeBackup("C:\\F.INI", &Taken::Exists, &taken, name), name);
  EXPECT_EQ(taken.asked, 1001);
}

TEST(PathNamesTest, TemporaryNames) {
  PathBuffer out;
  ASSERT_TRUE(TemporaryCandidate("C:\\D", "tmp", 0, out));
  EXPECT_STREQ(out.Get(), "C:\\D\\tmp000.000");
  ASSERT_TRUE(TemporaryCandidate("C:\\D", "tmp", 1, out));
  EXPECT_STREQ(out.Get(), "C:\\D\\tmp000.001");
  ASSERT_TRUE(TemporaryCandidate("C:\\D", "tmp", 1000, out));
  EXPECT_STREQ(out.Get(), "C:\\D\\tmp001.000");
  ASSERT_TRUE(TemporaryCandidate("C:\\D\\", "tmp", 999999, out));
  EXPECT_STREQ(out.Get(), "C:\\D\\tmp999.999");
  // No upper bound: the thousands simply take more digits.
  ASSERT_TRUE(TemporaryCandidate("C:\\D", "tmp", 1000000, out));
  EXPECT_STREQ(out.Get(), "C:\\D\\tmp1000.000");
}

TEST(PathNamesTest, FirstFreeTemporaryCountsUpFromZero) {
  Taken taken;
  taken.names = {"C:\\D\\tmp000.000", "C:\\D\\tmp000.001"};
  PathBuffer out;
  ASSERT_TRUE(FirstFreeTemporary("C:\\D", "tmp", &Taken::Exists, &taken, out));
  EXPECT_STREQ(out.Get(), "C:\\D\\tmp000.002");
  for (int i = 0; i < 1000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "C:\\D\\tmp000.%03d", i);
    taken.names.insert(name);
  }
  ASSERT_TRUE(FirstFreeTemporary("C:\\D", "tmp", &Taken::Exists, &taken, out));
  EXPECT_STREQ(out.Get(), "C:\\D\\tmp001.000");
}

TEST(PathNamesTest, TemporaryNameRefusesOverflow) {
  Taken taken;
  PathBuffer out;
  ASSERT_TRUE(out.Set("old"));
  // 249 + 1 + 10 = 260 characters: one too many.
  const std::string dir = Long(249);
  ExpectRefusedKeeps(FirstFreeTemporary(dir.c_str(), "tmp", &Taken::Exists, &taken, out), out);
  ASSERT_TRUE(FirstFreeTemporary(Long(248).c_str(), "tmp", &Taken::Exists, &taken, out));
  EXPECT_EQ(std::string(out.Get()).size(), 259u);
}
