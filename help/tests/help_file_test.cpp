// Whole help files read back by our own reader: directory, |SYSTEM, topic
// blocks and positions, context lookups, titles and the keyword index.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "compile.h"
#include "context_hash.h"
#include "help_file.h"
#include "help_source.h"
#include "hlp_reader.h"
#include "le_bytes.h"
#include "setup_contexts.h"
#include "topic_file.h"

using namespace hlp;

namespace {

const char kSample[] =
    "title: Sample Help\n"
    "contents: second\n"
    "lcid: 0x0407\n"
    "= first 7: First Topic\n"
    "keywords: Alpha; beta\n"
    "Plain text, **bold** and a [jump](second).\n"
    "\n"
    "= second 3: Second Topic\n"
    "keywords: alpha; Gamma\n"
    "Back to [the first](FIRST).\n"
    "= third: Third Topic\n"
    "No number here.\n";

HelpSource Parse(const std::string& text) {
  HelpSource src;
  SourceError err;
  EXPECT_TRUE(ParseHelpSource(text, src, err)) << err.line << ": " << err.message;
  return src;
}

Bytes Build(const HelpSource& src) {
  Bytes out;
  std::string err;
  EXPECT_TRUE(BuildHelpFile(src, out, err)) << err;
  return out;
}

size_t CtxSize(const uint8_t*, bool leaf) { return hlptest::LongEntrySize(leaf, 4); }

uint32_t ContextOffset(const hlptest::HelpReader& r, const std::string& name, bool& found) {
  hlptest::Slice s;
  found = false;
  if (!r.Find("|CONTEXT", s)) return 0;
  int32_t h = ContextHash(name);
  const uint8_t* e = hlptest::BtreeFind(s, CtxSize, [h](const uint8_t* p) {
    int32_t k = static_cast<int32_t>(GetU32(p));
    return k < h ? -1 : (k > h ? 1 : 0);
  });
  if (!e) return 0;
  found = true;
  return GetU32(e + 4);
}

// A source written by our writer and read back by our reader, its topic
// chain walked.
struct ReadBack {
  HelpSource src;
  Bytes file;
  hlptest::HelpReader r;
  std::vector<hlptest::TopicSeen> topics;
  std::vector<hlptest::RecordSeen> records;
};

void WriteAndRead(const std::string& text, ReadBack& b) {
  b.src = Parse(text);
  b.file = Build(b.src);
  ASSERT_EQ(b.r.Load(b.file), "");
  ASSERT_EQ(b.r.WalkTopics(b.topics, b.records), "");  // fails on a record crossing a block
}

std::string ShippedSource(const std::string& name) {
  std::ifstream in(std::string(HVT_HELP_SOURCES) + "/" + name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(HelpFile, DirectoryHoldsEveryInternalFileInByteOrder) {
  Bytes file = Build(Parse(kSample));
  hlptest::HelpReader r;
  ASSERT_EQ(r.Load(file), "");
  std::vector<std::string> expected = {"|CONTEXT", "|CTXOMAP", "|FONT",  "|KWBTREE", "|KWDATA",
                                       "|KWMAP",   "|SYSTEM",  "|TOPIC", "|TTLBTREE"};
  EXPECT_EQ(r.Names(), expected);
  EXPECT_EQ(GetU32(file.data()), kHelpMagic);
  EXPECT_EQ(GetU32(file.data() + 8), 0xFFFFFFFFu);
  hlptest::Slice dir{file.data() + GetU32(file.data() + 4) + 9, 0};
  hlptest::BtreeInfo info = hlptest::ReadBtreeInfo(dir);
  EXPECT_EQ(info.flags, 0x0402);
  EXPECT_EQ(info.pageSize, 1024);
  EXPECT_EQ(info.structure, "z4");
}

TEST(HelpFile, SystemRecordsGiveTitleContentsLcidAndCharset) {
  HelpSource src = Parse(kSample);
  Bytes file = Build(src);
  hlptest::HelpReader r;
  ASSERT_EQ(r.Load(file), "");
  uint16_t minor = 0, flags = 99;
  auto rec = r.SystemRecords(minor, flags);
  EXPECT_EQ(minor, 33);
  EXPECT_EQ(flags, 0);
  ASSERT_TRUE(rec.count(1));
  EXPECT_STREQ(reinterpret_cast<const char*>(rec[1].data()), "Sample Help");
  ASSERT_EQ(rec[3].size(), 4u);
  bool found = false;
  EXPECT_EQ(GetU32(rec[3].data()), ContextOffset(r, "second", found));
  EXPECT_TRUE(found);
  ASSERT_EQ(rec[9].size(), 8u);
  EXPECT_EQ(GetU16(rec[9].data()), 0x0407);
  ASSERT_EQ(rec[11].size(), 2u);
  EXPECT_EQ(rec[11][0], 0);
}

TEST(HelpFile, TopicsWalkInOrderAndContextsPointAtTheirHeaders) {
  ReadBack b;
  ASSERT_NO_FATAL_FAILURE(WriteAndRead(kSample, b));
  const HelpSource& src = b.src;
  hlptest::HelpReader& r = b.r;
  const std::vector<hlptest::TopicSeen>& topics = b.topics;
  const std::vector<hlptest::RecordSeen>& records = b.records;
  ASSERT_EQ(topics.size(), 3u);
  EXPECT_EQ(topics[0].title, "First Topic");
  EXPECT_EQ(topics[2].title, "Third Topic");
  for (size_t i = 0; i < topics.size(); ++i) {
    bool found = false;
    EXPECT_EQ(ContextOffset(r, src.topics[i].name, found), topics[i].offset) << i;
    EXPECT_TRUE(found);
    ASSERT_FALSE(topics[i].paragraphs.empty());
    EXPECT_EQ(topics[i].paragraphs[0].text, src.topics[i].title + "\n");  // heading first
    EXPECT_EQ(topics[i].paragraphs[0].fonts.front(), kFontHeading);
  }
  const hlptest::Paragraph& p = topics[0].paragraphs[1];
  EXPECT_EQ(p.text, "Plain text, bold and a jump.\n");
  EXPECT_EQ(p.fonts, (std::vector<uint16_t>{kFontBody, kFontBold, kFontBody}));
  ASSERT_EQ(p.jumps.size(), 1u);
  EXPECT_EQ(p.jumps[0], ContextHash("second"));
  EXPECT_EQ(topics[1].paragraphs[1].jumps[0], ContextHash("first"));
  EXPECT_EQ(records.back().type, 2);  // the chain ends with an empty header
}

TEST(HelpFile, ContextNumbersMapToTheirTopics) {
  HelpSource src = Parse(kSample);
  Bytes file = Build(src);
  hlptest::HelpReader r;
  ASSERT_EQ(r.Load(file), "");
  hlptest::Slice m;
  ASSERT_TRUE(r.Find("|CTXOMAP", m));
  ASSERT_EQ(GetU16(m.data), 2);
  ASSERT_EQ(m.size, 2u + 2 * 8);
  bool found = false;
  EXPECT_EQ(GetU32(m.data + 2), 3u);
  EXPECT_EQ(GetU32(m.data + 6), ContextOffset(r, "second", found));
  EXPECT_EQ(GetU32(m.data + 10), 7u);
  EXPECT_EQ(GetU32(m.data + 14), ContextOffset(r, "first", found));
}

TEST(HelpFile, TitleTreeAndKeywordIndex) {
  ReadBack b;
  ASSERT_NO_FATAL_FAILURE(WriteAndRead(kSample, b));
  hlptest::HelpReader& r = b.r;
  const std::vector<hlptest::TopicSeen>& topics = b.topics;

  hlptest::Slice t;
  ASSERT_TRUE(r.Find("|TTLBTREE", t));
  EXPECT_EQ(hlptest::ReadBtreeInfo(t).structure, "Lz");
  auto ttlSize = [](const uint8_t* p, bool leaf) {
    return leaf ? 4 + std::strlen(reinterpret_cast<const char*>(p + 4)) + 1 : 6;
  };
  EXPECT_EQ(hlptest::BtreeCheck(t, ttlSize), "");
  auto titles = hlptest::BtreeLeafEntries(t, ttlSize);
  ASSERT_EQ(titles.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(GetU32(titles[i]), topics[i].offset);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(titles[i] + 4)), topics[i].title);
  }

  hlptest::Slice kw, data, map;
  ASSERT_TRUE(r.Find("|KWBTREE", kw));
  ASSERT_TRUE(r.Find("|KWDATA", data));
  ASSERT_TRUE(r.Find("|KWMAP", map));
  auto kwSize = [](const uint8_t* p, bool leaf) { return hlptest::ZEntrySize(p, leaf, 6); };
  EXPECT_EQ(hlptest::BtreeCheck(kw, kwSize), "");
  auto words = hlptest::BtreeLeafEntries(kw, kwSize);
  ASSERT_EQ(words.size(), 3u);  // Alpha merged with alpha
  std::vector<std::string> names;
  for (const uint8_t* w : words) names.push_back(reinterpret_cast<const char*>(w));
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "Gamma"}));
  const uint8_t* alpha = words[0] + 6;
  ASSERT_EQ(GetU16(alpha), 2);
  uint32_t at = GetU32(alpha + 2);
  EXPECT_EQ(GetU32(data.data + at), topics[0].offset);
  EXPECT_EQ(GetU32(data.data + at + 4), topics[1].offset);
  EXPECT_EQ(data.size, 4u * 4);
  ASSERT_EQ(map.size, 6u);
  EXPECT_EQ(GetU32(map.data), 0u);
  EXPECT_EQ(GetU16(map.data + 4), 0);
}

