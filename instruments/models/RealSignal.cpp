#include "instruments/models/RealSignal.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>

#include "basics/Parallel.h"
#include "pf/archive.h"

namespace {

constexpr double kPi = 3.14159265358979;

// sin z for z within -pi/2..pi/2, where the samples fall, by a polynomial of degree 17 fitted to
// it there (off by less than 2e-18 before rounding, far below a double's rounding near 1): far
// cheaper than the library's sine, and free of branches, so that a block of samples runs in
// vector registers.
inline double SinSeries(double z) {
  // The coefficients of z, z^3, ..., z^17.
  constexpr double kTerms[] = {1.0,
                               -0.16666666666666666,
                               0.0083333333333330799,
                               -0.00019841269841158575,
                               2.7557319202294675e-06,
                               -2.5052106083163004e-08,
                               1.6058901468730178e-10,
                               -7.6420354344405055e-13,
                               2.7114966656407947e-15};
  // In powers of w = z^2 by Estrin's scheme: pairs, then pairs of pairs, so that the chain of
  // dependent operations is short and many samples overlap.
  const double w = z * z;
  const double w2 = w * w;
  const double w4 = w2 * w2;
  const double low = (kTerms[0] + kTerms[1] * w) + (kTerms[2] + kTerms[3] * w) * w2;
  const double high = (kTerms[4] + kTerms[5] * w) + (kTerms[6] + kTerms[7] * w) * w2;
  return z * ((low + high * w4) + kTerms[8] * (w4 * w4));
}

// The raised-cosine blend of a and b, c being cos(pi u) at phase u (0 gives a, 1 gives b).
double Blend(double a, double b, double c) { return a * (c + 1.0) / 2.0 + b * (1.0 - c) / 2.0; }

// A pair of samples (t0, v0), (t1, v1) as its blend needs it: with the centre and pi over the
// span, a time tau within the pair lies at the angle z = pi (u - 1/2) = (tau - centre) * rate;
// the blend there, mean - cos(pi u) (v0 - v1) / 2, is mean + sin(z) * half of the rise.
struct PairTerms {
  double centre;
  double rate;
  double mean;
  double halfRise;
};

// Halved first, so that no sum overflows (halving is exact but for subnormal numbers).
inline PairTerms TermsOf(double t0, double t1, double v0, double v1) {
  return {0.5 * t0 + 0.5 * t1, kPi / (t1 - t0), 0.5 * v0 + 0.5 * v1, 0.5 * v1 - 0.5 * v0};
}

inline double BlendAt(double centre, double rate, double mean, double halfRise, double tau) {
  return mean + halfRise * SinSeries((tau - centre) * rate);
}

// Moves cursor on to the first time not below tau and returns the later index of the pair
// around tau, within 1..count-1 (count at least 2).
inline int32_t Locate(const double* t, int32_t count, double tau, int32_t& cursor) {
  cursor = std::max(cursor, 0);
  while (cursor < count && t[cursor] < tau) ++cursor;
  return std::clamp(cursor, 1, count - 1);
}

// The value at tau from the pair i-1, i: the blend where the pair's span holds tau; the later
// value at equal times; else the blend by the library's cosine.
double ValueAt(const double* t, const double* v, int32_t i, double tau) {
  const double span = t[i] - t[i - 1];
  const double num = tau - t[i - 1];
  if (!(span > 0.0)) return v[i];
  if (num >= 0.0 && num <= span) {
    const PairTerms p = TermsOf(t[i - 1], t[i], v[i - 1], v[i]);
    return BlendAt(p.centre, p.rate, p.mean, p.halfRise, tau);
  }
  return Blend(v[i - 1], v[i], std::cos(kPi * num / span));
}

// FillPairBlock (with SamplesUpTo inlined) runs over whole arrays without branches, built as
// vector clones (this file is compiled without trapping math, so that comparisons may run in
// vector registers too); ResamplePairs, which writes its results out, branches on where each
// pair's samples lie.

// How many k >= 0 have k * dt <= tau, at most limit: the product estimates it to within one,
// the two comparisons make it exact. A NaN counts none (times are checked after counting).
inline int32_t SamplesUpTo(double tau, double dt, double inverse, double limit) {
  double c = std::min(std::floor(std::max(-1.0, tau * inverse)) + 1.0, limit);
  c = std::max((c - 1.0) * dt > tau ? c - 1.0 : c, 0.0);
  c = c < limit && c * dt <= tau ? c + 1.0 : c;
  return static_cast<int32_t>(c);
}

// A block of the pairs of ascending times: pair j of the block is t[j], t[j+1] with their
// values. begins[j] is SamplesUpTo t[j], the first sample the pair may hold (begins[0] comes
// from the block before); blends[2j] and blends[2j+1] are the pair's blends at the samples
// begins[j] and begins[j] + 1, whether they are the pair's or not, side by side as those lie.
struct PairBlock {
  static constexpr int32_t kPairs = 512;
  int32_t begins[kPairs + 1];
  double blends[2 * kPairs];
};

// Blending by pairs rather than by samples reads each pair's terms where they lie: a sample
// that looked up its pair would gather them, which costs more than the blends of the samples
// that are not the pair's. False when a time of the block falls below its predecessor (or is
// NaN), a check that rides on the pass that reads the times anyway.
VOSTRANE_VECTOR_CLONES
bool FillPairBlock(const double* __restrict t, const double* __restrict v, int32_t pairs,
                   double dt, int32_t limit, PairBlock* __restrict block) {
  const double inverse = 1.0 / dt;
  const double top = limit;
  for (int32_t j = 0; j < pairs; ++j)
    block->begins[j + 1] = SamplesUpTo(t[j + 1], dt, inverse, top);
  int32_t falls = 0;
  for (int32_t j = 0; j < pairs; ++j) {
    falls += static_cast<int32_t>(!(t[j + 1] >= t[j]));
    const PairTerms p = TermsOf(t[j], t[j + 1], v[j], v[j + 1]);
    const int32_t k = block->begins[j];
    block->blends[2 * j] = BlendAt(p.centre, p.rate, p.mean, p.halfRise, k * dt);
    block->blends[2 * j + 1] = BlendAt(p.centre, p.rate, p.mean, p.halfRise, (k + 1) * dt);
  }
  return falls == 0;
}

// The samples within 1..limit-1 that the pairs first..last-1 of ascending times hold: sample k
// belongs to pair i when t[i-1] < k * dt <= t[i], that is from the count of the pair's earlier
// time up to that of its later. Each pair writes its first two samples without asking whether
// they are its own (mostly one or two are, at random): a later pair overwrites what was not
// the earlier's, and only longer runs take a loop. Writes stay within the samples of these
// pairs, so that parts side by side do not touch each other's; samples below 1 are left alone.
// False, with the samples partly written, where the times do not ascend.
bool ResamplePairs(const double* t, const double* v, int32_t first, int32_t last, double dt,
                   int32_t limit, double* out) {
  PairBlock block;
  block.begins[0] = SamplesUpTo(t[first - 1], dt, 1.0 / dt, limit);
  const int32_t low = std::max(block.begins[0], 1);
  const int32_t high = SamplesUpTo(t[last - 1], dt, 1.0 / dt, limit);
  for (int32_t start = first; start < last; start += PairBlock::kPairs) {
    const int32_t pairs = std::min(PairBlock::kPairs, last - start);
    if (!FillPairBlock(t + start - 1, v + start - 1, pairs, dt, limit, &block)) return false;
    for (int32_t j = 0; j < pairs; ++j) {
      const int32_t k = block.begins[j];
      const double* const blends = block.blends + 2 * j;
      if (k >= low && k + 1 < high) {
        std::memcpy(out + k, blends, 2 * sizeof(double));  // one store for both
      } else {
        if (k >= low && k < high) out[k] = blends[0];
        if (k + 1 < high) out[k + 1] = blends[1];
      }
      const int32_t end = block.begins[j + 1];
      if (end > k + 2) {
        const int32_t i = start + j;
        const PairTerms p = TermsOf(t[i - 1], t[i], v[i - 1], v[i]);
        for (int32_t s = std::max(k + 2, low); s < std::min(end, high); ++s)
          out[s] = BlendAt(p.centre, p.rate, p.mean, p.halfRise, s * dt);
      }
    }
    block.begins[0] = block.begins[pairs];
  }
  return true;
}

}  // namespace

