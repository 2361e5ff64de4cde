// B+ trees as WinHelp stores them: a 38-byte header, then fixed-size pages,
// leaves first (linked both ways), index pages above them, root last.
#pragma once

#include <string>
#include <vector>

#include "le_bytes.h"

namespace hlp {

struct BtreeEntry {
  Bytes key;   // the indexed part; also written into index pages
  Bytes data;  // the rest of a leaf entry
};

struct BtreeLeafInfo {
  uint16_t page;
  uint32_t firstEntry;  // number of the first entry on this leaf
};

struct BtreeLayout {
  uint16_t pageSize = 2048;
  uint16_t flags = 0x0002;  // 0x0400 added for the file directory
  std::string structure;    // e.g. "z4", "L4", "Lz", "F24"
};

struct BuiltBtree {
  Bytes bytes;
  std::vector<BtreeLeafInfo> leaves;
  uint16_t levels = 0;
  uint16_t pages = 0;
};

constexpr size_t kBtreeHeaderSize = 38;
constexpr size_t kLeafHeaderSize = 8;
constexpr size_t kIndexHeaderSize = 6;

// Entries must already be in the tree's key order. Fails (false) when one
// entry does not fit in a page or the tree would need more than 32767 pages.
bool BuildBtree(const BtreeLayout& layout, const std::vector<BtreeEntry>& entries, BuiltBtree& out,
                std::string& error);

}  // namespace hlp