TEST(HelpFile, LongTopicsSpreadOverBlocksWithoutCrossingThem) {
  std::string text = "title: Big\n";
  for (int t = 0; t < 12; ++t) {
    text += "= topic" + std::to_string(t) + " " + std::to_string(100 + t) + ": Topic " +
            std::to_string(t) + "\n";
    for (int p = 0; p < 6; ++p) text += std::string(300, static_cast<char>('a' + p)) + "\n\n";
  }
  ReadBack b;
  ASSERT_NO_FATAL_FAILURE(WriteAndRead(text, b));
  const HelpSource& src = b.src;
  hlptest::HelpReader& r = b.r;
  const std::vector<hlptest::TopicSeen>& topics = b.topics;
  const std::vector<hlptest::RecordSeen>& records = b.records;
  ASSERT_EQ(topics.size(), 12u);

  hlptest::Slice topic;
  ASSERT_TRUE(r.Find("|TOPIC", topic));
  ASSERT_EQ(topic.size % kTopicBlockSize, 0u);
  uint32_t blocks = static_cast<uint32_t>(topic.size / kTopicBlockSize);
  EXPECT_GE(blocks, 5u);
  // Each block header names the first record in it and the last one before it.
  size_t i = 0;
  for (uint32_t b = 0; b < blocks; ++b) {
    const uint8_t* h = topic.data + b * kTopicBlockSize;
    while (i < records.size() && ((records[i].pos - 12) >> 14) < b) ++i;
    ASSERT_LT(i, records.size());
    EXPECT_EQ(GetU32(h + 4), records[i].pos) << b;
    EXPECT_EQ(GetU32(h), i == 0 ? 0xFFFFFFFFu : records[i - 1].pos) << b;
    EXPECT_EQ(records[i].pos, TopicPos(b, (records[i].pos - 12) & 0x3FFF));
  }
  for (size_t t = 0; t < topics.size(); ++t) {
    bool found = false;
    EXPECT_EQ(ContextOffset(r, src.topics[t].name, found), topics[t].offset);
    EXPECT_TRUE(found);
    EXPECT_EQ(topics[t].paragraphs.size(), 7u);
  }
  // Topics in later blocks carry the block number in their offsets.
  EXPECT_GT(topics.back().offset >> 15, 0u);
}

