#include "basics/FFT.h"

#include <fftw3.h>
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

// Radix-2 and direct counts alike.
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
    const double tolerance = 1e-12 * std::fmax(1.0, std::log2(r.n)) * r.rms;
    EXPECT_NEAR(data[2 * r.k + 1], r.re, tolerance);
    EXPECT_NEAR(data[2 * r.k + 2], r.im, tolerance);
  }
}

using FftSpectrum = NumErrorLog;

// The oscilloscope's counts and a transient result's (whose transform runs as jobs in
// parallel): a signal without a component at half the sample rate survives the way through the
// half spectrum and back, which also checks the inverse direction.
TEST_F(FftSpectrum, RoundTripAtOscilloscopeCounts) {
  for (int n : {102, 202, 256, 1 << 17}) {
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
  // An odd count keeps the lower half of the bins.
  RVektor five(5);
  for (int m = 0; m < 5; ++m) five[m] = 0.3 + std::cos(6.283185307179586 * m / 5);
  CVektor spectrum;
  spectrum.SetSpectrum(five);
  ASSERT_EQ(spectrum.GetSize(), 2);
  EXPECT_LT((spectrum[0] - Cmplx(0.3, 0)).Abs(), 1e-15);
  EXPECT_LT((spectrum[1] - Cmplx(0.5, 0)).Abs(), 1e-15);
  EXPECT_EQ(Flags(), "-----");
}

// Every power-of-two count from 4 up, as FFTW takes them: the half spectrum is the radix-2
// transform's, scaled; the samples stay as they were (the plans read them where they lie); a
// count's spectrum keeps its bits when its plan is made again after other counts', when it is
// taken into a vector whose storage held a longer one, and when the samples come divided by
// their count already.
TEST_F(FftSpectrum, PowerOfTwoCountsMatchTheRadix2Transform) {
  std::vector<CVektor> first;
  CVektor reused;
  for (int pass = 0; pass < 2; ++pass) {
    for (int n = 4, i = 0; n <= (1 << 16); n *= 2, ++i) {
      SCOPED_TRACE(testing::Message() << "n = " << n << ", pass " << pass);
      const std::vector<double> signal = TestSignal(n);
      std::vector<double> points(signal.size(), 0.0);
      RVektor samples(n);
      for (int m = 0; m < n; ++m) samples[m] = points[2 * m + 1] = signal[2 * m + 1];
      FftInPlace(points.data(), n, +1);
      CVektor spectrum;
      spectrum.SetSpectrum(samples);
      ASSERT_EQ(spectrum.GetSize(), n / 2);
      for (int m = 0; m < n; ++m) ASSERT_EQ(samples[m], signal[2 * m + 1]) << m;
      for (int k = 0; k < n / 2; ++k) {
        EXPECT_NEAR(spectrum[k].re, points[2 * k + 1] / n, 1e-15) << k;
        EXPECT_NEAR(spectrum[k].im, points[2 * k + 2] / n, 1e-15) << k;
      }
      RVektor divided(n);
      for (int m = 0; m < n; ++m) divided[m] = samples[m] / n;
      reused.SetSpectrum(divided, true);
      ASSERT_EQ(reused.GetSize(), n / 2);
      for (int k = 0; k < n / 2; ++k) {
        ASSERT_EQ(reused[k].re, spectrum[k].re) << k;
        ASSERT_EQ(reused[k].im, spectrum[k].im) << k;
      }
      if (pass == 0) {
        first.push_back(spectrum);
        continue;
      }
      for (int k = 0; k < n / 2; ++k) {
        ASSERT_EQ(spectrum[k].re, first[i][k].re) << k;
        ASSERT_EQ(spectrum[k].im, first[i][k].im) << k;
      }
    }
  }
  EXPECT_EQ(Flags(), "-----");
}

// The measured plans come with the program: once a spectrum was taken, FFTW plans every
// power-of-two count of 4 to 2^22 from them, for the jobs the long ones run as (on a processor
// with AVX, where they were made). An FFTW that refuses them would fall back to slower plans.
TEST_F(FftSpectrum, MeasuredPlansApply) {
  if (!__builtin_cpu_supports("avx")) GTEST_SKIP() << "the plans were measured with AVX";
  CVektor spectrum;
  spectrum.SetSpectrum(RVektor(4));
  for (int n = 4; n <= (1 << 22); n *= 2) {
    fftw_plan_with_nthreads(n >= (1 << 15) ? 4 : 1);
    double* in = fftw_alloc_real(static_cast<size_t>(n));
    fftw_complex* out = fftw_alloc_complex(static_cast<size_t>(n) / 2 + 1);
    const fftw_plan plan = fftw_plan_dft_r2c_1d(n, in, out, FFTW_MEASURE | FFTW_WISDOM_ONLY);
    EXPECT_NE(plan, nullptr) << "n = " << n;
    if (plan != nullptr) fftw_destroy_plan(plan);
    fftw_free(out);
    fftw_free(in);
  }
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
  for (int n : {1, 0, -4}) FftInPlace(point, n, +1);
  EXPECT_EQ(point[1], 2.5);
  EXPECT_EQ(point[2], -1.0);
}

}  // namespace
