#include "btree.h"

#include <cstring>

namespace hlp {

namespace {

struct Page {
  Bytes body;  // entries, without the page header
  uint16_t count = 0;
  Bytes firstKey;                // key of the page's first entry (for the level above)
  uint16_t firstChild = 0xFFFF;  // index pages: the "previous page" field
};

Bytes PageBytes(const Page& p, bool leaf, uint16_t pageSize, int16_t prev, int16_t next) {
  Bytes b;
  size_t header = leaf ? kLeafHeaderSize : kIndexHeaderSize;
  PutU16(b, static_cast<uint16_t>(pageSize - header - p.body.size()));
  PutU16(b, p.count);
  if (leaf) {
    PutU16(b, static_cast<uint16_t>(prev));
    PutU16(b, static_cast<uint16_t>(next));
  } else {
    PutU16(b, p.firstChild);
  }
  Append(b, p.body);
  b.resize(pageSize, 0);
  return b;
}

}  // namespace

bool BuildBtree(const BtreeLayout& layout, const std::vector<BtreeEntry>& entries, BuiltBtree& out,
                std::string& error) {
  const size_t leafRoom = layout.pageSize - kLeafHeaderSize;
  const size_t indexRoom = layout.pageSize - kIndexHeaderSize;

  std::vector<Page> leaves(1);
  uint32_t number = 0;
  out.leaves.clear();
  out.leaves.push_back({0, 0});
  for (const BtreeEntry& e : entries) {
    size_t size = e.key.size() + e.data.size();
    if (size > leafRoom || e.key.size() + 2 > indexRoom) {
      error = "B+ tree entry too large for one page";
      return false;
    }
    if (leaves.back().body.size() + size > leafRoom) {
      leaves.emplace_back();
      out.leaves.push_back({static_cast<uint16_t>(leaves.size() - 1), number});
    }
    Page& p = leaves.back();
    if (p.count == 0) p.firstKey = e.key;
    Append(p.body, e.key);
    Append(p.body, e.data);
    ++p.count;
    ++number;
  }

  std::vector<Bytes> pageImages;
  for (size_t i = 0; i < leaves.size(); ++i) {
    int16_t prev = i == 0 ? -1 : static_cast<int16_t>(i - 1);
    int16_t next = i + 1 == leaves.size() ? -1 : static_cast<int16_t>(i + 1);
    pageImages.push_back(PageBytes(leaves[i], true, layout.pageSize, prev, next));
  }

  // Build index levels until one page remains; each level's pages are
  // numbered after everything below them.
  std::vector<Page> level = leaves;
  size_t levelStart = 0;
  uint16_t levels = 1;
  while (level.size() > 1) {
    std::vector<Page> upper(1);
    for (size_t i = 0; i < level.size(); ++i) {
      uint16_t child = static_cast<uint16_t>(levelStart + i);
      Page* p = &upper.back();
      if (p->firstChild != 0xFFFF && p->body.size() + level[i].firstKey.size() + 2 > indexRoom) {
        upper.emplace_back();
        p = &upper.back();
      }
      if (p->firstChild == 0xFFFF) {
        p->firstChild = child;
        p->firstKey = level[i].firstKey;
        continue;
      }
      Append(p->body, level[i].firstKey);
      PutU16(p->body, child);
      ++p->count;
    }
    levelStart = pageImages.size();
    for (const Page& p : upper) pageImages.push_back(PageBytes(p, false, layout.pageSize, 0, 0));
    level = upper;
    ++levels;
    if (pageImages.size() > 0x7FFF) {
      error = "B+ tree too large";
      return false;
    }
  }

  Bytes& b = out.bytes;
  b.clear();
  PutU16(b, 0x293B);
  PutU16(b, layout.flags);
  PutU16(b, layout.pageSize);
  char structure[16] = {0};
  std::strncpy(structure, layout.structure.c_str(), sizeof structure - 1);
  b.insert(b.end(), structure, structure + 16);
  PutU16(b, 0);                                             // must be zero
  PutU16(b, 0);                                             // page splits
  PutU16(b, static_cast<uint16_t>(pageImages.size() - 1));  // root: the last page
  PutU16(b, 0xFFFF);
  PutU16(b, static_cast<uint16_t>(pageImages.size()));
  PutU16(b, levels);
  PutU32(b, static_cast<uint32_t>(entries.size()));
  for (const Bytes& p : pageImages) Append(b, p);
  out.levels = levels;
  out.pages = static_cast<uint16_t>(pageImages.size());
  return true;
}

}  // namespace hlp
