#pragma once
// A slotline between two dielectric layers (a sandwich) in a box: the slot is the only opening
// of the conducting plane, and both regions take the substrate's permittivity and height.
// Solved by transverse resonance with 200 box modes; the sandwich calculator uses the ratio
// solution at a given box length (SolveRatio), Update the full frequency solution.

#include "lines/models/TransverseResonanceModell.h"

class CCoveredSlotLineModell : public TransverseResonanceModell {
 public:
  static constexpr int kTerms = 200;

  CCoveredSlotLineModell();

  // The frequency solution; false, with the results unchanged, where the search has no result.
  bool Update(double f) override { return SolveFrequency(f); }

  // F(p) = [ln(2/(pi W/b)) ((er1 + er2)/2 - p^2) + Series/2] / p + T1 + T2.
  double CharacteristicFunction(double p) override;
  // Sum over n = 1 .. n - 1 of both region terms; 0 for n < 2.
  double Series(int n, double p) const;

 protected:
  double MaxRatio() const override;

 private:
  // One dielectric region on either side of the slot plane.
  struct Region {
    double eps_r;
    double h;
    double s;  // sqrt(eps_r - p^2), 0 where p^2 reaches eps_r
  };
  double RegionTerm(const Region& region, int n, double p) const;
  // (a/2)/b s tan(pi h s/(a p) - atan(v/s)); 0 at s = 0.
  double RegionReactance(const Region& region, double p) const;

  Region regions[2] = {};
  double v = 0.0;  // sqrt(p^2 - 1)
};
