#include "lines/models/CoupledLines.h"

#include <cmath>

#include "simulator/PortMatrix.h"

void CoupledLines::LinkReferences(NetLine& check) {
  FuenfPol::LinkReferences(check);
  ExpectKeys(check, {"W", "S", "P"}, false);
  SubstrateLink::Check(check);
}

void CoupledLines::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  using Rule = LineValueReader::Rule;
  LineValueReader values(line, labels);
  values.Read<LaeWert>("W", Rule::Positive, W);
  values.Read<LaeWert>("S", Rule::Positive, S);
  values.Read<LaeWert>("P", Rule::Positive, P);
  W *= 1000.0f;
  S *= 1000.0f;
  if (!substrate.Bind(line) || !values.Ok()) code = 4;
}

void CoupledLines::FillMatrix(float frequency) {
  const SubstrateData& sub = substrate.Data();
  const float fG = frequency / 1e9f;
  if ((CalcCoupledMicrostrip(even, odd, sub, fG, W, S) & kCplNoResult) != 0) {
    LeaveFailedPointOpen(*this);
    return;
  }
  // Diagonal (E) and transfer (T) entries of the even and the odd line.
  auto mode = [&](const MicrostripResult& m, Cmplx& y11, Cmplx& y12) {
    const double beta = kTwoPi * frequency * std::sqrt(m.eps) / kLightSpeed;
    const double alpha = DielectricAttenuation(frequency, m.eps, sub.ER, sub.TAND);
    LineAdmittance(y11, m.Z0, alpha, beta, P, 'E');
    LineAdmittance(y12, m.Z0, alpha, beta, P, 'T');
  };
  Cmplx ye11, ye12, yo11, yo12;
  mode(even, ye11, ye12);
  mode(odd, yo11, yo12);
  const Cmplx a = (ye11 + yo11) * 0.5;
  const Cmplx b = (ye11 - yo11) * 0.5;
  const Cmplx c = (ye12 - yo12) * 0.5;
  const Cmplx d = (ye12 + yo12) * 0.5;
  const Cmplx rows[4][4] = {{a, b, c, d}, {b, a, d, c}, {c, d, a, b}, {d, c, b, a}};
  for (int r = 0; r < 4; ++r) {
    for (int k = 0; k < 4; ++k) portMatrix->SetAt(rows[r][k], r + 1, k + 1);
  }
}