RealSignal& RealSignal::operator=(const RealSignal& other) {
  if (this == &other) return *this;
  RVektor::operator=(other);
  dt = other.dt;
  return *this;
}

double RealSignal::Mean() const {
  double sum = 0.0;
  for (int32_t i = 0; i < n; ++i) sum += data[i] / n;
  return sum;
}

double RealSignal::Max() const {
  double m = -std::numeric_limits<double>::infinity();
  for (int32_t i = 0; i < n; ++i) m = std::max(m, data[i]);
  return m;
}

double RealSignal::Min() const {
  double m = std::numeric_limits<double>::infinity();
  for (int32_t i = 0; i < n; ++i) m = std::min(m, data[i]);
  return m;
}

void RealSignal::ToBytes(uint8_t* bytes, int32_t count) const {
  const int32_t used = std::min(count, n);
  if (bytes == nullptr || used <= 0) return;
  const double m = Mean();
  const double hi = Max();
  const double lo = Min();
  const double h = hi - m < m - lo ? m - lo : hi - m;
  for (int32_t i = 0; i < used; ++i) {
    const double scaled = h > 0.0 && std::isfinite(h) ? 127.0 * (data[i] - m) / h : 0.0;
    const double clipped = std::isfinite(scaled) ? std::clamp(scaled, -127.0, 127.0) : 0.0;
    bytes[i] = static_cast<uint8_t>(128 + static_cast<int>(std::trunc(clipped)));
  }
}

