#include "simulator/SymbolTable.h"

#include <gtest/gtest.h>

namespace {

TEST(SymbolTableTest, ADuplicateNameKeepsTheFirstValueAndIsReported) {
  SymbolTable table;
  EXPECT_TRUE(table.Insert("R1", "50"));
  EXPECT_FALSE(table.Insert("R1", "60"));
  EXPECT_EQ(table.GetCount(), 1);
  EXPECT_STREQ(table.Lookup("R1").GetBuffer(), "50");
  ASSERT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_STREQ(VS_Error::Message(0).GetBuffer(), "R1 Symbol bereits vorhanden");
  EXPECT_EQ(table.GetErrorCode(), 4);
}

TEST(SymbolTableTest, LookupIsExact) {
  SymbolTable table;
  EXPECT_STREQ(table.Lookup("R1").GetBuffer(), "NOT_FOUND");
  table.Insert("R1", "50");
  EXPECT_STREQ(table.Lookup("r1").GetBuffer(), "NOT_FOUND");
  EXPECT_STREQ(table.Lookup("R").GetBuffer(), "NOT_FOUND");
}

TEST(SymbolTableTest, LookupDuringAWalkKeepsItsPlace) {
  SymbolTable table;
  table.Insert("A", "1");
  table.Insert("B", "2");
  table.Insert("C", "3");
  table.Reset();
  EXPECT_STREQ(table.GetNext().GetName().GetBuffer(), "A");
  EXPECT_STREQ(table.Lookup("C").GetBuffer(), "3");
  EXPECT_STREQ(table.GetNext().GetName().GetBuffer(), "B");
}

TEST(SymbolTableTest, EntriesKeepInsertionOrderAndRowNumbers) {
  SymbolTable table;
  table.Insert("TAB", "S 2");
  table.Insert("TAB1", "1GHz 0 0", 1);
  const std::vector<TabElement> entries = table.GetEntries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_FALSE(entries[0].IsRow());
  EXPECT_EQ(entries[1].GetRow(), 1);
}

}  // namespace