TEST(HelpFile, ShippedSourcesBuildAndMapEveryNumber) {
  for (const char* name : {"kelvane.hsrc", "install.hsrc"}) {
    std::string text = ShippedSource(name);
    ASSERT_FALSE(text.empty()) << name;
    ReadBack b;
    ASSERT_NO_FATAL_FAILURE(WriteAndRead(text, b)) << name;
    const HelpSource& src = b.src;
    hlptest::HelpReader& r = b.r;
    hlptest::Slice m;
    ASSERT_TRUE(r.Find("|CTXOMAP", m));
    size_t numbered = 0;
    for (const Topic& t : src.topics) numbered += t.hasNumber;
    EXPECT_EQ(GetU16(m.data), numbered) << name;
  }
}

TEST(HelpFile, InstallHelpMapsEveryContextSetupAsksFor) {
  std::string text = ShippedSource("install.hsrc");
  ASSERT_FALSE(text.empty());
  ReadBack b;
  ASSERT_NO_FATAL_FAILURE(WriteAndRead(text, b));
  hlptest::HelpReader& r = b.r;
  const std::vector<hlptest::TopicSeen>& topics = b.topics;
  hlptest::Slice m;
  ASSERT_TRUE(r.Find("|CTXOMAP", m));
  for (uint32_t n : hlptest::kSetupContexts) {
    bool mapped = false;
    for (uint16_t i = 0; i < GetU16(m.data); ++i) {
      if (GetU32(m.data + 2 + 8 * i) != n) continue;
      uint32_t offset = GetU32(m.data + 6 + 8 * i);
      for (const hlptest::TopicSeen& t : topics) mapped = mapped || t.offset == offset;
    }
    EXPECT_TRUE(mapped) << "help context " << n << " has no topic in install.hlp";
  }
}
