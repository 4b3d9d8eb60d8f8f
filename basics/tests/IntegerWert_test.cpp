#include "basics/IntegerWert.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(IntegerWert, DigitsOnlyPass) {
  struct Case {
    const char* text;
    bool valid;
    long value;
  };
  const Case cases[] = {
      {"", true, 0},         {"0", true, 0},     {"123", true, 123},  {"007", true, 7},
      {"-3", false, 0},      {"+3", false, 0},   {" 3", false, 0},    {"3 ", false, 0},
      {"1.5", false, 0},     {"12a", false, 0},
      {"99999999999999999999999", true, LONG_MAX},  // saturates instead of overflowing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    VS_Error::ClearQueue();
    IntegerWert value(c.text);
    EXPECT_EQ(value.CheckSyntax(), c.valid);
    EXPECT_EQ(value.Value(), c.value);
    EXPECT_EQ(VS_Error::MessageCount(), c.valid ? 0 : 2);
    if (!c.valid) {
      EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), "Ist keine Zahl");
      EXPECT_EQ(value.GetErrorCode(), 4);
    }
  }
}

TEST(IntegerWert, BuiltFromNumbers) {
  EXPECT_EQ(IntegerWert().ToCString(), "0");
  EXPECT_EQ(IntegerWert(0).ToCString(), "0");
  EXPECT_EQ(IntegerWert(-42).ToCString(), "-42");
  EXPECT_EQ(IntegerWert(30000L).ToCString(), "30000");
  EXPECT_EQ(IntegerWert(30000L).GetCapacity(), 16);
  const IntegerWert widest(LONG_MIN);
  EXPECT_EQ(widest.ToCString(), std::to_string(LONG_MIN));
  EXPECT_GT(widest.GetCapacity(), widest.GetLength());
}

}  // namespace
