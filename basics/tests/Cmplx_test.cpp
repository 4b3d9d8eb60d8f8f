#include "basics/Cmplx.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "pf/archive.h"

namespace {

constexpr double kOver = Cmplx::kRealDivOverflow;
constexpr double kInv = Cmplx::kInverseOfZero;

struct RealDivCase {
  Cmplx z;
  double d;
  Cmplx expected;
};

TEST(Cmplx, RealDivisionFollowsTheZeroRule) {
  const RealDivCase cases[] = {
      RealDivCase{{0, 0}, 0.0, {kOver, kOver}},
      RealDivCase{{1, -1}, -0.0, {kOver, kOver}},   // -0.0 is not negative
      RealDivCase{{5, 0}, 1e-310, {kOver, kOver}},  // below the smallest normal
      RealDivCase{{-5, 2}, -1e-310, {-kOver, -kOver}},
      RealDivCase{{4, 6}, 2.0, {2, 3}},
      RealDivCase{{4, 6}, -2.0, {-2, -3}},
      RealDivCase{{1, 1}, 2.2250738585072014e-308, {kOver, kOver}},
      RealDivCase{{1, 0}, 4.450147717014403e-308, {2.247116418577895e307, 0}}};
  for (const RealDivCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.z.re << "," << c.z.im << " / " << c.d);
    Cmplx z = c.z;
    const Cmplx returned = (z /= c.d);
    EXPECT_EQ(z.re, c.expected.re);
    EXPECT_EQ(z.im, c.expected.im);
    EXPECT_EQ(returned.im, z.im);
    const Cmplx q = c.z / c.d;
    EXPECT_EQ(q.re, c.expected.re);
    EXPECT_EQ(q.im, c.expected.im);
  }
}

TEST(Cmplx, IntOperandsActOnTheRealPart) {
  const Cmplx z(2, 3);
  const Cmplx sum = z + 1;
  const Cmplx diff = z - 1;
  const Cmplx prod = z * 2;
  const Cmplx quot = z / 0;
  EXPECT_EQ(sum.re, 3);
  EXPECT_EQ(sum.im, 3);
  EXPECT_EQ(diff.re, 1);
  EXPECT_EQ(diff.im, 3);
  EXPECT_EQ(prod.re, 4);
  EXPECT_EQ(prod.im, 6);
  EXPECT_EQ(quot.re, kOver);
  Cmplx a(7, 9);
  a = 3;
  EXPECT_EQ(a.re, 3);
  EXPECT_EQ(a.im, 0);
}

TEST(Cmplx, ProductAndAliasing) {
  Cmplx a(1, 2);
  const Cmplx p = a * Cmplx(3, 4);
  EXPECT_EQ(p.re, -5);
  EXPECT_EQ(p.im, 10);
  a *= a;  // both parts must be formed from the old value
  EXPECT_EQ(a.re, -3);
  EXPECT_EQ(a.im, 4);
  Cmplx b(1, 1);
  b /= b;
  EXPECT_DOUBLE_EQ(b.re, 1);
  EXPECT_DOUBLE_EQ(b.im, 0);
}

struct InverseCase {
  Cmplx z;
  Cmplx expected;
};

TEST(Cmplx, InverseAvoidsOverflowAndKeepsTheSentinel) {
  const InverseCase cases[] = {
      InverseCase{{0, 0}, {kInv, 0}}, InverseCase{{1e-310, 0}, {kInv, 0}},
      InverseCase{{2, 0}, {0.5, 0}}, InverseCase{{0, 4}, {0, -0.25}},
      InverseCase{{3, 4}, {0.12, -0.16}},
      // |z|^2 would overflow or underflow here
      InverseCase{{1e200, 0}, {1e-200, 0}}, InverseCase{{0, -1e-200}, {0, 1e200}},
      InverseCase{{3e-170, 4e-170}, {1.2e169, -1.6e169}}, InverseCase{{1e-300, 0}, {1e300, 0}}};
  for (const InverseCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.z.re << "," << c.z.im);
    const Cmplx r = c.z.Inverse();
    EXPECT_DOUBLE_EQ(r.re, c.expected.re);
    EXPECT_DOUBLE_EQ(r.im, c.expected.im);
  }
}

TEST(Cmplx, DivisionByComplexZeroUsesTheLargestFloat) {
  const Cmplx q = Cmplx(1, 1) / Cmplx(0, 0);
  EXPECT_EQ(q.re, 3.4028234663852886e38);
  EXPECT_EQ(q.im, 3.4028234663852886e38);
}

struct PhaseCase {
  Cmplx z;
  double expected;
};

