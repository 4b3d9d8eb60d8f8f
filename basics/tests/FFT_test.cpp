#include "basics/FFT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "basics/Vektor.h"
#include "basics/tests/NumTest.h"

namespace {

struct FftRef {
  int n, k;
  double re, im, rms;
};
const FftRef kNumpy[] = {
#include "basics/tests/fixtures/fft_reference.inc"
};

// Interleaved points from index 1, as the transform takes them; the same integer recurrence as
// the fixture generator, so the inputs are bit-identical.
std::vector<double> TestSignal(int n) {
  std::vector<double> data(2 * static_cast<size_t>(n) + 1, 0.0);
  uint64_t state = static_cast<uint64_t>(n);
  for (size_t i = 1; i < data.size(); ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    data[i] = static_cast<double>(state >> 11) / 4503599627370496.0 - 1.0;
  }
  return data;
}

// The definition in long double, as an independent reference.
std::vector<double> ReferenceDft(const std::vector<double>& data, int n, int isign) {
  std::vector<double> out(data.size(), 0.0);
  const long double twoPi = 6.283185307179586476925286766559L;
  for (int k = 0; k < n; ++k) {
    long double re = 0, im = 0;
    for (int m = 0; m < n; ++m) {
      const long double t = -isign * twoPi * ((static_cast<long>(k) * m) % n) / n;
      re += data[2 * m + 1] * cosl(t) - data[2 * m + 2] * sinl(t);
      im += data[2 * m + 1] * sinl(t) + data[2 * m + 2] * cosl(t);
    }
    out[2 * k + 1] = static_cast<double>(re);
    out[2 * k + 2] = static_cast<double>(im);
  }
  return out;
}

double MaxDifference(const std::vector<double>& a, const std::vector<double>& b) {
  double worst = 0.0;
  for (size_t i = 1; i < a.size(); ++i) worst = std::fmax(worst, std::fabs(a[i] - b[i]));
  return worst;
}

double Tolerance(int n, double rms) { return 1e-12 * std::fmax(1.0, std::log2(n)) * rms; }

TEST(FFT, MatchesNumpy) {
  int lastN = 0;
  std::vector<double> data;
  for (const FftRef& r : kNumpy) {
    if (r.n != lastN) {
      data = TestSignal(r.n);
      FftInPlace(data.data(), r.n, +1);
      lastN = r.n;
    }
    SCOPED_TRACE(testing::Message() << "n = " << r.n << ", k = " << r.k);
    EXPECT_NEAR(data[2 * r.k + 1], r.re, Tolerance(r.n, r.rms));
    EXPECT_NEAR(data[2 * r.k + 2], r.im, Tolerance(r.n, r.rms));
  }
}

TEST(FFT, EqualsDefinitionInBothDirections) {
  for (int n : {1, 2, 3, 5, 8, 64, 102, 202, 256}) {
    for (int isign : {+1, -1}) {
      SCOPED_TRACE(testing::Message() << "n = " << n << ", isign = " << isign);
      std::vector<double> data = TestSignal(n);
      const std::vector<double> expected = ReferenceDft(data, n, isign);
      FftInPlace(data.data(), n, isign);
      EXPECT_LE(MaxDifference(data, expected), Tolerance(n, std::sqrt(2.0 * n)));
      EXPECT_EQ(data[0], 0.0);
    }
  }
}

using FftSpectrum = NumErrorLog;

TEST_F(FftSpectrum, HalfSpectrumOfSamples) {
  RVektor wave(4);
  wave[0] = 1.0;
  wave[2] = -1.0;
  CVektor spectrum;
  spectrum.SetSpectrum(wave);
  ASSERT_EQ(spectrum.GetSize(), 2);
  EXPECT_LT(spectrum[0].Abs(), 1e-15);
  EXPECT_LT((spectrum[1] - Cmplx(0.5, 0)).Abs(), 1e-15);

  RVektor back(1);
  spectrum.InverseSpectrum(back);
  ASSERT_EQ(back.GetSize(), 4);
  for (int m = 0; m < 4; ++m) EXPECT_NEAR(back[m], wave[m], 1e-15) << m;
  EXPECT_EQ(Flags(), "-----");
}

TEST_F(FftSpectrum, OddSampleCountKeepsHalfTheBins) {
  RVektor samples(5);
  std::vector<double> points(11, 0.0);
  for (int m = 0; m < 5; ++m) points[2 * m + 1] = samples[m] = std::cos(1.3 * m) + 0.25 * m;
  const std::vector<double> dft = ReferenceDft(points, 5, +1);
  CVektor spectrum;
  spectrum.SetSpectrum(samples);
  ASSERT_EQ(spectrum.GetSize(), 2);
  for (int k = 0; k < 2; ++k) {
    EXPECT_NEAR(spectrum[k].re, dft[2 * k + 1] / 5, 1e-14) << k;
    EXPECT_NEAR(spectrum[k].im, dft[2 * k + 2] / 5, 1e-14) << k;
  }
}

// The oscilloscope's counts: a signal without a component at half the sample rate survives
// the way through the half spectrum and back.
TEST_F(FftSpectrum, RoundTripAtOscilloscopeCounts) {
  for (int n : {102, 202, 256}) {
    SCOPED_TRACE(testing::Message() << "n = " << n);
    RVektor samples(n);
    for (int m = 0; m < n; ++m)
      samples[m] = 0.3 + std::sin(6.283185307179586 * 5 * m / n) +
                   0.5 * std::cos(6.283185307179586 * 17 * m / n);
    CVektor spectrum;
    spectrum.SetSpectrum(samples);
    ASSERT_EQ(spectrum.GetSize(), n / 2);
    EXPECT_NEAR(spectrum[0].re, 0.3, 1e-14);
    EXPECT_NEAR(spectrum[5].im, -0.5, 1e-14);
    EXPECT_NEAR(spectrum[17].re, 0.25, 1e-14);
    RVektor back;
    spectrum.InverseSpectrum(back);
    ASSERT_EQ(back.GetSize(), n);
    for (int m = 0; m < n; ++m) EXPECT_NEAR(back[m], samples[m], 1e-13) << m;
  }
  EXPECT_EQ(Flags(), "-----");
}

TEST_F(FftSpectrum, DegenerateCounts) {
  RVektor one(1);
  one[0] = 4.0;
  CVektor spectrum;
  spectrum.SetSpectrum(one);
  EXPECT_EQ(spectrum.GetSize(), 0);
  // An empty spectrum has no samples; building them reports the empty vector.
  RVektor back;
  spectrum.InverseSpectrum(back);
  EXPECT_EQ(back.GetSize(), 0);
  EXPECT_EQ(log, Log({"RVektor: Vektor muß größer 0 sein"}));

  double point[3] = {0.0, 2.5, -1.0};
  FftInPlace(point, 1, +1);
  EXPECT_EQ(point[1], 2.5);
  EXPECT_EQ(point[2], -1.0);
  FftInPlace(point, 0, +1);
  FftInPlace(point, -4, +1);
}

TEST(FFT, IsZeroOrOdd) {
  const struct {
    int k;
    bool expected;
  } cases[] = {{0, true}, {-3, true}, {7, true}, {-4, false}, {2, false}};
  for (const auto& c : cases) EXPECT_EQ(IsZeroOrOdd(c.k), c.expected) << c.k;
}

}  // namespace
