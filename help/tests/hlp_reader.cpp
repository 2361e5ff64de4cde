#include "hlp_reader.h"

#include <cstring>

namespace hlptest {

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
int16_t S16(const uint8_t* p) { return static_cast<int16_t>(U16(p)); }
uint32_t U32(const uint8_t* p) { return U16(p) | (static_cast<uint32_t>(U16(p + 2)) << 16); }

const uint8_t* Page(Slice tree, uint16_t n) {
  return tree.data + 38 + static_cast<size_t>(n) * U16(tree.data + 4);
}

}  // namespace

BtreeInfo ReadBtreeInfo(Slice t) {
  BtreeInfo i;
  i.magic = U16(t.data);
  i.flags = U16(t.data + 2);
  i.pageSize = U16(t.data + 4);
  i.structure.assign(reinterpret_cast<const char*>(t.data + 6),
                     strnlen(reinterpret_cast<const char*>(t.data + 6), 16));
  i.rootPage = U16(t.data + 26);
  i.pages = U16(t.data + 30);
  i.levels = U16(t.data + 32);
  i.entries = U32(t.data + 34);
  return i;
}

size_t ZEntrySize(const uint8_t* p, bool leaf, size_t leafData) {
  return std::strlen(reinterpret_cast<const char*>(p)) + 1 + (leaf ? leafData : 2);
}

size_t LongEntrySize(bool leaf, size_t leafData) { return 4 + (leaf ? leafData : 2); }

std::vector<const uint8_t*> BtreeLeafEntries(Slice t, const EntrySize& size) {
  BtreeInfo info = ReadBtreeInfo(t);
  uint16_t n = info.rootPage;
  for (int level = 1; level < info.levels; ++level) n = U16(Page(t, n) + 4);
  std::vector<const uint8_t*> out;
  for (int guard = 0; n != 0xFFFF && guard <= info.pages; ++guard) {
    const uint8_t* pg = Page(t, n);
    const uint8_t* p = pg + 8;
    for (int16_t i = 0; i < S16(pg + 2); ++i) {
      out.push_back(p);
      p += size(p, true);
    }
    n = U16(pg + 6);
  }
  return out;
}

const uint8_t* BtreeFind(Slice t, const EntrySize& size, const EntryCompare& compare) {
  BtreeInfo info = ReadBtreeInfo(t);
  uint16_t n = info.rootPage;
  for (int level = 1; level < info.levels; ++level) {
    const uint8_t* pg = Page(t, n);
    uint16_t next = U16(pg + 4);
    const uint8_t* p = pg + 6;
    for (int16_t i = 0; i < S16(pg + 2); ++i) {
      if (compare(p) > 0) break;
      size_t sz = size(p, false);
      next = U16(p + sz - 2);
      p += sz;
    }
    n = next;
  }
  const uint8_t* pg = Page(t, n);
  const uint8_t* p = pg + 8;
  for (int16_t i = 0; i < S16(pg + 2); ++i) {
    int c = compare(p);
    if (c == 0) return p;
    if (c > 0) return nullptr;
    p += size(p, true);
  }
  return nullptr;
}

std::string BtreeCheck(Slice t, const EntrySize& size) {
  BtreeInfo info = ReadBtreeInfo(t);
  if (info.magic != 0x293B) return "bad magic";
  if (38 + static_cast<size_t>(info.pages) * info.pageSize > t.size) return "pages beyond the file";
  if (info.rootPage >= info.pages) return "root out of range";
  // Leaves are the pages reached from the leftmost one; check their links.
  uint16_t n = info.rootPage;
  for (int level = 1; level < info.levels; ++level) n = U16(Page(t, n) + 4);
  uint16_t prev = 0xFFFF;
  uint32_t count = 0;
  for (int guard = 0; n != 0xFFFF; ++guard) {
    if (guard > info.pages || n >= info.pages) return "leaf chain broken";
    const uint8_t* pg = Page(t, n);
    if (U16(pg + 4) != prev) return "leaf back link wrong";
    size_t used = 8;
    for (int16_t i = 0; i < S16(pg + 2); ++i) used += size(pg + used, true);
    if (used > info.pageSize || U16(pg) != info.pageSize - used)
      return "leaf free-byte count wrong";
    count += static_cast<uint32_t>(S16(pg + 2));
    prev = n;
    n = U16(pg + 6);
  }
  if (count != info.entries) return "entry count differs from the header";
  return "";
}

std::string HelpReader::Load(const std::vector<uint8_t>& file) {
  file_ = file;
  if (file_.size() < 16) return "too short";
  if (U32(&file_[0]) != 0x00035F3F) return "bad magic";
  if (U32(&file_[12]) != file_.size()) return "file size field differs from the file";
  uint32_t dir = U32(&file_[4]);
  if (dir + 9 > file_.size()) return "directory beyond the file";
  uint32_t reserved = U32(&file_[dir]), used = U32(&file_[dir + 4]);
  if (reserved < used + 9 || dir + reserved > file_.size()) return "directory header wrong";
  directory_ = {&file_[dir + 9], used};
  auto size = [](const uint8_t* p, bool leaf) { return ZEntrySize(p, leaf, 4); };
  std::string e = BtreeCheck(directory_, size);
  if (!e.empty()) return "directory: " + e;
  std::string last;
  for (const uint8_t* p : BtreeLeafEntries(directory_, size)) {
    std::string name = reinterpret_cast<const char*>(p);
    if (!last.empty() && !(last < name)) return "directory not in byte order";
    last = name;
    uint32_t at = U32(p + name.size() + 1);
    if (at + 9 > file_.size()) return name + " beyond the file";
    uint32_t r = U32(&file_[at]), u = U32(&file_[at + 4]);
    if (r < u + 9 || at + r > file_.size()) return name + ": reserved size below used + 9";
  }
  return "";
}

