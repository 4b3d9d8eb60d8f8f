#include "simulator/SymbolTable.h"

#include <gtest/gtest.h>

namespace {

TEST(SymbolTableTest, ADuplicateNameKeepsTheFirstValueAndIsReported) {
  SymbolTable table;
  EXPECT_STREQ(table.Lookup("R1").GetBuffer(), "NOT_FOUND");
  EXPECT_TRUE(table.Insert("R1", "50"));
  EXPECT_FALSE(table.Insert("R1", "60"));
  EXPECT_EQ(table.GetCount(), 1);
  EXPECT_STREQ(table.Lookup("R1").GetBuffer(), "50");
  EXPECT_STREQ(table.Lookup("r1").GetBuffer(), "NOT_FOUND");
  EXPECT_STREQ(table.Lookup("R").GetBuffer(), "NOT_FOUND");
  ASSERT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_STREQ(VS_Error::Message(0).GetBuffer(), "R1 Symbol bereits vorhanden");
  EXPECT_EQ(table.GetErrorCode(), 4);
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

// DATA entries T11 and T12 beside the rows T11 and T12 of the entry T1.
TEST(SymbolTableTest, RowsNeverCollideWithEntries) {
  SymbolTable table;
  EXPECT_TRUE(table.Insert("T11", "MS a"));
  EXPECT_TRUE(table.Insert("T1", "S 2"));
  EXPECT_TRUE(table.Insert("T11", "1GHz 0 0", 1));
  EXPECT_TRUE(table.Insert("T12", "2GHz 0 0", 2));
  EXPECT_TRUE(table.Insert("T12", "MS b"));
  EXPECT_FALSE(table.Insert("T12", "MS c"));
  EXPECT_STREQ(table.Lookup("T11").GetBuffer(), "MS a");
  EXPECT_STREQ(table.Lookup("T12").GetBuffer(), "MS b");
  EXPECT_EQ(VS_Error::MessageCount(), 1);
  std::vector<int> rows;
  for (const TabElement& entry : table.GetEntries()) rows.push_back(entry.GetRow());
  EXPECT_EQ(rows, (std::vector<int>{0, 0, 1, 2, 0}));
}

TEST(SymbolTableTest, ListOperationsThroughTheBaseKeepTheIndex) {
  SymbolTable table;
  List<TabElement>& list = table;
  list.Append(TabElement("R1", "50"));
  list.AddHead(TabElement("R1", "60"));
  EXPECT_STREQ(table.Lookup("R1").GetBuffer(), "50");
  list.RemoveAll();
  EXPECT_STREQ(table.Lookup("R1").GetBuffer(), "NOT_FOUND");
  list.Append(TabElement("R1", "70"));
  EXPECT_STREQ(table.Lookup("R1").GetBuffer(), "70");
  EXPECT_EQ(VS_Error::MessageCount(), 1);
}

}  // namespace
