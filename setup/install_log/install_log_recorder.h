// InstallLogRecorder: appends one record per operation to the install log
// (layout in install_log_format.h). Each record is encoded whole and written
// in one piece. After a failed write the stream's error flag stays set,
// the recorder answers Failed and no further record is appended, so the log
// on disk is never a record sequence with a hole in it that the uninstaller
// would misread.
#pragma once

#include "install_log/install_log_format.h"
#include "install_log/log_encoder.h"
#include "install_log/log_stream.h"
#include "install_log/operation_recorder.h"

class InstallLogRecorder : public OperationRecorder {
 public:
  explicit InstallLogRecorder(LogFile& file) : stream_(file) {}

  // Creates (or truncates) the log at path and writes its header with the
  // product title. False when the file cannot be opened or the header
  // cannot be written (the file is then closed).
  bool OpenAt(const char* path, const char* title);
  void Close() { stream_.Close(); }
  int Error() const { return stream_.Error(); }
  bool Failed() const override { return stream_.Error() != 0; }

  void DirCreated(const char* path) override;
  void DirRemoved(const char* path) override;
  void FileDeleted(const char* path) override;
  void FileMoved(const char* old_path, const char* new_path) override;
  void IniFileCreated(const char* path) override;
  void AttribChanged(const char* path, uint32_t old_attributes, uint32_t new_attributes) override;
  void FileCopied(const char* source, const char* destination, int32_t flag) override;
  void FileAppended(const char* source, const char* destination, int32_t flag,
                    uint32_t old_length) override;
  void IniSectionAdded(const char* file, const char* section) override;
  void IniSectionDeleted(const char* file, const char* section) override;
  void IniEntryAdded(const char* file, const char* section, const char* key,
                     int32_t position) override;
  void IniEntryDeleted(const char* file, const char* section, const char* key,
                       const char* old_value, int32_t occurrence) override;
  void IniEntryChanged(const char* file, const char* section, const char* key,
                       const char* old_value, int32_t occurrence) override;
  void GroupCreated(const char* group) override;
  void ItemAdded(const char* group, const char* item) override;
  void GroupDeleted(const char* group) override;
  void ItemDeleted(const char* group, const void* item_record) override;
  void RegKeyCreated(int32_t root, const char* key) override;
  void RegKeyDeleted(int32_t root, const char* key) override;
  void RegValueCreated(int32_t root, const char* key, const char* value_name) override;
  void RegValueChanged(int32_t root, const char* key, const char* value_name, uint32_t old_type,
                       uint32_t old_size, const void* old_data) override;
  void RegValueDeleted(int32_t root, const char* key, const char* value_name, uint32_t old_type,
                       uint32_t old_size, const void* old_data) override;
  void FontInstalled(const char* path, int32_t flag) override;

 private:
  LogEncoder& Begin(LogOp kind);
  void Finish();
  void Strings(LogOp kind, const char* a, const char* b = nullptr, const char* c = nullptr);
  void IniEntry(LogOp kind, const char* file, const char* section, const char* key,
                const char* old_value, int32_t occurrence);
  // value_name null: a key record, without the name field.
  void RegKey(LogOp kind, int32_t root, const char* key, const char* value_name);
  void RegValue(LogOp kind, int32_t root, const char* key, const char* value_name,
                uint32_t old_type, uint32_t old_size, const void* old_data);

  LogStream stream_;
  LogEncoder record_;
};
