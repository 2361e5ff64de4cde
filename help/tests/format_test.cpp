// Compressed integers, the context hash and B+ tree pages.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "btree.h"
#include "context_hash.h"
#include "hlp_reader.h"
#include "le_bytes.h"

using namespace hlp;

TEST(CompressedIntegers, ShortAndLongFormsAtTheirLimits) {
  Bytes b;
  ASSERT_TRUE(PutCompressedUShort(b, 5));
  EXPECT_EQ(b, (Bytes{10}));
  b.clear();
  ASSERT_TRUE(PutCompressedUShort(b, 200));  // 401 = 0x0191
  EXPECT_EQ(b, (Bytes{0x91, 0x01}));
  b.clear();
  EXPECT_FALSE(PutCompressedUShort(b, 0x8000));
  ASSERT_TRUE(PutCompressedShort(b, 6));
  EXPECT_EQ(b, (Bytes{0x8C}));
  b.clear();
  ASSERT_TRUE(PutCompressedLong(b, 0));
  EXPECT_EQ(b, (Bytes{0x00, 0x80}));
  b.clear();
  ASSERT_TRUE(PutCompressedLong(b, 20000));  // 2*(20000+2^30)+1
  EXPECT_EQ(b, (Bytes{0x41, 0x9C, 0x00, 0x80}));
}

TEST(CompressedIntegers, RoundTripAcrossTheRanges) {
  for (int32_t v : {0, 1, 63, 64, 127, 128, 16383, 16384, 100000, -1, -64, -65, -16384, -16385}) {
    Bytes b;
    if (v >= -16384 && v < 16384) {
      ASSERT_TRUE(PutCompressedShort(b, v)) << v;
      const uint8_t* p = b.data();
      EXPECT_EQ(GetCompressedShort(p), v);
      EXPECT_EQ(p, b.data() + b.size());
    }
    b.clear();
    ASSERT_TRUE(PutCompressedLong(b, v)) << v;
    const uint8_t* p = b.data();
    EXPECT_EQ(GetCompressedLong(p), v);
    EXPECT_EQ(p, b.data() + b.size());
  }
  for (uint32_t v : {0u, 127u, 128u, 32767u, 32768u, 5000000u}) {
    Bytes b;
    if (v < 32768) {
      ASSERT_TRUE(PutCompressedUShort(b, v));
      const uint8_t* p = b.data();
      EXPECT_EQ(GetCompressedUShort(p), v);
      EXPECT_EQ(b.size(), v < 128 ? 1u : 2u);
    }
    b.clear();
    ASSERT_TRUE(PutCompressedULong(b, v));
    const uint8_t* p = b.data();
    EXPECT_EQ(GetCompressedULong(p), v);
    EXPECT_EQ(b.size(), v < 32768 ? 2u : 4u);
  }
}

TEST(ContextHash, KnownNames) {
  EXPECT_EQ(ContextHash("a"), 17);
  EXPECT_EQ(ContextHash("Z"), 42);
  EXPECT_EQ(ContextHash("1"), 1);
  EXPECT_EQ(ContextHash("0"), 10);
  EXPECT_EQ(ContextHash("a.b_1"), 59107543);
  EXPECT_EQ(ContextHash("abcdefghij"), -1445823615);  // wraps modulo 2^32
  EXPECT_EQ(ContextHash("ctx_welcome"), -1087527988);
  EXPECT_EQ(ContextHash("Backup"), ContextHash("BACKUP"));
}

TEST(ContextHash, OnlyCoveredCharactersAreAccepted) {
  EXPECT_TRUE(IsHashableContextName("Restore_MS.DOS2"));
  EXPECT_FALSE(IsHashableContextName(""));
  EXPECT_FALSE(IsHashableContextName("undo-restore"));
  EXPECT_FALSE(IsHashableContextName("two words"));
  EXPECT_FALSE(IsHashableContextName("caf\xe9"));
}

namespace {

std::vector<BtreeEntry> StringEntries(int n) {
  std::vector<BtreeEntry> out;
  for (int i = 0; i < n; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "key%05d", i);
    BtreeEntry e;
    PutStringZ(e.key, key);
    PutU32(e.data, static_cast<uint32_t>(i * 7));
    out.push_back(e);
  }
  return out;
}

