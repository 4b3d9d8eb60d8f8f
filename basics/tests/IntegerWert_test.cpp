#include "basics/IntegerWert.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

namespace {

TEST(IntegerWert, DigitsOnlyPass) {
  for (auto [text, valid, value] :
       {std::tuple{"", true, 0L}, {"007", true, 7L}, {"-3", false, 0L}, {" 3", false, 0L},
        {"1.5", false, 0L}, {"99999999999999999999999", true, LONG_MAX}}) {
    SCOPED_TRACE(text);
    VS_Error::ClearQueue();
    IntegerWert number(text);
    EXPECT_EQ(number.Value(), value);
    EXPECT_EQ(VS_Error::MessageCount(), valid ? 0 : 1);
    if (!valid) {
      EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), "Ist keine Zahl");
    }
  }
  EXPECT_EQ(IntegerWert(-42).ToCString(), "-42");
  EXPECT_EQ(IntegerWert(LONG_MIN).ToCString(), std::to_string(LONG_MIN));
}

}  // namespace
