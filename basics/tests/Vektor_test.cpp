#include "basics/Vektor.h"

#include <gtest/gtest.h>

#include <climits>
#include <iostream>
#include <sstream>
#include <string>

#include "basics/tests/NumTest.h"
#include "pf/archive.h"

namespace {

// Per vector class: its hook tag, its flag letter, a distinct element per index, and a key
// that tells elements apart.
template <class V>
struct Traits;

template <>
struct Traits<RVektor> {
  static constexpr const char* kTag = "RVektor: ";
  static constexpr const char* kFlags = "R----";
  static double Make(int i) { return i + 0.5; }
  static double Key(const double& e) { return e; }
};

template <>
struct Traits<CVektor> {
  static constexpr const char* kTag = "CVektor: ";
  static constexpr const char* kFlags = "-C---";
  static Cmplx Make(int i) { return Cmplx(i + 0.5, -i); }
  static double Key(const Cmplx& e) { return e.re + 1000 * e.im; }
};

template <>
struct Traits<CmplxRecVektor> {
  static constexpr const char* kTag = "CmplxRecVektor: ";
  static constexpr const char* kFlags = "--X--";
  static CmplxRec Make(int i) { return CmplxRec(Cmplx(i + 0.5, 0), float(i), 0); }
  static double Key(const CmplxRec& e) { return e.value.re + 1000 * e.radius + 1e6 * e.flag; }
};

template <class V>
class VektorCommon : public NumErrorLog {
 protected:
  using T = Traits<V>;
  static V Filled(int n) {
    V v(n);
    for (int i = 0; i < n; ++i) v[i] = T::Make(i);
    return v;
  }
  static double ZeroKey() { return T::Key(std::remove_cvref_t<decltype(V()[0])>()); }
};

using VektorTypes = testing::Types<RVektor, CVektor, CmplxRecVektor>;
TYPED_TEST_SUITE(VektorCommon, VektorTypes);

TYPED_TEST(VektorCommon, SizeBelowOneReportsThroughItsOwnHookAndFlag) {
  using T = Traits<TypeParam>;
  for (int n : {0, INT_MIN}) {
    this->log.clear();
    TypeParam v(n);
    EXPECT_EQ(v.GetSize(), 0);
    EXPECT_EQ(this->log, this->Log({(std::string(T::kTag) + "Vektor muß größer 0 sein").c_str()}));
    EXPECT_EQ(this->Flags(), T::kFlags);
  }
}

TYPED_TEST(VektorCommon, BadIndexReportsAndUsesElementZero) {
  using T = Traits<TypeParam>;
  TypeParam v = this->Filled(3);
  for (int i : {3, -1, INT_MAX, INT_MIN}) {
    SCOPED_TRACE(i);
    this->log.clear();
    const TypeParam& cv = v;
    EXPECT_EQ(T::Key(cv[i]), T::Key(T::Make(0)));
    EXPECT_EQ(this->log, this->Log({(std::string(T::kTag) + "ungültiger Index").c_str()}));
  }
  v[5] = T::Make(9);
  EXPECT_EQ(T::Key(v[0]), T::Key(T::Make(9)));
  EXPECT_EQ(T::Key(v[2]), T::Key(T::Make(2)));
  EXPECT_EQ(this->Flags(), T::kFlags);
}

TYPED_TEST(VektorCommon, AccessOnAnEmptyVectorIsSafeAndWritesAreLost) {
  using T = Traits<TypeParam>;
  TypeParam v(0);
  this->log.clear();
  v[0] = T::Make(7);
  v[3] = T::Make(8);
  const TypeParam& cv = v;
  EXPECT_EQ(T::Key(cv[0]), this->ZeroKey());
  EXPECT_EQ(this->log.size(), 3u);
  EXPECT_EQ(v.GetSize(), 0);
}

TYPED_TEST(VektorCommon, AssignmentTakesTheSourceCountAndIsSelfSafe) {
  using T = Traits<TypeParam>;
  for (auto [to, from] : {std::pair{5, 3}, {3, 5}, {0, 2}, {2, 0}}) {
    SCOPED_TRACE(testing::Message() << to << " <- " << from);
    TypeParam target(to);
    const TypeParam source = this->Filled(from);
    this->log.clear();
    target = source;
    TypeParam& alias = target;
    target = alias;
    const TypeParam copy(target);
    ASSERT_EQ(copy.GetSize(), from);
    for (int i = 0; i < from; ++i) EXPECT_EQ(T::Key(copy[i]), T::Key(T::Make(i)));
    EXPECT_TRUE(this->log.empty());
  }
}

TYPED_TEST(VektorCommon, SetSizeKeepsContentsOnlyAtTheSameCount) {
  using T = Traits<TypeParam>;
  const TypeParam def;
  EXPECT_EQ(def.GetSize(), 1);
  TypeParam v = this->Filled(3);
  v.SetSize(3);
  EXPECT_EQ(T::Key(v[2]), T::Key(T::Make(2)));
  v.Realloc(3);
  EXPECT_EQ(T::Key(v[2]), this->ZeroKey());
  v = this->Filled(3);
  v.SetSize(4);
  ASSERT_EQ(v.GetSize(), 4);
  EXPECT_EQ(T::Key(v[0]), this->ZeroKey());
  v.SetSize(0);
  EXPECT_EQ(v.GetSize(), 0);
  EXPECT_TRUE(this->log.empty());
}

class VektorOps : public NumErrorLog {};

TEST_F(VektorOps, CVektorAddAndSubtractNeedEqualCounts) {
  const std::string kAdd = "CVektor: Vektoren verschiedener Größe können nicht addiert werden";
  const std::string kSub = "CVektor: Vektoren verschiedener Größe können nicht subtrahiert werden";
  struct Case {
    int a, b;
    bool add;
    const std::string* message;  // null: the operation applies
  } cases[] = {{2, 2, true, nullptr}, {2, 2, false, nullptr}, {2, 3, true, &kAdd},
               {3, 2, false, &kSub},  {0, 1, true, &kAdd}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << (c.add ? " + " : " - ") << c.b);
    CVektor a(c.a), b(c.b);
    for (int i = 0; i < c.a; ++i) a[i] = Cmplx(10 * i, 1);
    for (int i = 0; i < c.b; ++i) b[i] = Cmplx(i, 2);
    log.clear();
    if (c.add) a += b;
    else a -= b;
    const int sign = c.message ? 0 : (c.add ? 1 : -1);
    for (int i = 0; i < c.a; ++i) EXPECT_TRUE(IsCmplx(a[i], 10 * i + sign * i, 1 + 2 * sign));
    EXPECT_EQ(log, c.message ? Log({c.message->c_str()}) : Log({}));
  }
}

