#include "install_log/install_log_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "expected_bytes.h"
#include "install_log/install_log_recorder.h"
#include "memory_log_file.h"

namespace {

// A log with one record of every kind, as the recorder writes it.
std::vector<uint8_t> LogOfEveryKind(const std::string& title) {
  MemoryLogFile file;
  InstallLogRecorder r(file);
  EXPECT_TRUE(r.OpenAt("x", title.c_str()));
  std::vector<uint8_t> item(install_log::kItemRecordSize, 0x5A);
  const uint8_t old[3] = {1, 2, 3};
  r.DirCreated("C:\\KELVANE");
  r.DirRemoved("C:\\OLD");
  r.FileDeleted("C:\\F");
  r.FileMoved("C:\\A", std::string(255, 'm').c_str());
  r.IniFileCreated("W.INI");
  r.AttribChanged("F", 1, 0x20);
  r.FileCopied("A:\\S", "C:\\D", 1);
  r.FileAppended("A:\\S", "C:\\D", 0, 1234);
  r.IniSectionAdded("W.INI", "sec");
  r.IniSectionDeleted("W.INI", "sec");
  r.IniEntryAdded("W.INI", "sec", "key", 3);
  r.IniEntryDeleted("W.INI", "sec", "key", "old", 1);
  r.IniEntryChanged("W.INI", "sec", "key", "was", 0);
  r.GroupCreated("Group");
  r.ItemAdded("Group", "Item");
  r.GroupDeleted("Group");
  r.ItemDeleted("Group", item.data());
  r.RegKeyCreated(2, "Software\\K");
  r.RegKeyDeleted(1, "K");
  r.RegValueCreated(2, "K", "V");
  r.RegValueChanged(2, "K", "V", 3, 3, old);
  r.RegValueDeleted(0, "K", "V", 1, 0, nullptr);
  r.FontInstalled("F.TTF", 1);
  EXPECT_EQ(r.Error(), 0);
  return file.bytes;
}

// Reads bytes from a buffer of exactly their size, so ASan sees any read
// past the end.
bool ReadExact(const std::vector<uint8_t>& bytes, LogHeader& header,
               std::vector<LogRecord>& records) {
  std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), copy.get());
  return ReadInstallLog(bytes.empty() ? nullptr : copy.get(), bytes.size(), header, records);
}

std::vector<uint8_t> Header(const std::string& title) {
  return Bytes()("01234567.012")({2, 1, 0, 0, static_cast<int>(title.size())})(title).v;
}

// Whether a log of the header "T" followed by these record bytes is read.
bool RecordsRead(const Bytes& tail) {
  std::vector<uint8_t> log = Header("T");
  log.insert(log.end(), tail.v.begin(), tail.v.end());
  LogHeader header;
  std::vector<LogRecord> records;
  return ReadExact(log, header, records);
}

}  // namespace