void RealSignal::ResampleToPowerOfTwo(const RVektor& values, const RVektor& times) {
  const int32_t count = std::min(values.GetSize(), times.GetSize());
  if (count < 1) return;
  int32_t size = 2;
  if (count >= 3) {
    size = 4;
    while (size < count && size < (1 << 30)) size *= 2;
  }
  ReallocForOverwrite(size);  // every sample is written below
  if (n != size) return;
  dt = (times[count - 1] - times[0]) / (size - 1);
  data[0] = values[0];
  cursor = 0;
  if (size > 2) {
    const double* t = &times[0];
    const double* v = &values[0];
    // Ascending times let each pair find its samples; otherwise, and for the samples before the
    // first time and after the last, the search of each sample's pair.
    bool ascending = dt >= std::numeric_limits<double>::min() && std::isfinite(dt);
    // The pairs in parts of their own, at once on several cores for long signals; a short
    // one is a single part, as waking the workers would cost more than they save. Each part
    // checks its times as it goes; the times where parts meet are checked first, so that each
    // part's samples are its own even when the times do not ascend.
    constexpr int32_t kShortSignal = 1 << 15;
    const int32_t perPart = count <= kShortSignal ? count : 8192;
    const int32_t parts = (count - 2) / perPart + 1;
    for (int32_t part = 1; ascending && part <= parts; ++part)
      ascending = t[std::min(part * perPart, count - 1)] >= t[(part - 1) * perPart];
    if (ascending) {
      std::atomic<bool> fell{false};
      ForEachPart(parts, [&](int32_t part) {
        const int32_t first = 1 + part * perPart;
        const int32_t last =
            static_cast<int32_t>(std::min<int64_t>(int64_t{first} + perPart, count));
        if (!ResamplePairs(t, v, first, last, dt, size - 1, data)) fell = true;
      });
      ascending = !fell;
    }
    if (ascending) {
      const double inverse = 1.0 / dt;
      const int32_t from = std::max(SamplesUpTo(t[0], dt, inverse, size - 1), 1);
      const int32_t to = SamplesUpTo(t[count - 1], dt, inverse, size - 1);
      for (int32_t k = 1; k < from; ++k) data[k] = ValueAt(t, v, 1, k * dt);
      for (int32_t k = to; k < size - 1; ++k) data[k] = ValueAt(t, v, count - 1, k * dt);
      cursor = static_cast<int32_t>(std::lower_bound(t, t + count, (size - 2) * dt) - t);
    } else {
      for (int32_t k = 1; k < size - 1; ++k) data[k] = InterpolateAt(values, times, k);
    }
  }
  data[size - 1] = values[count - 1];
}

double RealSignal::InterpolateAt(const RVektor& values, const RVektor& times, int32_t k) {
  const int32_t count = std::min(values.GetSize(), times.GetSize());
  if (count < 2) return count == 1 ? values[0] : 0.0;
  const double* t = &times[0];
  const double* v = &values[0];
  const double tau = k * dt;
  return ValueAt(t, v, Locate(t, count, tau, cursor), tau);
}

void RealSignal::Serialize(pf::Archive& ar) {
  RVektor::Serialize(ar);
  if (ar.IsStoring()) {
    ar << dt;
  } else {
    ar >> dt;
  }
}
