#include "basics/MyStrng.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "pf/archive.h"

namespace {

std::string Bytes(const MyStrng& s) {
  return std::string(s.GetBuffer(), static_cast<size_t>(s.GetCapacity()));
}

std::string Store(MyStrng& s) {
  std::ostringstream out;
  pf::Archive ar(out);
  s.Serialize(ar);
  return out.str();
}

std::string Int32(int32_t v) {
  std::string b(4, '\0');
  for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xff);
  return b;
}

void Load(MyStrng& s, const std::string& image) {
  std::istringstream in(image);
  pf::Archive ar(in);
  s.Serialize(ar);
}

// A string whose capacity is larger than its text needs.
MyStrng WithCapacity(int32_t capacity, const char* text) {
  MyStrng s;
  s.AllocBuffer(capacity);
  for (int32_t i = 0; text[i]; ++i) s.SetAt(i, text[i]);
  return s;
}

// The capacity is archived, so every way of building a string must size it by the rule.
TEST(MyStrng, CapacityFollowsTheSixteenByteRule) {
  for (auto [len, capacity] : {std::pair{0, 16}, {14, 16}, {15, 32}, {31, 48}}) {
    const std::string text(static_cast<size_t>(len), 'x');
    MyStrng assigned("something longer than sixteen");
    assigned = text.c_str();
    EXPECT_EQ(assigned.GetCapacity(), capacity) << len;
  }
  EXPECT_EQ(MyStrng(std::string("abc")).GetCapacity(), 4);
  EXPECT_EQ(MyStrng(-2147483647 - 1), "-2147483648");
  MyStrng joined("0123456789");
  joined += "abcdef";
  EXPECT_EQ(joined.GetCapacity(), 32);

  const MyStrng big = WithCapacity(64, "ab");
  EXPECT_EQ(MyStrng(big).GetCapacity(), 64);  // copy keeps it, assignment resizes
  MyStrng assigned;
  assigned = big;
  EXPECT_EQ(assigned.GetCapacity(), 16);

  for (auto [value, digits, text] :
       {std::tuple{3.14159265f, 8, "    3.1416"}, {-1.17549435e-38f, 7, "-1.1754944e-38"}}) {
    const MyStrng s(value, digits);
    EXPECT_EQ(s.GetCapacity(), 16);
    EXPECT_STREQ(s.GetBuffer(), text) << digits;
  }
}

// Short texts live inside the object, longer ones on the heap; the bytes and capacities must
// not depend on where a text lives, also when an edit moves it across.
TEST(MyStrng, BytesDoNotDependOnWhereTheTextLives) {
  const std::string text40(40, 'y');
  for (int32_t capacity : {16, 32, 33, 64}) {
    const MyStrng s = WithCapacity(capacity, "abc");
    MyStrng copy(s);
    const MyStrng moved(std::move(copy));
    EXPECT_EQ(Bytes(moved), Bytes(s)) << capacity;
    copy = "left";  // a moved-from string stays usable
    EXPECT_EQ(Bytes(copy), std::string("left") + std::string(12, '\0'));

    MyStrng edited = WithCapacity(capacity, "abc");
    edited = (text40 + "z").c_str();
    edited = edited.GetBuffer() + 30;  // from its own heap buffer into the object
    EXPECT_EQ(Bytes(edited), std::string(10, 'y') + "z" + std::string(5, '\0')) << capacity;
  }
}

TEST(MyStrng, AccessOutOfRangeAndAliasingAreHarmless) {
  MyStrng s("abc");
  EXPECT_EQ(s.GetAt(100), '\0');
  EXPECT_EQ(s.GetAt(-1), '\0');
  for (int32_t i : {1, 15, 16, -1}) s.SetAt(i, i == 1 ? 'X' : 'Z');  // byte 15 stays the NUL
  EXPECT_EQ(s, "aXc");
  char area[3];
  s.CopyTo(area, 3);
  EXPECT_STREQ(area, "aX");
  s.CopyTo(area, 0);

  s += s;
  s += static_cast<const char*>(nullptr);
  s = s;
  EXPECT_EQ(s, "aXcaXc");
  s = s.GetBuffer() + 3;  // text inside its own buffer
  EXPECT_EQ(s, "aXc");

  EXPECT_TRUE(MyStrng("ab") < MyStrng("abc"));
  EXPECT_TRUE(MyStrng("a") < MyStrng("\xe4"));  // unsigned bytes
  EXPECT_TRUE(MyStrng("") == nullptr);
}

