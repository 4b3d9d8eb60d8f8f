#pragma once
// The port parameter matrix of an element or a network at one frequency: n x n complex entries
// stored row by row, with a letter for what they mean. Elements fill admittances; conversions,
// two-port figures and circles start from an admittance ('Y') or scattering ('S') matrix.

#include "basics/Cmplx.h"
#include "basics/MyStrng.h"
#include "basics/Vektor.h"

class PortMatrix {
 public:
  // Kind letters.
  static constexpr char kAdmittance = 'Y';
  static constexpr char kScattering = 'S';
  static constexpr char kImpedance = 'Z';
  static constexpr char kStability = 'K';
  static constexpr char kMaxGain = 'M';
  static constexpr char kOptimumReflection = 'R';
  static constexpr char kVoltageGain = 'V';

  // A denominator of smaller magnitude is replaced by this value; some results saturate at
  // its reciprocal.
  static constexpr double kGuard = 1e-36;
  static constexpr double kHuge = 1e36;
  // A two-port determinant below this share of its products is their rounding noise and
  // counts as 0 in the conversions.
  static constexpr double kCancellation = 16 * 2.220446049250313e-16;

  // Replaces a denominator of magnitude below kGuard by kGuard.
  static double Guarded(double d);
  static Cmplx Guarded(const Cmplx& d);

  // 2 x 2 admittance zeros.
  PortMatrix() : PortMatrix(2) {}
  // Admittance zeros; a negative order gives an empty matrix.
  explicit PortMatrix(int n) : PortMatrix(n, nullptr) {}
  // Admittances copied from the n * n values, or zeros when values is null.
  PortMatrix(int n, const Cmplx* values);
  PortMatrix(const PortMatrix& other);
  // The array is replaced only when it is smaller than the source's; it never shrinks.
  PortMatrix& operator=(const PortMatrix& other);
  ~PortMatrix() { delete[] entries; }

  char GetKind() const { return kind; }
  void SetKind(char k) { kind = k; }
  // The port count, or the node count of a nodal matrix; 0 after a failed allocation.
  int GetSize() const { return n; }
  // Row by row, for the solvers.
  const Cmplx* Entries() const { return entries; }

  // 1-based; outside the matrix GetAt gives 0 and SetAt does nothing. Inline: every element
  // fills its matrix through them at every point.
  Cmplx GetAt(int row, int col) const {
    return Inside(row, col, 1) ? At(row, col) : Cmplx();
  }
  void SetAt(const Cmplx& value, int row, int col) {
    if (Inside(row, col, 1)) At(row, col) = value;
  }
  // 0-based for the nodal stamping; outside the matrix nothing happens.
  void AddAt(const Cmplx& value, int row, int col) {
    if (Inside(row, col, 0)) At(row + 1, col + 1) += value;
  }
  // No entry is infinite or NaN.
  bool IsFinite() const;
  void Clear();
  void Scale(float factor);

  // Orders 1 to 3; 0 for any other.
  Cmplx Determinant() const;
  // An admittance matrix of the same order; all zeros beyond order 3. A singular matrix is
  // left to the zero rule of the complex division.
  PortMatrix Inverse() const;
  // Becomes the source without its row and column k (0-based), of order source n - 1.
  void CopyWithout(const PortMatrix& source, int k);
  // Row k without column k: n - 1 values; nothing for k outside the matrix.
  void GetRowWithout(Cmplx* out, int k) const;
  // Magnitude and angle of (1,1), for two or more ports also of (2,1), (1,2), (2,2), tab
  // separated, as the result table prints them.
  MyStrng ToText() const;

  // Embedding of an element's own admittance matrix. AddAcross puts an admittance between the
  // two non-ground port nodes; the series and common-lead impedances act on one-ports and
  // two-ports only.
  void AddToFirst(const Cmplx& y);
  void AddToLast(const Cmplx& y);
  void AddAcross(const Cmplx& y);
  void AddSeriesAtPort1(const Cmplx& z) { AddSeriesAtPort(1, z); }
  void AddSeriesAtPort2(const Cmplx& z) { AddSeriesAtPort(2, z); }
  void AddCommonImpedance(const Cmplx& z);

  // Two-port admittance helpers: V2/V1 with YL at port 2, V1/V2 with YS at port 1, and the
  // admittances seen at one port when the other is terminated (y11 or y22 of a one-port).
  Cmplx VoltageGain21(const Cmplx& yl) const;
  Cmplx VoltageGain12(const Cmplx& ys) const;
  Cmplx InputAdmittance(const Cmplx& yl) const;
  Cmplx OutputAdmittance(const Cmplx& ys) const;

