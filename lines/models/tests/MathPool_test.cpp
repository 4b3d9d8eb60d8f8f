#include "lines/models/MathPool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

SubstrateData Board(double hMm, double er, double tMm = 0.0, double tand = 0.0) {
  SubstrateData s;
  s.H = hMm / 1000.0;
  s.ER = er;
  s.T = tMm / 1000.0;
  s.TAND = tand;
  return s;
}

const MicrostripResult kUntouched{-1.0, -2.0, -3.0};

TEST(CalcMicrostrip, AluminaFiftyOhmLine) {
  const SubstrateData sub = Board(0.635, 9.8);
  MicrostripResult stat, at10;
  ASSERT_TRUE(MathPool::CalcMicrostrip(stat, sub, 0.0, 0.6));
  ASSERT_TRUE(MathPool::CalcMicrostrip(at10, sub, 10.0, 0.6));
  EXPECT_NEAR(stat.Z0, 50.699, 0.0005);
  EXPECT_NEAR(stat.eps, 6.54839, 0.000005);
  EXPECT_NEAR(stat.dl, 0.19878, 0.000005);
  EXPECT_NEAR(at10.eps, 6.88832, 0.000005);
  EXPECT_NEAR(at10.Z0, 51.145, 0.0005);
  EXPECT_EQ(at10.dl, stat.dl);  // the open end is static
}

struct PeerRow {
  double hMm, er, wMm, tMm, fGHz, epsStatic, epsF, z0Static;
};

const PeerRow kPeerRows[] = {
#include "lines/models/tests/fixtures/microstrip_skrf.inc"
};

// scikit-rf's microstrip medium, with its impedance scaled to our free-space impedance.
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
}

TEST(CalcMicrostrip, VacuumSubstrateKeepsPermittivityOne) {
  for (double t : {0.0, 0.017})
    for (double f : {0.0, 10.0, 40.0}) {
      MicrostripResult r;
      ASSERT_TRUE(MathPool::CalcMicrostrip(r, Board(1.0, 1.0, t), f, 2.0));
      EXPECT_EQ(r.eps, 1.0) << t << " mm at " << f << " GHz";
    }
}

TEST(CalcMicrostrip, InputsOutsideTheModelLeaveTheResult) {
  struct Case {
    const char* what;
    double h, er, t, f, w;
  };
  const Case cases[] = {
      {"negative frequency", 0.635, 9.8, 0.0, -1.0, 0.6},
      {"zero width", 0.635, 9.8, 0.0, 1.0, 0.0},
      {"negative height", -0.635, 9.8, 0.0, 1.0, 0.6},
      {"negative thickness", 0.635, 9.8, -0.01, 1.0, 0.6},
      {"ER below one", 0.635, 0.99, 0.0, 1.0, 0.6},
      {"NaN width", 0.635, 9.8, 0.0, 1.0, kNaN},
      {"frequency beyond the model", 0.635, 9.8, 0.0, 1e30, 0.6},
  };
  for (const Case& c : cases) {
    MicrostripResult r = kUntouched;
    EXPECT_FALSE(MathPool::CalcMicrostrip(r, Board(c.h, c.er, c.t), c.f, c.w)) << c.what;
    EXPECT_EQ(r.Z0, kUntouched.Z0) << c.what;
    EXPECT_EQ(r.eps, kUntouched.eps) << c.what;
    EXPECT_EQ(r.dl, kUntouched.dl) << c.what;
  }
}

