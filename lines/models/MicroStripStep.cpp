#include "lines/models/MicroStripStep.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "basics/GaussSolve.h"
#include "basics/Matrix.h"
#include "basics/Saturate.h"
#include "basics/SpecialFunctions.h"
#include "lines/models/SubstrateData.h"
#include "lines/models/SubstrateLink.h"
#include "simulator/ElementValue.h"
#include "simulator/PortMatrix.h"

namespace {

const Cmplx kOne(1.0, 0.0);

Cmplx Omega(float f) { return Cmplx(0.0, 2 * MathPool::kPi * f); }

}  // namespace

void MicroStripStep::LinkReferences(NetLine& check) {
  DreiPol::LinkReferences(check);
  ExpectKeys(check, {"W1", "W2", "MO"}, false);
  SubstrateLink::CheckName(check, SubstrateLink::kMissing);
}

void MicroStripStep::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  float w1 = 0.0f;
  float w2 = 0.0f;
  long mo = 0;
  if (!ReadElementValue<LaeWert>(line, labels, w1) ||
      !ReadElementValue<LaeWert>(line, labels, w2) ||
      !ReadElementValue<IntegerWert>(line, labels, mo)) {
    code = 4;
    return;
  }
  if (!CheckWidth(w1, *this) || !CheckWidth(w2, *this)) return;
  if (mo < kModeSum || mo > kClosedForm) {
    Error("MO muß 0, 1 oder 2 sein", 4);
    return;
  }
  W1 = w1 * 1000.0f;
  W2 = w2 * 1000.0f;
  model = static_cast<int>(mo);
  if (!BindSubstrate(line, *this, SubstrateLink::kMissing)) return;
  H = static_cast<float>(sub->H * 1000.0);
  port1Narrower = W1 < W2 ? 1 : 0;
}

void MicroStripStep::FillMatrix(float frequency) {
  if (sub == nullptr) return;
  frequencyGHz = static_cast<float>(frequency * 1e-9);
  switch (model) {
    case kModeSum:
      ModeSum(frequency);
      FillFromSeries(frequency);
      break;
    case kModeMatching:
      ModeMatching(frequency);
      break;
    case kClosedForm:
      ClosedForm(frequency);
      FillFromSeries(frequency);
      break;
  }
  portMatrix->SetAt(Y[0], 1, 1);
  portMatrix->SetAt(Y[3], 2, 2);
  portMatrix->SetAt(Y[2], 2, 1);
  portMatrix->SetAt(Y[1], 1, 2);
}

void MicroStripStep::FillFromSeries(float frequency) {
  ShuntCapacitance(frequency);
  Y[0] = GetY11(frequency);
  Y[3] = GetY22(frequency);
  Y[2] = GetY21(frequency);
  Y[1] = Y[2];
}

Cmplx MicroStripStep::GetY11(float frequency) const {
  const Cmplx y = -GetY21(frequency);
  return port1Narrower == 1 ? y + Omega(frequency) * C : y;
}

Cmplx MicroStripStep::GetY22(float frequency) const {
  const Cmplx y = -GetY21(frequency);
  return port1Narrower == 0 ? y + Omega(frequency) * C : y;
}

// The series impedance vanishes at 0 Hz, where the step is a through.
Cmplx MicroStripStep::GetY21(float frequency) const {
  return -ThroughImpedance(Cmplx(R, 0.0) + Omega(frequency) * L).Inverse();
}

double MicroStripStep::ModeNorm(int n, float w) { return n == 0 ? w / 2.0 : w / 4.0; }

double MicroStripStep::ModeCoupling(int m, int n, float a, float b) {
  const double A = a;
  const double B = b;
  const double p = (n * A - m * B) * kPi / (A * B);
  const double q = (n * A + m * B) * kPi / (A * B);
  const double first = std::fabs(p) < 1e-36 ? A / 4.0 : std::sin(A * p) / (4.0 * p);
  if (m == 0 && n == 0) return A / 4.0 + first;
  return first + std::sin(A * q) / (4.0 * q);
}

Cmplx MicroStripStep::ModeImpedance(float w, float eps, int n, float f) {
  Cmplx result;
  return PlanarWaveguideModeImpedance(result, w, eps, n, f);
}