TEST(MyStrng, FindMidAndDelete) {
  EXPECT_EQ(MyStrng("abc").Find(""), 0);
  EXPECT_EQ(MyStrng("R1 = 4.7k").LeftOf(" ="), "R1");
  EXPECT_EQ(MyStrng("R1").LeftOf("="), "");

  const MyStrng text("0123456789abcdefghij");
  struct Case {
    int32_t start, count;
    const char* result;
    int32_t capacity;
  } cases[] = {{1, 3, "012", 16}, {5, -2, "", 16}, {1, 16, "0123456789abcdef", 17},
               {19, 5, "ij", 16}, {0, 3, "", 16},  {1, INT_MAX, "0123456789abcdefghij", 21}};
  for (const Case& c : cases) {
    const MyStrng m = text.Mid(c.start, c.count);
    EXPECT_EQ(m, c.result) << c.start << "," << c.count;
    EXPECT_EQ(m.GetCapacity(), c.capacity) << c.start << "," << c.count;
  }

  for (auto [pos, count, result] : {std::tuple{2, 10, "a"}, {7, 1, "abcdef"}, {3, 2, "abef"},
                                    {1, INT_MAX, ""}, {2, -1, "abcdef"}}) {
    MyStrng s = WithCapacity(48, "abcdef");
    s.Delete(pos, count);
    EXPECT_EQ(s, result) << pos << "," << count;
    EXPECT_EQ(s.GetCapacity(), std::strcmp(result, "abcdef") != 0 ? 16 : 48) << pos;
  }
  // Deleting keeps the buffer where it can; the bytes follow the rule wherever the text
  // lives, also from a capacity off the rule (39 of 40 characters in 41 bytes need 48).
  const std::string y100(100, 'y');
  for (auto [text, count, capacity] : {std::tuple{y100, 20, 96}, {y100, 70, 32}, {y100, 99, 16},
                                       {std::string(40, 'y'), 1, 48},
                                       {std::string(20, 'y'), 1, 32}}) {
    MyStrng s(text);  // capacity: its length + 1
    s.Delete(1, count);
    const size_t rest = text.size() - static_cast<size_t>(count);
    EXPECT_EQ(Bytes(s), std::string(rest, 'y') + std::string(capacity - rest, '\0'))
        << text.size() << "-" << count;
  }
}

TEST(MyStrng, PathsPaddingAndWords) {
  for (auto [path, without] : {std::pair{"./a.b/x.vqe", "./a.b/x"},
                               {"C:\\a.b\\x.y.z", "C:\\a.b\\x"}, {"dir.d/noext", "dir.d/noext"}}) {
    MyStrng s(path);
    s.RemoveExtension();
    EXPECT_EQ(s, without) << path;
    EXPECT_EQ(Bytes(s).find_first_not_of('\0', static_cast<size_t>(s.GetLength())),
              std::string::npos);
  }
  EXPECT_TRUE(MyStrng("a.cir/net.cir").HasExtension("cir"));
  EXPECT_FALSE(MyStrng("a.cir/net").HasExtension("cir"));

  MyStrng s("abc");
  s.PadRight(6);
  EXPECT_EQ(s, "abc   ");
  s.PadRight(100);  // limited to the buffer
  EXPECT_EQ(s.GetLength(), 15);
  s.PadRight(-3);
  EXPECT_EQ(s, "");
  MyStrng blanks("   ");
  blanks.TrimRight();
  EXPECT_EQ(blanks, " ");
  EXPECT_EQ(MyStrng(" \t x ").TrimmedLeft(), "x ");

  for (auto [in, word, rest] : {std::tuple{"C12 out2", "out2", "C12 "}, {"abc", "bc", "a"},
                                {"R1 abc  ", "abc", "R1 "}, {"", "", ""}}) {
    MyStrng w(in);
    EXPECT_EQ(w.GetTrailingWord(), word) << in;
    w.RemoveTrailingWord();
    EXPECT_EQ(w, rest) << in;
  }
  MyStrng lead("  \tR1");
  EXPECT_TRUE(lead.StartsWithLetter());
  EXPECT_EQ(lead, "R1");
}

// The netlist reader walks lines with these; every loop must end on any text.
TEST(MyStrng, TokensAlwaysEnd) {
  for (auto [in, token] :
       {std::pair{" =, 4.7k,x", "4.7k"}, {"\tabc", ""}, {"a_b+c-d.e(f", "a_b+c-d.e"}})
    EXPECT_EQ(MyStrng(in).GetNextToken(), token) << in;
  MyStrng s("R1 = 4.7kohm,  next");
  EXPECT_EQ(s.RemoveNextToken(), "= 4.7kohm,  next");
  MyStrng stuck(",(x");
  EXPECT_EQ(stuck.RemoveNextToken(), ",(x");

  for (auto [in, count] : {std::pair{"", 0}, {"R1 1 2 R=50ohm", 5}, {"a,(", 1}, {"\tabc", 1},
                           {" , = ", 0}, {"(((", 0}, {"x ( y", 2}})
    EXPECT_EQ(MyStrng(in).CountTokens(), count) << in;
  EXPECT_FALSE(MyStrng("BLK R1 (x) 2POR").ContainsToken("R"));
  EXPECT_FALSE(MyStrng("a,(").ContainsToken("b"));
}