TEST(Cmplx, PhaseDegIsExact) {
  const PhaseCase cases[] = {PhaseCase{{-1, 0}, 180.0},
                             PhaseCase{{0, -2}, -90.0},
                             PhaseCase{{0, 2}, 90.0},
                             PhaseCase{{0, 0}, 0.0},
                             PhaseCase{{-0.0, 0}, 0.0},
                             PhaseCase{{1, 1}, std::atan(1.0) * 57.296},
                             PhaseCase{{-1, 1}, std::atan(-1.0) * 57.296 + 180.0},
                             PhaseCase{{-1, -1}, std::atan(1.0) * 57.296 - 180.0},
                             PhaseCase{{2, 0}, 0.0}};
  for (const PhaseCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.z.re << "," << c.z.im);
    EXPECT_EQ(c.z.PhaseDeg(), c.expected);
  }
}

TEST(Cmplx, PhaseUsesTheFixedFactor) { EXPECT_NEAR(Cmplx(1, 1).PhaseDeg(), 45.000173, 5e-7); }

struct MagnitudeCase {
  Cmplx z;
  double abs;
  double db;
};

TEST(Cmplx, AbsAndDb) {
  const MagnitudeCase cases[] = {
      MagnitudeCase{{0, 0}, 0, -200},
      MagnitudeCase{{1e-10, 0}, 1e-10, -200},
      MagnitudeCase{{0, 1}, 1, 0},
      MagnitudeCase{{-3, 4}, 5, 20 * std::log10(5.0)},
      MagnitudeCase{{3e200, 4e200}, 5e200, 20 * std::log10(5e200)},
      MagnitudeCase{{-7, 7}, 7 * std::sqrt(2.0), 20 * std::log10(7 * std::sqrt(2.0))},
      MagnitudeCase{{1e-320, 0}, 1e-320, -200}};
  for (const MagnitudeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.z.re << "," << c.z.im);
    EXPECT_DOUBLE_EQ(c.z.Abs(), c.abs);
    EXPECT_DOUBLE_EQ(c.z.Db(), c.db);
  }
}

TEST(Cmplx, ReadOuts) {
  EXPECT_TRUE(Cmplx(1, 1e-309).IsReal());
  EXPECT_TRUE(Cmplx(1, -1e-309).IsReal());
  EXPECT_FALSE(Cmplx(1, 2.2250738585072014e-308).IsReal());
  const Cmplx c = Cmplx(1, 2).Conj();
  EXPECT_EQ(c.im, -2);
  const Cmplx n = -Cmplx(1, -2);
  EXPECT_EQ(n.re, -1);
  EXPECT_EQ(n.im, 2);
}

TEST(Cmplx, PolarUsesTheFixedDegreeFactor) {
  const Cmplx z = CmplxPolar(2, 90);
  EXPECT_EQ(z.re, 2 * std::cos(90 * 0.0174533));
  EXPECT_EQ(z.im, 2 * std::sin(90 * 0.0174533));
  EXPECT_NE(z.re, 2 * std::cos(M_PI / 2));
}

TEST(Cmplx, ExponentialAndHyperbolic) {
  const Cmplx e = CmplxExp(Cmplx(1, M_PI / 2));
  EXPECT_NEAR(e.re, 0, 1e-15);
  EXPECT_DOUBLE_EQ(e.im, M_E);
  const Cmplx c = CmplxCosh(Cmplx(0.7, 0));
  const Cmplx s = CmplxSinh(Cmplx(0.7, 0));
  EXPECT_DOUBLE_EQ(c.re, std::cosh(0.7));
  EXPECT_DOUBLE_EQ(s.re, std::sinh(0.7));
  // cosh(jx) = cos x, sinh(jx) = j sin x
  const Cmplx cj = CmplxCosh(Cmplx(0, 0.3));
  const Cmplx sj = CmplxSinh(Cmplx(0, 0.3));
  EXPECT_DOUBLE_EQ(cj.re, std::cos(0.3));
  EXPECT_NEAR(cj.im, 0, 1e-17);
  EXPECT_DOUBLE_EQ(sj.im, std::sin(0.3));
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
  EXPECT_EQ(back.re, 1.5);
  EXPECT_EQ(back.im, -2.25);
  EXPECT_THROW(back.Serialize(ar), pf::ArchiveError);
}

TEST(CmplxRec, StoresTheAbsoluteRadius) {
  const CmplxRec def;
  EXPECT_EQ(def.value.re, 0);
  EXPECT_EQ(def.radius, 0.0f);
  EXPECT_EQ(def.flag, 1);
  const CmplxRec r(Cmplx(1, 2), -0.5f, 0);
  EXPECT_EQ(r.radius, 0.5f);
  EXPECT_EQ(r.flag, 0);
  EXPECT_EQ(r.value.im, 2);
  const CmplxRec b(Cmplx(), 3.0f, true);
  EXPECT_EQ(b.flag, 1);
  CmplxRec copy;
  copy = r;
  EXPECT_EQ(copy.radius, 0.5f);
  EXPECT_EQ(copy.flag, 0);
  EXPECT_EQ(copy.value.re, 1);
}

}  // namespace
