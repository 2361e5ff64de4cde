#include "ui/prompts/model/attribute_text.h"

#include "resources/string_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AttributeText, TypeNames) {
  const unsigned expected[] = {kStrTypeUnknown, kStrTypeApplication, kStrTypeDll,
                               kStrTypeDriver,  kStrTypeFont,        kStrTypeVxd,
                               kStrTypeUnknown, kStrTypeStaticLib,   kStrTypeUnknown};
  for (unsigned long code = 0; code < sizeof expected / sizeof expected[0]; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(FileTypeStringId(code), expected[code]);
  }
  EXPECT_EQ(FileTypeStringId(0xFFFFFFFFul), static_cast<unsigned>(kStrTypeUnknown));
  // The identifiers the names have in the string table.
  EXPECT_EQ(FileTypeStringId(1), 19u);
  EXPECT_EQ(FileTypeStringId(7), 24u);
  EXPECT_EQ(FileTypeStringId(6), 25u);
}

TEST(AttributeText, SubtypeNames) {
  // Communication (10) comes first in the string table, before printer.
  const unsigned expected[] = {25, 27, 28, 29, 30, 31, 32, 33, 34, 35, 26, 25};
  for (unsigned long code = 0; code < sizeof expected / sizeof expected[0]; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(FileSubtypeStringId(code), expected[code]);
  }
  EXPECT_EQ(FileSubtypeStringId(0x80000001ul), 25u);
}

std::string Version(uint32_t ms, uint32_t ls, std::size_t size = 32) {
  char text[32];
  FormatFileVersion(ms, ls, text, size);
  return text;
}

TEST(AttributeText, VersionJoinsTheFourParts) {
  EXPECT_EQ(Version(0x00040000, 0x03B60000), "4.0.950.0");
  EXPECT_EQ(Version(0x00010002, 0x00030004), "1.2.3.4");
  EXPECT_EQ(Version(0xFFFFFFFF, 0xFFFFFFFF), "65535.65535.65535.65535");
  EXPECT_EQ(Version(0, 0), "0.0.0.0");
  EXPECT_EQ(Version(0x00040000, 0x03B60000, 5), "4.0.");
}

std::string CharacterSet(uint16_t cp, std::size_t size = 16) {
  char text[16];
  FormatCharacterSet(cp, text, size);
  return text;
}

TEST(AttributeText, CharacterSetInLowerCaseHex) {
  EXPECT_EQ(CharacterSet(1252), "4e4");
  EXPECT_EQ(CharacterSet(0), "0");
  EXPECT_EQ(CharacterSet(0xFFFF), "ffff");
  EXPECT_EQ(CharacterSet(1200), "4b0");
  EXPECT_EQ(CharacterSet(0xABCD, 3), "ab");
}

}  // namespace