TEST(MetalLoss, ConductivitySkinDepthAndDomain) {
  // Metal names compare upper-cased; an unknown one is copper.
  const std::pair<const char*, double> metals[] = {
      {"cu", 5.88e7}, {"Au", 4.55e7}, {"ag", 6.21e7}, {"Gold", 5.88e7}};
  for (const auto& [name, sigma] : metals) EXPECT_EQ(MathPool::GetConductivity(name), sigma) << name;

  const double sigma = 5.88e7;
  const double delta = MathPool::SkinDepth(sigma, 1.0, 1e9);
  EXPECT_NEAR(delta, 2.0756e-6, 0.0001e-6);
  // The surface resistance is that of a layer one skin depth thick.
  EXPECT_NEAR(MathPool::SurfaceResistance(sigma, 1.0, 1e9) * sigma * delta, 1.0, 1e-12);
  for (auto [sigma, mur, f] : {std::tuple{0.0, 1.0, 1e9}, std::tuple{5.8e7, 0.0, 1e9},
                               std::tuple{5.8e7, 1.0, 0.0}, std::tuple{5.8e7, 1.0, -1e9}}) {
    EXPECT_EQ(MathPool::SkinDepth(sigma, mur, f), 0.0);
    EXPECT_EQ(MathPool::SurfaceResistance(sigma, mur, f), 0.0);
  }
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
  // The same formula turns an impedance into a width and back.
  const double width = MathPool::ParallelPlateImpedance({50.0, 6.5}, 0.635);
  EXPECT_DOUBLE_EQ(MathPool::ParallelPlateImpedance({width, 6.5}, 0.635), 50.0);
  EXPECT_EQ(MathPool::StaticEffectiveWidth(-1.0, 1.0), 0.0);
  EXPECT_EQ(MathPool::StaticEffectiveWidth(1.0, 0.0), 0.0);
  EXPECT_EQ(MathPool::ParallelPlateImpedance({0.0, 4.0}, 1.0), 0.0);
  EXPECT_EQ(MathPool::ParallelPlateImpedance({1.0, -1.0}, 1.0), 0.0);
}

std::complex<double> Std(const Cmplx& z) { return {z.re, z.im}; }

// Where the series arm Z0 sinh(gamma l) vanishes, at 0 Hz and at the half-wave points of a
// lossless line, the line is a through of 1 uohm: resistive at 0 Hz, still lossless at the
// half wave (an inverting through).
TEST(LineAdmittance, VanishingSeriesArmIsAThrough) {
  const double G = 1.0 / MathPool::kThroughResistance;
  const struct {
    double beta;
    std::complex<double> y11, y12;
  } rows[] = {{0.0, {G, 0.0}, {-G, 0.0}}, {MathPool::kPi, {0.0, G}, {0.0, G}}};
  for (const auto& r : rows) {
    Cmplx y11, y12;
    MathPool::LineAdmittance(y11, 75.0, 0.0, r.beta, 1.0, 'E');
    MathPool::LineAdmittance(y12, 75.0, 0.0, r.beta, 1.0, 'T');
    EXPECT_LT(std::abs(Std(y11) - r.y11), 1e-9 * G) << r.beta;
    EXPECT_LT(std::abs(Std(y12) - r.y12), 1e-9 * G) << r.beta;
    EXPECT_EQ(r.beta == 0.0 ? y11.im : y11.re, 0.0);
  }
  Cmplx kept(1.5, -2.5);
  MathPool::LineAdmittance(kept, 75.0, 0.0, 1.0, 1.0, 'X');
  EXPECT_EQ(Std(kept), std::complex<double>(1.5, -2.5));
}

TEST(LineAdmittance, VeryLongLossyLineIsMatched) {
  for (double length : {1e3, 1e6, -1e3}) {
    Cmplx y11, y12;
    MathPool::LineAdmittance(y11, 50.0, 1.0, 100.0, length, 'E');
    MathPool::LineAdmittance(y12, 50.0, 1.0, 100.0, length, 'T');
    EXPECT_DOUBLE_EQ(y11.re, length > 0 ? 0.02 : -0.02);
    EXPECT_EQ(y11.im, 0.0);
    EXPECT_EQ(y12.re, 0.0);
    EXPECT_EQ(y12.im, 0.0);
  }
}

// The textbook form of microstrip dielectric loss.
double TextbookDielectricLoss(double f, double eps, double er, double tand) {
  const double k0 = 2.0 * std::numbers::pi * f / 299792458.0;
  return k0 * er * (eps - 1.0) * tand / (2.0 * std::sqrt(eps) * (er - 1.0));
}

