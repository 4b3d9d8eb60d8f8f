#include "lines/models/MathPool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <iterator>
#include <limits>
#include <numbers>
#include <tuple>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kC = 299792458.0;

SubstrateData Board(double hMm, double er, double tMm = 0.0, double tand = 0.0) {
  SubstrateData s;
  s.H = hMm / 1000.0;
  s.ER = er;
  s.T = tMm / 1000.0;
  s.TAND = tand;
  return s;
}

std::complex<double> Std(const Cmplx& z) { return {z.re, z.im}; }
auto Fields(const MicrostripResult& r) { return std::tuple(r.Z0, r.eps, r.dl); }

struct PeerRow {
  double hMm, er, wMm, tMm, fGHz, epsStatic, epsF, z0Static;
};

const PeerRow kPeerRows[] = {
#include "lines/models/tests/fixtures/microstrip_skrf.inc"
};

// scikit-rf's microstrip medium, with its impedance scaled to our free-space impedance; the
// open end, which the medium lacks, and the dispersive impedance of a 50 ohm alumina line.
TEST(CalcMicrostrip, AgreesWithPeerMedium) {
  for (const PeerRow& r : kPeerRows) {
    SCOPED_TRACE(testing::Message() << "h " << r.hMm << " er " << r.er << " w " << r.wMm
                                    << " t " << r.tMm << " f " << r.fGHz);
    const SubstrateData sub = Board(r.hMm, r.er, r.tMm);
    MicrostripResult stat, disp;
    ASSERT_TRUE(MathPool::CalcMicrostrip(stat, sub, 0.0, r.wMm));
    ASSERT_TRUE(MathPool::CalcMicrostrip(disp, sub, r.fGHz, r.wMm));
    EXPECT_NEAR(stat.eps, r.epsStatic, 1e-6);
    EXPECT_NEAR(stat.Z0 / r.z0Static, 1.0, 1e-9);
    if (!std::isnan(r.epsF)) {
      EXPECT_NEAR(disp.eps, r.epsF, 1e-6);
    }
  }
  MicrostripResult stat, at10;
  ASSERT_TRUE(MathPool::CalcMicrostrip(stat, Board(0.635, 9.8), 0.0, 0.6));
  ASSERT_TRUE(MathPool::CalcMicrostrip(at10, Board(0.635, 9.8), 10.0, 0.6));
  EXPECT_NEAR(stat.dl, 0.19878, 0.000005);
  EXPECT_NEAR(at10.Z0, 51.145, 0.0005);
}

TEST(CalcMicrostrip, InputsOutsideTheModelLeaveTheResult) {
  const struct {
    const char* what;
    double h, er, t, f, w;
  } cases[] = {
      {"negative frequency", 0.635, 9.8, 0.0, -1.0, 0.6},
      {"zero width", 0.635, 9.8, 0.0, 1.0, 0.0},
      {"negative height", -0.635, 9.8, 0.0, 1.0, 0.6},
      {"negative thickness", 0.635, 9.8, -0.01, 1.0, 0.6},
      {"ER below one", 0.635, 0.99, 0.0, 1.0, 0.6},
      {"NaN width", 0.635, 9.8, 0.0, 1.0, kNaN},
      {"frequency beyond the model", 0.635, 9.8, 0.0, 1e30, 0.6},
  };
  for (const auto& c : cases) {
    MicrostripResult r{-1.0, -2.0, -3.0};
    EXPECT_FALSE(MathPool::CalcMicrostrip(r, Board(c.h, c.er, c.t), c.f, c.w)) << c.what;
    EXPECT_EQ(Fields(r), std::tuple(-1.0, -2.0, -3.0)) << c.what;
  }
}

// Outside their domain the scalar formulas answer 0, never NaN or infinity.
TEST(MathPool, ScalarFormulasOutsideTheirDomainAnswerZero) {
  const double values[] = {
      MathPool::SkinDepth(0.0, 1.0, 1e9),         MathPool::SurfaceResistance(0.0, 1.0, 1e9),
      MathPool::SkinDepth(5.8e7, 0.0, 1e9),       MathPool::SurfaceResistance(5.8e7, 0.0, 1e9),
      MathPool::SkinDepth(5.8e7, 1.0, 0.0),       MathPool::SurfaceResistance(5.8e7, 1.0, -1e9),
      MathPool::StaticEffectiveWidth(-1.0, 1.0),  MathPool::StaticEffectiveWidth(1.0, 0.0),
      MathPool::ParallelPlateImpedance({0.0, 4.0}, 1.0),
      MathPool::ParallelPlateImpedance({1.0, -1.0}, 1.0),
      MathPool::MicrostripCharFrequency(1, 0.0, 0.635, 9.8),
      MathPool::MicrostripCharFrequency(2, 0.6, 0.0, 9.8),
      MathPool::MicrostripCharFrequency(4, 0.6, 0.635, 0.5),
      MathPool::EffectiveWidth(0.6, 0.635, 9.8, -1.0),
  };
  for (size_t i = 0; i < std::size(values); ++i) EXPECT_EQ(values[i], 0.0) << "value " << i;
}

