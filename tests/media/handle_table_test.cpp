#include "media/handle_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace orv::media {

TEST(HandleTable, FreedHandleNeverReachesANewerObject) {
  HandleTable<std::string> table;
  Handle first = table.add("first");
  ASSERT_NE(first, 0);
  EXPECT_TRUE(table.remove(first));
  Handle second = table.add("second");
  EXPECT_NE(second, first);
  EXPECT_EQ(table.get(first), nullptr);
  ASSERT_NE(table.get(second), nullptr);
  EXPECT_EQ(*table.get(second), "second");
  EXPECT_EQ(table.get(0), nullptr);
  EXPECT_FALSE(table.remove(0));
}

// One slot used over and over: every handle it gives out is new, also once its generations
// are used up and the table moves on to another slot.
TEST(HandleTable, HandleNumbersNeverRecurWhenOneSlotIsReused) {
  HandleTable<int> table;
  std::set<Handle> seen;
  const int cycles = int(HandleTable<int>::kGenerations) * 2 + 5;
  Handle previous = 0;
  for (int i = 0; i < cycles; ++i) {
    const Handle h = table.add(i);
    ASSERT_GT(h, 0);
    EXPECT_TRUE(seen.insert(h).second) << "handle " << h << " given out twice";
    EXPECT_EQ(table.get(previous), nullptr);
    ASSERT_NE(table.get(h), nullptr);
    EXPECT_EQ(*table.get(h), i);
    EXPECT_TRUE(table.remove(h));
    EXPECT_FALSE(table.remove(h));
    previous = h;
  }
  EXPECT_EQ(table.size(), 0u);
  EXPECT_EQ(table.slot_count(), 3u);  // two slots retired after all their generations
}

// Freeing a level's worth of objects and making as many again reuses the same slots: the
// table does not grow, and each old handle stays dead.
TEST(HandleTable, RefillingAfterFreeingReusesSlots) {
  HandleTable<std::string> table;
  std::vector<Handle> old;
  for (int i = 0; i < 1000; ++i) old.push_back(table.add(std::to_string(i)));
  for (Handle h : old) EXPECT_TRUE(table.remove(h));
  EXPECT_EQ(table.size(), 0u);
  std::vector<Handle> fresh;
  for (int i = 0; i < 1000; ++i) fresh.push_back(table.add("new"));
  EXPECT_EQ(table.slot_count(), 1000u);
  EXPECT_EQ(table.size(), 1000u);
  for (Handle h : old) EXPECT_FALSE(table.contains(h));
  for (Handle h : fresh) EXPECT_TRUE(table.contains(h));
  EXPECT_EQ(std::set<Handle>(fresh.begin(), fresh.end()).size(), 1000u);
}

TEST(HandleTable, MadeUpHandlesReachNothing) {
  HandleTable<int> table;
  const Handle h = table.add(7);
  for (Handle bad : {Handle(-1), Handle(0), Handle(h + 1), Handle(h | (1 << 30)), INT32_MAX})
    EXPECT_EQ(table.get(bad), nullptr) << bad;
}

}  // namespace orv::media