size_t ZSize(const uint8_t* p, bool leaf) { return hlptest::ZEntrySize(p, leaf, 4); }

}  // namespace

TEST(Btree, SinglePageHeaderAndLeaf) {
  BuiltBtree t;
  std::string err;
  ASSERT_TRUE(BuildBtree({1024, 0x0402, "z4"}, StringEntries(5), t, err));
  hlptest::Slice s{t.bytes.data(), t.bytes.size()};
  hlptest::BtreeInfo info = hlptest::ReadBtreeInfo(s);
  EXPECT_EQ(info.magic, 0x293B);
  EXPECT_EQ(info.flags, 0x0402);
  EXPECT_EQ(info.pageSize, 1024);
  EXPECT_EQ(info.structure, "z4");
  EXPECT_EQ(info.levels, 1);
  EXPECT_EQ(info.pages, 1);
  EXPECT_EQ(info.rootPage, 0);
  EXPECT_EQ(info.entries, 5u);
  EXPECT_EQ(t.bytes.size(), 38u + 1024u);
  EXPECT_EQ(hlptest::BtreeCheck(s, ZSize), "");
  // Leaf page: free bytes, count, no neighbours.
  const uint8_t* pg = t.bytes.data() + 38;
  EXPECT_EQ(GetU16(pg), 1024 - 8 - 5 * 13);
  EXPECT_EQ(GetU16(pg + 2), 5);
  EXPECT_EQ(GetU16(pg + 4), 0xFFFF);
  EXPECT_EQ(GetU16(pg + 6), 0xFFFF);
}

TEST(Btree, ManyEntriesMakeIndexLevelsThatFindEveryKey) {
  const int n = 3000;
  BuiltBtree t;
  std::string err;
  ASSERT_TRUE(BuildBtree({256, 0x0002, "z4"}, StringEntries(n), t, err)) << err;
  hlptest::Slice s{t.bytes.data(), t.bytes.size()};
  hlptest::BtreeInfo info = hlptest::ReadBtreeInfo(s);
  EXPECT_GE(info.levels, 3);
  EXPECT_EQ(info.entries, static_cast<uint32_t>(n));
  EXPECT_EQ(hlptest::BtreeCheck(s, ZSize), "");

  std::vector<const uint8_t*> leaves = hlptest::BtreeLeafEntries(s, ZSize);
  ASSERT_EQ(leaves.size(), static_cast<size_t>(n));
  for (size_t i = 1; i < leaves.size(); ++i)
    EXPECT_LT(std::string(reinterpret_cast<const char*>(leaves[i - 1])),
              std::string(reinterpret_cast<const char*>(leaves[i])));

  for (int i = 0; i < n; i += 37) {
    char key[16];
    std::snprintf(key, sizeof key, "key%05d", i);
    const uint8_t* e = hlptest::BtreeFind(s, ZSize, [&](const uint8_t* p) {
      return std::strcmp(reinterpret_cast<const char*>(p), key);
    });
    ASSERT_NE(e, nullptr) << key;
    EXPECT_EQ(GetU32(e + 9), static_cast<uint32_t>(i * 7));
  }
  const uint8_t* missing = hlptest::BtreeFind(s, ZSize, [](const uint8_t* p) {
    return std::strcmp(reinterpret_cast<const char*>(p), "key00010x");
  });
  EXPECT_EQ(missing, nullptr);

  // The leaf map records each leaf's first entry number.
  ASSERT_GT(t.leaves.size(), 1u);
  for (const BtreeLeafInfo& l : t.leaves) {
    const uint8_t* pg = t.bytes.data() + 38 + static_cast<size_t>(l.page) * 256;
    char key[16];
    std::snprintf(key, sizeof key, "key%05u", l.firstEntry);
    EXPECT_STREQ(reinterpret_cast<const char*>(pg + 8), key);
  }
}

TEST(Btree, EntryLargerThanAPageIsRefused) {
  BtreeEntry e;
  PutStringZ(e.key, std::string(300, 'x'));
  BuiltBtree t;
  std::string err;
  EXPECT_FALSE(BuildBtree({256, 0x0002, "z4"}, {e}, t, err));
  EXPECT_FALSE(err.empty());
}