  // Conversions of an admittance matrix with the reference resistances of ports 1 and 2 in
  // ohms. Other port counts than 1 and 2 give zeros of the target kind.
  PortMatrix ConvertToS(float z01, float z02) const;
  PortMatrix ConvertToZ() const;
  PortMatrix ConvertToK() const;
  PortMatrix ConvertToV(float z01, float z02) const;
  PortMatrix ConvertToM(float z01, float z02) const;
  PortMatrix ConvertToR(float z01, float z02) const;
  // The 'M' and 'R' matrices of a scattering matrix, which the two conversions above convert
  // to first.
  PortMatrix MaxGainMatrix() const;
  PortMatrix OptimumReflectionMatrix() const;

  // Two-port figures of a scattering matrix. On any other matrix the numbers are 0 and the
  // circles the default record.
  Cmplx Delta() const;
  double D1() const;
  double D2() const;
  Cmplx C1() const;
  Cmplx C2() const;
  double B1() const;
  double B2() const;
  // Rollett's factor; a unilateral two-port gives a large finite value.
  double StabilityFactorK() const;
  // |m21 / m12| of a scattering or admittance two-port, else 1.
  double MaxStableGain() const;
  double MaxAvailableGain() const;
  double MaxGain() const;
  Cmplx GetInputReflection(const Cmplx& gl) const;
  Cmplx GetOutputReflection(const Cmplx& gs) const;
  // The input reflections of all lossless loads form the input circle; the output circle
  // likewise.
  Cmplx InputCircleCentre() const;
  Cmplx OutputCircleCentre() const;
  double InputCircleRadius() const;
  double OutputCircleRadius() const;

  // Stability circles in the source and load admittance planes, read from the entries as
  // admittances whatever the kind, and mapped into the impedance planes (a negative radius
  // there means the inside and outside swap).
  double GetSourceStabRadiusY() const;
  Cmplx GetSourceStabCenterY() const;
  double GetLoadStabRadiusY() const;
  Cmplx GetLoadStabCenterY() const;
  double GetSourceStabRadiusZ() const;
  Cmplx GetSourceStabCenterZ() const;
  double GetLoadStabRadiusZ() const;
  Cmplx GetLoadStabCenterZ() const;

  // Stability circles in the reflection planes; the flag is 1 when the chart's centre lies
  // outside the circle.
  CmplxRec GetLoadStabilityCircle() const;
  CmplxRec GetSourceStabilityCircle() const;
  // Circles of g dB operating gain (load plane) and available gain (source plane); the flag
  // holds g.
  CmplxRec LoadGainCircle(int g) const;
  CmplxRec SourceGainCircle(int g) const;
  // count circles from the maximum gain downwards in steps of 1 dB.
  void GetLoadGainCircles(CmplxRecVektor& out, int count) const;
  void GetSourceGainCircles(CmplxRecVektor& out, int count) const;
  // Source and load reflections of the simultaneous conjugate match.
  Cmplx OptimumSourceReflection() const;
  Cmplx OptimumLoadReflection() const;

  // Admittance two-ports only: port 2 of this one is joined to port 1 of the other.
  void Cascade(const PortMatrix& other);

 private:
  // a11 a22 - a12 a21, or 0 within kCancellation of the products.
  static Cmplx TwoPortDeterminant(const Cmplx& a11, const Cmplx& a12, const Cmplx& a21,
                                  const Cmplx& a22);

  // The series impedance z at port p (1 or 2).
  void AddSeriesAtPort(int p, const Cmplx& z);

  bool IsTwoPort() const { return n == 2; }
  // Row and column within the matrix, counted from base.
  bool Inside(int row, int col, int base) const {
    return row >= base && row < n + base && col >= base && col < n + base;
  }
  bool IsScatteringTwoPort() const { return kind == kScattering && n == 2; }
  // Entry (i, j), 1-based, of a matrix known to be large enough.
  const Cmplx& At(int row, int col) const { return entries[(row - 1) * n + (col - 1)]; }
  Cmplx& At(int row, int col) { return entries[(row - 1) * n + (col - 1)]; }
  // Replaces the array by order zeros; order 0 when that fails.
  void Allocate(int order);

  PortMatrix GeneralInverse3() const;
  // Into the 2 x 2 target: the adjugate of this two-port over its determinant d.
  void InvertTwoPortInto(PortMatrix& target, const Cmplx& d) const;
  // 1 - |S11|^2 - |S22|^2 + |Delta|^2, the numerator of the stability factor.
  double StabilityNumerator() const;
  // The point whose conjugate is the mismatch centre of the circle (c, r).
  static Cmplx CircleFigure(const Cmplx& c, double r);
  static Cmplx OptimumReflection(double b, const Cmplx& c);
  CmplxRec GainCircle(int g, const Cmplx& c, double d) const;
  void GetGainCircles(CmplxRecVektor& out, int count, bool load) const;

  char kind = kAdmittance;
  int n = 0;
  Cmplx* entries = nullptr;
};
