#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "basics/tests/NumTest.h"
#include "simulator/PortMatrix.h"
#include "simulator/tests/PortMatrixReference.h"

namespace {

PortMatrix TwoPort(char kind, Cmplx m11, Cmplx m12, Cmplx m21, Cmplx m22) {
  const Cmplx e[4] = {m11, m12, m21, m22};
  PortMatrix m(2, e);
  m.SetKind(kind);
  return m;
}

Cmplx OnCircle(const CmplxRec& c, double angle) {
  return c.value + Cmplx(std::cos(angle), std::sin(angle)) * c.radius;
}

double Sq(double x) { return x * x; }

// The random two-ports of the reference whose scattering matrix is unconditionally stable.
std::vector<const ReferenceRecord*> StableRecords() {
  std::vector<const ReferenceRecord*> out;
  for (const ReferenceRecord* r : ReferenceRecords("twoport")) {
    const PortMatrix s = r->Matrix("S", 2, 'S');
    if (s.StabilityFactorK() > 1 && s.Delta().Abs() < 1) out.push_back(r);
  }
  return out;
}

TEST(TwoPortFigures, OtherMatricesGiveZerosAndDefaultCircles) {
  const PortMatrix others[] = {TwoPort('Y', {1, 0}, {2, 0}, {3, 0}, {4, 0}),
                               PortMatrix(1, std::vector<Cmplx>{{0.5, 0}}.data())};
  for (PortMatrix m : others) {
    if (m.GetSize() == 1) m.SetKind('S');
    for (double v : {m.D1(), m.D2(), m.B1(), m.B2(), m.StabilityFactorK(), m.MaxAvailableGain(),
                     m.MaxGain(), m.InputCircleRadius(), m.OutputCircleRadius()})
      EXPECT_EQ(v, 0);
    for (Cmplx z : {m.Delta(), m.C1(), m.C2(), m.GetInputReflection({0.5, 0}),
                    m.GetOutputReflection({0.5, 0}), m.InputCircleCentre(), m.OutputCircleCentre(),
                    m.OptimumSourceReflection(), m.OptimumLoadReflection()})
      EXPECT_TRUE(IsCmplx(z, 0, 0));
    for (CmplxRec c : {m.GetLoadStabilityCircle(), m.GetSourceStabilityCircle(),
                       m.LoadGainCircle(3), m.SourceGainCircle(3)}) {
      EXPECT_TRUE(IsCmplx(c.value, 0, 0));
      EXPECT_EQ(c.radius, 0);
      EXPECT_EQ(c.flag, 1);
    }
  }
  EXPECT_EQ(others[0].MaxStableGain(), 1.5);
  EXPECT_EQ(others[1].MaxStableGain(), 1);
  EXPECT_EQ(TwoPort('Z', {1, 0}, {2, 0}, {3, 0}, {4, 0}).MaxStableGain(), 1);
}

TEST(TwoPortFigures, MaximumGainByStability) {
  const auto kMinus = [](double k) { return k - std::sqrt(k * k - 1); };
  const auto kPlus = [](double k) { return k + std::sqrt(k * k - 1); };
  const struct {
    const char* what;
    double s12, s21;
    double expected;
  } cases[] = {
      // S11 = S22 = 0.5 throughout.
      {"K >= 1, B1 > 0", 0.1, 2, 20 * kMinus(0.5025 / 0.4)}, {"K < 1", 0.1, 5, 50},
      {"K >= 1, B1 < 0", 2, 2, kPlus(14.5625 / 8)},          {"unilateral", 0, 2, 4 / 0.5625},
      {"nearly unilateral", 1e-20, 2, 4 / 0.5625},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const PortMatrix s = TwoPort('S', {0.5, 0}, {c.s12, 0}, {c.s21, 0}, {0.5, 0});
    EXPECT_TRUE(std::isfinite(s.StabilityFactorK()));
    EXPECT_NEAR(s.MaxGain(), c.expected, 1e-14 * c.expected);
  }
}

// On the circles the reflection (or conductance, in the admittance plane) at the other port
// reaches its bound.
TEST(TwoPortFigures, StabilityCircles) {
  for (const ReferenceRecord* r : ReferenceRecords("twoport")) {
    const PortMatrix s = r->Matrix("S", 2, 'S');
    const PortMatrix y = r->Matrix("Y", 2, 'Y');
    const CmplxRec load = s.GetLoadStabilityCircle(), source = s.GetSourceStabilityCircle();
    EXPECT_EQ(load.flag, load.radius < load.value.Abs() ? 1 : 0);
    EXPECT_EQ(source.flag, source.radius < source.value.Abs() ? 1 : 0);
    const double rs = std::fabs(y.GetSourceStabRadiusZ()), rl = std::fabs(y.GetLoadStabRadiusZ());
    for (double a = 0; a < 6.2; a += 0.7) {
      EXPECT_NEAR(s.GetInputReflection(OnCircle(load, a)).Abs(), 1, 1e-5);
      EXPECT_NEAR(s.GetOutputReflection(OnCircle(source, a)).Abs(), 1, 1e-5);
      const Cmplx unit(std::cos(a), std::sin(a));
      const Cmplx ys = y.GetSourceStabCenterY() + unit * y.GetSourceStabRadiusY();
      const Cmplx yl = y.GetLoadStabCenterY() + unit * y.GetLoadStabRadiusY();
      EXPECT_NEAR(y.OutputAdmittance(ys).re, 0, 1e-10);
      EXPECT_NEAR(y.InputAdmittance(yl).re, 0, 1e-10);
      // Their impedances lie on the mapped circles.
      EXPECT_NEAR((ys.Inverse() - y.GetSourceStabCenterZ()).Abs(), rs, 1e-9 * rs);
      EXPECT_NEAR((yl.Inverse() - y.GetLoadStabCenterZ()).Abs(), rl, 1e-9 * rl);
    }
  }
  // |Delta| > |S22| with |S11| < 1: the circle holds the chart's centre.
  EXPECT_EQ(TwoPort('S', {0.5, 0}, {0.5, 0}, {2, 0}, {0.1, 0}).GetLoadStabilityCircle().flag, 0);
  // Source circle of centre 1 - y11 and radius 1: through the origin, and around it.
  const PortMatrix through = TwoPort('Y', {0, 0}, {1, 0}, {2, 0}, {1, 0});
  EXPECT_EQ(through.GetSourceStabRadiusZ(), 1e36);
  EXPECT_TRUE(IsCmplx(through.GetSourceStabCenterZ(), 1e36, 0));
  const PortMatrix around = TwoPort('Y', {0.5, 0}, {1, 0}, {2, 0}, {1, 0});
  EXPECT_DOUBLE_EQ(around.GetSourceStabRadiusZ(), -4.0 / 3);
  EXPECT_TRUE(Near(around.GetSourceStabCenterZ(), Cmplx(-2.0 / 3, 0), 1e-15));
  // The input circle of a lossless output saturates.
  EXPECT_EQ(TwoPort('S', {0, 0}, {1, 0}, {1, 0}, {0, 1}).InputCircleRadius(), FLT_MAX);
}

TEST(TwoPortFigures, GainCirclesHoldTheirGain) {
  std::vector<PortMatrix> matrices;
  for (const ReferenceRecord* r : StableRecords()) matrices.push_back(r->Matrix("S", 2, 'S'));
  // Unilateral and matched: the maximum gain is |S21|^2, 12.7 dB.
  matrices.push_back(TwoPort('S', {0, 0}, {0, 0}, {std::sqrt(std::pow(10.0, 1.27)), 0}, {0, 0}));
  for (const PortMatrix& s : matrices) {
    const double s21 = Sq(s.GetAt(2, 1).Abs());
    CmplxRecVektor load, source;
    s.GetLoadGainCircles(load, 4);
    s.GetSourceGainCircles(source, 4);
    ASSERT_TRUE(load.GetSize() == 4 && source.GetSize() == 4);
    const int top = static_cast<int>(std::floor(10 * std::log10(s.MaxGain())));
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(load[i].flag, top - i);
      EXPECT_EQ(source[i].flag, top - i);
      const double gain = std::pow(10.0, (top - i) / 10.0);
      for (double a = 0; a < 6.2; a += 0.7) {
        const Cmplx gl = OnCircle(load[i], a);
        const double operating = s21 * (1 - Sq(gl.Abs())) /
                                 ((1 - Sq(s.GetInputReflection(gl).Abs())) *
                                  Sq((Cmplx(1, 0) - s.GetAt(2, 2) * gl).Abs()));
        EXPECT_NEAR(operating, gain, 1e-5 * gain);
        const Cmplx gs = OnCircle(source[i], a);
        const double available = s21 * (1 - Sq(gs.Abs())) /
                                 (Sq((Cmplx(1, 0) - s.GetAt(1, 1) * gs).Abs()) *
                                  (1 - Sq(s.GetOutputReflection(gs).Abs())));
        EXPECT_NEAR(available, gain, 1e-5 * gain);
      }
    }
  }
  // Above the maximum gain there is no circle; it shrinks to a point.
  EXPECT_EQ(matrices.back().LoadGainCircle(13).radius, 0);
}

