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

Bytes systemFile(const HelpSource& src, uint32_t contentsOffset) {
  Bytes b;
  putU16(b, 0x036C);
  putU16(b, 33);  // minor: Windows 95 help
  putU16(b, 1);   // major
  putU32(b, 0);   // generation date: none, so builds are reproducible
  putU16(b, 0);   // flags: uncompressed, 4 KiB topic blocks
  auto record = [&b](uint16_t type, const Bytes& data) {
    putU16(b, type);
    putU16(b, static_cast<uint16_t>(data.size()));
    append(b, data);
  };
  Bytes title;
  putStringZ(title, src.title);
  record(1, title);
  Bytes contents;
  putU32(contents, contentsOffset);
  record(3, contents);
  Bytes lcid;
  putU16(lcid, src.lcid);
  putU16(lcid, 0);
  putU16(lcid, 0);
  putU16(lcid, 0);
  record(9, lcid);
  Bytes charset;
  putU16(charset, src.charset);
  record(11, charset);
  return b;
}

Bytes fontFile() {
  const size_t faceLength = 32;
  Bytes b;
  putU16(b, 1);  // face names
  putU16(b, 3);  // descriptors
  putU16(b, 8);
  putU16(b, static_cast<uint16_t>(8 + faceLength));
  std::string face = "Arial";
  face.resize(faceLength, '\0');
  b.insert(b.end(), face.begin(), face.end());
  struct {
    uint8_t attributes, halfPoints;
  } fonts[] = {{0, 20}, {1, 20}, {1, 24}};  // body, bold, heading
  for (const auto& f : fonts) {
    putU8(b, f.attributes);
    putU8(b, f.halfPoints);
    putU8(b, 3);                              // swiss family
    putU16(b, 0);                             // face name index
    for (int i = 0; i < 6; ++i) putU8(b, 0);  // black on the default background
  }
  return b;
}

bool contextFile(const HelpSource& src, const BuiltTopics& topics, Bytes& out, std::string& error) {
  std::vector<std::pair<int32_t, uint32_t>> rows;
  for (size_t i = 0; i < src.topics.size(); ++i)
    rows.emplace_back(contextHash(src.topics[i].name), topics.topicOffsets[i]);
  std::sort(rows.begin(), rows.end());
  std::vector<BtreeEntry> entries;
  for (const auto& r : rows) {
    BtreeEntry e;
    putU32(e.key, static_cast<uint32_t>(r.first));
    putU32(e.data, r.second);
    entries.push_back(e);
  }
  BuiltBtree tree;
  if (!buildBtree({2048, 0x0002, "L4"}, entries, tree, error)) return false;
  out = tree.bytes;
  return true;
}

Bytes contextMapFile(const HelpSource& src, const BuiltTopics& topics) {
  std::vector<std::pair<uint32_t, uint32_t>> rows;
  for (size_t i = 0; i < src.topics.size(); ++i)
    if (src.topics[i].hasNumber) rows.emplace_back(src.topics[i].number, topics.topicOffsets[i]);
  std::sort(rows.begin(), rows.end());
  Bytes b;
  putU16(b, static_cast<uint16_t>(rows.size()));
  for (const auto& r : rows) {
    putU32(b, r.first);
    putU32(b, r.second);
  }
  return b;
}

bool titleFile(const HelpSource& src, const BuiltTopics& topics, Bytes& out, std::string& error) {
  std::vector<BtreeEntry> entries;
  for (size_t i = 0; i < src.topics.size(); ++i) {  // topic offsets ascend in source order
    BtreeEntry e;
    putU32(e.key, topics.topicOffsets[i]);
    putStringZ(e.data, src.topics[i].title);
    entries.push_back(e);
  }
  BuiltBtree tree;
  if (!buildBtree({2048, 0x0002, "Lz"}, entries, tree, error)) return false;
  out = tree.bytes;
  return true;
}

