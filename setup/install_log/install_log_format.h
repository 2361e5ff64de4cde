// The install log filog.ini: the one link between setup and the uninstaller
// Vantrel3.exe. Despite its extension it is a binary file, written through
// LogStream (log_stream.h) and read back by install_log_reader.h.
//
// Encodings
//   int32   4 bytes, little-endian, two's complement; signed and unsigned
//           32-bit values alike.
//   byte    1 byte.
//   raw     the given number of bytes, unchanged.
//   string  a text of L bytes (no NUL): one byte L when L < 255, otherwise
//           the byte 255 followed by L as int32; then the L bytes of the text,
//           no terminator. A 254-byte text takes 255 bytes, a 255-byte text
//           260.
//
// File layout
//   offset  size      content
//   0       12        chain name: "01234567.012" while the log is being
//                     written; on finalisation the 8.3 name of the backed-up
//                     previous log, NUL-padded to 12, or 12 zero bytes.
//   12      1         2
//   13      1         1
//   14      1         0
//   15      1         0
//   16      1+L/5+L   the product title as a string
//   after   to end    records, in the order the operations succeeded. No
//                     count and no end marker: records run to the end of the
//                     file.
//
// Record: the kind (LogOp) as int32, then its fields in this order:
//   0  DirCreated        path
//   1  DirRemoved        path
//   2  FileMoved         old path, new path
//   3  FileDeleted       path
//   4  FileCopied        source, destination, flag (int32)
//   5  AttribChanged     path, old attributes (int32), new attributes (int32)
//   6  IniFileCreated    path
//   7  IniEntryAdded     file, section, key, position (int32)
//   8  IniEntryDeleted   file, section, key, old value, occurrence (int32)
//   9  IniEntryChanged   file, section, key, old value, occurrence (int32)
//   10 GroupCreated      group
//   11 ItemAdded         group, item
//   12 GroupDeleted      group
//   13 ItemDeleted       group, item record (raw, exactly 1112 bytes)
//   14 RegKeyCreated     root (int32), key
//   15 RegValueCreated   root (int32), key, value name
//   16 RegValueChanged   root (int32), key, value name, old type (int32),
//                        old size (int32), old data (raw, old size bytes)
//   17 RegValueDeleted   as RegValueChanged
//   18 RegKeyDeleted     root (int32), key
//   19 FileAppended      source, destination, flag (int32), length of the
//                        destination before the append (int32)
//   20 IniSectionAdded   file, section
//   21 IniSectionDeleted file, section
//   22 FontInstalled     font file path, flag (int32)
//
// Fields: root is 0 HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER,
// 2 HKEY_LOCAL_MACHINE, 3 HKEY_USERS. The flag of a copy is stored as the
// caller gave it (0 for a shared file, 1 otherwise). Position and occurrence
// count from 0. The item record is the Program Manager item as read from the
// group before it was removed.
#pragma once

#include <cstdint>

enum class LogOp : int32_t {
  DirCreated = 0,
  DirRemoved = 1,
  FileMoved = 2,
  FileDeleted = 3,
  FileCopied = 4,
  AttribChanged = 5,
  IniFileCreated = 6,
  IniEntryAdded = 7,
  IniEntryDeleted = 8,
  IniEntryChanged = 9,
  GroupCreated = 10,
  ItemAdded = 11,
  GroupDeleted = 12,
  ItemDeleted = 13,
  RegKeyCreated = 14,
  RegValueCreated = 15,
  RegValueChanged = 16,
  RegValueDeleted = 17,
  RegKeyDeleted = 18,
  FileAppended = 19,
  IniSectionAdded = 20,
  IniSectionDeleted = 21,
  FontInstalled = 22,
};

constexpr int32_t kLogOpCount = 23;

namespace install_log {

constexpr int kChainNameSize = 12;
constexpr char kPlaceholderChainName[kChainNameSize + 1] = "01234567.012";
constexpr uint8_t kVersionBytes[4] = {2, 1, 0, 0};
constexpr int kTitleOffset = 16;
constexpr uint8_t kLongStringMarker = 255;
constexpr uint32_t kItemRecordSize = 1112;

// Bounds a reader puts on a field, so a damaged length cannot make it claim
// more than a real log holds.
constexpr uint32_t kMaxStringLength = 32767;
constexpr uint32_t kMaxValueDataSize = 1u << 20;

}  // namespace install_log
