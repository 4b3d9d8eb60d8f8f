#include "lines/models/SymMslTee.h"

#include <cmath>

#include "lines/models/SubstrateData.h"
#include "lines/models/SubstrateLink.h"
#include "simulator/ElementValue.h"
#include "simulator/PortMatrix.h"

void SymMslTee::LinkReferences(NetLine& check) {
  VierPunkt::LinkReferences(check);
  ExpectKeys(check, {"W1", "W2", "W3"}, false);
  SubstrateLink::CheckName(check, SubstrateLink::kMissing);
}

void SymMslTee::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  float w1 = 0.0f;
  float w2 = 0.0f;
  float w3 = 0.0f;
  if (!ReadElementValue<LaeWert>(line, labels, w1) ||
      !ReadElementValue<LaeWert>(line, labels, w2) ||
      !ReadElementValue<LaeWert>(line, labels, w3)) {
    code = 4;
    return;
  }
  if (!CheckWidth(w1, *this) || !CheckWidth(w3, *this)) return;
  Wm = w1 * 1000.0;
  Wb = w3 * 1000.0;
  BindSubstrate(line, *this, SubstrateLink::kMissing);
}

void SymMslTee::FillMatrix(float frequency) {
  if (sub == nullptr) return;
  TeeJunctionParams(frequency);
  TeeJunctionY();
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) portMatrix->SetAt(Y[r][c], r + 1, c + 1);
  }
}

double SymMslTee::ShuntReactance(double Z1, double Z2, double d, double n, double Xa) {
  if (Z1 / Z2 > 0.5) {
    return Z1 * ((2 * d / (n * n)) * (2 * d * d + std::log(1.43 * Z2 / Z1)) - Xa / (2 * Z1));
  }
  const double t = 1.570796326794895 * Z1 / Z2;
  const double cot2 = 1 / (std::tan(t) * std::tan(t));
  const double c4 = std::pow(std::cos(t), 4);
  return Z1 * (((std::log(2.0) + kPi * Z1 / (6 * Z2) + 1.5 * d * d) * 2 * d +
                2 * d * (std::log(std::sqrt(cot2 + 1)) + 0.5 * d * d * c4)) /
                   (n * n) -
               Xa / (2 * Z1));
}

void SymMslTee::TeeJunctionParams(float f) {
  frequencyGHz = f / 1e9;
  CalcMicrostrip(through, *sub, frequencyGHz, Wm);
  CalcMicrostrip(branch, *sub, frequencyGHz, Wb);
  const double Z1 = through.Z0;
  const double Z2 = branch.Z0;
  const double lambda1 = 1000.0 * kLightSpeed / (f * std::sqrt(through.eps));
  const double lambda2 = 1000.0 * kLightSpeed / (f * std::sqrt(branch.eps));
  const double D1 = EffectiveWidth(Wm, 1000.0 * sub->H, sub->ER, frequencyGHz);
  const double D2 = EffectiveWidth(Wb, 1000.0 * sub->H, sub->ER, frequencyGHz);

  const double x2 = kPi * D2 / lambda2;
  // At zero frequency x2 is 0, where sin(x)/x tends to 1.
  n = x2 != 0.0 ? std::sin(x2) / x2 : 1.0;
  const double s = (kPi / 4) * std::sqrt(Z1 / Z2) * n;
  Xa = -(s * s) * (D2 / lambda2) * Z1;
  Xb = ShuntReactance(Z1, Z2, D1 / lambda1, n, Xa);
}

namespace {

// An arm of reactance x. Where x vanishes (at 0 Hz) the arm is the through resistance, real
// whatever the sign of x: two vanishing arms of opposite sign would otherwise resonate and
// block a junction that is all but ideal.
Cmplx Arm(double x) {
  return std::fabs(x) < MathPool::kThroughResistance ? Cmplx(MathPool::kThroughResistance, 0.0)
                                                     : Cmplx(0.0, x);
}

}  // namespace

// The star of the arms jXa, jXa and jXb, the last behind the transformer.
void SymMslTee::TeeJunctionY() {
  const Cmplx za = Arm(Xa);
  const Cmplx zb = Arm(Xb);
  const Cmplx D = za * za + za * zb * 2.0;
  Y[0][0] = Y[1][1] = (za + zb) / D;
  Y[0][1] = Y[1][0] = -zb / D;
  Y[0][2] = Y[2][0] = Y[1][2] = Y[2][1] = -za / (D * n);
  Y[2][2] = (za * 0.5 + zb).Inverse() / (n * n);
}
