#include "install_log/install_log_reader.h"

#include <cstring>

namespace {

// The fields of each kind, by LogOp value: s string, i int32, d raw block
// of the size in the int32 before it, r the item record.
const char* const kFields[kLogOpCount] = {
    "s", "s",  "ss", "s",   "ssi",    "sii",    "s",  "sssi", "ssssi", "ssssi", "s",  "ss",
    "s", "sr", "is", "iss", "issiid", "issiid", "is", "ssii", "ss",    "ss",    "si",
};

}  // namespace

bool InstallLogReader::Take(size_t count, const uint8_t*& at) {
  if (count > size_ - offset_) {
    cut_short_ = true;
    return false;
  }
  at = bytes_ + offset_;
  offset_ += count;
  return true;
}

bool InstallLogReader::Int32(uint32_t& value) {
  const uint8_t* at = nullptr;
  if (!Take(4, at)) return false;
  value = static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
          static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
  return true;
}

bool InstallLogReader::String(std::string& text) {
  const uint8_t* at = nullptr;
  if (!Take(1, at)) return false;
  uint32_t length = *at;
  if (length == install_log::kLongStringMarker && !Int32(length)) return false;
  if (length > install_log::kMaxStringLength) return false;
  if (!Take(length, at)) return false;
  text.assign(reinterpret_cast<const char*>(at), length);
  // A text with a NUL in it cannot have come from the recorder.
  return std::memchr(text.data(), '\0', text.size()) == nullptr;
}

bool InstallLogReader::Raw(size_t count, std::vector<uint8_t>& out) {
  const uint8_t* at = nullptr;
  if (!Take(count, at)) return false;
  out.assign(at, at + count);
  return true;
}

bool InstallLogReader::ReadHeader(LogHeader& header) {
  if (header_read_ || bytes_ == nullptr) return false;
  header_read_ = true;
  const uint8_t* at = nullptr;
  damaged_ = true;
  if (!Take(install_log::kChainNameSize, at)) return false;
  std::memcpy(header.chain_name, at, install_log::kChainNameSize);
  if (!Take(sizeof install_log::kVersionBytes, at) ||
      std::memcmp(at, install_log::kVersionBytes, sizeof install_log::kVersionBytes) != 0 ||
      !String(header.title))
    return false;
  damaged_ = false;
  complete_end_ = offset_;
  return true;
}

InstallLogReader::Result InstallLogReader::ReadRecord(LogRecord& record) {
  if (!header_read_ || damaged_) return Result::Damaged;
  if (offset_ == size_) return Result::End;
  record = LogRecord();
  uint32_t kind = 0;
  bool sound = Int32(kind) && kind < static_cast<uint32_t>(kLogOpCount);
  if (sound) {
    record.kind = static_cast<LogOp>(kind);
    for (const char* field = kFields[kind]; sound && *field; ++field) {
      uint32_t number = 0;
      switch (*field) {
        case 's':
          record.texts.emplace_back();
          sound = String(record.texts.back());
          break;
        case 'i':
          sound = Int32(number);
          record.numbers.push_back(number);
          break;
        case 'd':
          number = record.numbers.back();
          sound = number <= install_log::kMaxValueDataSize && Raw(number, record.data);
          break;
        case 'r':
          sound = Raw(install_log::kItemRecordSize, record.data);
          break;
      }
    }
  }
  if (!sound) {
    damaged_ = true;
    return Result::Damaged;
  }
  complete_end_ = offset_;
  return Result::Record;
}

bool ReadInstallLog(const uint8_t* bytes, size_t size, LogHeader& header,
                    std::vector<LogRecord>& records) {
  records.clear();
  InstallLogReader reader(bytes, size);
  if (!reader.ReadHeader(header)) return false;
  for (;;) {
    LogRecord record;
    switch (reader.ReadRecord(record)) {
      case InstallLogReader::Result::Record:
        records.push_back(std::move(record));
        break;
      case InstallLogReader::Result::End:
        return true;
      case InstallLogReader::Result::Damaged:
        return false;
    }
  }
}

bool CompleteLogLength(const uint8_t* bytes, size_t size, size_t& length) {
  length = 0;
  InstallLogReader reader(bytes, size);
  LogHeader header;
  if (!reader.ReadHeader(header)) return false;
  LogRecord record;
  InstallLogReader::Result result = InstallLogReader::Result::Record;
  while (result == InstallLogReader::Result::Record) result = reader.ReadRecord(record);
  if (result == InstallLogReader::Result::Damaged && !reader.CutShort()) return false;
  length = reader.CompleteEnd();
  return true;
}

LogContent CheckInstallLog(const uint8_t* bytes, size_t size) {
  LogHeader header;
  std::vector<LogRecord> records;
  if (!ReadInstallLog(bytes, size, header, records)) return LogContent::Damaged;
  return records.empty() ? LogContent::Empty : LogContent::HasRecords;
}

const char* LogOpName(LogOp kind) {
  static const char* const kNames[kLogOpCount] = {
      "DirCreated",      "DirRemoved",        "FileMoved",      "FileDeleted",
      "FileCopied",      "AttribChanged",     "IniFileCreated", "IniEntryAdded",
      "IniEntryDeleted", "IniEntryChanged",   "GroupCreated",   "ItemAdded",
      "GroupDeleted",    "ItemDeleted",       "RegKeyCreated",  "RegValueCreated",
      "RegValueChanged", "RegValueDeleted",   "RegKeyDeleted",  "FileAppended",
      "IniSectionAdded", "IniSectionDeleted", "FontInstalled"};
  const int32_t index = static_cast<int32_t>(kind);
  return index >= 0 && index < kLogOpCount ? kNames[index] : "?";
}
