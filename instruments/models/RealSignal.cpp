#include "instruments/models/RealSignal.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "basics/Parallel.h"
#include "pf/archive.h"

namespace {

constexpr double kPi = 3.14159265358979;

// sin z for z within -pi/2..pi/2, where the samples fall, by a polynomial of degree 15 fitted to
// it there (the minimax of its relative error, 1.6e-16, about a double's rounding near 1; as
// evaluated here within five units in the last place of the exact sine): far cheaper than the
// library's sine, and free of branches, so that a block of samples runs in vector registers.
inline double SinSeries(double z) {
  // The coefficients of z, z^3, ..., z^15.
  constexpr double kTerms[] = {1.0,
                               -0.16666666666666186,
                               0.008333333333285542,
                               -0.00019841269825056275,
                               2.755731660055477e-06,
                               -2.505188027399487e-08,
                               1.604809540898202e-10,
                               -7.373344581109513e-13};
  // In powers of w = z^2 by Estrin's scheme: pairs, then pairs of pairs, so that the chain of
  // dependent operations is short and many samples overlap.
  const double w = z * z;
  const double w2 = w * w;
  const double low = (kTerms[0] + kTerms[1] * w) + (kTerms[2] + kTerms[3] * w) * w2;
  const double high = (kTerms[4] + kTerms[5] * w) + (kTerms[6] + kTerms[7] * w) * w2;
  return z * (low + high * (w2 * w2));
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

// Halved first, so that no sum overflows (halving is exact but for subnormal numbers). half is
// 0.5, or 0.5 over a power of two for samples divided by their count: equally exact where the
// results stay normal numbers, so such a blend is then the plain one divided, bit for bit.
inline PairTerms TermsOf(double t0, double t1, double v0, double v1, double half) {
  return {0.5 * t0 + 0.5 * t1, kPi / (t1 - t0), half * v0 + half * v1, half * v1 - half * v0};
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

// The value at tau from the pair i-1, i, times 2 * half (see TermsOf): the blend where the
// pair's span holds tau; the later value at equal times; else the blend by the library's cosine.
double ValueAt(const double* t, const double* v, int32_t i, double tau, double half) {
  const double span = t[i] - t[i - 1];
  const double num = tau - t[i - 1];
  if (!(span > 0.0)) return v[i] * (2.0 * half);
  if (num >= 0.0 && num <= span) {
    const PairTerms p = TermsOf(t[i - 1], t[i], v[i - 1], v[i], half);
    return BlendAt(p.centre, p.rate, p.mean, p.halfRise, tau);
  }
  return Blend(v[i - 1], v[i], std::cos(kPi * num / span)) * (2.0 * half);
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
                   double dt, int32_t limit, double half, PairBlock* __restrict block) {
  const double inverse = 1.0 / dt;
  const double top = limit;
  for (int32_t j = 0; j < pairs; ++j)
    block->begins[j + 1] = SamplesUpTo(t[j + 1], dt, inverse, top);
  // As wide as the times, so that the count stays in their vector lanes.
  int64_t falls = 0;
  for (int32_t j = 0; j < pairs; ++j) {
    falls += static_cast<int64_t>(!(t[j + 1] >= t[j]));
    const PairTerms p = TermsOf(t[j], t[j + 1], v[j], v[j + 1], half);
    const int32_t k = block->begins[j];
    block->blends[2 * j] = BlendAt(p.centre, p.rate, p.mean, p.halfRise, k * dt);
    block->blends[2 * j + 1] = BlendAt(p.centre, p.rate, p.mean, p.halfRise, (k + 1) * dt);
  }
  return falls == 0;
}

// Where ResamplePairs writes: the samples low..high-1 of out, from the pairs of the times t and
// values v, blended with half (see TermsOf).
struct PairWriter {
  const double* t;
  const double* v;
  double dt;
  double half;
  int32_t low;
  int32_t high;
  double* out;

  // The samples of the block's pairs from..to-1, the block's pair j being pair start + j. Each
  // pair writes its first two samples without asking whether they are its own (mostly one or
  // two are, at random): a later pair overwrites what was not the earlier's, and only longer
  // runs take a loop.
  void ByPairs(const PairBlock& block, int32_t start, int32_t from, int32_t to) const {
    for (int32_t j = from; j < to; ++j) {
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
        const PairTerms p = TermsOf(t[i - 1], t[i], v[i - 1], v[i], half);
        for (int32_t s = std::max(k + 2, low); s < std::min(end, high); ++s)
          out[s] = BlendAt(p.centre, p.rate, p.mean, p.halfRise, s * dt);
      }
    }
  }

#if defined(__x86_64__) && defined(__GNUC__)
  // As ByPairs for groups of 8 pairs from the block's first on, a group at once where its pairs
  // hold at most two samples each, all within low..high-1 (mostly so): the group's samples are
  // then its blends that their pairs hold, in order, packed together. Returns the pairs done.
  __attribute__((target("avx512f,avx512vl,popcnt"))) int32_t ByGroups(
      const PairBlock& block, int32_t start, int32_t pairs) const {
    int32_t j = 0;
    for (; j + 8 <= pairs; j += 8) {
      const int32_t* begins = block.begins + j;
      const __m256i held =
          _mm256_sub_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(begins + 1)),
                           _mm256_loadu_si256(reinterpret_cast<const __m256i*>(begins)));
      if (_mm256_cmpge_epi32_mask(held, _mm256_set1_epi32(3)) != 0 || begins[0] < low ||
          begins[8] > high) {
        ByPairs(block, start, j, j + 8);
        continue;
      }
      // Slot 2m + r of the group's blends is pair m's blend r, kept where the pair holds more
      // than r samples.
      const uint32_t keep = _mm512_cmpgt_epi32_mask(
          _mm512_permutexvar_epi32(
              _mm512_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7),
              _mm512_zextsi256_si512(held)),
          _mm512_setr_epi32(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1));
      double* at = out + begins[0];
      for (int32_t part = 0; part < 2; ++part) {
        const auto kept = static_cast<__mmask8>(keep >> (8 * part));
        const int32_t count = __builtin_popcount(kept);
        // Packed in a register, then stored: a compressing store costs far more on some
        // processors.
        _mm512_mask_storeu_pd(
            at, static_cast<__mmask8>((1u << count) - 1),
            _mm512_maskz_compress_pd(kept, _mm512_loadu_pd(block.blends + 2 * j + 8 * part)));
        at += count;
      }
    }
    return j;
  }
