#pragma once
// A sampled real time signal with a constant spacing dt (seconds): what the inverse transform
// of a collected spectrum gives, what a transient result becomes after resampling, and what the
// speaker turns into 8-bit samples.

#include <cstdint>

#include "basics/Vektor.h"

class RealSignal : public RVektor {
 public:
  RealSignal() : RVektor(1) {}
  explicit RealSignal(int32_t count) : RVektor(count) {}
  explicit RealSignal(const RVektor& values) : RVektor(values) {}
  RealSignal(const RealSignal& other) = default;
  RealSignal& operator=(const RealSignal& other);

  double Mean() const;
  // -inf and +inf for an empty signal.
  double Max() const;
  double Min() const;
  // Up to count bytes, centred on 128; the sample furthest from the mean reaches 1 or 255, a
  // constant signal gives 128 throughout.
  void ToBytes(uint8_t* bytes, int32_t count) const;
  // Rebuilds the signal from n samples at ascending times (t[0] taken as 0): a power-of-two
  // count (2 below three points, else at least 4), even spacing, the end values kept. Where
  // dividedByCount, every sample comes divided by that count, as a spectrum's transform wants
  // them: bit for bit as dividing afterwards would give (the count being a power of two), but
  // for values so small that the quotients fall below the normal numbers.
  void ResampleToPowerOfTwo(const RVektor& values, const RVektor& times,
                            bool dividedByCount = false);
  // The raised-cosine blend of the two samples around k * dt. The search only moves forward
  // from the last call; its index stays in 1..n-1.
  double InterpolateAt(const RVektor& values, const RVektor& times, int32_t k);

  // The samples, then dt.
  void Serialize(pf::Archive& ar);

  double dt = 0.0;
  int32_t cursor = 0;
};
