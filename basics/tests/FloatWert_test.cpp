#include "basics/FloatWert.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(FloatWert, SyntaxAndValue) {
  struct Case {
    const char* text;
    const char* message;  // null when the text is valid
    double value;         // Value(true)
  };
  const Case cases[] = {
      {"1.5E+03", nullptr, 1500.0},
      {"1.5e+003", nullptr, 1500.0},
      {"2E-03", nullptr, 0.002},
      {"-2.5E+01", nullptr, -25.0},
      {"  -2.5E+01", nullptr, -25.0},
      {"1.5 ", "Zuviele Vor- bzw. Nachkommastellen", 0.0},
      {"-2.5", nullptr, -2.5},
      {"0.1", nullptr, static_cast<double>(0.1f)},  // plain texts read in single precision
      {"1E+25", nullptr, 1e20},                     // the exponent is capped at 20
      {"1E-25", nullptr, 1e-20},
      {"1.5E+3", "Im Exponenten müssen zwei Zahlen vorkommen", 0.0},
      {"1.5E+x3", "Im Exponenten müssen zwei Zahlen vorkommen", 0.0},
      {"1.5e5", "Exp-Darstellung muß + oder - enthalten", 0.0},
      {"1.5E+0034", "Exp-Darstellung hat höchstens 5 Ziffern", 0.0},
      {"1.5x", "Exp-Darstellung muß mit E beginnen", 0.0},
      {"1.5 E+03", "Zuviele Vor- bzw. Nachkommastellen", 0.0},
      {"12345678901", "Zuviele Vor- bzw. Nachkommastellen", 0.0},
      {"", "Zuviele Vor- bzw. Nachkommastellen", 0.0},
      {"-", "Zuviele Vor- bzw. Nachkommastellen", 0.0},
      {"+1", "Zuviele Vor- bzw. Nachkommastellen", 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    VS_Error::ClearQueue();
    FloatWert value(c.text);
    EXPECT_EQ(value.Value(true), c.value);
    if (c.message == nullptr) {
      EXPECT_EQ(VS_Error::MessageCount(), 0);
    } else {
      EXPECT_EQ(VS_Error::MessageCount(), 1);
      EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), c.message);
      EXPECT_EQ(value.GetErrorCode(), 4);
    }
  }
}

TEST(FloatWert, ExponentFlag) {
  EXPECT_EQ(FloatWert().GetExponentFlag(), 0);
  EXPECT_EQ(FloatWert("2E-03").GetExponentFlag(), 1);
  EXPECT_EQ(FloatWert("1.5e5").GetExponentFlag(), 1);
  EXPECT_EQ(FloatWert("1.5").GetExponentFlag(), 0);
  EXPECT_EQ(FloatWert(MyStrng("1e+05")).GetExponentFlag(), 1);
  EXPECT_EQ(FloatWert(1.5e20).GetExponentFlag(), 1);
  EXPECT_EQ(FloatWert(1.0, "%6.2f").GetExponentFlag(), 0);
  FloatWert target;
  target = FloatWert("1E+05");
  EXPECT_EQ(target.GetExponentFlag(), 1);
  EXPECT_EQ(target.Value(false), 1e5);
}

TEST(FloatWert, BuiltFromNumbers) {
  EXPECT_EQ(FloatWert().ToCString(), "0.0");
  EXPECT_EQ(FloatWert(1500.0).ToCString(), "1500");
  EXPECT_EQ(FloatWert(0.0002).ToCString(), "0.0002");
  EXPECT_EQ(FloatWert(-3e-5).ToCString(), "-3e-05");
  EXPECT_EQ(FloatWert(1.5e20).ToCString(), "1.5e+20");
  EXPECT_EQ(FloatWert(1.5e20).Value(false), 1.5e20);
  EXPECT_EQ(FloatWert(1e25).Value(false), 1e20);
  EXPECT_EQ(FloatWert(1.0, "%6.2f").ToCString(), "  1.00");
  // A wide format gets the room it needs.
  const FloatWert wide(1e300, "%f");
  EXPECT_EQ(wide.GetLength(), 308);
  EXPECT_GT(wide.GetCapacity(), wide.GetLength());
}

TEST(FloatWert, UncheckedMalformedExponentsStayFinite) {
  const char* texts[] = {"1e", "e", "1e-", "1e-99999999999999999999", "1x5e"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    const double value = FloatWert(text).Value(false);
    EXPECT_TRUE(value == value);  // not NaN
  }
  EXPECT_EQ(FloatWert("1e-99999999999999999999").Value(false), 1e-20);
}

TEST(IntPower, SquareAndMultiply) {
  struct Case {
    double x;
    int n;
    double result;
  };
  const Case cases[] = {
      {2.0, 10, 1024.0}, {10.0, -3, 0.001}, {3.0, 0, 1.0},       {0.5, -2, 4.0},
      {-2.0, 3, -8.0},   {10.0, 20, 1e20},  {2.0, INT_MIN, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(IntPower(c.x, c.n), c.result);
  }
}

}  // namespace
