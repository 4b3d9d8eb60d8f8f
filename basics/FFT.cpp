#include "basics/FFT.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

#include "basics/Parallel.h"
#include "basics/Vektor.h"

namespace {

constexpr double kTwoPi = 6.28318530717958;

// Decimation in time with bit-reversal and a trigonometric recurrence; nn is a power of two.
void Radix2(double* data, long nn, int isign) {
  const long n = 2 * nn;
  long j = 1;
  for (long i = 1; i < n; i += 2) {
    if (j > i) {
      std::swap(data[j], data[i]);
      std::swap(data[j + 1], data[i + 1]);
    }
    long m = n / 2;
    while (m >= 2 && j > m) {
      j -= m;
      m /= 2;
    }
    j += m;
  }
  // Each stage's twiddle factors come from the recurrence in the order the butterflies once
  // took them; the butterflies then run block by block, through memory in order. Every
  // butterfly computes what it did in the twiddle-major order, bit for bit.
  std::vector<double> twiddles(n / 2 + 2);
  for (long mmax = 2; n > mmax; mmax *= 2) {
    const long istep = 2 * mmax;
    const double theta = (kTwoPi / mmax) * (-isign);
    double wtemp = std::sin(0.5 * theta);
    const double wpr = -2.0 * wtemp * wtemp;
    const double wpi = std::sin(theta);
    double wr = 1.0;
    double wi = 0.0;
    for (long m = 1; m < mmax; m += 2) {
      twiddles[m - 1] = wr;
      twiddles[m] = wi;
      wtemp = wr;
      wr = wr * wpr - wi * wpi + wr;
      wi = wi * wpr + wtemp * wpi + wi;
    }
    for (long block = 0; block < n; block += istep) {
      double* low = data + block;
      double* high = low + mmax;
      for (long m = 1; m < mmax; m += 2) {
        const double tr = twiddles[m - 1];
        const double ti = twiddles[m];
        const double tempr = tr * high[m] - ti * high[m + 1];
        const double tempi = tr * high[m + 1] + ti * high[m];
        high[m] = low[m] - tempr;
        high[m + 1] = low[m + 1] - tempi;
        low[m] += tempr;
        low[m + 1] += tempi;
      }
    }
  }
}

// The same transform by its definition, for counts the radix-2 FFT cannot take. The angle is
// reduced to k*m mod nn so that it stays exact, and the twiddle factors are tabulated once.
void DirectDft(double* data, long nn, int isign) {
  const std::unique_ptr<double[]> work(new (std::nothrow) double[4 * nn]);
  if (!work) return;
  double* result = work.get();
  double* twiddle = work.get() + 2 * nn;
  for (long r = 0; r < nn; ++r) {
    const double theta = (kTwoPi * r / nn) * (-isign);
    twiddle[2 * r] = std::cos(theta);
    twiddle[2 * r + 1] = std::sin(theta);
  }
  const double* x = data + 1;
  for (long k = 0; k < nn; ++k) {
    double re = 0.0;
    double im = 0.0;
    for (long m = 0, r = 0; m < nn; ++m, r = (r + k) % nn) {
      const double c = twiddle[2 * r];
      const double s = twiddle[2 * r + 1];
      re += x[2 * m] * c - x[2 * m + 1] * s;
      im += x[2 * m] * s + x[2 * m + 1] * c;
    }
    result[2 * k] = re;
    result[2 * k + 1] = im;
  }
  std::copy(result, result + 2 * nn, data + 1);
}

}  // namespace

void FftInPlace(double* data, int nn, int isign) {
  if (nn < 2) return;  // a single point is its own transform
  if ((nn & (nn - 1)) == 0)
    Radix2(data, nn, isign);
  else
    DirectDft(data, nn, isign);
}

namespace {

// FFTW runs the jobs of a threaded plan as parts of ForEachPart, on the workers that share
// the other long computations.
void RunJobs(void* (*work)(char*), char* jobs, size_t size, int count, void* /*unused*/) {
  ForEachPart(count, [&](int32_t job) { work(jobs + size * static_cast<size_t>(job)); });
}

// Long transforms are planned for this many jobs, on every machine alike, so that a length's
// plan, and the bits of its result, do not depend on the number of cores.
constexpr int kJobs = 4;
constexpr int32_t kLongTransform = 1 << 15;

// FFTW's plans of its real transforms out of place, measured once (see the file): a plan from
// them reads the samples where they lie and beats FFTW_ESTIMATE's guess, without the
// measurements that would make a length's plan differ from run to run. Where they do not apply
// (another processor or FFTW), or for longer transforms, the guess runs in place.
constexpr const char* kWisdom[] = {
#include "basics/FftWisdom.inc"
};

// FFTW's real transform of one length, planned once with buffers of its own: planning is far
// dearer than a transform, and the same length always takes the same plan.
class RealPlan {
 public:
  explicit RealPlan(int32_t count) : count_(count) {
    // Once: the jobs of threaded plans on the workers, and the measured plans, which FFTW takes
    // only once it knows its threaded ones.
    static const bool threaded = [] {
      if (fftw_init_threads() == 0) return false;
      fftw_threads_set_callback(RunJobs, nullptr);
      for (const char* wisdom : kWisdom) fftw_import_wisdom_from_string(wisdom);
      return true;
    }();
    bins_ = fftw_alloc_complex(static_cast<size_t>(count) / 2 + 1);
    if (bins_ == nullptr) return;
    fftw_plan_with_nthreads(threaded && count >= kLongTransform ? kJobs : 1);
    input_ = fftw_alloc_real(static_cast<size_t>(count));
    if (input_ != nullptr)
      plan_ = fftw_plan_dft_r2c_1d(count, input_, bins_, FFTW_MEASURE | FFTW_WISDOM_ONLY);
    if (plan_ != nullptr) return;
    // In place, which FFTW_ESTIMATE's plans do faster than from one buffer into another.
    fftw_free(input_);
    input_ = nullptr;
    plan_ = fftw_plan_dft_r2c_1d(count, InPlace(), bins_, FFTW_ESTIMATE);
  }
  RealPlan(const RealPlan&) = delete;
  RealPlan& operator=(const RealPlan&) = delete;
  ~RealPlan() {
    if (plan_ != nullptr) fftw_destroy_plan(plan_);
    fftw_free(input_);
    fftw_free(bins_);
  }

