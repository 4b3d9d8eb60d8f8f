#include "instruments/models/RealSignal.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "pf/archive.h"

namespace {

constexpr double kPi = 3.14159265358979;

// cos(pi u) for u within 0..1, where the samples fall, as -sin(pi (u - 1/2)) by its series to the
// 21st power (remainder below 2e-18): far cheaper than the library's cosine, and free of
// branches, so that a block of samples runs in vector registers.
double CosPiSeries(double u) {
  // 1/(2j+1)! with alternating signs, j = 0..10.
  constexpr double kSeries[] = {1.0,
                                -1.0 / 6.0,
                                1.0 / 120.0,
                                -1.0 / 5040.0,
                                1.0 / 362880.0,
                                -1.0 / 39916800.0,
                                1.0 / 6227020800.0,
                                -1.0 / 1307674368000.0,
                                1.0 / 355687428096000.0,
                                -1.0 / 121645100408832000.0,
                                1.0 / 51090942171709440000.0};
  const double z = kPi * (u - 0.5);
  // In powers of w = z^2 by Estrin's scheme: pairs, then pairs of pairs, so that the chain of
  // dependent operations is short and many samples overlap.
  const double w = z * z;
  const double w2 = w * w;
  const double w4 = w2 * w2;
  const double w8 = w4 * w4;
  const double low = (kSeries[0] + kSeries[1] * w) + (kSeries[2] + kSeries[3] * w) * w2;
  const double mid = (kSeries[4] + kSeries[5] * w) + (kSeries[6] + kSeries[7] * w) * w2;
  const double high = (kSeries[8] + kSeries[9] * w) + kSeries[10] * w2;
  return -z * ((low + mid * w4) + high * w8);
}

// The raised-cosine blend of a and b, c being cos(pi u) at phase u (0 gives a, 1 gives b).
double Blend(double a, double b, double c) { return a * (c + 1.0) / 2.0 + b * (1.0 - c) / 2.0; }

// Moves cursor on to the first time not below tau and returns the later index of the pair
// around tau, within 1..count-1 (count at least 2). The first two steps go without branches and
// with both times read at once: the resampled points lie about as far apart as the given ones,
// so the number of steps is unpredictable but rarely above two.
inline int32_t Locate(const double* t, int32_t count, double tau, int32_t& cursor) {
  cursor = std::max(cursor, 0);
  const int32_t first = std::min(cursor, count - 1);
  const int32_t second = std::min(cursor + 1, count - 1);
  const int32_t one = static_cast<int32_t>(cursor < count) & static_cast<int32_t>(t[first] < tau);
  const int32_t two = one & static_cast<int32_t>(cursor + 1 < count) &
                      static_cast<int32_t>(t[second] < tau);
  cursor += one + two;
  while (cursor < count && t[cursor] < tau) ++cursor;
  return std::clamp(cursor, 1, count - 1);
}

// Where tau lies between the pair that Locate finds, as the fraction num / span within 0..1;
// false when the value there is no such blend (equal times, tau outside the pair). The division
// is left to the caller, so that a block of them runs in vector registers.
bool Within(const double* t, int32_t i, double tau, double& num, double& span) {
  span = t[i] - t[i - 1];
  num = tau - t[i - 1];
  return span > 0.0 && num >= 0.0 && num <= span;
}

// The value at tau when Within finds no blend within 0..1: the later value at equal times, else
// the blend by the library's cosine.
double OutsideValue(const double* t, const double* v, int32_t i, double tau) {
  const double delta = t[i] - t[i - 1];
  if (!(delta > 0.0)) return v[i];
  return Blend(v[i - 1], v[i], std::cos(kPi * (tau - t[i - 1]) / delta));
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
  Realloc(size);
  if (n != size) return;
  dt = (times[count - 1] - times[0]) / (size - 1);
  data[0] = values[0];
  cursor = 0;
  if (size > 2) {
    const double* t = &times[0];
    const double* v = &values[0];
    // The search for each sample's pair is a chain of dependent steps; lanes over separate
    // stretches of the signal, each with a cursor of its own, let the processor run several
    // chains at once. Block by block, first each sample's pair, then the phases and the series
    // over the block; the rare samples outside a pair's span take the general path.
    constexpr int32_t kLanes = 4;
    constexpr int32_t kBlock = 128;
    const int32_t stretch = (size - 2 + kLanes - 1) / kLanes;
    int32_t lane[kLanes];
    for (int32_t l = 0; l < kLanes; ++l) {
      const double tau = (1 + l * stretch) * dt;
      lane[l] = l == 0 ? 0 : static_cast<int32_t>(std::lower_bound(t, t + count, tau) - t);
    }
    double num[kLanes][kBlock];
    double span[kLanes][kBlock];
    double before[kLanes][kBlock];
    double after[kLanes][kBlock];
    int32_t oddIndex[kLanes * kBlock];
    double oddValue[kLanes * kBlock];
    for (int32_t offset = 0; offset < stretch; offset += kBlock) {
      int32_t m[kLanes];
      for (int32_t l = 0; l < kLanes; ++l)
        m[l] = std::clamp(size - 1 - (1 + l * stretch + offset), 0,
                          std::min(kBlock, stretch - offset));
      int32_t odd = 0;
      for (int32_t j = 0; j < m[0]; ++j) {
        for (int32_t l = 0; l < kLanes; ++l) {
          if (j >= m[l]) continue;
          const int32_t k = 1 + l * stretch + offset + j;
          const double tau = k * dt;
          const int32_t i = Locate(t, count, tau, lane[l]);
          before[l][j] = v[i - 1];
          after[l][j] = v[i];
          if (!Within(t, i, tau, num[l][j], span[l][j])) {
            num[l][j] = 0.0;
            span[l][j] = 1.0;
            oddIndex[odd] = k;
            oddValue[odd++] = OutsideValue(t, v, i, tau);
          }
        }
      }
      for (int32_t l = 0; l < kLanes; ++l) {
        double* out = data + 1 + l * stretch + offset;
        for (int32_t j = 0; j < m[l]; ++j)
          out[j] = Blend(before[l][j], after[l][j], CosPiSeries(num[l][j] / span[l][j]));
      }
      for (int32_t j = 0; j < odd; ++j) data[oddIndex[j]] = oddValue[j];
    }
    cursor = lane[(size - 3) / stretch];  // the lane of the last sample
  }
  data[size - 1] = values[count - 1];
}

double RealSignal::InterpolateAt(const RVektor& values, const RVektor& times, int32_t k) {
  const int32_t count = std::min(values.GetSize(), times.GetSize());
  if (count < 2) return count == 1 ? values[0] : 0.0;
  const double* t = &times[0];
  const double* v = &values[0];
  const double tau = k * dt;
  const int32_t i = Locate(t, count, tau, cursor);
  double num = 0.0;
  double span = 1.0;
  if (!Within(t, i, tau, num, span)) return OutsideValue(t, v, i, tau);
  return Blend(v[i - 1], v[i], CosPiSeries(num / span));
}

void RealSignal::Serialize(pf::Archive& ar) {
  RVektor::Serialize(ar);
  if (ar.IsStoring()) {
    ar << dt;
  } else {
    ar >> dt;
  }
}
