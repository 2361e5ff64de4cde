#include "base/setup_string.h"

#include "base/setup_heap.h"
#include "test_heap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(SetupStringTest, NewStringShowsTheSharedEmptyText) {
  SetupString a, b;
  EXPECT_EQ(a.Text(), SetupString::SharedEmpty());
  EXPECT_EQ(b.Text(), a.Text());
  EXPECT_EQ(a.Length(), 0);
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_STREQ(a.Text(), "");
}

TEST(SetupStringTest, FreeingAnEmptyStringNeverFreesTheSharedText) {
  TestHeap heap;
  {
    SetupString s;
    s.Free();
    ASSERT_TRUE(s.Assign(""));
    EXPECT_EQ(s.Text(), SetupString::SharedEmpty());
    s.Free();
  }
  EXPECT_FALSE(heap.WasFreed(SetupString::SharedEmpty()));
  EXPECT_STREQ(SetupString::SharedEmpty(), "");
}

TEST(SetupStringTest, AssignOwnsACopyAndFreesTheOldOne) {
  TestHeap heap;
  char source[] = "first";
  {
    SetupString s;
    ASSERT_TRUE(s.Assign(source));
    EXPECT_NE(s.Text(), source);
    source[0] = 'X';
    EXPECT_STREQ(s.Text(), "first");
    EXPECT_EQ(s.Length(), 5);
    const char* old = s.Text();
    ASSERT_TRUE(s.Assign("second text"));
    EXPECT_TRUE(heap.WasFreed(old));
    EXPECT_STREQ(s.Text(), "second text");
    EXPECT_EQ(s.Length(), 11);
    EXPECT_EQ(heap.LiveBlocks(), 1);
    ASSERT_TRUE(s.Assign(nullptr));
    EXPECT_EQ(s.Text(), SetupString::SharedEmpty());
    EXPECT_EQ(heap.LiveBlocks(), 0);
  }
}

TEST(SetupStringTest, AssignWhenMemoryRunsOutKeepsTheOldText) {
  TestHeap heap;
  SetupString s;
  ASSERT_TRUE(s.Assign("kept"));
  const char* before = s.Text();
  heap.RunDry(true);
  EXPECT_FALSE(s.Assign("replacement"));
  EXPECT_EQ(heap.FailedAllocations(), 1);
  EXPECT_EQ(s.Text(), before);
  EXPECT_STREQ(s.Text(), "kept");
  EXPECT_EQ(s.Length(), 4);
  EXPECT_FALSE(heap.WasFreed(before));
}

TEST(SetupStringTest, EveryAllocatingOperationKeepsTheStringWhenMemoryRunsOut) {
  TestHeap heap;
  SetupString s("abc");
  heap.RunDry(true);
  EXPECT_FALSE(s.Format("%d-%s", 12, "x"));
  EXPECT_FALSE(s.Append("def"));
  EXPECT_FALSE(s.Reserve(10));
  EXPECT_EQ(heap.FailedAllocations(), 3);
  EXPECT_STREQ(s.Text(), "abc");
  EXPECT_EQ(s.Length(), 3);
  SetupString empty;
  EXPECT_FALSE(empty.Assign("x"));
  EXPECT_EQ(empty.Text(), SetupString::SharedEmpty());
  heap.RunDry(false);
}

TEST(SetupStringTest, ConstructingWhenMemoryRunsOutGivesTheEmptyString) {
  TestHeap heap;
  heap.RunDry(true);
  SetupString s("text");
  EXPECT_EQ(s.Text(), SetupString::SharedEmpty());
  EXPECT_EQ(s.Length(), 0);
}

TEST(SetupStringTest, FormatBuildsTheTextOfAnyLength) {
  SetupString s;
  ASSERT_TRUE(s.Format("Copying %s (%d of %d)", "KELVANE.EXE", 3, 7));
  EXPECT_STREQ(s.Text(), "Copying KELVANE.EXE (3 of 7)");
  EXPECT_EQ(s.Length(), 28);
  std::string wide(5000, 'w');
  ASSERT_TRUE(s.Format("<%s>", wide.c_str()));
  EXPECT_EQ(s.Length(), 5002);
  EXPECT_EQ(std::string(s.Text()), "<" + wide + ">");
}