TEST(MetalLoss, ConductivitySkinDepthAndSurfaceResistance) {
  // Metal names compare upper-cased; an unknown one is copper.
  const std::pair<const char*, double> metals[] = {{"Au", 4.55e7}, {"Gold", 5.88e7}};
  for (const auto& [name, sigma] : metals) {
    EXPECT_EQ(MathPool::GetConductivity(name), sigma) << name;
  }
  EXPECT_NEAR(MathPool::SkinDepth(5.88e7, 1.0, 1e9), 2.0756e-6, 0.0001e-6);
  EXPECT_NEAR(MathPool::SurfaceResistance(5.88e7, 1.0, 1e9), 8.1939e-3, 0.0001e-3);
}

// The parallel-plate line of width 2h/pi times StaticEffectiveWidth has about the strip's
// static impedance (in air, where no permittivity blurs the comparison).
TEST(StaticEffectiveWidth, ParallelPlateLineMatchesTheStrip) {
  for (double w : {0.1, 0.5, 1.0, 2.0, 5.0, 10.0}) {
    MicrostripResult strip;
    ASSERT_TRUE(MathPool::CalcMicrostrip(strip, Board(1.0, 1.0), 0.0, w));
    const double width = 2.0 * MathPool::StaticEffectiveWidth(w, 1.0) / MathPool::kPi;
    EXPECT_NEAR(MathPool::ParallelPlateImpedance({width, 1.0}, 1.0) / strip.Z0, 1.0, 0.005) << w;
  }
}

// Where the series arm Z0 sinh(gamma l) vanishes, at 0 Hz and at the half-wave points of a
// lossless line, the line is a through of 1 uohm: resistive at 0 Hz, still lossless at the
// half wave (an inverting through). A very long lossy line is matched, either way round.
TEST(LineAdmittance, ThroughAndMatchedLimits) {
  const double G = 1.0 / MathPool::kThroughResistance;
  const struct {
    double alpha, beta, length;
    std::complex<double> y11, y12;
  } rows[] = {{0.0, 0.0, 1.0, {G, 0.0}, {-G, 0.0}},
              {0.0, MathPool::kPi, 1.0, {0.0, G}, {0.0, G}},
              {1.0, 100.0, 1e3, 0.02, 0.0},
              {1.0, 100.0, 1e6, 0.02, 0.0},
              {1.0, 100.0, -1e3, -0.02, 0.0}};
  for (const auto& r : rows) {
    Cmplx y11, y12;
    MathPool::LineAdmittance(y11, 50.0, r.alpha, r.beta, r.length, 'E');
    MathPool::LineAdmittance(y12, 50.0, r.alpha, r.beta, r.length, 'T');
    EXPECT_LT(std::abs(Std(y11) - r.y11), 1e-9 * std::abs(r.y11)) << r.beta << " " << r.length;
    EXPECT_LE(std::abs(Std(y12) - r.y12), 1e-9 * std::abs(r.y12)) << r.beta << " " << r.length;
    EXPECT_EQ(r.y11.real() == 0.0 ? y11.re : y11.im, 0.0);
  }
  Cmplx kept(1.5, -2.5);
  MathPool::LineAdmittance(kept, 75.0, 0.0, 1.0, 1.0, 'X');
  EXPECT_EQ(Std(kept), std::complex<double>(1.5, -2.5));
}

// The textbook form of microstrip dielectric loss.
double TextbookDielectricLoss(double f, double eps, double er, double tand) {
  const double k0 = 2.0 * std::numbers::pi * f / kC;
  return k0 * er * (eps - 1.0) * tand / (2.0 * std::sqrt(eps) * (er - 1.0));
}

