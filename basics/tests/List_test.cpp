#include "basics/List.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>
#include <vector>

namespace {

static_assert(!std::is_copy_constructible_v<List<int>> && !std::is_copy_assignable_v<List<int>>);

using Ints = std::vector<int>;

// The system's iteration idiom: Reset, then exactly count calls of GetNext.
template <class T>
std::vector<T> Values(List<T>& list) {
  std::vector<T> items;
  list.Reset();
  for (int32_t i = 0; i < list.GetCount(); ++i) items.push_back(list.GetNext());
  return items;
}

// Every insert puts the cursor on the first value; behind the tail comes one empty value,
// then the first again.
TEST(List, InsertsKeepOrderAndTheCursorRunsOverTheEnd) {
  for (bool append : {false, true}) {
    List<int> list;
    for (int v : {1, 2, 3}) {
      append ? list.Append(v) : list.AddHead(v);
      EXPECT_EQ(list.GetNext(), append ? 1 : v);
    }
    EXPECT_EQ(Values(list), (append ? Ints{1, 2, 3} : Ints{3, 2, 1}));
    EXPECT_EQ(list.GetNext(), 0);
    EXPECT_EQ(list.GetNext(), append ? 1 : 3);
    list.RemoveAll();
    EXPECT_EQ(list.GetNext(), 0);
    EXPECT_EQ(list.GetCount(), 0);
  }
}

// Find puts the cursor on the first match, or on the first value when there is none. Remove
// unlinks the first match and keeps the tail, so that a value appended after lands last; a
// cursor on the removed value moves on to where GetNext would have gone.
TEST(List, RemovalsKeepTheTailAndTheCursor) {
  int cells[4];
  const auto pointers = [&cells](const Ints& indices) {
    std::vector<int*> p;
    for (int i : indices) p.push_back(i < 0 ? nullptr : &cells[i]);
    return p;
  };
  const struct {
    Ints before;
    int removed, next;  // next -1: the empty value
    Ints after;         // with cell 3 appended
  } cases[] = {
      {{0, 1, 2}, 2, -1, {0, 1, 3}}, {{0, 1, 2}, 0, 1, {1, 2, 3}}, {{0, 1, 2}, 1, 2, {0, 2, 3}},
      {{0}, 0, -1, {3}},             {{0, 1}, 2, 0, {0, 1, 3}},    {{0, 1, 0}, 0, 1, {1, 0, 3}},
  };
  for (const auto& c : cases) {
    List<int*> list;
    for (int* p : pointers(c.before)) list.Append(p);
    list.GetNext();
    const bool present = std::count(c.before.begin(), c.before.end(), c.removed) > 0;
    EXPECT_EQ(list.Find(&cells[c.removed]), present);
    list.Remove(&cells[c.removed]);
    EXPECT_EQ(list.GetNext(), pointers({c.next})[0]) << c.before.size() << " remove " << c.removed;
    list.Append(&cells[3]);
    EXPECT_EQ(Values(list), pointers(c.after)) << c.before.size() << " remove " << c.removed;
  }
  List<int*> list;
  EXPECT_EQ(list.RemoveHead(), nullptr);
  list.Append(&cells[0]);
  EXPECT_EQ(list.RemoveHead(), &cells[0]);
  EXPECT_EQ(list.GetNext(), nullptr);
}

TEST(UniqueList, RefusesPresentValuesAndAppendsNewOnes) {
  for (bool append : {false, true}) {
    UniqueList<int> list;
    for (int v : {3, 1, 3, 2}) append ? list.Append(v) : list.AddHead(v);
    EXPECT_EQ(Values<int>(list), (Ints{3, 1, 2})) << append;
  }
}

}  // namespace
