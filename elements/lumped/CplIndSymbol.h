#pragma once
// The transformer: kind 'C' two coupled inductors on a common terminal, kind 'S' the symmetric
// transformer. The user gives the series inductance, the coupling and the turn counts; the
// self-inductances follow from them. Drawn as a bitmap of its kind.

#include <cstdint>

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/MultiPolSymbol.h"
#include "pf/bitmap.h"

// No run-time class of its own: it reports the multi-pole base's.
class CplIndSymbol : public MultiPolSymbol {
 public:
  static constexpr const char* kClassKey = "UEBERTRAGER";

  CplIndSymbol();
  CplIndSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  // Only while a new layout is pending, so that a placed transformer keeps its pins.
  void UpdateGeometry() override;
  // Always the coupled-inductor form, whatever the kind.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  void CopyParameters(const NetSymbol& other) override;
  bool EditDialog(pf::Window* parent) override;
  void ReloadBitmap() override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;

  void SetUnsymmetricKind();
  void SetSymmetricKind();
  // Lp, L1 and L2 from Ls, k and N1 : N2; false, with all three 0, when the values would
  // divide by zero or give no transformer (k outside (0, 1), a turn count below 1).
  bool ComputeInductances();
  // Whether L1 and L2, as last derived, print as inductance texts the netlist reads: a coupling
  // near 0 or a far turns ratio derives values beyond the prefixes' range.
  bool InductancesWritable() const;

  IndWert ls{10e-9};
  FloatWert k{0.99};
  IntegerWert n1{1};
  IntegerWert n2{1};
  double lp = 0.0;
  double l1 = 0.0;
  double l2 = 0.0;
  int32_t kind = 'C';
  int32_t layoutPending = 1;

 private:
  void Init();
  // ComputeInductances, and a report for each value that stands in its way.
  bool InductancesReported();

  pf::Bitmap symmetricBitmap;
  pf::Bitmap unsymmetricBitmap;
};
