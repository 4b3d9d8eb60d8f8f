#include "basics/List.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "basics/MyStrng.h"

namespace {

static_assert(!std::is_copy_constructible_v<List<int>> && !std::is_copy_assignable_v<List<int>>);

// The system's iteration idiom: Reset, then exactly count calls of GetNext.
template <class T>
std::vector<T> Values(List<T>& list) {
  std::vector<T> items;
  list.Reset();
  for (int32_t i = 0; i < list.GetCount(); ++i) items.push_back(list.GetNext());
  return items;
}

using Texts = std::vector<std::string>;
Texts TextsOf(List<MyStrng>& list) {
  Texts texts;
  for (const MyStrng& s : Values(list)) texts.push_back(s.GetBuffer());
  return texts;
}

TEST(List, InsertsKeepOrderAndPutTheCursorOnTheFirst) {
  for (bool append : {false, true}) {
    List<MyStrng> list;
    for (const char* v : {"a", "b", "c"}) {
      append ? list.Append(v) : list.AddHead(v);
      EXPECT_EQ(list.GetNext(), append ? "a" : v);
    }
    EXPECT_EQ(TextsOf(list), (append ? Texts{"a", "b", "c"} : Texts{"c", "b", "a"}));
  }
}

TEST(List, CursorRunsOverTheEndIntoOneEmptyValue) {
  List<MyStrng> list;
  list.Append("a");
  list.Append("b");
  list.Reset();
  for (const char* expected : {"a", "b", "", "a", "b", ""}) EXPECT_EQ(list.GetNext(), expected);
  list.RemoveAll();
  EXPECT_EQ(list.GetNext(), "");
  EXPECT_EQ(list.GetCount(), 0);
}

TEST(List, FindMovesTheCursor) {
  struct Case {
    const char* value;
    bool found;
    const char* next;
  };
  for (const Case& c : {Case{"x", false, "a"}, Case{"b", true, "b"}, Case{"c", true, "c"}}) {
    List<MyStrng> list;
    for (const char* v : {"a", "b", "c"}) list.Append(v);
    list.GetNext();
    EXPECT_EQ(list.Find(c.value), c.found) << c.value;
    EXPECT_EQ(list.GetNext(), c.next) << c.value;
  }
}

TEST(List, RemoveUnlinksTheFirstMatchAndKeepsTheTail) {
  int cells[4];  // a, b, c, d
  struct Case {
    std::vector<int> before;
    int removed;
    std::vector<int> afterAppendOfD;
  };
  const Case cases[] = {
      {{0, 1, 2}, 2, {0, 1, 3}}, {{0, 1, 2}, 0, {1, 2, 3}}, {{0, 1, 2}, 1, {0, 2, 3}},
      {{0}, 0, {3}},             {{0, 1}, 2, {0, 1, 3}},    {{0, 1, 0}, 0, {1, 0, 3}},
  };
  for (const Case& c : cases) {
    List<int*> list;
    for (int i : c.before) list.Append(&cells[i]);
    list.Remove(&cells[c.removed]);
    list.Append(&cells[3]);
    std::vector<int*> expected;
    for (int i : c.afterAppendOfD) expected.push_back(&cells[i]);
    EXPECT_EQ(Values(list), expected) << c.before.size() << " remove " << c.removed;
  }
}

TEST(List, RemovalsKeepTheCursorValid) {
  int a, b, c;
  List<int*> list;
  EXPECT_EQ(list.RemoveHead(), nullptr);
  EXPECT_EQ(list.GetNext(), nullptr);
  for (int* p : {&a, &b, &c}) list.Append(p);
  list.Find(&b);
  list.Remove(&b);
  EXPECT_EQ(list.GetNext(), &c);
  list.Find(&c);
  list.Remove(&c);
  EXPECT_EQ(list.GetNext(), nullptr);
  EXPECT_EQ(list.RemoveHead(), &a);
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetNext(), nullptr);
}

TEST(UniqueList, RefusesPresentValuesAndAppendsNewOnes) {
  for (bool append : {false, true}) {
    UniqueList<int> list;
    for (int v : {3, 1, 3, 2}) append ? list.Append(v) : list.AddHead(v);
    EXPECT_EQ(Values<int>(list), (std::vector<int>{3, 1, 2})) << append;
  }
}

}  // namespace
