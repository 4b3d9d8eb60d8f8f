#include "basics/Vektor.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <utility>

#include "basics/tests/NumTest.h"
#include "pf/archive.h"

namespace {

class VektorTest : public NumErrorLog {};

TEST_F(VektorTest, EachClassReportsThroughItsOwnHookAndFlag) {
  const RVektor r(0);
  const CVektor c(INT_MIN);
  CmplxRecVektor x(2);
  x[2] = CmplxRec(Cmplx(5, 0), 1, 0);  // a bad index writes element 0
  EXPECT_EQ(x[0].value.re, 5);
  EXPECT_EQ(log, Log({"RVektor: Vektor muß größer 0 sein", "CVektor: Vektor muß größer 0 sein",
                      "CmplxRecVektor: ungültiger Index"}));
  EXPECT_EQ(Flags(), "RCX--");

  log.clear();
  CVektor::errorHook = nullptr;  // flag only
  const CVektor quiet(0);
  EXPECT_TRUE(log.empty());
}

TEST_F(VektorTest, BadIndexUsesElementZeroAndAnEmptyVectorLosesWrites) {
  RVektor v(3);
  v[0] = 1.5;
  v[2] = 2.5;
  const RVektor& cv = v;
  for (int i : {3, -1, INT_MAX, INT_MIN}) EXPECT_EQ(cv[i], 1.5) << i;
  EXPECT_EQ(log.size(), 4u);

  CVektor empty(0);
  empty[0] = Cmplx(7, 7);
  empty[3] = Cmplx(8, 8);
  EXPECT_TRUE(IsCmplx(std::as_const(empty)[0], 0, 0));
  EXPECT_EQ(empty.GetSize(), 0);
}

TEST_F(VektorTest, AssignmentTakesTheSourceCountAndSetSizeKeepsOnlyTheSameCount) {
  // Storage one element short of the source must still grow.
  for (auto [to, from] : {std::pair{5, 3}, {4, 5}, {2, 0}}) {
    CVektor target(to);
    CVektor source(from);
    for (int i = 0; i < from; ++i) source[i] = Cmplx(i, -i);
    log.clear();
    target = source;
    CVektor& alias = target;
    target = alias;
    const CVektor copy(target);
    ASSERT_EQ(copy.GetSize(), from);
    for (int i = 0; i < from; ++i) EXPECT_TRUE(IsCmplx(copy[i], i, -i)) << to << " <- " << from;
  }
  RVektor v(3);
  v[2] = 4;
  v.SetSize(3);
  EXPECT_EQ(v[2], 4);
  v.Realloc(3);
  EXPECT_EQ(v[2], 0);
  v[2] = 4;
  v.SetSize(4);
  EXPECT_EQ(v[2], 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(VektorTest, ArithmeticChecksCounts) {
  CVektor a(2), b(2);
  a[0] = Cmplx(2, 4);
  b[0] = Cmplx(1, 1);
  a += b;
  EXPECT_TRUE(IsCmplx((a - -b)[0], 4, 6));
  CVektor longer(3);
  a += longer;
  a -= longer;
  EXPECT_TRUE(IsCmplx(a[0], 3, 5));
  a /= 0.0f;
  EXPECT_TRUE(IsCmplx(a[1], Cmplx::kRealDivOverflow, Cmplx::kRealDivOverflow));

  RVektor r(2);
  r[0] = 3;
  r[1] = -4;
  EXPECT_EQ(r.Norm(), 5);
  RVektor rl(3);
  rl[0] = 1;
  EXPECT_EQ((r - rl)[0], 2);  // over the left count
  rl -= r;                    // a shorter operand would be read past its end
  EXPECT_EQ(rl[0], 1);
  EXPECT_EQ(log, Log({"CVektor: Vektoren verschiedener Größe können nicht addiert werden",
                      "CVektor: Vektoren verschiedener Größe können nicht subtrahiert werden",
                      "RVektor: Vektoren verschiedener Größe können nicht subtrahiert werden"}));
}

TEST_F(VektorTest, ArchiveFormsAreCountThenDoubles) {
  RVektor r(2), empty(0);
  r[0] = 1.5;
  r[1] = -2;
  CVektor c(1);
  c[0] = Cmplx(1.5, -2);
  std::ostringstream out;
  {
    pf::Archive ar(out);
    r.Serialize(ar);
    c.Serialize(ar);
    empty.Serialize(ar);
  }
  const std::string bytes = out.str();
  ASSERT_EQ(bytes.size(), 4u + 16 + 4 + 16 + 4);
  // -2.0, then the complex vector's count
  EXPECT_EQ(bytes.substr(12, 12), std::string("\0\0\0\0\0\0\0\xc0\1\0\0\0", 12));
  EXPECT_EQ(bytes.substr(4, 16), bytes.substr(24, 16));  // same doubles, same order
  std::istringstream in(bytes);
  pf::Archive ar(in);
  RVektor r2(5), e2(2);
  CVektor c2(3);
  r2.Serialize(ar);
  c2.Serialize(ar);
  e2.Serialize(ar);
  EXPECT_TRUE(r2.GetSize() == 2 && r2[1] == -2);
  EXPECT_TRUE(c2.GetSize() == 1 && c2[0].im == -2);
  EXPECT_EQ(e2.GetSize(), 0);

  for (const std::string& bad : {std::string("\xff\xff\xff\xff", 4),  // negative
                                 std::string("\3\0\0\0", 4) + std::string(16, '\0'),  // short
                                 std::string("\xff\xff\xff\x7f", 4)}) {              // absurd
    std::istringstream in1(bad), in2(bad);
    pf::Archive a1(in1), a2(in2);
    EXPECT_THROW(r.Serialize(a1), pf::ArchiveError);
    EXPECT_THROW(c.Serialize(a2), pf::ArchiveError);
  }
}

}  // namespace
