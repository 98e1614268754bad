#include "media/handle_table.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace orv::media
