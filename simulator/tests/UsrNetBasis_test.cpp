#include "simulator/UsrNetBasis.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Small lists are searched, larger ones indexed; positions, repeats and the cursor must come
// out the same either way, also across the change and after RemoveAll.
TEST(NodeList, PositionsAreTheOrderOfFirstMention) {
  for (int count : {3, 15, 16, 17, 40}) {
    NodeList list;
    for (int round = 0; round < 2; ++round) {
      for (int k = 0; k < count; ++k) list.Append(100 - 3 * k);  // the second round repeats
      list.AddHead(100);
    }
    ASSERT_EQ(list.GetCount(), count) << count;
    for (int k = 0; k < count; ++k) EXPECT_EQ(list.IndexOf(100 - 3 * k), k) << count;
    EXPECT_EQ(list.IndexOf(101), -1);
    EXPECT_TRUE(list.Find(100 - 3 * (count - 1)));
    EXPECT_EQ(list.GetNext(), 100 - 3 * (count - 1)) << "the cursor is on the match";
    EXPECT_FALSE(list.Find(101));

    list.RemoveAll();
    list.Append(5);
    EXPECT_EQ(list.IndexOf(5), 0);
    EXPECT_EQ(list.IndexOf(100), -1) << count;
  }
}

}  // namespace
