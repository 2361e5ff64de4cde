// A recorder that keeps what it is told, for tests to compare.
#pragma once

#include "install_log/operation_recorder.h"

#include <cstdint>
#include <string>
#include <vector>

struct Recorded {
  std::string kind;
  int32_t root = -1;
  std::string key;   // key path, or the file path of a file record
  std::string name;  // value name
  uint32_t oldType = 0;
  uint32_t oldSize = 0;
  std::vector<unsigned char> oldData;
  int32_t flag = 0;
};

class RecordingRecorder : public OperationRecorder {
 public:
  std::vector<Recorded> records;

  void DirCreated(const char* path) override { File("DirCreated", path); }
  void DirRemoved(const char* path) override { File("DirRemoved", path); }
  void FileDeleted(const char* path) override { File("FileDeleted", path); }
  void FileMoved(const char* from, const char*) override { File("FileMoved", from); }
  void IniFileCreated(const char* path) override { File("IniFileCreated", path); }
  void AttribChanged(const char* path, uint32_t, uint32_t) override { File("AttribChanged", path); }
  void FileCopied(const char*, const char* to, int32_t flag) override {
    File("FileCopied", to, flag);
  }
  void FileAppended(const char*, const char* to, int32_t flag, uint32_t) override {
    File("FileAppended", to, flag);
  }
  void IniSectionAdded(const char* file, const char*) override { File("IniSectionAdded", file); }
  void IniSectionDeleted(const char* file, const char*) override {
    File("IniSectionDeleted", file);
  }
  void IniEntryAdded(const char* file, const char*, const char*, int32_t) override {
    File("IniEntryAdded", file);
  }
  void IniEntryDeleted(const char* file, const char*, const char*, const char*, int32_t) override {
    File("IniEntryDeleted", file);
  }
  void IniEntryChanged(const char* file, const char*, const char*, const char*, int32_t) override {
    File("IniEntryChanged", file);
  }
  void GroupCreated(const char* group) override { File("GroupCreated", group); }
  void ItemAdded(const char* group, const char*) override { File("ItemAdded", group); }
  void GroupDeleted(const char* group) override { File("GroupDeleted", group); }
  void ItemDeleted(const char* group, const void*) override { File("ItemDeleted", group); }
  void RegKeyCreated(int32_t root, const char* key) override { Key("RegKeyCreated", root, key); }
  void RegKeyDeleted(int32_t root, const char* key) override { Key("RegKeyDeleted", root, key); }
  void RegValueCreated(int32_t root, const char* key, const char* name) override {
    Key("RegValueCreated", root, key, name);
  }
  void RegValueChanged(int32_t root, const char* key, const char* name, uint32_t type,
                       uint32_t size, const void* data) override {
    Key("RegValueChanged", root, key, name, type, size, data);
  }
  void RegValueDeleted(int32_t root, const char* key, const char* name, uint32_t type,
                       uint32_t size, const void* data) override {
    Key("RegValueDeleted", root, key, name, type, size, data);
  }
  void FontInstalled(const char* path, int32_t flag) override { File("FontInstalled", path, flag); }

 private:
  void File(const char* kind, const char* path, int32_t flag = 0) {
    Recorded r;
    r.kind = kind;
    r.key = path ? path : "";
    r.flag = flag;
    records.push_back(r);
  }
  void Key(const char* kind, int32_t root, const char* key, const char* name = nullptr,
           uint32_t type = 0, uint32_t size = 0, const void* data = nullptr) {
    Recorded r;
    r.kind = kind;
    r.root = root;
    r.key = key ? key : "";
    r.name = name ? name : "";
    r.oldType = type;
    r.oldSize = size;
    if (data) {
      const auto* bytes = static_cast<const unsigned char*>(data);
      r.oldData.assign(bytes, bytes + size);
    }
    records.push_back(r);
  }
};
