#include "media/handle_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace orv::media {

using TestId = Id<struct TestKind>;

// Each kind of handle is its own type: one kind passed where another is wanted, or a bare
// number passed as a handle, does not compile. The number inside stays reachable and 0 stays
// "none".
static_assert(!std::is_convertible_v<Sprite3dId, SpriteId>);
static_assert(!std::is_constructible_v<Sprite3dId, SpriteId>);
static_assert(!std::is_constructible_v<SoundId, SpriteId>);
static_assert(!std::is_constructible_v<FileId, ScanId>);
static_assert(!std::is_convertible_v<std::int32_t, SpriteId>);
static_assert(!std::is_convertible_v<SoundId, std::int32_t>);
static_assert(!std::is_convertible_v<SoundId, bool>);  // only an explicit test
static_assert(!SpriteId() && bool(SpriteId(5)) && SpriteId(5).value == 5);
static_assert(sizeof(Sprite3dId) == sizeof(std::int32_t));

// One slot used over and over: a freed handle never reaches a newer object, and every handle
// the slot gives out is new, also once its generations are used up and the table moves on to
// another slot.
TEST(HandleTable, HandleNumbersNeverRecurWhenOneSlotIsReused) {
  HandleTable<int, TestId> table;
  std::set<TestId> seen;
  const int cycles = int(HandleTable<int, TestId>::kGenerations) * 2 + 5;
  TestId previous;
  for (int i = 0; i < cycles; ++i) {
    const auto h = table.add(i);
    ASSERT_GT(h.value, 0);
    EXPECT_TRUE(seen.insert(h).second) << "handle " << h.value << " given out twice";
    EXPECT_EQ(table.get(previous), nullptr);
    ASSERT_TRUE(table.get(h) && *table.get(h) == i);
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
  HandleTable<std::string, TestId> table;
  std::vector<TestId> old;
  for (int i = 0; i < 1000; ++i) old.push_back(table.add(std::to_string(i)));
  for (TestId h : old) EXPECT_TRUE(table.remove(h));
  EXPECT_EQ(table.size(), 0u);
  std::vector<TestId> fresh;
  for (int i = 0; i < 1000; ++i) fresh.push_back(table.add("new"));
  EXPECT_EQ(table.slot_count(), 1000u);
  EXPECT_EQ(table.size(), 1000u);
  for (TestId h : old) EXPECT_FALSE(table.contains(h));
  for (TestId h : fresh) EXPECT_TRUE(table.contains(h));
  EXPECT_EQ(std::set<TestId>(fresh.begin(), fresh.end()).size(), 1000u);
}

TEST(HandleTable, MadeUpHandlesReachNothing) {
  HandleTable<int, TestId> table;
  const auto h = table.add(7);
  for (TestId bad :
       {TestId(-1), TestId(0), TestId(h.value + 1), TestId(h.value | (1 << 30)), TestId(INT32_MAX)})
    EXPECT_TRUE(table.get(bad) == nullptr && !table.remove(bad)) << bad.value;
}

}  // namespace orv::media
