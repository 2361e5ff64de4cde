#include "install_log/install_log_recorder.h"

bool InstallLogRecorder::OpenAt(const char* path, const char* title) {
  if (!stream_.Open(path, "wb")) return false;
  record_.Clear();
  EncodeLogHeader(record_, title);
  if (record_.Overlong() || !stream_.WriteEncoded(record_)) {
    stream_.Close();
    return false;
  }
  return true;
}

LogEncoder& InstallLogRecorder::Begin(LogOp kind) {
  record_.Clear();
  record_.Int32(static_cast<uint32_t>(kind));
  return record_;
}

void InstallLogRecorder::Finish() {
  // A closed log or one that already lost a write takes no more records;
  // a field longer than a reader accepts is left out with its record.
  if (!stream_.IsOpen() || stream_.Error() || record_.Overlong()) return;
  stream_.WriteEncoded(record_);
}

void InstallLogRecorder::Strings(LogOp kind, const char* a, const char* b, const char* c) {
  LogEncoder& out = Begin(kind);
  out.String(a);
  if (b != nullptr) out.String(b);
  if (c != nullptr) out.String(c);
  Finish();
}

void InstallLogRecorder::DirCreated(const char* path) { Strings(LogOp::DirCreated, path); }

void InstallLogRecorder::DirRemoved(const char* path) { Strings(LogOp::DirRemoved, path); }

void InstallLogRecorder::FileDeleted(const char* path) { Strings(LogOp::FileDeleted, path); }

void InstallLogRecorder::FileMoved(const char* old_path, const char* new_path) {
  Strings(LogOp::FileMoved, old_path, new_path ? new_path : "");
}

void InstallLogRecorder::IniFileCreated(const char* path) { Strings(LogOp::IniFileCreated, path); }

void InstallLogRecorder::AttribChanged(const char* path, uint32_t old_attributes,
                                       uint32_t new_attributes) {
  LogEncoder& out = Begin(LogOp::AttribChanged);
  out.String(path);
  out.Int32(old_attributes);
  out.Int32(new_attributes);
  Finish();
}

void InstallLogRecorder::FileCopied(const char* source, const char* destination, int32_t flag) {
  LogEncoder& out = Begin(LogOp::FileCopied);
  out.String(source);
  out.String(destination);
  out.Int32(static_cast<uint32_t>(flag));
  Finish();
}

void InstallLogRecorder::FileAppended(const char* source, const char* destination, int32_t flag,
                                      uint32_t old_length) {
  LogEncoder& out = Begin(LogOp::FileAppended);
  out.String(source);
  out.String(destination);
  out.Int32(static_cast<uint32_t>(flag));
  out.Int32(old_length);
  Finish();
}

void InstallLogRecorder::IniSectionAdded(const char* file, const char* section) {
  Strings(LogOp::IniSectionAdded, file, section ? section : "");
}

void InstallLogRecorder::IniSectionDeleted(const char* file, const char* section) {
  Strings(LogOp::IniSectionDeleted, file, section ? section : "");
}

void InstallLogRecorder::IniEntryAdded(const char* file, const char* section, const char* key,
                                       int32_t position) {
  LogEncoder& out = Begin(LogOp::IniEntryAdded);
  out.String(file);
  out.String(section);
  out.String(key);
  out.Int32(static_cast<uint32_t>(position));
  Finish();
}

void InstallLogRecorder::IniEntry(LogOp kind, const char* file, const char* section,
                                  const char* key, const char* old_value, int32_t occurrence) {
  LogEncoder& out = Begin(kind);
  out.String(file);
  out.String(section);
  out.String(key);
  out.String(old_value);
  out.Int32(static_cast<uint32_t>(occurrence));
  Finish();
}

void InstallLogRecorder::IniEntryDeleted(const char* file, const char* section, const char* key,
                                         const char* old_value, int32_t occurrence) {
  IniEntry(LogOp::IniEntryDeleted, file, section, key, old_value, occurrence);
}

void InstallLogRecorder::IniEntryChanged(const char* file, const char* section, const char* key,
                                         const char* old_value, int32_t occurrence) {
  IniEntry(LogOp::IniEntryChanged, file, section, key, old_value, occurrence);
}

void InstallLogRecorder::GroupCreated(const char* group) { Strings(LogOp::GroupCreated, group); }

void InstallLogRecorder::ItemAdded(const char* group, const char* item) {
  Strings(LogOp::ItemAdded, group, item ? item : "");
}

void InstallLogRecorder::GroupDeleted(const char* group) { Strings(LogOp::GroupDeleted, group); }

void InstallLogRecorder::ItemDeleted(const char* group, const void* item_record) {
  // Without the item there is nothing the uninstaller could put back, and a
  // record short of its 1112 bytes would shift every record after it.
  if (item_record == nullptr) return;
  LogEncoder& out = Begin(LogOp::ItemDeleted);
  out.String(group);
  out.Raw(item_record, install_log::kItemRecordSize);
  Finish();
}

void InstallLogRecorder::RegKey(LogOp kind, int32_t root, const char* key, const char* value_name) {
  LogEncoder& out = Begin(kind);
  out.Int32(static_cast<uint32_t>(root));
  out.String(key);
  if (value_name != nullptr) out.String(value_name);
  Finish();
}

void InstallLogRecorder::RegKeyCreated(int32_t root, const char* key) {
  RegKey(LogOp::RegKeyCreated, root, key, nullptr);
}

void InstallLogRecorder::RegKeyDeleted(int32_t root, const char* key) {
  RegKey(LogOp::RegKeyDeleted, root, key, nullptr);
}

void InstallLogRecorder::RegValueCreated(int32_t root, const char* key, const char* value_name) {
  RegKey(LogOp::RegValueCreated, root, key, value_name ? value_name : "");
}

void InstallLogRecorder::RegValue(LogOp kind, int32_t root, const char* key, const char* value_name,
                                  uint32_t old_type, uint32_t old_size, const void* old_data) {
  // The size field promises that many bytes: without them (or beyond what
  // a reader accepts) the record would be misread.
  if ((old_data == nullptr && old_size != 0) || old_size > install_log::kMaxValueDataSize) return;
  LogEncoder& out = Begin(kind);
  out.Int32(static_cast<uint32_t>(root));
  out.String(key);
  out.String(value_name);
  out.Int32(old_type);
  out.Int32(old_size);
  out.Raw(old_data, old_size);
  Finish();
}

void InstallLogRecorder::RegValueChanged(int32_t root, const char* key, const char* value_name,
                                         uint32_t old_type, uint32_t old_size,
                                         const void* old_data) {
  RegValue(LogOp::RegValueChanged, root, key, value_name, old_type, old_size, old_data);
}

void InstallLogRecorder::RegValueDeleted(int32_t root, const char* key, const char* value_name,
                                         uint32_t old_type, uint32_t old_size,
                                         const void* old_data) {
  RegValue(LogOp::RegValueDeleted, root, key, value_name, old_type, old_size, old_data);
}

void InstallLogRecorder::FontInstalled(const char* path, int32_t flag) {
  LogEncoder& out = Begin(LogOp::FontInstalled);
  out.String(path);
  out.Int32(static_cast<uint32_t>(flag));
  Finish();
}
