#include "checker/LabelTable.h"

#include <gtest/gtest.h>

#include <string>

namespace kwarcyt {
namespace {

TEST(LabelTableTest, FindsExactNamesOnly) {
  LabelTable table;
  ASSERT_TRUE(table.Add("PETLA", 4));
  EXPECT_EQ(table.FindLabel("PETLA"), 4);
  EXPECT_EQ(table.FindLabel("petla"), -1);
  EXPECT_EQ(table.FindLabel("KONIEC"), -1);
  table.Clear();
  EXPECT_EQ(table.LabelCount(), 0);
  EXPECT_EQ(table.FindLabel("PETLA"), -1);
}

TEST(LabelTableTest, HoldsOneSlotMoreThanAllowed) {
  LabelTable table;
  for (int i = 0; i < LabelTable::kSlots; ++i) {
    ASSERT_TRUE(table.Add("L" + std::to_string(i), i));
  }
  EXPECT_EQ(table.LabelCount(), 1025);
  EXPECT_FALSE(table.Add("EXTRA", 2000));
  EXPECT_EQ(table.FindLabel("L1024"), 1024);
  EXPECT_EQ(table.LabelName(1024), "L1024");
}

}  // namespace
}  // namespace kwarcyt