struct KeywordFiles {
  Bytes tree, data, map;
};

// The keyword index: one B+ tree entry per keyword (merged without regard
// to case, ordered the same way), the topic offsets of each in |KWDATA, and
// the first keyword number of every leaf page in |KWMAP.
bool keywordFiles(const HelpSource& src, const BuiltTopics& topics, KeywordFiles& out,
                  std::string& error) {
  std::map<std::string, std::pair<std::string, std::vector<uint32_t>>> words;
  for (size_t i = 0; i < src.topics.size(); ++i)
    for (const std::string& k : src.topics[i].keywords) {
      auto& w = words[foldCase(k)];
      if (w.first.empty()) w.first = k;
      if (std::find(w.second.begin(), w.second.end(), topics.topicOffsets[i]) == w.second.end())
        w.second.push_back(topics.topicOffsets[i]);
    }
  std::vector<BtreeEntry> entries;
  out.data.clear();
  for (const auto& w : words) {
    BtreeEntry e;
    putStringZ(e.key, w.second.first);
    putU16(e.data, static_cast<uint16_t>(w.second.second.size()));
    putU32(e.data, static_cast<uint32_t>(out.data.size()));
    for (uint32_t off : w.second.second) putU32(out.data, off);
    entries.push_back(e);
  }
  BuiltBtree tree;
  if (!buildBtree({2048, 0x0002, "F24"}, entries, tree, error)) return false;
  out.tree = tree.bytes;
  out.map.clear();
  for (const BtreeLeafInfo& leaf : tree.leaves) {
    putU32(out.map, leaf.firstEntry);
    putU16(out.map, leaf.page);
  }
  return true;
}

}  // namespace

bool buildHelpFile(const HelpSource& src, Bytes& out, std::string& error) {
  BuiltTopics topics;
  if (!buildTopicFile(src, topics, error)) return false;
  int contents = src.contents.empty() ? 0 : findTopic(src, src.contents);
  if (contents < 0) return error = "unknown contents topic", false;

  std::map<std::string, Bytes> files;  // ordered by byte value, as the directory must be
  files["|SYSTEM"] = systemFile(src, topics.topicOffsets[contents]);
  files["|FONT"] = fontFile();
  files["|TOPIC"] = topics.bytes;
  files["|CTXOMAP"] = contextMapFile(src, topics);
  KeywordFiles kw;
  if (!contextFile(src, topics, files["|CONTEXT"], error) ||
      !titleFile(src, topics, files["|TTLBTREE"], error) || !keywordFiles(src, topics, kw, error))
    return false;
  files["|KWBTREE"] = kw.tree;
  files["|KWDATA"] = kw.data;
  files["|KWMAP"] = kw.map;

  auto internalFile = [&out](const Bytes& data) {
    putU32(out, static_cast<uint32_t>(data.size() + 9));  // reserved, header included
    putU32(out, static_cast<uint32_t>(data.size()));
    putU8(out, 4);
    append(out, data);
  };
  out.clear();
  out.resize(16, 0);
  std::vector<BtreeEntry> directory;
  for (const auto& f : files) {
    BtreeEntry e;
    putStringZ(e.key, f.first);
    putU32(e.data, static_cast<uint32_t>(out.size()));
    directory.push_back(e);
    internalFile(f.second);
  }
  BuiltBtree dir;
  if (!buildBtree({1024, 0x0402, "z4"}, directory, dir, error)) return false;
  uint32_t directoryStart = static_cast<uint32_t>(out.size());
  internalFile(dir.bytes);
  patchU32(out, 0, kHelpMagic);
  patchU32(out, 4, directoryStart);
  patchU32(out, 8, 0xFFFFFFFF);  // no free list
  patchU32(out, 12, static_cast<uint32_t>(out.size()));
  return true;
}

bool saveFileAtomically(const std::string& path, const Bytes& data, std::string& error) {
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
