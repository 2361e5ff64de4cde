#include "base/object_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records its destruction in a shared log; may own a list of its own.
class Item : public ListElement {
 public:
  Item(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
  ~Item() override {
    children.Clear();
    log_.push_back(name_);
  }
  const std::string& name() const { return name_; }
  ObjectList children;

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

const std::string& NameOf(const ListElement* e) { return static_cast<const Item*>(e)->name(); }

}  // namespace

TEST(ObjectListTest, NewListIsEmpty) {
  ObjectList list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.First(), nullptr);
  EXPECT_EQ(list.Last(), nullptr);
  EXPECT_EQ(list.At(0), nullptr);
}

TEST(ObjectListTest, AppendLinksElementsInOrder) {
  std::vector<std::string> log;
  ObjectList list;
  Item* a = new Item(log, "a");
  Item* b = new Item(log, "b");
  Item* c = new Item(log, "c");
  EXPECT_TRUE(list.Append(a));
  EXPECT_TRUE(list.Append(b));
  EXPECT_TRUE(list.Append(c));
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.First(), a);
  EXPECT_EQ(list.Last(), c);
  EXPECT_EQ(a->Previous(), nullptr);
  EXPECT_EQ(a->Next(), b);
  EXPECT_EQ(b->Previous(), a);
  EXPECT_EQ(b->Next(), c);
  EXPECT_EQ(ObjectList::Previous(c), b);
  EXPECT_EQ(ObjectList::Next(c), nullptr);
  EXPECT_EQ(ObjectList::Next(nullptr), nullptr);
}

TEST(ObjectListTest, ElementAtWalksFromTheFirstAndGivesNoneBeyondTheEnd) {
  std::vector<std::string> log;
  ObjectList list;
  for (const char* n : {"zero", "one", "two"}) list.Append(new Item(log, n));
  EXPECT_EQ(NameOf(list.At(0)), "zero");
  EXPECT_EQ(NameOf(list.At(1)), "one");
  EXPECT_EQ(NameOf(list.At(2)), "two");
  EXPECT_EQ(list.At(3), nullptr);
  EXPECT_EQ(list.At(100), nullptr);
  EXPECT_EQ(list.At(-1), nullptr);
}

TEST(ObjectListTest, AppendRefusesNullAndElementsOfAnotherList) {
  std::vector<std::string> log;
  ObjectList first, second;
  Item* a = new Item(log, "a");
  EXPECT_FALSE(first.Append(nullptr));
  ASSERT_TRUE(first.Append(a));
  EXPECT_FALSE(second.Append(a));
  EXPECT_FALSE(first.Append(a));
  EXPECT_EQ(first.Count(), 1);
  EXPECT_EQ(second.Count(), 0);
  EXPECT_EQ(a->Next(), nullptr);
}

TEST(ObjectListTest, ClearDestroysEveryElementAndTheirOwnLists) {
  std::vector<std::string> log;
  {
    ObjectList list;
    Item* parent = new Item(log, "parent");
    parent->children.Append(new Item(log, "child1"));
    parent->children.Append(new Item(log, "child2"));
    list.Append(parent);
    list.Append(new Item(log, "sibling"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"child1", "child2", "parent", "sibling"}));
    list.Append(new Item(log, "after"));
    EXPECT_EQ(list.Count(), 1);
  }
  EXPECT_EQ(log.back(), "after");
}
