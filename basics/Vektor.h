#pragma once
// Heap vectors of the numeric code. Nothing here throws or uses the error queue: an error sets
// the class's sticky flag, calls its hook with the German message, and the operation goes on
// with a fallback (element 0, 0 elements, an unchanged operand).

#include <cstdint>

#include "basics/Cmplx.h"

namespace pf {
class Archive;
}

// Receives the message text of a numeric error; null means "flag only".
using NumErrorHook = void (*)(const char* message);

// Writes "Vektor Fehler: " + message + line end to standard output.
void VektorErrorHook(const char* message);

template <class T>
class Vektor {
 public:
  // One hook and one flag per element type; the classes never clear the flag.
  static inline NumErrorHook errorHook = VektorErrorHook;
  static inline uint8_t errorFlag = 0;
  static void ReportError(const char* message);

  // Archives refuse counts above this.
  static constexpr int32_t kMaxArchivedCount = 1 << 22;

  Vektor() : Vektor(1) {}
  // count < 1 reports "Vektor muß größer 0 sein" and gives 0 elements.
  explicit Vektor(int32_t count);
  Vektor(const Vektor& other);
  // The storage is replaced only when it holds fewer elements than the source; it never shrinks.
  Vektor& operator=(const Vektor& other);
  ~Vektor() { Release(); }

  int32_t GetSize() const { return n; }

  // Outside 0..n-1 reports "ungültiger Index" and yields element 0; an empty vector yields a
  // zeroed scratch element, so such writes are lost.
  T& operator[](int32_t i) { return (i >= 0 && i < n) ? data[i] : BadIndex(); }
  const T& operator[](int32_t i) const { return (i >= 0 && i < n) ? data[i] : BadIndex(); }

  void Zero();
  // Keeps the contents when the count is already right; otherwise as Realloc.
  void SetSize(int32_t count);
  // Always a fresh array of count zero elements; 0 elements when that fails.
  void Realloc(int32_t count);
  // As Realloc, but the elements of a type without initialisers are left undefined, for a
  // caller that writes every one at once: zeroing a long array costs a pass over memory.
  void ReallocForOverwrite(int32_t count);

 protected:
  T* data = nullptr;
  int32_t n = 0;
  int32_t room = 0;  // the elements the storage holds, at least n

 private:
  T& BadIndex() const;
  void Release();
};

class RVektor : public Vektor<double> {
 public:
  using Vektor::Vektor;

  double Norm() const;
  RVektor& operator/=(double d);
  // Over this vector's count; a shorter operand reports and leaves this vector unchanged.
  RVektor& operator-=(const RVektor& b);
  RVektor operator-(const RVektor& b) const;

  // int32 count, then the doubles.
  void Serialize(pf::Archive& ar);
};

class CVektor : public Vektor<Cmplx> {
 public:
  using Vektor::Vektor;
  CVektor() = default;
  explicit CVektor(const RVektor& real);

  // Each element by the real-division rule of Cmplx.
  CVektor& operator/=(const float& d);
  // Different counts report and leave this vector unchanged.
  CVektor& operator+=(const CVektor& b);
  CVektor& operator-=(const CVektor& b);
  CVektor operator-(const CVektor& b) const;
  CVektor operator-() const;

  // Half spectrum of the samples, each line divided by their count (already done where
  // dividedByCount: the transform of samples so divided is the lines so divided, bit for bit,
  // while its sums stay normal numbers; it also keeps sums of huge samples from overflowing),
  // and its inverse; defined with the FFT.
  void SetSpectrum(const RVektor& samples, bool dividedByCount = false);
  RVektor& InverseSpectrum(RVektor& out) const;

  // int32 count, then re and im of each element.
  void Serialize(pf::Archive& ar);
};

// Stability and gain circles; constructors, copy and element access only.
class CmplxRecVektor : public Vektor<CmplxRec> {
 public:
  using Vektor::Vektor;
};

extern template class Vektor<double>;
extern template class Vektor<Cmplx>;
extern template class Vektor<CmplxRec>;
