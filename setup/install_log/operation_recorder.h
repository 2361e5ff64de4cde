// OperationRecorder: told of every change the setup engine has made to the
// machine, after the change succeeded. The operations stay in this order (it
// is the order of the table every recorder fills). A record call answers
// nothing; whether the recorder could keep its records is asked after it
// (Failed), so that no change is made that it could no longer record.
#pragma once

#include <cstdint>

class OperationRecorder {
 public:
  virtual ~OperationRecorder() = default;

  virtual void DirCreated(const char* path) = 0;
  virtual void DirRemoved(const char* path) = 0;
  virtual void FileDeleted(const char* path) = 0;
  virtual void FileMoved(const char* old_path, const char* new_path) = 0;
  virtual void IniFileCreated(const char* path) = 0;
  virtual void AttribChanged(const char* path, uint32_t old_attributes,
                             uint32_t new_attributes) = 0;
  virtual void FileCopied(const char* source, const char* destination, int32_t flag) = 0;
  virtual void FileAppended(const char* source, const char* destination, int32_t flag,
                            uint32_t old_length) = 0;
  virtual void IniSectionAdded(const char* file, const char* section) = 0;
  virtual void IniSectionDeleted(const char* file, const char* section) = 0;
  virtual void IniEntryAdded(const char* file, const char* section, const char* key,
                             int32_t position) = 0;
  virtual void IniEntryDeleted(const char* file, const char* section, const char* key,
                               const char* old_value, int32_t occurrence) = 0;
  virtual void IniEntryChanged(const char* file, const char* section, const char* key,
                               const char* old_value, int32_t occurrence) = 0;
  virtual void GroupCreated(const char* group) = 0;
  virtual void ItemAdded(const char* group, const char* item) = 0;
  virtual void GroupDeleted(const char* group) = 0;
  // item_record: the Program Manager item as read from the group,
  // install_log::kItemRecordSize bytes.
  virtual void ItemDeleted(const char* group, const void* item_record) = 0;
  virtual void RegKeyCreated(int32_t root, const char* key) = 0;
  virtual void RegKeyDeleted(int32_t root, const char* key) = 0;
  virtual void RegValueCreated(int32_t root, const char* key, const char* value_name) = 0;
  virtual void RegValueChanged(int32_t root, const char* key, const char* value_name,
                               uint32_t old_type, uint32_t old_size, const void* old_data) = 0;
  virtual void RegValueDeleted(int32_t root, const char* key, const char* value_name,
                               uint32_t old_type, uint32_t old_size, const void* old_data) = 0;
  virtual void FontInstalled(const char* path, int32_t flag) = 0;

  // True once a record could not be kept: a change made from then on could
  // never be taken back.
  virtual bool Failed() const { return false; }
};

// Records nothing: the recorder of every new FileOperations object, and the
// one pushed while a sub-operation must stay out of the log.
class NullRecorder : public OperationRecorder {
 public:
  static NullRecorder& Instance();

  void DirCreated(const char*) override {}
  void DirRemoved(const char*) override {}
  void FileDeleted(const char*) override {}
  void FileMoved(const char*, const char*) override {}
  void IniFileCreated(const char*) override {}
  void AttribChanged(const char*, uint32_t, uint32_t) override {}
  void FileCopied(const char*, const char*, int32_t) override {}
  void FileAppended(const char*, const char*, int32_t, uint32_t) override {}
  void IniSectionAdded(const char*, const char*) override {}
  void IniSectionDeleted(const char*, const char*) override {}
  void IniEntryAdded(const char*, const char*, const char*, int32_t) override {}
  void IniEntryDeleted(const char*, const char*, const char*, const char*, int32_t) override {}
  void IniEntryChanged(const char*, const char*, const char*, const char*, int32_t) override {}
  void GroupCreated(const char*) override {}
  void ItemAdded(const char*, const char*) override {}
  void GroupDeleted(const char*) override {}
  void ItemDeleted(const char*, const void*) override {}
  void RegKeyCreated(int32_t, const char*) override {}
  void RegKeyDeleted(int32_t, const char*) override {}
  void RegValueCreated(int32_t, const char*, const char*) override {}
  void RegValueChanged(int32_t, const char*, const char*, uint32_t, uint32_t,
                       const void*) override {}
  void RegValueDeleted(int32_t, const char*, const char*, uint32_t, uint32_t,
                       const void*) override {}
  void FontInstalled(const char*, int32_t) override {}
};