TEST(InstallLogReaderTest, ReadsBackEveryKindInOrder) {
  LogHeader header;
  std::vector<LogRecord> records;
  ASSERT_TRUE(ReadExact(LogOfEveryKind("Title"), header, records));
  EXPECT_EQ(std::string(header.chain_name, 12), "01234567.012");
  EXPECT_EQ(header.title, "Title");
  const LogOp kinds[] = {LogOp::DirCreated,        LogOp::DirRemoved,      LogOp::FileDeleted,
                         LogOp::FileMoved,         LogOp::IniFileCreated,  LogOp::AttribChanged,
                         LogOp::FileCopied,        LogOp::FileAppended,    LogOp::IniSectionAdded,
                         LogOp::IniSectionDeleted, LogOp::IniEntryAdded,   LogOp::IniEntryDeleted,
                         LogOp::IniEntryChanged,   LogOp::GroupCreated,    LogOp::ItemAdded,
                         LogOp::GroupDeleted,      LogOp::ItemDeleted,     LogOp::RegKeyCreated,
                         LogOp::RegKeyDeleted,     LogOp::RegValueCreated, LogOp::RegValueChanged,
                         LogOp::RegValueDeleted,   LogOp::FontInstalled};
  ASSERT_EQ(records.size(), 23u);
  for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].kind, kinds[i]) << i;

  EXPECT_EQ(records[3].texts, (std::vector<std::string>{"C:\\A", std::string(255, 'm')}));
  EXPECT_EQ(records[5].numbers, (std::vector<uint32_t>{1, 0x20}));
  EXPECT_EQ(records[7].texts, (std::vector<std::string>{"A:\\S", "C:\\D"}));
  EXPECT_EQ(records[7].numbers, (std::vector<uint32_t>{0, 1234}));
  EXPECT_EQ(records[11].texts, (std::vector<std::string>{"W.INI", "sec", "key", "old"}));
  EXPECT_EQ(records[11].numbers, (std::vector<uint32_t>{1}));
  EXPECT_EQ(records[16].texts, (std::vector<std::string>{"Group"}));
  EXPECT_EQ(records[16].data, std::vector<uint8_t>(1112, 0x5A));
  EXPECT_EQ(records[20].numbers, (std::vector<uint32_t>{2, 3, 3}));
  EXPECT_EQ(records[20].data, (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_TRUE(records[21].data.empty());
  EXPECT_EQ(records[22].texts, (std::vector<std::string>{"F.TTF"}));
}

TEST(InstallLogReaderTest, ReadsTitlesAroundTheMarker) {
  for (size_t length : {254u, 255u, 256u}) {
    LogHeader header;
    std::vector<LogRecord> records;
    const std::string title(length, 'q');
    ASSERT_TRUE(ReadExact(LogOfEveryKind(title), header, records)) << length;
    EXPECT_EQ(header.title, title);
    EXPECT_EQ(records.size(), 23u);
  }
}

TEST(InstallLogReaderTest, EveryTruncationIsRefusedOrEndsOnARecordBoundary) {
  const std::vector<uint8_t> log = LogOfEveryKind("T");
  // Record boundaries: where a whole log of the first n records ends.
  LogHeader header;
  std::vector<LogRecord> all;
  ASSERT_TRUE(ReadExact(log, header, all));
  size_t accepted = 0;
  for (size_t size = 0; size < log.size(); ++size) {
    std::vector<uint8_t> cut(log.begin(), log.begin() + size);
    std::vector<LogRecord> records;
    if (ReadExact(cut, header, records)) {
      ++accepted;
      ASSERT_LE(records.size(), all.size());
      for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].kind, all[i].kind);
    }
  }
  // The header alone and each whole prefix of records: 23 cuts in all.
  EXPECT_EQ(accepted, 23u);
}

// Whether the sound beginning of bytes is found, read from a buffer of
// exactly their size, and how long it is.
bool CompleteLength(const std::vector<uint8_t>& bytes, size_t& length) {
  std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), copy.get());
  return CompleteLogLength(bytes.empty() ? nullptr : copy.get(), bytes.size(), length);
}

TEST(CompleteLogLengthTest, EveryCutEndsAtTheLastRecordBoundaryBeforeIt) {
  const std::vector<uint8_t> log = LogOfEveryKind("T");
  // The record boundaries: the cuts that read as a whole log.
  std::vector<size_t> boundaries;
  for (size_t size = 0; size <= log.size(); ++size) {
    LogHeader header;
    std::vector<LogRecord> records;
    if (ReadExact(std::vector<uint8_t>(log.begin(), log.begin() + size), header, records))
      boundaries.push_back(size);
  }
  ASSERT_EQ(boundaries.size(), 24u);
  ASSERT_EQ(boundaries.back(), log.size());
  for (size_t size = 0; size <= log.size(); ++size) {
    size_t length = 99999;
    const bool found =
        CompleteLength(std::vector<uint8_t>(log.begin(), log.begin() + size), length);
    // Before the header is whole there is nothing to keep.
    if (size < boundaries.front()) {
      EXPECT_FALSE(found) << size;
      continue;
    }
    ASSERT_TRUE(found) << size;
    size_t expected = 0;
    for (size_t boundary : boundaries)
      if (boundary <= size) expected = boundary;
    EXPECT_EQ(length, expected) << size;
  }
}

