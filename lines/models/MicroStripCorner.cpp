#include "lines/models/MicroStripCorner.h"

#include <cmath>

#include "basics/SpecialFunctions.h"
#include "lines/models/SubstrateData.h"
#include "lines/models/SubstrateLink.h"
#include "simulator/ElementValue.h"
#include "simulator/PortMatrix.h"

void MicroStripCorner::LinkReferences(NetLine& check) {
  DreiPol::LinkReferences(check);
  check = check.RemoveNextToken();
  ExpectKeys(check, {"W1", "W2"}, false);
  SubstrateLink::CheckName(check, SubstrateLink::kMissing);
}

void MicroStripCorner::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  const MyStrng word = line.GetNextToken();
  form = word == "CUT" ? 'C' : word == "OPT" ? 'O' : 'N';
  line = line.RemoveNextToken();

  float w1 = 0.0f;
  float w2 = 0.0f;
  if (!ReadElementValue<LaeWert>(line, labels, w1) ||
      !ReadElementValue<LaeWert>(line, labels, w2)) {
    code = 4;
    return;
  }
  if (!CheckWidth(w1, *this)) return;
  W1 = w1 * 1000.0;
  if (!BindSubstrate(line, *this, SubstrateLink::kMissing)) return;
  H = sub->H * 1000.0;
  ER = sub->ER;
  ComputeUnmitred();
}

void MicroStripCorner::ComputeUnmitred() {
  const double u = W1 / H;
  C = ((10.35 * ER + 2.5) * PowReal(u, 2) + (2.6 * ER + 5.44) * u) * H * 0.001 * 1e-12;
  L = (1 - 1.39 * std::exp(-0.18 * PowReal(u, 1.39))) * 0.22 * H * 1e-9;
}

void MicroStripCorner::FillMatrix(float frequency) {
  if (sub == nullptr) return;
  frequencyGHz = frequency / 1e9;
  Cmplx y11;
  Cmplx y12;
  if (form == 'N') {
    // Each arm's inductance vanishes at 0 Hz, where the corner is a through.
    const Cmplx arm = ThroughImpedance(Cmplx(0.0, 2 * kPi * frequency * L));
    const Cmplx YL = arm.Inverse();
    const Cmplx YC(0.0, 2 * kPi * frequency * C);
    y11 = (arm + (YC + YL).Inverse()).Inverse();
    y12 = -YL / (arm * (YC + YL) + Cmplx(1.0, 0.0));
  } else {
    const double u = W1 / H;
    const double length = (0.5 * PowReal(u, 1.08) - 0.45 / std::sqrt(ER) - 0.12) * H / 1000.0;
    MicrostripLineY(y11, y12, W1 / 1000.0, length, *sub, frequencyGHz);
  }
  portMatrix->SetAt(y11, 1, 1);
  portMatrix->SetAt(y11, 2, 2);
  portMatrix->SetAt(y12, 2, 1);
  portMatrix->SetAt(y12, 1, 2);
}
