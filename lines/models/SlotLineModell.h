#pragma once
// Slotline: a slot of width W in the metallisation of one side of a substrate. Two methods,
// chosen by the model letter: 'A' the closed-form expressions of Janaswamy and Schaubert in
// three permittivity ranges (the default, fast), 'C' Cohn's transverse-resonance solution
// (slow: a series over 99 box modes inside two root searches).
//
// Outside the ranges of the closed form Update answers false and sets Z0 to the mark 9999,
// keeping eps_eff, lambda, alpha and the end extension; a result that is not finite counts as
// out of range, so the model never holds NaN or infinity.

#include "lines/models/TransverseResonanceModell.h"

class SlotLineModell : public TransverseResonanceModell {
 public:
  static constexpr double kOutOfRange = 9999.0;
  static constexpr int kCohnTerms = 100;

  SlotLineModell();

  // 'A' UpdateApprox, 'C' UpdateCohn; any other letter computes nothing and answers false.
  bool Update(double f) override;
  bool UpdateApprox(double f);
  // False, with the results unchanged, where the inputs admit no slot mode or a search ends
  // without a result; the attenuation keeps its value.
  bool UpdateCohn(double f) { return SolveFrequency(f); }

  // Cohn's function F(p) at the current box length; stores u, v and r of the evaluation.
  double CharacteristicFunction(double p) override;
  // Sum of the box modes n = 1 .. n - 1 at the stored u, v and r; 0 for n < 2.
  double CohnSeries(int n, double p) const;
  double CohnTerm(int n, double p) const;

  void SetModelLetter(char letter) { modelLetter = letter; }
  char GetModelLetter() const { return modelLetter; }
  double GetEndExtension() const { return endExtension; }
  // Of the last closed-form result.
  double GetDielectricAttenuation() const { return value2; }

 protected:
  double MaxRatio() const override;

 private:
  double u = 0.0;             // sqrt(eps_r - p^2)
  double v = 0.0;             // sqrt(p^2 - 1)
  double r = 0.0;             // W / b
  double endExtension = 0.0;  // m
  char modelLetter = 'A';
};