TEST(MicrostripLineY, RecoversLineConstantsFromTheMatrix) {
  for (auto [er, tand, f] : {std::tuple{9.8, 0.0, 5.0}, std::tuple{4.5, 0.02, 2.0}}) {
    const SubstrateData sub = Board(0.635, er, 0.0, tand);
    // Short enough that the phase stays on the principal branch of acosh.
    const double length = 0.004;
    Cmplx y11, y12;
    ASSERT_TRUE(MathPool::MicrostripLineY(y11, y12, 0.6e-3, length, sub, f));
    MicrostripResult ms;
    ASSERT_TRUE(MathPool::CalcMicrostrip(ms, sub, f, 0.6));
    // For a uniform line cosh(gamma l) = -Y11/Y12 and Z0 = 1/(Y12 sinh(gamma l)) negated.
    const std::complex<double> gl = std::acosh(-Std(y11) / Std(y12));
    EXPECT_NEAR(gl.imag() / length, 2e9 * std::numbers::pi * f * std::sqrt(ms.eps) / kC, 1e-8);
    EXPECT_NEAR(gl.real() / length, TextbookDielectricLoss(f * 1e9, ms.eps, er, tand), 1e-8);
    EXPECT_NEAR(std::abs(-1.0 / (Std(y12) * std::sinh(gl)) - ms.Z0), 0.0, 1e-9);
    if (tand == 0.0) {
      EXPECT_EQ(std::tuple(y11.re, y12.re), std::tuple(0.0, 0.0));
    }
  }
  // Without dielectric contrast the loss is that of a homogeneous line.
  EXPECT_NEAR(MathPool::DielectricAttenuation(1e9, 1.0, 1.0, 0.01),
              std::numbers::pi * 1e9 * 0.01 / kC, 1e-12);
  Cmplx y11(1.0, 2.0), y12(3.0, 4.0);
  EXPECT_FALSE(MathPool::MicrostripLineY(y11, y12, 0.0, 0.01, Board(0.635, 9.8), 1.0));
  EXPECT_EQ(std::tuple(Std(y11), Std(y12)),
            std::tuple(std::complex(1.0, 2.0), std::complex(3.0, 4.0)));
}

TEST(PlanarWaveguideModeImpedance, HigherModesAroundCutoff) {
  // Mode 1 of a 10 mm guide in air is cut off at c / 10 mm, about 30 GHz; mode 2 of a 20 mm
  // guide is the same mode.
  Cmplx above, below;
  MathPool::PlanarWaveguideModeImpedance(above, 0.02f, 1.0f, 2, 40e9f);
  MathPool::PlanarWaveguideModeImpedance(below, 0.01f, 1.0f, 1, 20e9f);
  const double ra = kC / 40e9 / double(0.01f), rb = double(0.01f) / (kC / 20e9);
  EXPECT_NEAR(above.re, 376.991 / std::sqrt(1.0 - ra * ra), 1e-6);
  EXPECT_EQ(above.im, 0.0);
  EXPECT_EQ(below.re, 0.0);
  EXPECT_NEAR(below.im, 376.991 * rb / std::sqrt(1.0 - rb * rb), 1e-6);
}

TEST(PlanarWaveguideModeImpedance, CutoffAndInvalidInputsStayFinite) {
  // 299792458 = 2 * 511 * 293339: at 511 Hz in air the wavelength is exactly 586678 m.
  Cmplx z;
  MathPool::PlanarWaveguideModeImpedance(z, 586678.0f, 1.0f, 1, 511.0f);
  EXPECT_EQ(Std(z), std::complex<double>(Cmplx::kRealDivOverflow, 0.0));
  for (auto [w, eps, n, f] : {std::tuple{0.01f, 0.0f, 1, 1e9f}, std::tuple{0.01f, -2.0f, 0, 1e9f},
                              std::tuple{0.01f, 1.0f, 1, -1e9f}, std::tuple{0.01f, 1.0f, -1, 1e9f},
                              std::tuple{-0.01f, 1.0f, 1, 1e9f}}) {
    Cmplx kept(7.0, 8.0);
    MathPool::PlanarWaveguideModeImpedance(kept, w, eps, n, f);
    EXPECT_EQ(Std(kept), std::complex<double>(7.0, 8.0)) << w << " " << eps << " " << n;
  }
}

// Mode 1: the half-wave resonance across the strip. Mode 2: Z0 / (2 mu0 h), with Z0 the
// static impedance at a free-space impedance of 376.73. The effective width falls from the
// static parallel-plate width to the strip's as the frequency rises.
TEST(MicrostripCharFrequency, ModesAndTheEffectiveWidth) {
  const double w = 0.6, h = 0.635, er = 9.8;
  EXPECT_NEAR(MathPool::MicrostripCharFrequency(1, w, h, er),
              299.792458 / (2.0 * w * std::sqrt(er)), 1e-3);
  MicrostripResult ms;
  ASSERT_TRUE(MathPool::CalcMicrostrip(ms, Board(h, er), 0.0, w));
  EXPECT_NEAR(MathPool::MicrostripCharFrequency(2, w, h, er),
              ms.Z0 * 376.73 / 376.991 / (2.0 * MathPool::kMu0 * h * 1e-3) / 1e9, 1e-9);
  double last = 2.0 * MathPool::StaticEffectiveWidth(w, h) * h / MathPool::kPi;
  EXPECT_EQ(MathPool::EffectiveWidth(w, h, er, 0.0), last);
  for (double f : {1.0, 10.0, 100.0, 1e6}) {
    const double we = MathPool::EffectiveWidth(w, h, er, f);
    EXPECT_LT(we, last);
    EXPECT_GT(we, w);
    last = we;
  }
  EXPECT_NEAR(last, w, 1e-4);
}

