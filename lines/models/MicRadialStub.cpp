#include "lines/models/MicRadialStub.h"

#include <cmath>

#include "basics/SpecialFunctions.h"
#include "simulator/PortMatrix.h"

void MicRadialStub::LinkReferences(NetLine& check) {
  NetElement::LinkReferences(check);
  ExpectKeys(check, {"A", "WI", "RL"}, false);
  SubstrateLink::Check(check);
}

void MicRadialStub::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  using Rule = LineValueReader::Rule;
  LineValueReader values(line, labels);
  values.Read<FloatWert>("A", Rule::OpeningAngle, A);
  values.Read<LaeWert>("WI", Rule::Positive, WI);
  values.Read<LaeWert>("RL", Rule::Positive, RL);
  ri = (WI * 0.5) / std::tan(A * 0.00872665);
  if (!substrate.Bind(line) || !values.Ok()) code = 4;
}

bool MicRadialStub::InputAdmittance(double f, Cmplx& y) {
  const SubstrateData& sub = substrate.Data();
  const double H = sub.H;

  // Wavenumber of the sector's mean strip, then the feed strip's own analysis.
  const double s = std::sin(A * 0.0174533 * 0.5);
  MicrostripResult sector;
  if (!CalcMicrostrip(sector, sub, f / 1e9, 1000.0 * (ri + RL) * s)) return false;
  const double lambda1 = kLightSpeed / (std::sqrt(sector.eps) * f);
  const double k1 = kTwoPi / lambda1;
  if (!CalcMicrostrip(msl, sub, f / 1e9, 1000.0 * WI)) return false;
  const double Weff = ParallelPlateImpedance({msl.Z0, msl.eps}, H);
  if (!(Weff > 0.0)) return false;

  const double sigma = GetConductivity(sub.metal);
  const double delta = SkinDepth(sigma, 1.0, f);
  const double kI = k1 * (sub.TAND * 0.5 + 1.0 / (kTwoPi * f * sigma * delta * kMu0 * H));
  const Cmplx kc(k1, -kI);

  const double sa = std::sin(A * 0.00872665);
  const double r1 = Weff / (2.0 * sa);
  const double L2 =
      RL * std::sqrt(1.0 + (2.0 * H / (kPi * RL)) * (std::log(kPi * RL / (2.0 * H)) + 1.7726));
  double dr = (Weff - WI) * 0.5;
  if (A * 0.0174533 < kPi) dr /= sa;
  const double r2 = L2 + dr;

  const Cmplx B = RadStubBesselTerm(kc * r1, kc * r2);
  // The radial line's wave impedance is that of its dielectric.
  const double eta = kFreeSpaceImpedance / std::sqrt(sector.eps);
  Cmplx Zin = Cmplx(0.0, -eta * H / (A * 0.0174533 * r1)) * B;
  if (Zin.Abs() < 1e-36) Zin = Cmplx(0.0, 1e-36);
  y = Cmplx(1.0, 0.0) / Zin;
  return std::isfinite(y.re) && std::isfinite(y.im);
}

void MicRadialStub::FillMatrix(float frequency) {
  Cmplx y;
  if (frequency > 0.0f && !InputAdmittance(frequency, y)) {
    LeaveFailedPointOpen(*this);
    return;
  }
  portMatrix->SetAt(y, 1, 1);
}