TEST(CompleteLogLengthTest, DamageOtherThanACutIsRefused) {
  const std::vector<uint8_t> header = Header("T");
  const struct {
    const char* what;
    Bytes tail;
    bool found;
    size_t length;  // after the header, when found
  } rows[] = {
      {"no records", Bytes(), true, 0},
      {"a sound record", Bytes()({0, 0, 0, 0, 1})("a"), true, 6},
      {"a cut kind", Bytes()({0, 0, 0, 0, 1})("a")({3, 0}), true, 6},
      {"a cut long-string length", Bytes()({0, 0, 0, 0, 255, 0x10, 1}), true, 0},
      {"a cut item record", Bytes()({13, 0, 0, 0, 1})("G").Repeat(7, 1000), true, 0},
      {"cut old data",
       Bytes()({16, 0, 0, 0, 2, 0, 0, 0, 1})("K")({1})("V")({3, 0, 0, 0, 4, 0, 0, 0})({1, 2, 3}),
       true, 0},
      {"an unknown kind", Bytes()({0, 0, 0, 0, 1})("a")({23, 0, 0, 0, 1})("b"), false, 0},
      {"a string beyond the bound", Bytes()({0, 0, 0, 0, 255, 0x00, 0x80, 0, 0})("a"), false, 0},
      {"a string with a NUL", Bytes()({0, 0, 0, 0, 3})("a")({0})("b"), false, 0},
      {"old data beyond the bound",
       Bytes()({16, 0, 0, 0, 2, 0, 0, 0, 1})("K")({1})("V")({3, 0, 0, 0, 1, 0, 0x10, 0}), false, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    std::vector<uint8_t> log = header;
    log.insert(log.end(), row.tail.v.begin(), row.tail.v.end());
    size_t length = 99999;
    EXPECT_EQ(CompleteLength(log, length), row.found);
    if (row.found) {
      EXPECT_EQ(length, header.size() + row.length);
    }
  }
}

TEST(CompleteLogLengthTest, ADamagedHeaderIsRefused) {
  std::vector<uint8_t> log = Header("T");
  log[12] = 3;
  size_t length = 0;
  EXPECT_FALSE(CompleteLength(log, length));
  EXPECT_FALSE(CompleteLength(std::vector<uint8_t>(), length));
}

TEST(InstallLogReaderTest, AWrongVersionByteIsRefused) {
  std::vector<uint8_t> log = Header("T");
  for (size_t at = 12; at < 16; ++at) {
    std::vector<uint8_t> bad = log;
    bad[at] ^= 1;
    LogHeader header;
    std::vector<LogRecord> records;
    EXPECT_FALSE(ReadExact(bad, header, records)) << at;
  }
}

TEST(InstallLogReaderTest, ASoundRecordIsRead) {
  EXPECT_TRUE(RecordsRead(Bytes()({22, 0, 0, 0, 1})("a")({1, 0, 0, 0})));
}

TEST(InstallLogReaderTest, AnUnknownKindIsRefused) {
  EXPECT_FALSE(RecordsRead(Bytes()({23, 0, 0, 0, 1})("a")));
  EXPECT_FALSE(RecordsRead(Bytes()({255, 0, 0, 0, 1})("a")));
  EXPECT_FALSE(RecordsRead(Bytes()({0xFF, 0xFF, 0xFF, 0xFF, 1})("a")));
}

TEST(InstallLogReaderTest, AStringLongerThanTheBoundIsRefused) {
  EXPECT_FALSE(RecordsRead(Bytes()({0, 0, 0, 0, 255, 0x00, 0x80, 0, 0}).Repeat('a', 0x8000)));
  EXPECT_TRUE(RecordsRead(Bytes()({0, 0, 0, 0, 255, 0xFF, 0x7F, 0, 0}).Repeat('a', 0x7FFF)));
}

TEST(InstallLogReaderTest, AHugeStringLengthIsRefusedWithoutReading) {
  EXPECT_FALSE(RecordsRead(Bytes()({0, 0, 0, 0, 255, 0xFF, 0xFF, 0xFF, 0xFF})("abc")));
}

TEST(InstallLogReaderTest, OldDataLongerThanTheLogIsRefused) {
  EXPECT_FALSE(RecordsRead(Bytes()({16, 0, 0, 0, 2, 0, 0, 0, 1})("K")({1})("V")(
      {3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F})({1, 2, 3})));
  EXPECT_FALSE(RecordsRead(
      Bytes()({16, 0, 0, 0, 2, 0, 0, 0, 1})("K")({1})("V")({3, 0, 0, 0, 4, 0, 0, 0})({1, 2, 3})));
}

TEST(InstallLogReaderTest, AStringWithANulIsRefused) {
  EXPECT_FALSE(RecordsRead(Bytes()({0, 0, 0, 0, 3})("a")({0})("b")));
}

TEST(InstallLogReaderTest, AfterDamageTheReaderStaysDamaged) {
  Bytes log;
  log.v = Header("T");
  log({99, 0, 0, 0});
  InstallLogReader reader(log.v.data(), log.v.size());
  LogHeader header;
  ASSERT_TRUE(reader.ReadHeader(header));
  LogRecord record;
  EXPECT_EQ(reader.ReadRecord(record), InstallLogReader::Result::Damaged);
  EXPECT_EQ(reader.ReadRecord(record), InstallLogReader::Result::Damaged);
}

TEST(InstallLogReaderTest, RecordsBeforeTheHeaderAreRefused) {
  const std::vector<uint8_t> log = Header("T");
  InstallLogReader reader(log.data(), log.size());
  LogRecord record;
  EXPECT_EQ(reader.ReadRecord(record), InstallLogReader::Result::Damaged);
}

TEST(CheckInstallLogTest, TellsEmptyFromRecordsFromDamaged) {
  const std::vector<uint8_t> empty = Header("Title");
  EXPECT_EQ(empty.size(), 17u + 5u);
  EXPECT_EQ(CheckInstallLog(empty.data(), empty.size()), LogContent::Empty);
  const std::vector<uint8_t> full = LogOfEveryKind(std::string(300, 't'));
  EXPECT_EQ(CheckInstallLog(full.data(), full.size()), LogContent::HasRecords);
  EXPECT_EQ(CheckInstallLog(full.data(), full.size() - 1), LogContent::Damaged);
  EXPECT_EQ(CheckInstallLog(nullptr, 0), LogContent::Damaged);
}

TEST(CheckInstallLogTest, ALongTitleAloneIsEmptyNotARecord) {
  // Judged by the byte at offset 16 alone (255), 255 + 17 is below the 321
  // bytes of this log, which would pass for a log with records.
  MemoryLogFile file;
  InstallLogRecorder r(file);
  ASSERT_TRUE(r.OpenAt("x", std::string(300, 't').c_str()));
  EXPECT_EQ(CheckInstallLog(file.bytes.data(), file.bytes.size()), LogContent::Empty);
}

TEST(InstallLogReaderTest, KindsAreNamedByTheirNumbers) {
  const struct {
    int32_t number;
    const char* name;
  } cases[] = {{0, "DirCreated"},    {2, "FileMoved"},      {4, "FileCopied"}, {13, "ItemDeleted"},
               {19, "FileAppended"}, {22, "FontInstalled"}, {23, "?"},         {-1, "?"}};
  for (const auto& c : cases) EXPECT_STREQ(LogOpName(static_cast<LogOp>(c.number)), c.name);
}
