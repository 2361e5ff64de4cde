#include "ui/prompts/model/folder_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Normalised(const char* typed, std::size_t size = 256) {
  char path[256] = {0};
  std::snprintf(path, sizeof path, "%s", typed);
  NormaliseFolderPath(path, size);
  return path;
}

std::string Root(const char* path, std::size_t size = 260) {
  char root[260];
  std::memset(root, '#', sizeof root);
  if (!FolderVolumeRoot(path, root, size)) return "<none>";
  return root;
}

TEST(FolderPath, NormalisesWhatUsersType) {
  struct Case {
    const char* typed;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Program Files\\Configuration Haventide", "C:\\Program Files\\Configuration Haventide"},
      {"  C:\\Apps\\Kelvane \t", "C:\\Apps\\Kelvane"},
      {"C:/Apps/Kelvane/", "C:\\Apps\\Kelvane"},
      {"C:\\Apps\\\\Kelvane\\\\", "C:\\Apps\\Kelvane"},
      {"D:\\", "D:\\"},
      {"D:\\\\\\", "D:\\"},
      {"d:", "d:\\"},
      {" e: ", "e:\\"},
      {"\\\\server\\share\\apps\\", "\\\\server\\share\\apps"},
      {"//server//share/", "\\\\server\\share"},
      {"\\\\\\server\\share", "\\\\server\\share"},
      {"apps\\kelvane\\", "apps\\kelvane"},
      {"\\", "\\"},
      {"\\\\", "\\\\"},
      {"   ", ""},
      {"", ""},
      {"C:apps\\", "C:apps"},
      {"C:\\Program Files ", "C:\\Program Files"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(Normalised(c.typed), c.expected);
  }
}

TEST(FolderPath, BareDriveGrowsOnlyWithRoom) {
  EXPECT_EQ(Normalised("C:", 4), "C:\\");
  EXPECT_EQ(Normalised("C:", 3), "C:");
}

TEST(FolderPath, ReadsNoFurtherThanTheBuffer) {
  // A full buffer without its NUL: the last character gives way to it.
  char path[8];
  std::memcpy(path, "C:\\ABCDE", 8);
  NormaliseFolderPath(path, sizeof path);
  EXPECT_STREQ(path, "C:\\ABCD");
}

TEST(FolderPath, VolumeRoots) {
  struct Case {
    const char* path;
    const char* root;
  };
  const Case cases[] = {
      {"C:\\Program Files\\Configuration Haventide", "C:\\"},
      {"q:\\", "q:\\"},
      {"C:apps", "C:\\"},
      {"C:", "C:\\"},
      {"\\\\server\\share\\apps", "\\\\server\\share\\"},
      {"\\\\server\\share", "\\\\server\\share\\"},
      {"\\\\server", "<none>"},
      {"\\\\server\\", "<none>"},
      {"\\\\\\share", "<none>"},
      {"\\apps", "<none>"},
      {"apps\\kelvane", "<none>"},
      {"1:\\apps", "<none>"},
      {"", "<none>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(Root(c.path), c.root);
  }
}

TEST(FolderPath, RootThatDoesNotFitIsRefused) {
  EXPECT_EQ(Root("C:\\apps", 3), "<none>");
  EXPECT_EQ(Root("C:\\apps", 4), "C:\\");
  EXPECT_EQ(Root("\\\\srv\\sh\\x", 9), "<none>");
  EXPECT_EQ(Root("\\\\srv\\sh\\x", 10), "\\\\srv\\sh\\");
}

}  // namespace