  int32_t Count() const { return count_; }
  bool Usable() const { return plan_ != nullptr; }
  // The count/2 + 1 bins of the transform of count samples into bins, kernel e^(-j2pi km/count).
  void Run(const double* samples, fftw_complex* bins) {
    // A plan out of place reads and writes the arrays where they lie when they are aligned as
    // its own (FFTW's condition), and leaves the samples as they were.
    double* in = const_cast<double*>(samples);
    if (input_ != nullptr && fftw_alignment_of(in) == fftw_alignment_of(input_) &&
        fftw_alignment_of(reinterpret_cast<double*>(bins)) ==
            fftw_alignment_of(reinterpret_cast<double*>(bins_))) {
      fftw_execute_dft_r2c(plan_, in, bins);
      return;
    }
    std::copy(samples, samples + count_, input_ != nullptr ? input_ : InPlace());
    fftw_execute(plan_);
    std::memcpy(bins, bins_, sizeof(fftw_complex) * (static_cast<size_t>(count_) / 2 + 1));
  }

 private:
  double* InPlace() { return reinterpret_cast<double*>(bins_); }

  int32_t count_;
  double* input_ = nullptr;  // null when the plan runs in place
  fftw_complex* bins_ = nullptr;
  fftw_plan plan_ = nullptr;
};

static_assert(sizeof(Cmplx) == sizeof(fftw_complex), "a Cmplx is laid out as FFTW's complex");

VOSTRANE_VECTOR_CLONES
void Scale(Cmplx* __restrict lines, int32_t count, double factor) {
  for (int32_t k = 0; k < count; ++k) lines[k] = Cmplx(lines[k].re * factor, lines[k].im * factor);
}

// Calls take(plan) with FFTW's real transform of count samples (a power of two, at least 4),
// unless FFTW fails. Only the last length's plan is kept: the analyser repeats one length.
// FFTW's planner is not thread-safe, and the plan's buffers are shared, hence the lock.
template <class Take>
void WithRealPlan(int32_t count, const Take& take) {
  static std::mutex lock;
  static std::unique_ptr<RealPlan> cached;
  const std::lock_guard<std::mutex> hold(lock);
  if (cached == nullptr || cached->Count() != count) {
    cached.reset();
    cached.reset(new (std::nothrow) RealPlan(count));
  }
  if (cached != nullptr && cached->Usable()) take(*cached);
}

}  // namespace

void CVektor::SetSpectrum(const RVektor& samples, bool dividedByCount) {
  const int32_t count = samples.GetSize();
  const double scale = dividedByCount || count < 1 ? 1.0 : 1.0 / count;
  if (count >= 4 && (count & (count - 1)) == 0) {
    // FFTW writes its bins straight into the storage, which therefore holds the bin at count/2
    // too; the spectrum ends below it. It stays as it was when FFTW fails.
    const int32_t lines = count / 2;
    WithRealPlan(count, [&](RealPlan& plan) {
      if (room <= lines) ReallocForOverwrite(lines + 1);
      if (room <= lines) return;
      plan.Run(&samples[0], reinterpret_cast<fftw_complex*>(data));
      n = lines;
      if (!dividedByCount) Scale(data, lines, scale);
    });
    return;
  }
  const std::unique_ptr<double[]> points(
      new (std::nothrow) double[2 * static_cast<size_t>(count) + 1]);
  if (!points) return;
  points[0] = 0.0;
  for (int32_t m = 0; m < count; ++m) {
    points[2L * m + 1] = samples[m];
    points[2L * m + 2] = 0.0;
  }
  FftInPlace(points.get(), count, +1);
  SetSize(count / 2);
  for (int32_t k = 0; k < n; ++k) data[k] = Cmplx(points[2L * k + 1], points[2L * k + 2]) * scale;
}

RVektor& CVektor::InverseSpectrum(RVektor& out) const {
  out = RVektor(2 * n);
  if (out.GetSize() == 0) return out;
  const long count = 2L * n;
  const std::unique_ptr<double[]> points(new (std::nothrow) double[2 * count + 1]());
  if (!points) return out;
  // Bin 0 is taken as real; the point at count/2 stays zero.
  points[1] = data[0].re;
  for (long k = 1; k < n; ++k) {
    points[2 * k + 1] = data[k].re;
    points[2 * k + 2] = data[k].im;
    points[2 * (count - k) + 1] = data[k].re;
    points[2 * (count - k) + 2] = -data[k].im;
  }
  FftInPlace(points.get(), static_cast<int>(count), -1);
  for (int32_t m = 0; m < out.GetSize(); ++m) out[m] = points[2L * m + 1];
  return out;
}
