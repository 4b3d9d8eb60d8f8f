#include "basics/FloatWert.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

namespace {

TEST(FloatWert, SyntaxAndValue) {
  const char* const kDigits = "Zuviele Vor- bzw. Nachkommastellen";
  const char* const kTwo = "Im Exponenten müssen zwei Zahlen vorkommen";
  struct Case {
    const char* text;
    const char* message;  // null when the text is valid
    double value;         // Value(true)
  } cases[] = {
      {"1.5e+003", nullptr, 1500.0},
      {"  -2.5E-01", nullptr, -0.25},
      {"0.1", nullptr, static_cast<double>(0.1f)},  // plain texts read in single precision
      {"1E+25", nullptr, 1e20},                     // the exponent is capped at 20
      {"1.5E+x3", kTwo, 0.0},
      {"1.5e5", "Exp-Darstellung muß + oder - enthalten", 0.0},
      {"1.5E+0034", "Exp-Darstellung hat höchstens 5 Ziffern", 0.0},
      {"1.5x", "Exp-Darstellung muß mit E beginnen", 0.0}, {"1.5 ", kDigits, 0.0},
      {"", kDigits, 0.0}, {"+1", kDigits, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    VS_Error::ClearQueue();
    FloatWert value(c.text);
    EXPECT_EQ(value.Value(true), c.value);
    EXPECT_EQ(VS_Error::MessageCount(), c.message == nullptr ? 0 : 1);
    EXPECT_EQ(value.GetErrorCode(), c.message == nullptr ? 0 : 4);
    if (c.message != nullptr) {
      EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), c.message);
    }
  }
  // Unchecked, a malformed exponent still reads as a number.
  for (const char* text : {"1e", "e", "1e-", "1x5e"})
    EXPECT_FALSE(std::isnan(FloatWert(text).Value(false))) << text;
  EXPECT_EQ(FloatWert("1e-99999999999999999999").Value(false), 1e-20);
}

TEST(FloatWert, BuiltFromNumbers) {
  EXPECT_EQ(FloatWert(0.0002).ToCString(), "0.0002");
  EXPECT_EQ(FloatWert(-3e-5).ToCString(), "-3e-05");
  EXPECT_EQ(FloatWert(1e25).Value(false), 1e20);
  EXPECT_EQ(FloatWert(1.0, "%6.2f").ToCString(), "  1.00");
  // A wide format gets the room it needs.
  EXPECT_EQ(FloatWert(1e300, "%f").GetLength(), 308);
}

TEST(IntPower, SquareAndMultiply) {
  for (auto [x, n, result] : {std::tuple{2.0, 10, 1024.0}, {10.0, -3, 0.001}, {3.0, 0, 1.0},
                              {-2.0, 3, -8.0}, {10.0, 20, 1e20}, {2.0, INT_MIN, 0.0}})
    EXPECT_EQ(IntPower(x, n), result) << x << "^" << n;
}

}  // namespace
