#pragma once
// Base of the slot models solved by transverse resonance in the manner of Cohn: the slot lies
// in a box of length a along the slot and width b across it. For a given a the wavelength
// ratio p = lambda0 / lambda' is the root of the derived model's characteristic function
// between 1 and MaxRatio(); for a given frequency, a is searched until it is half a guided
// wavelength; the impedance follows from numeric derivatives of the same function.
//
// F falls through zero at the slot mode; the box modes of the substrate add poles and roots
// below it, nearer p = 1. The ratio search therefore takes the highest fall through zero
// below MaxRatio(). Once a box mode resonates above that root (at high frequencies, on thick
// substrates: the slot mode then leaks into a surface wave) the root is no longer the slot
// mode's. Such a root, a search without a sign change and one that does not meet its
// tolerance within 100 steps are no result.

#include "lines/models/TemModell.h"

class TransverseResonanceModell : public TemModell {
 public:
  static constexpr double kFunctionTolerance = 1e-4;
  static constexpr double kFrequencyTolerance = 1e6;  // Hz
  static constexpr double kRelativeStep = 0.01;
  static constexpr int kMaxSteps = 100;

  explicit TransverseResonanceModell(int termCount);

  // 'O' the open stub of the base, 'S' the short end with its reactance, else 0.
  Cmplx GetAdmittance() override;

  // Wavelength ratio at the current box length a; when found, stores p, p^2, 2ap and
  // c/(2ap) and answers true. False, with those unchanged, for inputs that admit no slot mode
  // (eps_r <= 1, no slot or substrate, a box without size) or a search without a result.
  bool SolveRatio();
  // Searches a for f, then sets eps_eff = p^2, lambda and Z0. False, with Z0, eps_eff and
  // lambda unchanged, for f <= 0, inputs without a slot mode or a search without a result.
  bool SolveFrequency(double f);

  // Reactance of a short-circuited end over Z0, at the stored frequency.
  double ShortEndReactance() const;
  // 1/Zin of the short-circuited stub, Zin = Z0 (jX + tanh(gamma l)) / (1 + jX tanh(gamma l));
  // 0 while the model has no wavelength.
  Cmplx ShortEndAdmittance();

  virtual double CharacteristicFunction(double p) = 0;

  void SetSlotWidth(double w) { slotWidth = w; }
  double GetSlotWidth() const { return slotWidth; }
  void SetBoxWidth(double a) { boxA = a; }
  double GetBoxWidth() const { return boxA; }
  double GetRatio() const { return ratio; }
  double GetRatioSquared() const { return ratioSquared; }
  double GetFreeSpaceWavelength() const { return freeSpaceWavelength; }
  double GetSolvedFrequency() const { return solvedFrequency; }

 protected:
  // Upper end of the ratio search, where F must be finite.
  virtual double MaxRatio() const = 0;
  bool HasSlotMode() const;
  // (sin(n pi r) / (n pi r))^2 / n, the weight of series term n.
  static double TermWeight(int n, double r);

  double boxA = 0.1;        // along the slot, m
  const double boxB = 0.1;  // across the slot, m
  const int termCount;      // the series runs over 1 .. termCount - 1
  double ratio = 1.0;
  double ratioSquared = 1.0;
  double freeSpaceWavelength = 0.0;
  double solvedFrequency = 0.0;
  double slotWidth = 0.0002;

 private:
  // Whether a box mode of the substrate resonates (F has a pole) between p and MaxRatio().
  bool HasPoleAbove(double p) const;
  // Z0 from the slopes of p over a and of F over p at the current solution; NaN when a ratio
  // beside it has no solution.
  double ComputeImpedance();
  // The solved frequency at box length a, NaN without a ratio.
  double SolvedFrequencyAt(double a);
};
