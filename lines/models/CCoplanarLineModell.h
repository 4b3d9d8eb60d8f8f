#pragma once
// Coplanar waveguide: a centre strip of width W between two ground planes, each a gap S away,
// on a substrate of height h. Quasi-static: Z0 and eps_eff follow from the cross-section by
// conformal mapping, the frequency enters only the wavelength. Lossless (alpha stays 0).

#include "lines/models/TemModell.h"

class CCoplanarLineModell : public TemModell {
 public:
  CCoplanarLineModell();

  // Z0, eps_eff and lambda at f (Hz). False, with the state unchanged, where the
  // cross-section has no finite result: no strip or gap, no substrate height.
  bool Update(double f) override;

  // K(k)/K'(k) for 0 <= k <= 1 to a few units of the last place, by the arithmetic-geometric
  // mean; 0 at k = 0, infinite at k = 1.
  static double EllipticRatio(double k);

  void SetStripWidth(double w) { stripWidth = w; }
  double GetStripWidth() const { return stripWidth; }
  void SetGap(double s) { gap = s; }
  double GetGap() const { return gap; }

 private:
  double stripWidth = 0.001;  // m
  double gap = 0.0005;        // m
};
