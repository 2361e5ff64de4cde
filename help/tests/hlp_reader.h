// A small, independent WinHelp reader used to check what the writer makes.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace hlptest {

struct Slice {
  const uint8_t* data = nullptr;
  size_t size = 0;
};

struct BtreeInfo {
  uint16_t magic = 0, flags = 0, pageSize = 0, rootPage = 0, pages = 0, levels = 0;
  std::string structure;
  uint32_t entries = 0;
};

// Size of one entry at p; leaf tells which kind of page it is on.
using EntrySize = std::function<size_t(const uint8_t* p, bool leaf)>;
// <0, 0, >0 as the entry's key compares with the wanted one.
using EntryCompare = std::function<int(const uint8_t* p)>;

BtreeInfo ReadBtreeInfo(Slice tree);
// Every leaf entry, following the leaf chain from the leftmost leaf.
std::vector<const uint8_t*> BtreeLeafEntries(Slice tree, const EntrySize& size);
// Finds one entry by walking from the root, as a viewer does; nullptr if absent.
const uint8_t* BtreeFind(Slice tree, const EntrySize& size, const EntryCompare& compare);
// Checks page headers: free-byte counts, leaf links, and that every page
// number is in range. Returns an empty string when sound.
std::string BtreeCheck(Slice tree, const EntrySize& size);

size_t ZEntrySize(const uint8_t* p, bool leaf, size_t leafData);  // STRINGZ key
size_t LongEntrySize(bool leaf, size_t leafData);                 // 4-byte key

struct Paragraph {
  std::string text;
  std::vector<int32_t> jumps;  // hashes of jump targets
  std::vector<uint16_t> fonts;
};

struct TopicSeen {
  std::string title;
  uint32_t pos = 0;     // TOPICPOS of its header
  uint32_t offset = 0;  // TOPICOFFSET, counted the way viewers count it
  std::vector<Paragraph> paragraphs;
};

struct RecordSeen {
  uint32_t pos = 0;
  uint32_t size = 0;
  uint8_t type = 0;
};

class HelpReader {
 public:
  // Returns an empty string when the file's header and directory are sound.
  std::string Load(const std::vector<uint8_t>& file);
  bool Find(const std::string& name, Slice& out) const;  // data after the 9-byte header
  std::vector<std::string> Names() const;
  const std::vector<uint8_t>& bytes() const { return file_; }
  uint32_t FileOffset(const std::string& name) const;

  std::map<uint16_t, std::vector<uint8_t>> SystemRecords(uint16_t& minor, uint16_t& flags) const;
  std::string WalkTopics(std::vector<TopicSeen>& topics, std::vector<RecordSeen>& records) const;

 private:
  std::vector<uint8_t> file_;
  Slice directory_;
};

}  // namespace hlptest
