#include "instruments/models/BitFolge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "pf/archive.h"

PF_IMPLEMENT_SERIAL(BitFolge, MyStrng, 1)

BitFolge::BitFolge() = default;

BitFolge::BitFolge(const char* text) : MyStrng(text), bitRate(2.4e9) {
  bitCount = GetLength();
}

bool BitFolge::IsValid() const {
  const int32_t length = GetLength();
  for (int32_t i = 0; i < length; ++i) {
    if (GetAt(i) != '0' && GetAt(i) != '1') return false;
  }
  return true;
}

bool BitFolge::Bit(int32_t i) const { return i >= 0 && i < GetLength() && GetAt(i) == '1'; }

void BitFolge::Randomize(int32_t count) {
  bitCount = std::max(count, 0);
  std::string text(static_cast<size_t>(bitCount), '0');
  for (char& c : text) c = std::rand() > RAND_MAX / 2 ? '1' : '0';
  Assign(text.c_str());
  shape = 'R';
  bitRate = RBitWert(2.5e9);
}

double BitFolge::Pulse(int32_t k, int32_t s) const {
  if (shape == 'C') {
    if (k <= -(2 * s / 4) || k >= 6 * s / 4) return 0.0;
    return (std::sin(6.28318530717958 / (2 * s) * k) + 1.0) * 0.5;
  }
  const int32_t q = s / 4;
  const int32_t e = s / 8;
  if (k <= -q || k >= s + e) return 0.0;
  if (k < q) return (q + k) * 0.5 / q;
  if (k <= s - e) return 1.0;
  return 1.0 - (k - s + e) * 0.5 / e;
}

RealSignal BitFolge::ToRealSignal(int32_t samples) const {
  RealSignal out(std::max(samples, 1));
  const int32_t length = GetLength();
  RBitWert rateValue = bitRate;
  const double rate = rateValue.Value();
  const double duration = rate > 0.0 ? bitCount / rate : 0.0;
  out.dt = samples > 0 && std::isfinite(duration) ? duration / samples : 0.0;
  if (length == 0 || samples < length) return out;
  const int32_t s = samples / length;
  for (int32_t i = 0; i < samples; ++i) {
    const int32_t b = i / s;
    const int32_t r = i - b * s;
    if (shape == 'R') {
      out[i] = Bit(b) ? 1.0 : 0.0;
      continue;
    }
    if (shape != 'C' && shape != 'T') continue;
    const int32_t previous = b == 0 ? bitCount : b - 1;
    const int32_t next = b < bitCount ? b + 1 : 0;
    double v = 0.0;
    if (Bit(b)) v += Pulse(r, s);
    if (Bit(previous)) v += Pulse(r + s, s);
    if (Bit(next)) v += Pulse(r - s, s);
    out[i] = v;
  }
  return out;
}

void BitFolge::Serialize(pf::Archive& ar) {
  MyStrng::Serialize(ar);
  bitRate.Serialize(ar);
  if (ar.IsStoring()) {
    ar << bitCount << shape;
    return;
  }
  int32_t count = 0;
  ar >> count;
  ar.CheckCount(count, kMaxBits, 0);
  bitCount = count;
  ar >> shape;
}
