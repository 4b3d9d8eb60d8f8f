#include "lines/models/MslToSlotElement.h"

#include <cmath>

#include "basics/SpecialFunctions.h"
#include "lines/models/SubstrateData.h"
#include "lines/models/SubstrateLink.h"
#include "simulator/ElementValue.h"
#include "simulator/PortMatrix.h"

MslToSlotElement::MslToSlotElement()
    : LineElementFrame("MslToSlotElement"), M(0.635e-3), S(0.206e-3) {
  Y[0][0] = Y[2][2] = Cmplx(0.1, 0.0);
  slot.SetSlotWidth(S);
}

MslToSlotElement::MslToSlotElement(const NetLine& line)
    : LineElementFrame("MslToSlotElement", line) {
  Y[0][0] = Y[2][2] = Cmplx(0.1, 0.0);
}

void MslToSlotElement::LinkReferences(NetLine& check) {
  DreiTor::LinkReferences(check);
  ExpectKeys(check, {"M", "S", "K"}, false);
  SubstrateLink::CheckName(check, SubstrateLink::kNotFound);
}

void MslToSlotElement::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  float m = 0.0f;
  float s = 0.0f;
  double k = 0.0;
  if (!ReadElementValue<LaeWert>(line, labels, m) ||
      !ReadElementValue<LaeWert>(line, labels, s) ||
      !ReadElementValue<FloatWert>(line, labels, k)) {
    code = 4;
    return;
  }
  if (!CheckWidth(m, *this) || !CheckWidth(s, *this)) return;
  M = m;
  S = s;
  K = k;
  slot.SetSlotWidth(S);
  line = line.RemoveNextToken();
  const MyStrng word = line.GetNextToken();
  model = word == "SIM" ? 'S' : word == "DAS" ? 'D' : 'K';
  if (!BindSubstrate(line, *this, SubstrateLink::kNotFound)) return;
  slot.SetSubstrate(*sub);
  h = sub->H;
}

void MslToSlotElement::SetDesignSubstrate(const SubstrateData& record) {
  sub = &record;
  h = record.H;
  slot.SetSubstrate(record);
}

void MslToSlotElement::SetS(double metres) {
  S = metres;
  slot.SetSlotWidth(S);
}

void MslToSlotElement::FillMatrix(float frequency) {
  if (sub == nullptr) return;
  bool ok = true;
  slotFresh = true;
  if (model == 'S') {
    Lumped(frequency);
  } else if (frequency == 0.0f) {
    // Both turns ratios tend to 1 at 0 Hz, where the slotline has no figures to give.
    n = 1.0;
    TurnsRatioMatrix(n, Y);
  } else {
    ok = model == 'D' ? Das(frequency) : Knorr(frequency);
    if (ok) TurnsRatioMatrix(n, Y);
  }
  pointOk = ok && slotFresh;
  if (!ok) {
    for (auto& row : Y) {
      for (Cmplx& y : row) y = Cmplx();
    }
  }
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) portMatrix->SetAt(Y[r][c], r + 1, c + 1);
  }
  if (ok) portMatrix->SetAt(Y[2][2] + Cmplx(kSlotPortLeak, 0.0), 3, 3);
}

void MslToSlotElement::TurnsRatioMatrix(double ratio, Cmplx (&y)[3][3]) {
  const double y11 = 1.0 / (0.02 + 0.01 * ratio * ratio);
  y[0][0] = y[1][1] = Cmplx(y11, 0.0);
  y[0][1] = y[1][0] = Cmplx(-y11, 0.0);
  y[2][2] = Cmplx(1.0 / (0.01 + 0.02 / (ratio * ratio)), 0.0);
  y[0][2] = y[2][0] = Cmplx(-ratio * y11, 0.0);
  y[1][2] = y[2][1] = Cmplx(ratio * y11, 0.0);
}

void MslToSlotElement::ReportOnce(const char* message) {
  if (failureReported) return;
  failureReported = true;
  Error(message, 2);
}

bool MslToSlotElement::UpdateSlot(double f) {
  if (!slot.Update(f)) {
    slotFresh = false;
    ReportOnce(kSlotOutOfRange);
  }
  if (!slot.HasWavelength()) return false;
  Zs = slot.Z0;
  es = slot.eps_eff;
  return true;
}

void MslToSlotElement::AnalyseMicrostrip(double f) {
  CalcMicrostrip(strip, *sub, f * 1e-9, M * 1000.0);
  em = strip.eps;
}

bool MslToSlotElement::Knorr(double f) {
  const double lambda0 = kLightSpeed / f;
  if (!UpdateSlot(f)) return false;
  AnalyseMicrostrip(f);
  Zm = strip.Z0;
  const double er = sub->ER;
  const double q = std::sqrt(er - es);
  const double u = kTwoPi * h * q / lambda0;
  const double v = kTwoPi * h / lambda0;
  const double ratio = std::cos(u) - std::sin(v) / std::tan(u + std::atan(q / std::sqrt(es - 1.0)));
  Ch = 0.5 * std::sqrt(em) * S / (Zm * kLightSpeed);
  if (!std::isfinite(ratio)) {
    ReportOnce(kNoTurnsRatio);
    return false;
  }
  n = ratio;
  return true;
}

bool MslToSlotElement::Das(double f) {
  if (!UpdateSlot(f)) return false;
  AnalyseMicrostrip(f);
  const double er = sub->ER;
  const double k0 = kTwoPi * f / kLightSpeed;
  const double bs = k0 * std::sqrt(es);
  const double bm = k0 * std::sqrt(em);
  const double g1 = k0 * std::sqrt(std::fabs(er - es - em));
  const double g2 = k0 * std::sqrt(std::fabs(es + em - 1.0));
  const double P = BesselJ0(0.5 * bm * S) * BesselJ0(0.5 * bs * M) / (bs * bs + bm * bm);
  const double C = std::cos(g1 * h);
  const double Sn = std::sin(g1 * h);
  const double ratio =
      P * (bm * bm * g2 * er / (er * g2 * C - g1 * Sn) + bs * bs * g1 / (g1 * C + g2 * Sn));
  if (!std::isfinite(ratio)) {
    ReportOnce(kNoTurnsRatio);
    return false;
  }
  n = ratio;
  return true;
}

void MslToSlotElement::Lumped(double f) {
  const double w = kTwoPi * f;
  AnalyseMicrostrip(f);
  Zm = strip.Z0;
  L = std::sqrt(em) * Zm * S / kLightSpeed;
  Ch = 0.5 * std::sqrt(em) * S / (Zm * kLightSpeed);
  // The strip's inductance vanishes at 0 Hz, where it is a through.
  const Cmplx series = ThroughImpedance(Cmplx(0.0, w * L)).Inverse();
  const Cmplx shunt(0.0, w * Ch);
  // The strip over the slot is the same seen from either side, and the coupling to the slot
  // acts both ways.
  Y[0][0] = Y[1][1] = shunt + series;
  Y[0][1] = Y[1][0] = -series;
  Y[2][2] = Y[0][2] = Y[2][0] = shunt / 2.0;
  Y[1][2] = Y[2][1] = -(shunt / 2.0);
}