TEST(SetupStringTest, FormatMayUseTheStringsOwnText) {
  SetupString s("inner");
  ASSERT_TRUE(s.Format("[%s|%s]", s.Text(), s.Text()));
  EXPECT_STREQ(s.Text(), "[inner|inner]");
}

TEST(SetupStringTest, FormatToNothingGivesTheEmptyString) {
  TestHeap heap;
  SetupString s("old");
  ASSERT_TRUE(s.Format("%s", ""));
  EXPECT_EQ(s.Text(), SetupString::SharedEmpty());
  EXPECT_EQ(heap.LiveBlocks(), 0);
}

TEST(SetupStringTest, AppendJoinsTexts) {
  SetupString s;
  ASSERT_TRUE(s.Append("C:\\"));
  ASSERT_TRUE(s.Append("HAVENTIDE"));
  ASSERT_TRUE(s.Append(""));
  ASSERT_TRUE(s.Append(nullptr));
  EXPECT_STREQ(s.Text(), "C:\\HAVENTIDE");
  EXPECT_EQ(s.Length(), 12);
  ASSERT_TRUE(s.Append(s.Text()));
  EXPECT_STREQ(s.Text(), "C:\\HAVENTIDEC:\\HAVENTIDE");
}

TEST(SetupStringTest, ReserveGivesRoomAndDiscardsTheContent) {
  SetupString s("content");
  ASSERT_TRUE(s.Reserve(16));
  EXPECT_STREQ(s.Text(), "");
  EXPECT_EQ(s.Length(), 0);
  ASSERT_NE(s.Buffer(), nullptr);
  EXPECT_NE(s.Text(), SetupString::SharedEmpty());
  std::memcpy(s.Buffer(), "0123456789abcdef", 17);
  s.SyncLength();
  EXPECT_EQ(s.Length(), 16);
  EXPECT_STREQ(s.Text(), "0123456789abcdef");
  EXPECT_FALSE(s.Reserve(-1));
  EXPECT_EQ(s.Length(), 16);
}

TEST(SetupStringTest, BufferOfTheSharedEmptyTextIsNotWritable) {
  SetupString s;
  EXPECT_EQ(s.Buffer(), nullptr);
  s.SyncLength();
  EXPECT_EQ(s.Length(), 0);
}

TEST(SetupStringTest, AdoptOwnsAHeapText) {
  TestHeap heap;
  char* text = static_cast<char*>(SetupAllocate(6));
  ASSERT_NE(text, nullptr);
  std::memcpy(text, "owned", 6);
  {
    SetupString s("before");
    s.Adopt(text);
    EXPECT_EQ(s.Text(), text);
    EXPECT_EQ(s.Length(), 5);
    EXPECT_EQ(heap.LiveBlocks(), 1);
  }
  EXPECT_TRUE(heap.WasFreed(text));
  EXPECT_EQ(heap.LiveBlocks(), 0);
}

TEST(SetupStringTest, ReleaseHandsTheTextOverAndLeavesNoText) {
  TestHeap heap;
  SetupString s("given");
  const char* owned = s.Text();
  char* given = s.Release();
  EXPECT_EQ(given, owned);
  EXPECT_EQ(s.Text(), nullptr);
  EXPECT_EQ(s.Length(), 0);
  s.Free();
  EXPECT_FALSE(heap.WasFreed(given));
  EXPECT_STREQ(given, "given");
  SetupRelease(given);
  EXPECT_EQ(heap.LiveBlocks(), 0);
}

TEST(SetupStringTest, ReleasingAnEmptyStringGivesAFreeableText) {
  TestHeap heap;
  SetupString s;
  char* given = s.Release();
  ASSERT_NE(given, nullptr);
  EXPECT_NE(given, SetupString::SharedEmpty());
  EXPECT_STREQ(given, "");
  SetupRelease(given);
  EXPECT_EQ(heap.LiveBlocks(), 0);
}

TEST(SetupStringTest, MovingTransfersOwnership) {
  TestHeap heap;
  SetupString a("moved");
  const char* text = a.Text();
  SetupString b(std::move(a));
  EXPECT_EQ(b.Text(), text);
  EXPECT_EQ(a.Text(), SetupString::SharedEmpty());
  SetupString c("other");
  c = std::move(b);
  EXPECT_EQ(c.Text(), text);
  EXPECT_EQ(heap.LiveBlocks(), 1);
}
