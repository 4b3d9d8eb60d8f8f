#pragma once
// A spectrum on an equidistant grid: line k stands for k * df (Hz). A master feeds it into the
// network one line per step, and the instruments that show time signals fill one through the
// cursor and turn it back into samples.

#include <cstdint>

#include "basics/Vektor.h"
#include "instruments/models/RealSignal.h"

class CmplxSignal : public CVektor {
 public:
  CmplxSignal() : CVektor(1) {}
  CmplxSignal(const CmplxSignal& other);
  CmplxSignal& operator=(const CmplxSignal& other);
  // The lines of the vector; cursor and df become 0.
  CmplxSignal& operator=(const CVektor& lines);
  virtual ~CmplxSignal() = default;

  // Moves the cursor on while it is below the line count; it stops at the count.
  int32_t NextIndex();
  // Writes outside the lines are dropped.
  void SetAtCursor(const Cmplx& value);
  // Drops the lines from the cursor on, which a run stopped there never reached; at least one
  // line stays.
  void KeepLinesBeforeCursor();
  void SetFromRealSignal(const RealSignal& samples);
  // The spectrum of a transient result: its values at ascending times resampled to a power of
  // two (RealSignal::ResampleToPowerOfTwo), then transformed.
  void SetFromTransient(const RVektor& values, const RVektor& times);
  // 2n samples, dt = 1 / (2 * df * n).
  RealSignal ToRealSignal() const;

  // The lines, then df.
  void Serialize(pf::Archive& ar);

  double df = 0.0;
  int32_t cursor = 0;

 private:
  void TakeSpacing(const RealSignal& samples);
};