TEST_F(VektorOps, Arithmetic) {
  CVektor v(2);
  v[0] = Cmplx(2, 4);
  v[1] = Cmplx(-1, 3);
  const CVektor neg = -v;
  EXPECT_TRUE(IsCmplx((v - neg)[0], 4, 8));
  v /= 0.0f;
  EXPECT_TRUE(IsCmplx(v[1], Cmplx::kRealDivOverflow, Cmplx::kRealDivOverflow));
  RVektor r(2);
  r[0] = 3;
  r[1] = -4;
  EXPECT_EQ(r.Norm(), 5);
  EXPECT_TRUE(IsCmplx(CVektor(r)[1], -4, 0));

  RVektor longer(3);
  longer[0] = 1;
  longer[2] = 7;
  const RVektor d = r - longer;  // over the left count, no size check
  ASSERT_EQ(d.GetSize(), 2);
  EXPECT_EQ(d[0], 2);
  EXPECT_TRUE(log.empty());
  longer -= r;  // a shorter operand would be read past its end
  EXPECT_EQ(longer[0], 1);
  EXPECT_EQ(log, Log({"RVektor: Vektoren verschiedener Größe können nicht subtrahiert werden"}));
}

TEST_F(VektorOps, ArchiveFormsAreCountThenDoubles) {
  RVektor r(2);
  r[0] = 1.5;
  r[1] = -2;
  CVektor c(1);
  c[0] = Cmplx(1.5, -2);
  RVektor emptyR(0);
  log.clear();
  std::ostringstream out;
  {
    pf::Archive ar(out);
    r.Serialize(ar);
    c.Serialize(ar);
    emptyR.Serialize(ar);
  }
  const std::string bytes = out.str();
  ASSERT_EQ(bytes.size(), 4u + 16 + 4 + 16 + 4);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\2\0\0\0", 4));
  EXPECT_EQ(bytes.substr(20, 4), std::string("\1\0\0\0", 4));
  EXPECT_EQ(bytes.substr(4, 16), bytes.substr(24, 16));  // same doubles, same order

  std::istringstream in(bytes);
  pf::Archive ar(in);
  RVektor r2(5);
  CVektor c2(3);
  RVektor e2(2);
  r2.Serialize(ar);
  c2.Serialize(ar);
  e2.Serialize(ar);
  ASSERT_EQ(r2.GetSize(), 2);
  EXPECT_EQ(r2[1], -2);
  ASSERT_EQ(c2.GetSize(), 1);
  EXPECT_EQ(c2[0].im, -2);
  EXPECT_EQ(e2.GetSize(), 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(VektorOps, LoadingRefusesBadCounts) {
  for (const std::string& bytes : {std::string("\xff\xff\xff\xff", 4),  // negative
                                   std::string("\3\0\0\0", 4) + std::string(16, '\0'),  // short
                                   std::string("\xff\xff\xff\x7f", 4)}) {                // absurd
    std::istringstream in1(bytes), in2(bytes);
    pf::Archive a1(in1), a2(in2);
    RVektor r;
    CVektor c;
    EXPECT_THROW(r.Serialize(a1), pf::ArchiveError);
    EXPECT_THROW(c.Serialize(a2), pf::ArchiveError);
  }
}

TEST(VektorHooks, DefaultHooksWriteTheClassPrefix) {
  for (auto [hook, expected] : {std::pair<NumErrorHook, const char*>{VektorErrorHook, "Vektor Fehler: ungültiger Index\n"},
                                {RMatrixErrorHook, "RMatrix Fehler: ungültiger Index\n"},
                                {CMatrixErrorHook, "CMatrix Fehler: ungültiger Index\n"}}) {
    std::ostringstream captured;
    std::streambuf* old = std::cout.rdbuf(captured.rdbuf());
    hook("ungültiger Index");
    std::cout.rdbuf(old);
    EXPECT_EQ(captured.str(), expected);
  }
}

TEST_F(VektorOps, NullHookOnlySetsTheFlag) {
  CVektor::errorHook = nullptr;
  const CVektor v(0);
  EXPECT_EQ(Flags(), "-C---");
  EXPECT_TRUE(log.empty());
}

}  // namespace