TEST(MicrostripLineY, RecoversLineConstantsFromTheMatrix) {
  struct Case {
    double er, tand, f;
  };
  for (const Case& c : {Case{9.8, 0.0, 5.0}, Case{9.8, 0.002, 5.0}, Case{4.5, 0.02, 2.0},
                        Case{2.33, 0.0002, 18.0}}) {
    const SubstrateData sub = Board(0.635, c.er, 0.0, c.tand);
    // Short enough that the phase stays on the principal branch of acosh.
    const double w = 0.6e-3, length = 0.004;
    Cmplx y11, y12;
    ASSERT_TRUE(MathPool::MicrostripLineY(y11, y12, w, length, sub, c.f));
    MicrostripResult ms;
    ASSERT_TRUE(MathPool::CalcMicrostrip(ms, sub, c.f, 0.6));
    // For a uniform line cosh(gamma l) = -Y11/Y12 and Z0 = 1/(Y12 sinh(gamma l)) negated.
    const std::complex<double> gl = std::acosh(-Std(y11) / Std(y12));
    const double fHz = c.f * 1e9;
    EXPECT_NEAR(gl.imag() / length, 2.0 * std::numbers::pi * fHz * std::sqrt(ms.eps) / 299792458.0, 1e-8);
    EXPECT_NEAR(gl.real() / length, TextbookDielectricLoss(fHz, ms.eps, c.er, c.tand), 1e-8);
    EXPECT_NEAR(std::abs(-1.0 / (Std(y12) * std::sinh(gl)) - ms.Z0), 0.0, 1e-9);
    if (c.tand == 0.0) {
      EXPECT_EQ(y11.re, 0.0);
      EXPECT_EQ(y12.re, 0.0);
    }
  }
}

TEST(MicrostripLineY, VacuumSubstrateAndFailedAnalysis) {
  // Without dielectric contrast the loss is that of a homogeneous line.
  EXPECT_NEAR(MathPool::DielectricAttenuation(1e9, 1.0, 1.0, 0.01),
              std::numbers::pi * 1e9 * 0.01 / 299792458.0, 1e-12);
  Cmplx y11(1.0, 2.0), y12(3.0, 4.0);
  EXPECT_FALSE(MathPool::MicrostripLineY(y11, y12, 0.0, 0.01, Board(0.635, 9.8), 1.0));
  EXPECT_EQ(Std(y11), std::complex<double>(1.0, 2.0));
  EXPECT_EQ(Std(y12), std::complex<double>(3.0, 4.0));
}

TEST(PlanarWaveguideModeImpedance, TemModeAndHigherModesAroundCutoff) {
  for (float f : {0.0f, 1e9f, 1e11f}) {
    Cmplx z;
    const Cmplx r = MathPool::PlanarWaveguideModeImpedance(z, 0.002f, 9.8f, 0, f);
    EXPECT_EQ(Std(r), std::complex<double>(376.991 / std::sqrt(9.8f), 0.0));
    EXPECT_EQ(Std(z), Std(r));
  }
  // Mode 1 of a 10 mm guide in air is cut off at c / 10 mm, about 30 GHz.
  Cmplx above, below;
  MathPool::PlanarWaveguideModeImpedance(above, 0.01f, 1.0f, 1, 40e9f);
  MathPool::PlanarWaveguideModeImpedance(below, 0.01f, 1.0f, 1, 20e9f);
  const double w = 0.01f;
  const double ra = 299792458.0 / 40e9 / w;
  const double rb = w / (299792458.0 / 20e9);
  EXPECT_NEAR(above.re, 376.991 / std::sqrt(1.0 - ra * ra), 1e-6);
  EXPECT_EQ(above.im, 0.0);
  EXPECT_EQ(below.re, 0.0);
  EXPECT_NEAR(below.im, 376.991 * rb / std::sqrt(1.0 - rb * rb), 1e-6);
  // Mode 2 of a 20 mm guide is mode 1 of a 10 mm one.
  Cmplx mode2;
  MathPool::PlanarWaveguideModeImpedance(mode2, 0.02f, 1.0f, 2, 40e9f);
  EXPECT_DOUBLE_EQ(mode2.re, above.re);
}

TEST(PlanarWaveguideModeImpedance, CutoffAndInvalidInputsStayFinite) {
  // 299792458 = 2 * 511 * 293339: at 511 Hz in air the wavelength is exactly 586678 m.
  Cmplx z;
  MathPool::PlanarWaveguideModeImpedance(z, 586678.0f, 1.0f, 1, 511.0f);
  EXPECT_EQ(z.re, Cmplx::kRealDivOverflow);
  EXPECT_EQ(z.im, 0.0);

  struct Case {
    float w, eps;
    int n;
    float f;
  };
  for (const Case& c : {Case{0.01f, 0.0f, 1, 1e9f}, Case{0.01f, -2.0f, 0, 1e9f},
                        Case{0.01f, 1.0f, 1, -1e9f}, Case{0.01f, 1.0f, -1, 1e9f},
                        Case{-0.01f, 1.0f, 1, 1e9f}}) {
    Cmplx kept(7.0, 8.0);
    MathPool::PlanarWaveguideModeImpedance(kept, c.w, c.eps, c.n, c.f);
    EXPECT_EQ(Std(kept), std::complex<double>(7.0, 8.0)) << c.w << " " << c.eps << " " << c.n;
  }
}

