#include "basics/Cmplx.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "basics/tests/NumTest.h"
#include "pf/archive.h"

namespace {

constexpr double kOver = Cmplx::kRealDivOverflow;
constexpr double kInv = Cmplx::kInverseOfZero;

TEST(Cmplx, DivisionByZeroGivesTheFixedValues) {
  struct Case {
    Cmplx z;
    double d;
    Cmplx expected;
  } cases[] = {
      {{1, -1}, -0.0, {kOver, kOver}},  // -0.0 is not negative
      {{-5, 2}, -1e-310, {-kOver, -kOver}}, {{1, 1}, Cmplx::kZero, {kOver, kOver}},
      {{4, 6}, -2.0, {-2, -3}}, {{1, 0}, 2 * Cmplx::kZero, {2.247116418577895e307, 0}},
  };
  for (const Case& c : cases) {
    Cmplx z = c.z;
    EXPECT_TRUE(IsCmplx(z /= c.d, c.expected.re, c.expected.im)) << c.z.re << " / " << c.d;
  }
  EXPECT_TRUE(IsCmplx(Cmplx(1, 1) / Cmplx(0, 0), kInv, kInv));
  Cmplx a(1, 2);
  a *= a;  // both parts are formed from the old value
  EXPECT_TRUE(IsCmplx(a, -3, 4));
}

TEST(Cmplx, InverseAvoidsOverflowAndKeepsTheSentinel) {
  struct Case {
    Cmplx z;
    Cmplx expected;
  } cases[] = {
      {{1e-310, 0}, {kInv, 0}},
      {{3, 4}, {0.12, -0.16}},
      // |z|^2 would overflow or underflow here
      {{1e200, 0}, {1e-200, 0}},
      {{3e-170, 4e-170}, {1.2e169, -1.6e169}},
  };
  for (const Case& c : cases) {
    const Cmplx r = c.z.Inverse();
    EXPECT_DOUBLE_EQ(r.re, c.expected.re) << c.z.re;
    EXPECT_DOUBLE_EQ(r.im, c.expected.im) << c.z.re;
  }
}

TEST(Cmplx, PhaseAbsAndDb) {
  const struct {
    Cmplx z;
    double phase, abs, db;
  } cases[] = {
      {{0, 0}, 0.0, 0, -200},
      {{1e-10, 0}, 0.0, 1e-10, -200},
      {{0, -2}, -90.0, 2, 20 * std::log10(2.0)},
      {{-1, 0}, 180.0, 1, 0},
      {{-1, 1}, std::atan(-1.0) * 57.296 + 180.0, std::sqrt(2.0), 10 * std::log10(2.0)},
      {{-3, -4}, std::atan(4.0 / 3.0) * 57.296 - 180.0, 5, 20 * std::log10(5.0)},
      {{3e200, 4e200}, std::atan(4.0 / 3.0) * 57.296, 5e200, 20 * std::log10(5e200)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.z.re << "," << c.z.im);
    EXPECT_EQ(c.z.PhaseDeg(), c.phase);
    EXPECT_DOUBLE_EQ(c.z.Abs(), c.abs);
    EXPECT_DOUBLE_EQ(c.z.Db(), c.db);
  }
  EXPECT_NEAR(Cmplx(1, 1).PhaseDeg(), 45.000173, 5e-7);  // the factor 57.296
  EXPECT_TRUE(Cmplx(1, -1e-309).IsReal());
  EXPECT_FALSE(Cmplx(1, Cmplx::kZero).IsReal());
}

TEST(Cmplx, ArchiveFormIsTwoDoublesRealFirst) {
  std::ostringstream out;
  {
    pf::Archive ar(out);
    Cmplx z(1.5, -2.25);
    z.Serialize(ar);
  }
  const std::string bytes = out.str();
  ASSERT_EQ(bytes.size(), 16u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\0\0\0\0\0\0\xf8\x3f", 8));  // 1.5
  std::istringstream in(bytes);
  pf::Archive ar(in);
  Cmplx back;
  back.Serialize(ar);
  EXPECT_TRUE(IsCmplx(back, 1.5, -2.25));
  EXPECT_THROW(back.Serialize(ar), pf::ArchiveError);
}

}  // namespace