void MicroStripStep::AnalyseLines() {
  CalcMicrostrip(lineA, *sub, frequencyGHz, std::min(W1, W2));
  CalcMicrostrip(lineB, *sub, frequencyGHz, std::max(W1, W2));
  WA = ParallelPlateImpedance({lineA.Z0, lineA.eps}, sub->H);
  WB = ParallelPlateImpedance({lineB.Z0, lineB.eps}, sub->H);
}

void MicroStripStep::ShuntCapacitance(float f) {
  C = 0.0f;
  // Without excess width there is no open end, and a strip of zero width has no analysis.
  if (W1 == W2) return;
  MicrostripResult end;
  if (!CalcMicrostrip(end, *sub, frequencyGHz, std::fabs(W1 - W2))) return;
  const double alpha = DielectricAttenuation(f, end.eps, sub->ER, sub->TAND);
  const double beta = 2 * kPi * f * std::sqrt(end.eps) / kLightSpeed;
  const Cmplx gl = Cmplx(alpha, beta) * (end.dl / 1000.0);
  const Cmplx yEnd = CmplxSinh(gl) / CmplxCosh(gl) / Cmplx(end.Z0, 0.0);
  C = static_cast<float>((yEnd / Omega(f)).re);
}

void MicroStripStep::ModeSum(float f) {
  AnalyseLines();
  const int N = std::min(TruncToInt32(WB / WA), kMaxModes);
  const float wa = static_cast<float>(WA);
  const float wb = static_cast<float>(WB);
  Cmplx S;
  for (int k = 1; k <= N; ++k) {
    S += ModeImpedance(wb, static_cast<float>(lineB.eps), k, f) * ModeCoupling(0, k, wa, wb) /
         ModeNorm(k, wb);
  }
  const Cmplx Zs = S * sub->H / WA;
  R = static_cast<float>(Zs.re);
  // At zero frequency the reactance is zero whatever L is.
  L = f > 0.0f ? static_cast<float>(Zs.im / (2 * kPi * f)) : 0.0f;
}

void MicroStripStep::ModeMatching(float f) {
  AnalyseLines();
  int N1 = 1;
  if (f > 0.0f) {
    const double lambdaA = kLightSpeed / (f * std::sqrt(lineA.eps));
    N1 = std::clamp(TruncToInt32(10.0 * WA / lambdaA + 1.0), 1, kMaxModes - 1);
  }
  const int N2 = std::clamp(TruncToInt32(N1 * WB / WA), N1 + 1, kMaxModes);

  Y[0] = Y[1] = Y[2] = Y[3] = Cmplx();
  ModeMatchingResult mm;
  if (!StepModeMatching(N1, N2, f, mm)) {
    if (!singularReported) Error("Stufe: Modenanpassung nicht lösbar (singuläres System)", 4);
    singularReported = true;
    return;
  }
  M0 = -mm.rho;
  M2 = mm.tau * std::sqrt(lineB.Z0 / lineA.Z0) * (WB / WA);
  ExtractStepCircuit();
  ShuntCapacitance(f);

  const Cmplx series = ThroughImpedance(Zc).Inverse();
  const Cmplx narrow = Omega(f) * C + series + Yd;
  Y[0] = port1Narrower == 1 ? narrow : series;
  Y[3] = port1Narrower == 1 ? series : narrow;
  Y[1] = Y[2] = -series;
}

