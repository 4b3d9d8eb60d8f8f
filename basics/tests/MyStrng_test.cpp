#include "basics/MyStrng.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <sstream>
#include <string>

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

TEST(MyStrngCapacity, FollowsTheSixteenByteRule) {
  for (auto [len, capacity] : {std::pair{0, 16}, {14, 16}, {15, 32}, {30, 32}, {31, 48}, {47, 64}}) {
    const std::string text(static_cast<size_t>(len), 'x');
    EXPECT_EQ(MyStrng(text.c_str()).GetCapacity(), capacity) << len;
    MyStrng assigned;
    assigned = text.c_str();
    EXPECT_EQ(assigned.GetCapacity(), capacity) << len;
  }
  EXPECT_EQ(MyStrng(nullptr).GetCapacity(), 16);
  EXPECT_EQ(MyStrng(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(MyStrng(std::string("abc")).GetCapacity(), 4);
  EXPECT_EQ(MyStrng(std::string()).GetCapacity(), 1);
  MyStrng joined("0123456789");
  joined += "abcdef";
  EXPECT_EQ(joined.GetCapacity(), 32);

  const MyStrng big = WithCapacity(64, "ab");
  EXPECT_EQ(MyStrng(big).GetCapacity(), 64);  // copy keeps it, assignment resizes
  MyStrng assigned("something longer than sixteen");
  assigned = big;
  EXPECT_EQ(assigned.GetCapacity(), 16);
  EXPECT_EQ(assigned, "ab");
}

TEST(MyStrngFloat, FormatsByDigitCount) {
  struct Case {
    float value;
    int digits;
    const char* text;
  } cases[] = {
      {3.14159265f, 1, "       3.1"}, {3.14159265f, 7, " 3.1415927"},
      {3.14159265f, 0, "    3.1416"}, {3.14159265f, 8, "    3.1416"},
      {1234567.0f, 2, "  1.23e+06"},  {-0.0001f, 4, "   -0.0001"},
      {0.0f, 4, "         0"},        {-1.17549435e-38f, 7, "-1.1754944e-38"},
  };
  for (const Case& c : cases) {
    const MyStrng s(c.value, c.digits);
    EXPECT_EQ(s.GetCapacity(), 16);
    EXPECT_STREQ(s.GetBuffer(), c.text) << c.digits;
  }
}

TEST(MyStrngAccess, OutOfRangeIsHarmless) {
  MyStrng s("abc");
  EXPECT_EQ(s.GetAt(100), '\0');
  EXPECT_EQ(s.GetAt(-1), '\0');
  s.SetAt(1, 'X');
  s.SetAt(15, 'Z');  // the last byte stays the terminator
  s.SetAt(16, 'Z');
  s.SetAt(-1, 'Z');
  EXPECT_EQ(s, "aXc");

  char area[3];
  s.CopyTo(area, 3);
  EXPECT_STREQ(area, "aX");
  char wide[8];
  std::memset(wide, 'q', sizeof wide);
  s.CopyTo(wide, 8);
  EXPECT_EQ(std::string(wide, 8), std::string("aXc\0\0\0\0\0", 8));
  s.CopyTo(area, 0);

  s.AllocBuffer(5);
  EXPECT_EQ(Bytes(s), std::string(5, '\0'));
  s.AllocBuffer(0);
  EXPECT_EQ(s, "");
}

TEST(MyStrngCompare, OrderIsUnsignedBytewise) {
  EXPECT_NE(MyStrng("abc"), MyStrng("Abc"));
  EXPECT_NE(MyStrng("abc"), "ab");
  EXPECT_TRUE(MyStrng("") == nullptr);
  EXPECT_TRUE(MyStrng("ab") < MyStrng("abc"));
  EXPECT_FALSE(MyStrng("abc") < MyStrng("ab"));
  EXPECT_TRUE(MyStrng("a") < MyStrng("\xe4"));
  EXPECT_FALSE(MyStrng("x") < MyStrng("x"));
}

TEST(MyStrngConcat, SelfAliasing) {
  MyStrng s("ab");
  s += s;
  EXPECT_EQ(s, "abab");
  s += static_cast<const char*>(nullptr);
  s = s;
  EXPECT_EQ(s, "abab");
  s = s.GetBuffer() + 2;  // text inside its own buffer
  EXPECT_EQ(s, "ab");
}

TEST(MyStrngSearch, FindMidLeftOf) {
  const MyStrng abc("abc");
  EXPECT_EQ(abc.Find(""), 0);
  EXPECT_EQ(abc.Find("abcd"), 0);
  EXPECT_EQ(abc.Find(MyStrng("bc")), 2);
  EXPECT_EQ(abc.Find(static_cast<const char*>(nullptr)), 0);

  const MyStrng text("0123456789abcdefghij");
  struct Case {
    int32_t start, count;
    const char* result;
    int32_t capacity;
  } cases[] = {
      {1, 3, "012", 16},   {5, -2, "", 16}, {1, 16, "0123456789abcdef", 17}, {19, 5, "ij", 16},
      {0, 3, "", 16},      {21, 1, "", 16}, {1, INT_MAX, "0123456789abcdefghij", 21},
  };
  for (const Case& c : cases) {
    const MyStrng m = text.Mid(c.start, c.count);
    EXPECT_EQ(m, c.result) << c.start << "," << c.count;
    EXPECT_EQ(m.GetCapacity(), c.capacity) << c.start << "," << c.count;
  }
  EXPECT_EQ(MyStrng("R1 = 4.7k").LeftOf(" ="), "R1");
  EXPECT_EQ(MyStrng("R1").LeftOf("="), "");
}

TEST(MyStrngEdit, Delete) {
  struct Case {
    int32_t pos, count;
    const char* result;
  } cases[] = {{2, 10, "a"}, {0, 1, "abcdef"}, {7, 1, "abcdef"}, {3, 2, "abef"},
               {6, 1, "abcde"}, {1, INT_MAX, ""}, {2, -1, "abcdef"}};
  for (const Case& c : cases) {
    MyStrng s = WithCapacity(48, "abcdef");
    s.Delete(c.pos, c.count);
    EXPECT_EQ(s, c.result) << c.pos << "," << c.count;
    const bool changed = std::strcmp(c.result, "abcdef") != 0;
    EXPECT_EQ(s.GetCapacity(), changed ? 16 : 48) << c.pos << "," << c.count;
  }
}

TEST(MyStrngEdit, ExtensionsActOnTheFileName) {
  for (auto [path, without] : {std::pair{"net.cir", "net"}, {"./a.b/x.vqe", "./a.b/x"},
                               {"C:\\a.b\\x.y.z", "C:\\a.b\\x"}, {"dir.d/noext", "dir.d/noext"},
                               {"", ""}}) {
    MyStrng s(path);
    s.RemoveExtension();
    EXPECT_EQ(s, without) << path;
    EXPECT_EQ(s.GetCapacity(), MyStrng(path).GetCapacity());
    EXPECT_EQ(Bytes(s).find_first_not_of('\0', static_cast<size_t>(s.GetLength())),
              std::string::npos);
  }
  EXPECT_FALSE(MyStrng("cir.net").HasExtension("cir"));
  EXPECT_TRUE(MyStrng("a.cir/net.cir").HasExtension("cir"));
  EXPECT_FALSE(MyStrng("a.cir/net").HasExtension("cir"));
  EXPECT_FALSE(MyStrng("net.cir").HasExtension(""));
}

TEST(MyStrngEdit, PadRightAndTrim) {
  MyStrng s("abc");
  s.PadRight(6);
  EXPECT_EQ(s, "abc   ");
  s.PadRight(2);
  EXPECT_EQ(s, "ab");
  s.PadRight(100);  // limited to the buffer
  EXPECT_EQ(s.GetLength(), 15);
  s.PadRight(-3);
  EXPECT_EQ(s, "");

  MyStrng left(" \t x ");
  EXPECT_EQ(left.TrimmedLeft(), "x ");
  left.TrimLeft();
  EXPECT_EQ(left, "x ");
  for (auto [in, out] : {std::pair{"   ", " "}, {"a \t", "a \t"}, {"ab  ", "ab"}, {"", ""}}) {
    MyStrng t(in);
    t.TrimRight();
    EXPECT_EQ(t, out) << '"' << in << '"';
  }
}

TEST(MyStrngWords, TrailingAndFirst) {
  struct Case {
    const char* in;
    const char* word;
    const char* rest;
  } cases[] = {{"C12 out2", "out2", "C12 "}, {"abc", "bc", "a"}, {"R1 abc  ", "abc", "R1 "},
               {"x", "", "x"},               {"", "", ""},       {"a-b", "b", "a-"}};
  for (const Case& c : cases) {
    MyStrng s(c.in);
    EXPECT_EQ(s.GetTrailingWord(), c.word) << c.in;
    s.RemoveTrailingWord();
    EXPECT_EQ(s, c.rest) << c.in;
  }
  EXPECT_EQ(MyStrng("RES R1").GetFirstWord(), "RES");
  EXPECT_EQ(MyStrng("word").GetFirstWord(), "word");

  MyStrng lead("  \tR1");
  EXPECT_TRUE(lead.StartsWithLetter());
  EXPECT_EQ(lead, "R1");
  EXPECT_FALSE(MyStrng(" 1R").StartsWithLetter());
  EXPECT_TRUE(MyStrng("").IsZero());
  EXPECT_FALSE(MyStrng("0.0").IsZero());
}

TEST(MyStrngTokens, NextAndRemoveNext) {
  for (auto [in, token] : {std::pair{" =, 4.7k,x", "4.7k"}, {"\tabc", ""},
                           {"a_b+c-d.e(f", "a_b+c-d.e"}, {",,=", ""}, {"R1\tC2", "R1"}}) {
    const MyStrng s(in);
    const MyStrng t = s.GetNextToken();
    EXPECT_EQ(t, token) << in;
    EXPECT_EQ(t.GetCapacity(), s.GetCapacity());
  }
  MyStrng s("R1 = 4.7kohm,  next");
  EXPECT_EQ(s.RemoveNextToken(), "= 4.7kohm,  next");
  EXPECT_EQ(s, " = 4.7kohm,  next");
  MyStrng stuck(",(x");
  EXPECT_EQ(stuck.RemoveNextToken(), ",(x");
}

TEST(MyStrngTokens, CountAndContainAlwaysEnd) {
  for (auto [in, count] : {std::pair{"", 0}, {"R1 1 2 R=50ohm", 5}, {"a,(", 1}, {"\tabc", 1},
                           {" , = ", 0}, {"a,", 1}, {"(((", 0}, {"x ( y", 2}})
    EXPECT_EQ(MyStrng(in).CountTokens(), count) << in;

  const MyStrng line("BLK R1 (x) 2POR");
  EXPECT_TRUE(line.ContainsToken("x"));
  EXPECT_FALSE(line.ContainsToken("R"));
  EXPECT_FALSE(MyStrng("a,(").ContainsToken("b"));
  EXPECT_FALSE(MyStrng("").ContainsToken("a"));
}

TEST(MyStrngNumbers, NumberPartFormatAndConversions) {
  for (auto [in, part] : {std::pair{"4.0GHz", "4.0"}, {"10 mm", "10 "}, {"1e-3m", "1"}, {"k", ""}}) {
    const MyStrng p = MyStrng(in).GetNumberPart();
    EXPECT_EQ(p, part) << in;
    EXPECT_EQ(p.GetCapacity(), MyStrng(in).GetCapacity());
  }
  for (auto [in, result] : {std::pair{"12.5", 0}, {"-0.001", 0}, {"1.2.3", 1}, {"12345678901", 1},
                            {"1234567890", 0}, {"1e5", 1}, {"", 1}, {"12345678901.2.3", 2},
                            {"0.12345678901", 1}, {"12345678901.12345678901", 2}, {"--1", 1},
                            {"+1", 1}, {"12345678901.1.12345678901x", 4}})
    EXPECT_EQ(MyStrng(in).CheckNumberFormat(), result) << in;

  EXPECT_EQ(MyStrng("0.1").ToFloat(), 0.1f);
  EXPECT_EQ(MyStrng("4.7k").ToFloat(), 4.7f);
  EXPECT_EQ(MyStrng(" 42x").ToInt(), 42);
  EXPECT_EQ(MyStrng("99999999999").ToInt(), INT32_MAX);
  EXPECT_EQ(MyStrng("-99999999999").ToInt(), INT32_MIN);
}

TEST(MyStrngCase, AsciiOnly) {
  MyStrng s("Ab1\xe4z");
  s.MakeUpper();
  EXPECT_EQ(s, "AB1\xe4Z");
  s.MakeLower();
  EXPECT_EQ(s, "ab1\xe4z");
  MyStrng t("mix");
  EXPECT_EQ(t.ToUpper(), "MIX");
  EXPECT_EQ(t, "MIX");
}

TEST(MyStrngTeX, Escapes) {
  for (auto [in, out] : {std::pair{"a<b_c", "a$<$bc"}, {"x=1/2", "x$=$1$/$2"}, {"___", ""}}) {
    MyStrng s(in);
    const int32_t before = s.GetCapacity();
    s.EscapeForTeX();
    EXPECT_EQ(s, out) << in;
    EXPECT_EQ(s.GetCapacity(), 2 * before);
  }
  // Near the end of the doubled buffer a special character is copied plainly.
  MyStrng full("<<<<<<<<<<<<<<");  // 14 characters, capacity 16, output room 31
  full.EscapeForTeX();
  EXPECT_EQ(full, "$<$$<$$<$$<$$<$$<$$<$$<$$<$$<$<");
}

TEST(MyStrngArchive, StoresCapacityAndZeroedBytes) {
  MyStrng def;
  EXPECT_EQ(Store(def), Int32(16) + std::string(16, '\0'));
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
  EXPECT_EQ(big.GetCapacity(), 48);
  EXPECT_EQ(Bytes(big), std::string(48, '\0'));

  MyStrng small;
  MyStrng longText("a text of more than sixteen characters");
  Load(small, Store(longText));
  EXPECT_EQ(small, "a text of more than sixteen characters");
  EXPECT_EQ(small.GetCapacity(), 48);

  MyStrng created;
  Load(created, Int32(0));
  EXPECT_EQ(created.GetCapacity(), 16);
}

TEST(MyStrngArchive, HostileInputFailsCleanly) {
  struct Case {
    const char* name;
    std::string image;
  } cases[] = {
      {"negative count", Int32(-5) + std::string(16, 'a')},
      {"count 2^31-1", Int32(INT32_MAX) + std::string(16, 'a')},
      {"truncated block", Int32(32) + std::string(10, 'a')},
      {"truncated count", std::string(3, '\x10')},
      {"empty", std::string()},
  };
  for (const Case& c : cases) {
    MyStrng s("keep");
    EXPECT_THROW(Load(s, c.image), pf::ArchiveError) << c.name;
    EXPECT_EQ(s, "keep") << c.name;
  }
}

TEST(MyStrngArchive, BlockWithoutTerminatorIsCut) {
  MyStrng s;
  Load(s, Int32(4) + "abcd");
  EXPECT_EQ(s, "abc");
  MyStrng big;
  Load(big, Int32(20) + std::string(20, 'z'));
  EXPECT_EQ(big.GetLength(), 19);
  EXPECT_EQ(big.GetCapacity(), 20);
}

TEST(MyStrngTextStream, WritesAndReads) {
  for (auto [text, form] : {std::pair{"", "(0,)"}, {"4.7kohm", "(7,4.7kohm)"}}) {
    std::ostringstream out;
    out << MyStrng(text);
    EXPECT_EQ(out.str(), form);
    std::istringstream in(out.str());
    MyStrng back("previous");
    EXPECT_TRUE(in >> back);
    EXPECT_EQ(back, text);
    EXPECT_EQ(back.GetCapacity(), static_cast<int32_t>(std::strlen(text)) + 1);
  }
  // Any delimiter characters are accepted; blanks survive only without skipping.
  std::istringstream odd("[3;a b]");
  odd >> std::noskipws;
  MyStrng s;
  EXPECT_TRUE(odd >> s);
  EXPECT_EQ(s, "a b");

  for (const char* bad : {"(-1,)", "(2147483647,x)", "(x,ab)", "(5,ab"}) {
    std::istringstream in(bad);
    MyStrng t;
    in >> t;
    EXPECT_TRUE(in.fail()) << bad;
    EXPECT_LE(t.GetLength(), 2) << bad;
  }
}

}  // namespace