class GainCircleList : public NumErrorLog {};

TEST_F(GainCircleList, EmptyOrWithoutGain) {
  CmplxRecVektor list;
  const PortMatrix none = TwoPort('S', {0, 0}, {0, 0}, {0, 0}, {0, 0});
  none.GetSourceGainCircles(list, 0);
  EXPECT_EQ(list.GetSize(), 0);
  EXPECT_EQ(Log({"CmplxRecVektor: Vektor muß größer 0 sein"}), log);
  none.GetLoadGainCircles(list, 2);
  ASSERT_EQ(list.GetSize(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(std::isfinite(list[i].value.Abs()) && std::isfinite(list[i].radius));
    EXPECT_LT(list[i].flag, -3000);
  }
}

TEST(TwoPortFigures, OptimumReflectionsAreConjugateMatched) {
  for (const ReferenceRecord* r : StableRecords()) {
    const PortMatrix s = r->Matrix("S", 2, 'S');
    const Cmplx gs = s.OptimumSourceReflection(), gl = s.OptimumLoadReflection();
    EXPECT_TRUE(Near(gs, s.GetInputReflection(gl).Conj(), 1e-9));
    EXPECT_TRUE(Near(gl, s.GetOutputReflection(gs).Conj(), 1e-9));
    // The circle figures of a stable two-port are the same reflections.
    const PortMatrix opt = r->Matrix("Y", 2, 'Y').ConvertToR(50, 75);
    EXPECT_TRUE(Near(opt.GetAt(1, 2), opt.GetAt(1, 1), 1e-9));
    EXPECT_TRUE(Near(opt.GetAt(2, 1), opt.GetAt(2, 2), 1e-9));
  }
}

TEST(TwoPortFigures, CascadeWithCancellingPortsUsesASmallDenominator) {
  PortMatrix a = TwoPort('S', {1, 0}, {1, 0}, {1, 0}, {-1, 0});
  a.Cascade(TwoPort('Y', {1, 0}, {2, 0}, {3, 0}, {4, 0}));
  EXPECT_EQ(a.GetKind(), 'Y');
  const double expected[4] = {1 - 1e10, -2e10, -3e10, 4 - 6e10};
  for (int k = 0; k < 4; ++k)
    EXPECT_TRUE(Near(a.GetAt(k / 2 + 1, k % 2 + 1), Cmplx(expected[k], 0), 1e-15)) << k;

  PortMatrix one(1, std::vector<Cmplx>{{2, 0}}.data());
  one.Cascade(a);
  EXPECT_TRUE(IsCmplx(one.GetAt(1, 1), 2, 0));
}

}  // namespace