TEST(MicrostripCharFrequency, ModesAndDomain) {
  const double w = 0.6, h = 0.635, er = 9.8;
  // Mode 1: the half-wave resonance across the strip.
  EXPECT_NEAR(MathPool::MicrostripCharFrequency(1, w, h, er),
              299.792458 / (2.0 * w * std::sqrt(er)), 1e-3);
  // Mode 2: Z0 / (2 mu0 h), with Z0 the static impedance at a free-space impedance of 376.73.
  MicrostripResult ms;
  ASSERT_TRUE(MathPool::CalcMicrostrip(ms, Board(h, er), 0.0, w));
  const double z0 = ms.Z0 * 376.73 / 376.991;
  EXPECT_NEAR(MathPool::MicrostripCharFrequency(2, w, h, er),
              z0 / (2.0 * 4e-7 * std::numbers::pi * h * 1e-3) / 1e9, 1e-9);
  EXPECT_EQ(MathPool::MicrostripCharFrequency(1, 0.0, h, er), 0.0);
  EXPECT_EQ(MathPool::MicrostripCharFrequency(2, w, 0.0, er), 0.0);
  EXPECT_EQ(MathPool::MicrostripCharFrequency(4, w, h, 0.5), 0.0);
  EXPECT_EQ(MathPool::EffectiveWidth(0.6, 0.635, 9.8, -1.0), 0.0);
}

TEST(EffectiveWidth, FromStaticParallelPlateWidthToStripWidth) {
  const double w = 0.6, h = 0.635, er = 9.8;
  const double weq0 = 2.0 * MathPool::StaticEffectiveWidth(w, h) * h / MathPool::kPi;
  EXPECT_EQ(MathPool::EffectiveWidth(w, h, er, 0.0), weq0);
  EXPECT_GT(weq0, w);
  double last = weq0;
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
  struct Case {
    double h, er, f, W, S;
    int flags;
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    const Coupled r(Board(c.h, c.er), c.f, c.W, c.S);
    EXPECT_EQ(r.flags, c.flags) << c.h << " " << c.er << " " << c.f << " " << c.W << " " << c.S;
    EXPECT_EQ(r.Set(), !(c.flags & kNone));
  }
}

TEST(CalcCoupledMicrostrip, WideGapIsTheSingleLine) {
  const SubstrateData sub = Board(0.635, 9.8, 0.017);
  MicrostripResult single;
  ASSERT_TRUE(MathPool::CalcMicrostrip(single, sub, 8.0, 0.6));
  const Coupled r(sub, 8.0, 0.6, 6.5);
  EXPECT_EQ(r.flags, 0);
  for (const MicrostripResult* m : {&r.even, &r.odd}) {
    EXPECT_EQ(m->Z0, single.Z0);
    EXPECT_EQ(m->eps, single.eps);
    EXPECT_EQ(m->dl, single.dl);
  }
}

TEST(CalcCoupledMicrostrip, ModesSplitAroundTheSingleLine) {
  const SubstrateData sub = Board(0.635, 9.8);
  for (double f : {0.0, 5.0, 20.0}) {
    MicrostripResult single;
    ASSERT_TRUE(MathPool::CalcMicrostrip(single, sub, f, 0.6));
    const Coupled tight(sub, f, 0.6, 0.1);
    const Coupled loose(sub, f, 0.6, 3.0);
    SCOPED_TRACE(f);
    EXPECT_GT(tight.even.Z0, loose.even.Z0);
    EXPECT_GT(loose.even.Z0, single.Z0);
    EXPECT_LT(tight.odd.Z0, loose.odd.Z0);
    EXPECT_LT(loose.odd.Z0, single.Z0);
    EXPECT_GT(tight.even.eps, tight.odd.eps);
    // The gap only just counts as coupled: both modes are close to the single line.
    const Coupled edge(sub, f, 0.6, 6.3);
    EXPECT_NEAR(edge.even.Z0 / single.Z0, 1.0, 0.02);
    EXPECT_NEAR(edge.odd.Z0 / single.Z0, 1.0, 0.02);
    EXPECT_NEAR(edge.even.eps / single.eps, 1.0, 0.02);
    EXPECT_NEAR(edge.odd.eps / single.eps, 1.0, 0.02);
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