#endif

  void Block(const PairBlock& block, int32_t start, int32_t pairs) const {
    int32_t done = 0;
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool groups = [] {
      __builtin_cpu_init();
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
             __builtin_cpu_supports("popcnt");
    }();
    if (groups) done = ByGroups(block, start, pairs);
#endif
    ByPairs(block, start, done, pairs);
  }
};

// The samples within 1..limit-1 that the pairs first..last-1 of ascending times hold: sample k
// belongs to pair i when t[i-1] < k * dt <= t[i], that is from the count of the pair's earlier
// time up to that of its later. Writes stay within the samples of these pairs, so that parts
// side by side do not touch each other's; samples below 1 are left alone. False, with the
// samples partly written, where the times do not ascend.
bool ResamplePairs(const double* t, const double* v, int32_t first, int32_t last, double dt,
                   int32_t limit, double half, double* out) {
  PairBlock block;
  block.begins[0] = SamplesUpTo(t[first - 1], dt, 1.0 / dt, limit);
  const PairWriter writer{t,    v, dt, half, std::max(block.begins[0], 1),
                          SamplesUpTo(t[last - 1], dt, 1.0 / dt, limit), out};
  for (int32_t start = first; start < last; start += PairBlock::kPairs) {
    const int32_t pairs = std::min(PairBlock::kPairs, last - start);
    if (!FillPairBlock(t + start - 1, v + start - 1, pairs, dt, limit, half, &block))
      return false;
    writer.Block(block, start, pairs);
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

void RealSignal::ResampleToPowerOfTwo(const RVektor& values, const RVektor& times,
                                      bool dividedByCount) {
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
  const double half = dividedByCount ? 0.5 / size : 0.5;
  const double scale = 2.0 * half;
  data[0] = values[0] * scale;
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
        if (!ResamplePairs(t, v, first, last, dt, size - 1, half, data)) fell = true;
      });
      ascending = !fell;
    }
    if (ascending) {
      const double inverse = 1.0 / dt;
      const int32_t from = std::max(SamplesUpTo(t[0], dt, inverse, size - 1), 1);
      const int32_t to = SamplesUpTo(t[count - 1], dt, inverse, size - 1);
      for (int32_t k = 1; k < from; ++k) data[k] = ValueAt(t, v, 1, k * dt, half);
      for (int32_t k = std::max(to, 1); k < size - 1; ++k)
        data[k] = ValueAt(t, v, count - 1, k * dt, half);
      cursor = static_cast<int32_t>(std::lower_bound(t, t + count, (size - 2) * dt) - t);
    } else {
      for (int32_t k = 1; k < size - 1; ++k) data[k] = InterpolateAt(values, times, k) * scale;
    }
  }
  data[size - 1] = values[count - 1] * scale;
}

double RealSignal::InterpolateAt(const RVektor& values, const RVektor& times, int32_t k) {
  const int32_t count = std::min(values.GetSize(), times.GetSize());
  if (count < 2) return count == 1 ? values[0] : 0.0;
  const double* t = &times[0];
  const double* v = &values[0];
  const double tau = k * dt;
  return ValueAt(t, v, Locate(t, count, tau, cursor), tau, 0.5);
}

void RealSignal::Serialize(pf::Archive& ar) {
  RVektor::Serialize(ar);
  if (ar.IsStoring()) {
    ar << dt;
  } else {
    ar >> dt;
  }
}
