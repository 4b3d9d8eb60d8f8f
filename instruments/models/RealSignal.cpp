#include "instruments/models/RealSignal.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "pf/archive.h"

namespace {

// cos(pi u), the resampling's one cosine per sample. Within 0..1, where the samples fall, as
// -sin(pi (u - 1/2)) by its series to the 21st power (remainder below 2e-18), far cheaper than
// the library's cosine; elsewhere the library's.
double CosPi(double u) {
  constexpr double kPi = 3.14159265358979;
  if (!(u >= 0.0 && u <= 1.0)) return std::cos(kPi * u);
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
  const double z2 = z * z;
  double sum = kSeries[10];
  for (int j = 9; j >= 0; --j) sum = sum * z2 + kSeries[j];
  return -z * sum;
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
  for (int32_t k = 1; k <= size - 2; ++k) data[k] = InterpolateAt(values, times, k);
  data[size - 1] = values[count - 1];
}

double RealSignal::InterpolateAt(const RVektor& values, const RVektor& times, int32_t k) {
  const int32_t count = std::min(values.GetSize(), times.GetSize());
  if (count < 2) return count == 1 ? values[0] : 0.0;
  const double tau = k * dt;
  cursor = std::max(cursor, 0);
  while (cursor < count && times[cursor] < tau) ++cursor;
  const int32_t i = std::clamp(cursor, 1, count - 1);
  const double delta = times[i] - times[i - 1];
  if (!(delta > 0.0)) return values[i];
  // cos(pi (tau - t[i]) / delta) is -c, as t[i] - t[i-1] is delta: one cosine per sample.
  const double c = CosPi((tau - times[i - 1]) / delta);
  return values[i - 1] * (c + 1.0) / 2.0 + values[i] * (1.0 - c) / 2.0;
}

void RealSignal::Serialize(pf::Archive& ar) {
  RVektor::Serialize(ar);
  if (ar.IsStoring()) {
    ar << dt;
  } else {
    ar >> dt;
  }
}
