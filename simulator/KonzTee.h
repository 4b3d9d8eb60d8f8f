#pragma once
// "KTE": a lumped junction of three ports, joined pairwise by 100 S, almost without loss.
//   KTE 1 2 3

#include "basics/Cmplx.h"
#include "simulator/NetElement.h"

class KonzTee : public DreiTor {
 public:
  explicit KonzTee(const NetLine& line) : DreiTor(line) {}
  static NetElement* Create(const NetLine& line) { return new KonzTee(line); }

  // 2 Y0 on the diagonal, -Y0 elsewhere, at every frequency.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

 private:
  // The link admittance between each pair of port nodes.
  static constexpr Cmplx Y0{100.0, 0.0};
};