bool HelpReader::Find(const std::string& name, Slice& out) const {
  auto size = [](const uint8_t* p, bool leaf) { return ZEntrySize(p, leaf, 4); };
  const uint8_t* e = BtreeFind(directory_, size, [&](const uint8_t* p) {
    return std::strcmp(reinterpret_cast<const char*>(p), name.c_str());
  });
  if (!e) return false;
  uint32_t at = U32(e + name.size() + 1);
  out = {&file_[at + 9], U32(&file_[at + 4])};
  return true;
}

uint32_t HelpReader::FileOffset(const std::string& name) const {
  Slice s;
  return Find(name, s) ? static_cast<uint32_t>(s.data - file_.data() - 9) : 0;
}

std::vector<std::string> HelpReader::Names() const {
  std::vector<std::string> out;
  auto size = [](const uint8_t* p, bool leaf) { return ZEntrySize(p, leaf, 4); };
  for (const uint8_t* p : BtreeLeafEntries(directory_, size))
    out.push_back(reinterpret_cast<const char*>(p));
  return out;
}

std::map<uint16_t, std::vector<uint8_t>> HelpReader::SystemRecords(uint16_t& minor,
                                                                   uint16_t& flags) const {
  std::map<uint16_t, std::vector<uint8_t>> out;
  Slice s;
  if (!Find("|SYSTEM", s) || s.size < 12) return out;
  minor = U16(s.data + 2);
  flags = U16(s.data + 10);
  for (size_t at = 12; at + 4 <= s.size;) {
    uint16_t type = U16(s.data + at), len = U16(s.data + at + 2);
    out[type].assign(s.data + at + 4, s.data + at + 4 + len);
    at += 4 + len;
  }
  return out;
}

namespace {

uint32_t CUShort(const uint8_t*& p) {
  if (*p & 1) {
    uint32_t v = U16(p) / 2;
    p += 2;
    return v;
  }
  return *p++ / 2u;
}
void SkipCLong(const uint8_t*& p) { p += (*p & 1) ? 4 : 2; }
void SkipCShort(const uint8_t*& p) { p += (*p & 1) ? 2 : 1; }

Paragraph ReadParagraph(const uint8_t* rec, uint32_t& chars) {
  Paragraph out;
  uint32_t len1 = U32(rec + 16), len2 = U32(rec + 4);
  const uint8_t* f = rec + 21;
  const uint8_t* fend = rec + len1;
  const char* t = reinterpret_cast<const char*>(rec + len1);
  const char* tend = t + len2;
  SkipCLong(f);
  chars = CUShort(f);
  f += 4;
  uint16_t bits = U16(f);
  f += 2;
  if (bits & 0x0001) SkipCLong(f);
  for (uint16_t b = 0x0002; b <= 0x0040; b <<= 1)
    if (bits & b) SkipCShort(f);
  while (t < tend && f < fend) {
    out.text += t;
    t += std::strlen(t) + 1;
    uint8_t c = *f;
    if (c == 0xFF) break;
    if (c == 0x80) {
      out.fonts.push_back(U16(f + 1));
      f += 3;
    } else if (c == 0xE3) {
      out.jumps.push_back(static_cast<int32_t>(U32(f + 1)));
      f += 5;
    } else if (c == 0x82) {
      out.text += '\n';
      f += 1;
    } else
      f += 1;
  }
  return out;
}

}  // namespace

std::string HelpReader::WalkTopics(std::vector<TopicSeen>& topics,
                                   std::vector<RecordSeen>& records) const {
  Slice s;
  if (!Find("|TOPIC", s)) return "no |TOPIC";
  uint32_t pos = 12;
  uint32_t lastBlock = 0xFFFFFFFF, chars = 0;
  for (int guard = 0; pos != 0xFFFFFFFF; ++guard) {
    if (guard > 100000) return "record chain does not end";
    uint32_t block = (pos - 12) >> 14, off = (pos - 12) & 0x3FFF;
    if (off + 21 > 4084) return "record header crosses a block";
    size_t at = static_cast<size_t>(block) * 4096 + 12 + off;
    if (at + 21 > s.size) return "record beyond |TOPIC";
    const uint8_t* rec = s.data + at;
    uint32_t size = U32(rec);
    if (off + size > 4084) return "record crosses a block";
    if (block != lastBlock) {
      chars = 0;
      lastBlock = block;
    }
    records.push_back({pos, size, rec[20]});
    if (rec[20] == 2) {
      if (U32(rec + 4) != 0) {
        TopicSeen t;
        t.title.assign(reinterpret_cast<const char*>(rec + U32(rec + 16)));
        t.pos = pos;
        t.offset = (block << 15) + chars;
        topics.push_back(t);
      }
    } else if (rec[20] == 0x20) {
      if (topics.empty()) return "text before the first topic";
      uint32_t n = 0;
      topics.back().paragraphs.push_back(ReadParagraph(rec, n));
      chars += n;
    } else {
      return "unknown record type";
    }
    pos = U32(rec + 12);
  }
  return "";
}

}  // namespace hlptest
