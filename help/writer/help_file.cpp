#include "help_file.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "btree.h"
#include "context_hash.h"
#include "topic_file.h"

namespace hlp {

namespace {

Bytes SystemFile(const HelpSource& src, uint32_t contentsOffset) {
  Bytes b;
  PutU16(b, 0x036C);
  PutU16(b, 33);  // minor: Windows 95 help
  PutU16(b, 1);   // major
  PutU32(b, 0);   // generation date: none, so builds are reproducible
  PutU16(b, 0);   // flags: uncompressed, 4 KiB topic blocks
  auto record = [&b](uint16_t type, const Bytes& data) {
    PutU16(b, type);
    PutU16(b, static_cast<uint16_t>(data.size()));
    Append(b, data);
  };
  Bytes title;
  PutStringZ(title, src.title);
  record(1, title);
  Bytes contents;
  PutU32(contents, contentsOffset);
  record(3, contents);
  Bytes lcid;
  PutU16(lcid, src.lcid);
  PutU16(lcid, 0);
  PutU16(lcid, 0);
  PutU16(lcid, 0);
  record(9, lcid);
  Bytes charset;
  PutU16(charset, src.charset);
  record(11, charset);
  return b;
}

Bytes FontFile() {
  const size_t faceLength = 32;
  Bytes b;
  PutU16(b, 1);  // face names
  PutU16(b, 3);  // descriptors
  PutU16(b, 8);
  PutU16(b, static_cast<uint16_t>(8 + faceLength));
  std::string face = "Arial";
  face.resize(faceLength, '\0');
  b.insert(b.end(), face.begin(), face.end());
  struct {
    uint8_t attributes, halfPoints;
  } fonts[] = {{0, 20}, {1, 20}, {1, 24}};  // body, bold, heading
  for (const auto& f : fonts) {
    PutU8(b, f.attributes);
    PutU8(b, f.halfPoints);
    PutU8(b, 3);                              // swiss family
    PutU16(b, 0);                             // face name index
    for (int i = 0; i < 6; ++i) PutU8(b, 0);  // black on the default background
  }
  return b;
}

bool ContextFile(const HelpSource& src, const BuiltTopics& topics, Bytes& out, std::string& error) {
  std::vector<std::pair<int32_t, uint32_t>> rows;
  for (size_t i = 0; i < src.topics.size(); ++i)
    rows.emplace_back(ContextHash(src.topics[i].name), topics.topicOffsets[i]);
  std::sort(rows.begin(), rows.end());
  std::vector<BtreeEntry> entries;
  for (const auto& r : rows) {
    BtreeEntry e;
    PutU32(e.key, static_cast<uint32_t>(r.first));
    PutU32(e.data, r.second);
    entries.push_back(e);
  }
  BuiltBtree tree;
  if (!BuildBtree({2048, 0x0002, "L4"}, entries, tree, error)) return false;
  out = tree.bytes;
  return true;
}

Bytes ContextMapFile(const HelpSource& src, const BuiltTopics& topics) {
  std::vector<std::pair<uint32_t, uint32_t>> rows;
  for (size_t i = 0; i < src.topics.size(); ++i)
    if (src.topics[i].hasNumber) rows.emplace_back(src.topics[i].number, topics.topicOffsets[i]);
  std::sort(rows.begin(), rows.end());
  Bytes b;
  PutU16(b, static_cast<uint16_t>(rows.size()));
  for (const auto& r : rows) {
    PutU32(b, r.first);
    PutU32(b, r.second);
  }
  return b;
}

bool TitleFile(const HelpSource& src, const BuiltTopics& topics, Bytes& out, std::string& error) {
  std::vector<BtreeEntry> entries;
  for (size_t i = 0; i < src.topics.size(); ++i) {  // topic offsets ascend in source order
    BtreeEntry e;
    PutU32(e.key, topics.topicOffsets[i]);
    PutStringZ(e.data, src.topics[i].title);
    entries.push_back(e);
  }
  BuiltBtree tree;
  if (!BuildBtree({2048, 0x0002, "Lz"}, entries, tree, error)) return false;
  out = tree.bytes;
  return true;
}

struct KeywordFiles {
  Bytes tree, data, map;
};

// The keyword index: one B+ tree entry per keyword (merged without regard
// to case, ordered the same way), the topic offsets of each in |KWDATA, and
// the first keyword number of every leaf page in |KWMAP.
bool BuildKeywordFiles(const HelpSource& src, const BuiltTopics& topics, KeywordFiles& out,
                       std::string& error) {
  std::map<std::string, std::pair<std::string, std::vector<uint32_t>>> words;
  for (size_t i = 0; i < src.topics.size(); ++i)
    for (const std::string& k : src.topics[i].keywords) {
      auto& w = words[FoldCase(k)];
      if (w.first.empty()) w.first = k;
      if (std::find(w.second.begin(), w.second.end(), topics.topicOffsets[i]) == w.second.end())
        w.second.push_back(topics.topicOffsets[i]);
    }
  std::vector<BtreeEntry> entries;
  out.data.clear();
  for (const auto& w : words) {
    BtreeEntry e;
    PutStringZ(e.key, w.second.first);
    PutU16(e.data, static_cast<uint16_t>(w.second.second.size()));
    PutU32(e.data, static_cast<uint32_t>(out.data.size()));
    for (uint32_t off : w.second.second) PutU32(out.data, off);
    entries.push_back(e);
  }
  BuiltBtree tree;
  if (!BuildBtree({2048, 0x0002, "F24"}, entries, tree, error)) return false;
  out.tree = tree.bytes;
  out.map.clear();
  for (const BtreeLeafInfo& leaf : tree.leaves) {
    PutU32(out.map, leaf.firstEntry);
    PutU16(out.map, leaf.page);
  }
  return true;
}

}  // namespace

bool BuildHelpFile(const HelpSource& src, Bytes& out, std::string& error) {
  BuiltTopics topics;
  if (!BuildTopicFile(src, topics, error)) return false;
  int contents = src.contents.empty() ? 0 : FindTopic(src, src.contents);
  if (contents < 0) return error = "unknown contents topic", false;

  std::map<std::string, Bytes> files;  // ordered by byte value, as the directory must be
  files["|SYSTEM"] = SystemFile(src, topics.topicOffsets[contents]);
  files["|FONT"] = FontFile();
  files["|TOPIC"] = topics.bytes;
  files["|CTXOMAP"] = ContextMapFile(src, topics);
  KeywordFiles kw;
  if (!ContextFile(src, topics, files["|CONTEXT"], error) ||
      !TitleFile(src, topics, files["|TTLBTREE"], error) ||
      !BuildKeywordFiles(src, topics, kw, error))
    return false;
  files["|KWBTREE"] = kw.tree;
  files["|KWDATA"] = kw.data;
  files["|KWMAP"] = kw.map;

  auto internalFile = [&out](const Bytes& data) {
    PutU32(out, static_cast<uint32_t>(data.size() + 9));  // reserved, header included
    PutU32(out, static_cast<uint32_t>(data.size()));
    PutU8(out, 4);
    Append(out, data);
  };
  out.clear();
  out.resize(16, 0);
  std::vector<BtreeEntry> directory;
  for (const auto& f : files) {
    BtreeEntry e;
    PutStringZ(e.key, f.first);
    PutU32(e.data, static_cast<uint32_t>(out.size()));
    directory.push_back(e);
    internalFile(f.second);
  }
  BuiltBtree dir;
  if (!BuildBtree({1024, 0x0402, "z4"}, directory, dir, error)) return false;
  uint32_t directoryStart = static_cast<uint32_t>(out.size());
  internalFile(dir.bytes);
  PatchU32(out, 0, kHelpMagic);
  PatchU32(out, 4, directoryStart);
  PatchU32(out, 8, 0xFFFFFFFF);  // no free list
  PatchU32(out, 12, static_cast<uint32_t>(out.size()));
  return true;
}

bool SaveFileAtomically(const std::string& path, const Bytes& data, std::string& error) {
  std::string temp = path + ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return error = "cannot create " + temp, false;
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = (std::fclose(f) == 0) && ok;
  if (ok && std::rename(temp.c_str(), path.c_str()) == 0) return true;
  std::remove(temp.c_str());
  error = "cannot write " + path;
  return false;
}

}  // namespace hlp