bool MicroStripStep::StepModeMatching(int N1, int N2, double f, ModeMatchingResult& result) const {
  const float wa = static_cast<float>(WA);
  const float wb = static_cast<float>(WB);
  const float epsA = static_cast<float>(lineA.eps);
  const float epsB = static_cast<float>(lineB.eps);
  const float fs = static_cast<float>(f);

  std::vector<Cmplx> zB(static_cast<size_t>(N2));
  for (int j = 0; j < N2; ++j) zB[static_cast<size_t>(j)] = ModeImpedance(wb, epsB, j, fs);

  RMatrix P(N1, N2);
  RMatrix Q(N2, N1);
  CMatrix T(N1, N2);
  for (int i = 0; i < N1; ++i) {
    for (int j = 0; j < N2; ++j) {
      P[i][j] = ModeCoupling(i, j, wa, wb);
      T[i][j] = zB[static_cast<size_t>(j)] * P[i][j];
      Q[j][i] = P[i][j] / ModeNorm(j, wb);
    }
  }
  RVektor e(N2);
  for (int j = 0; j < N2; ++j) e[j] = Q[j][0];

  // The modes are magnetic-field amplitudes: guide B takes the aperture's total field
  // (incident plus reflected), and the electric field, weighted by the mode impedances, is
  // matched on the aperture. The incident term therefore stands with the opposite sign to the
  // coupled one, which makes rho the reflection of a current-like amplitude.
  CVektor v = -(T * e);
  v[0] += ModeImpedance(wa, epsA, 0, fs) * ModeNorm(0, wa);

  CMatrix K(N1, N1);
  for (int i = 0; i < N1; ++i) K[i][i] = ModeImpedance(wa, epsA, i, fs) * ModeNorm(i, wa);
  K += T * CMatrix(Q);

  bool solved = false;
  const CVektor x = CMatrixGaussSolve(K, v, &solved);
  if (!solved) return false;
  result.rho = x[0];
  CVektor y(e);
  y += Q * x;
  result.tau = y[0];
  return true;
}

void MicroStripStep::ExtractStepCircuit() {
  const double Z0A = lineA.Z0;
  const double Z0B = lineB.Z0;
  // The series impedance that, with the shunt part, reproduces M0 and M2 between the line
  // impedances; a step between equal lines gives zero.
  Zc = ((kOne + M0) * std::sqrt(Z0A / Z0B) / M2 - kOne) * Z0B;
  if (Zc.re < 0.0) Zc.re = 0.0;
  const Cmplx Zin = (kOne + M0) / (kOne - M0) * Z0A;
  Yd = (Zc - Zin + Cmplx(Z0B, 0.0)) / (Zin * (Zc + Cmplx(Z0B, 0.0)));
  if (Yd.re < 0.0) Yd.re = 0.0;
}

void MicroStripStep::ClosedForm(float f) {
  AnalyseLines();
  L = 0.0f;
  // Between equal widths there is no step; at zero frequency no reactance.
  if (W1 == W2 || !(f > 0.0f)) return;
  const MicrostripResult& wide = lineB;
  const MicrostripResult& narrow = lineA;
  const double DA = ParallelPlateImpedance({wide.Z0, wide.eps}, H);
  const double DB = ParallelPlateImpedance({narrow.Z0, narrow.eps}, H);
  const double lambdaA = 1000.0 * kLightSpeed / (f * std::sqrt(wide.eps));
  const double lambdaB = 1000.0 * kLightSpeed / (f * std::sqrt(narrow.eps));

  const double a = DB / DA;
  if (!(a > 0.0 && a < 1.0)) return;
  const double a2 = PowReal(a, 2);
  const double C0 = PowReal(4 * a / (1 - a2), 2);
  const double g = (1 + a) / (1 - a);
  const double RA = std::sqrt(std::fabs(1 - PowReal(DA / lambdaA, 2)));
  const double RB = std::sqrt(std::fabs(1 - PowReal(DB / lambdaB, 2)));
  const double A = PowReal(g, 2 * a) * (1 + RA) / (1 - RA) - (1 + 3 * a2) / (1 - a2);
  const double Ap = PowReal(g, a / 2) * (1 + RB) / (1 - RB) + (3 + a2) / (1 - a2);
  const double T1 = std::log(PowReal(g, (a + 1 / a) / 2) * (1 - a2) / (4 * a));
  const double T2 = 2 * (A + Ap + 2 * C0) / (A * Ap - PowReal(C0, 2));
  const double T3 = PowReal(DA / (4 * lambdaA), 2) * PowReal(g, -4 * a) *
                    PowReal((5 * a2 - 1) / (1 - a2) + 4 * a2 * C0 / (3 * A), 2);
  const double X = wide.Z0 * (2 * DA / lambdaA) * (T1 + T2 + T3);
  const double l = X / (2 * kPi * f);
  L = std::isfinite(l) ? static_cast<float>(l) : 0.0f;
}