struct Coupled {
  MicrostripResult even{-1.0, -2.0, -3.0};
  MicrostripResult odd{-4.0, -5.0, -6.0};
  int flags = 0;
  Coupled(const SubstrateData& sub, double f, double W, double S)
      : flags(MathPool::CalcCoupledMicrostrip(even, odd, sub, f, W, S)) {}
  bool Set() const { return even.Z0 != -1.0 && odd.Z0 != -4.0; }
};

TEST(CalcCoupledMicrostrip, RangeFlags) {
  constexpr int kNone = MathPool::kCplNoResult;
  const struct {
    double h, er, f, W, S;
    int flags;
  } cases[] = {
      {0.635, 9.8, 5.0, 0.0, 0.2, MathPool::kCplNarrow | kNone},
      {0.0, 9.8, 5.0, 0.6, 0.2, MathPool::kCplWide | kNone},
      {0.635, 9.8, 5.0, 0.6, -0.2, MathPool::kCplSmallGap | kNone},
      {0.635, 0.5, 5.0, 0.6, 0.2, MathPool::kCplPermittivity | kNone},
      {0.635, 9.8, kNaN, 0.6, 0.2, kNone},
      {0.635, 1.0, 5.0, 0.6, 0.2, 0},
      {0.635, 9.8, 5.0, 0.03, 0.2, MathPool::kCplNarrow},
      {0.635, 9.8, 5.0, 7.0, 0.2, MathPool::kCplWide},
      {0.635, 9.8, 5.0, 0.6, 0.05, MathPool::kCplSmallGap},
      {0.635, 20.0, 5.0, 0.6, 0.2, MathPool::kCplPermittivity},
      {1.0, 9.8, 30.0, 0.6, 0.2, MathPool::kCplHighFrequency},
  };
  for (const auto& c : cases) {
    const Coupled r(Board(c.h, c.er), c.f, c.W, c.S);
    EXPECT_EQ(r.flags, c.flags) << c.h << " " << c.er << " " << c.f << " " << c.W << " " << c.S;
    EXPECT_EQ(r.Set(), !(c.flags & kNone));
  }
}

// The modes split around the single line the more, the tighter the gap; a gap that only just
// counts as coupled leaves both close to it, and a wider one is the single line.
TEST(CalcCoupledMicrostrip, ModesSplitAroundTheSingleLine) {
  for (double t : {0.0, 0.017})
    for (double f : {0.0, 5.0, 20.0}) {
      SCOPED_TRACE(testing::Message() << t << " mm at " << f << " GHz");
      const SubstrateData sub = Board(0.635, 9.8, t);
      MicrostripResult single;
      ASSERT_TRUE(MathPool::CalcMicrostrip(single, sub, f, 0.6));
      const Coupled tight(sub, f, 0.6, 0.1), loose(sub, f, 0.6, 3.0), edge(sub, f, 0.6, 6.3);
      EXPECT_GT(tight.even.Z0, loose.even.Z0);
      EXPECT_GT(loose.even.Z0, single.Z0);
      EXPECT_LT(tight.odd.Z0, loose.odd.Z0);
      EXPECT_LT(loose.odd.Z0, single.Z0);
      EXPECT_GT(tight.even.eps, tight.odd.eps);
      for (const MicrostripResult* m : {&edge.even, &edge.odd}) {
        EXPECT_NEAR(m->Z0 / single.Z0, 1.0, t == 0.0 ? 0.02 : 0.03);
        EXPECT_NEAR(m->eps / single.eps, 1.0, t == 0.0 ? 0.02 : 0.03);
      }
      const Coupled apart(sub, f, 0.6, 6.5);
      EXPECT_EQ(apart.flags, 0);
      EXPECT_EQ(Fields(apart.even), Fields(single));
      EXPECT_EQ(Fields(apart.odd), Fields(single));
    }
}

TEST(CalcCoupledMicrostrip, ResultsAreFiniteOrReported) {
  for (double er : {1.0, 1.05, 1.4285714285714286, 2.2, 9.8, 18.0, 40.0})
    for (double S : {0.0, 0.01, 0.3, 6.0})
      for (double W : {0.001, 0.6, 20.0})
        for (double f : {0.0, 10.0, 80.0}) {
          const Coupled r(Board(0.635, er), f, W, S);
          if (r.flags & MathPool::kCplNoResult) {
            EXPECT_FALSE(r.Set());
            continue;
          }
          for (double v : {r.even.Z0, r.even.eps, r.even.dl, r.odd.Z0, r.odd.eps, r.odd.dl})
            EXPECT_TRUE(std::isfinite(v)) << er << " " << S << " " << W << " " << f;
        }
}

}  // namespace