TEST(MyStrng, Numbers) {
  EXPECT_EQ(MyStrng("4.0GHz").GetNumberPart(), "4.0");
  for (auto [in, result] : {std::pair{"-0.001", 0}, {"1.2.3", 1}, {"12345678901", 1},
                            {"1234567890", 0}, {"1e5", 1}, {"", 1}, {"0.12345678901", 1},
                            {"--1", 1}, {"12345678901.1.12345678901x", 4}})
    EXPECT_EQ(MyStrng(in).CheckNumberFormat(), result) << in;
  EXPECT_EQ(MyStrng(" 42x").ToInt(), 42);
  EXPECT_EQ(MyStrng("99999999999").ToInt(), INT32_MAX);
  EXPECT_EQ(MyStrng("-99999999999").ToInt(), INT32_MIN);
}

TEST(MyStrng, TeXEscapesStayInsideTheDoubledBuffer) {
  MyStrng s("a<b_c=");
  s.EscapeForTeX();
  EXPECT_EQ(s, "a$<$bc$=$");
  EXPECT_EQ(s.GetCapacity(), 32);
  MyStrng full("<<<<<<<<<<<<<<");  // 14 characters, output room 31: the last one goes plain
  full.EscapeForTeX();
  EXPECT_EQ(full, "$<$$<$$<$$<$$<$$<$$<$$<$$<$$<$<");
}

TEST(MyStrngArchive, StoresCapacityAndZeroedBytes) {
  MyStrng r1("R1");
  EXPECT_EQ(Store(r1), Int32(16) + std::string("R1") + std::string(14, '\0'));
  // A shortened text leaves no trace of its history in the file.
  MyStrng shortened("ABCDEFGHIJ");
  shortened.SetAt(2, '\0');
  EXPECT_EQ(Store(shortened), Int32(16) + std::string("AB") + std::string(14, '\0'));
}

TEST(MyStrngArchive, LoadsIntoTheExistingBufferWhenItFits) {
  MyStrng source;
  MyStrng big = WithCapacity(48, "old text that was longer");
  Load(big, Store(source));
  EXPECT_EQ(Bytes(big), std::string(48, '\0'));

  MyStrng small;
  MyStrng longText("a text of more than sixteen characters");
  Load(small, Store(longText));
  EXPECT_EQ(small, "a text of more than sixteen characters");
  EXPECT_EQ(small.GetCapacity(), 48);

  Load(small, Int32(4) + "abcd");  // no terminator: the last byte is cut
  EXPECT_EQ(small, "abc");
  Load(small, Int32(60) + std::string(60, 'z'));
  EXPECT_EQ(small.GetLength(), 59);
}

TEST(MyStrngArchive, HostileInputFailsCleanly) {
  for (const std::string& image :
       {Int32(-5) + std::string(16, 'a'), Int32(INT32_MAX) + std::string(16, 'a'),
        Int32(32) + std::string(10, 'a'), std::string(3, '\x10'), std::string()}) {
    MyStrng s("keep");
    EXPECT_THROW(Load(s, image), pf::ArchiveError) << image.size();
    EXPECT_EQ(s, "keep");
  }
}

TEST(MyStrng, TextStreamForm) {
  std::ostringstream out;
  out << MyStrng("4.7kohm");
  EXPECT_EQ(out.str(), "(7,4.7kohm)");
  std::istringstream in(out.str() + "[3;a b]");
  MyStrng back("previous");
  EXPECT_TRUE(in >> back);
  EXPECT_EQ(back, "4.7kohm");
  EXPECT_EQ(back.GetCapacity(), 8);
  in >> std::noskipws;  // any delimiters; blanks survive only without skipping
  EXPECT_TRUE(in >> back);
  EXPECT_EQ(back, "a b");

  for (const char* bad : {"(-1,)", "(2147483647,x)", "(x,ab)", "(5,ab"}) {
    std::istringstream badIn(bad);
    MyStrng t;
    badIn >> t;
    EXPECT_TRUE(badIn.fail()) << bad;
    EXPECT_LE(t.GetLength(), 2) << bad;
  }
}

}  // namespace
