#include "lines/models/TaperLine.h"

#include <algorithm>
#include <cmath>

#include "basics/Saturate.h"
#include "simulator/PortMatrix.h"

void TaperLine::LinkReferences(NetLine& check) {
  DreiPol::LinkReferences(check);
  ExpectKeys(check, {"W1", "W2", "P"}, false);
  SubstrateLink::Check(check);
}

void TaperLine::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  using Rule = LineValueReader::Rule;
  LineValueReader values(line, labels);
  values.Read<LaeWert>("W1", Rule::Positive, W1);
  values.Read<LaeWert>("W2", Rule::Positive, W2);
  values.Read<LaeWert>("P", Rule::Positive, P);
  values.SkipValueWord();
  const MyStrng word = line.GetNextToken();
  taper = word == "WCOS" ? 'C' : word == "WEXP" ? 'E' : 'L';
  if (!substrate.Bind(line) || !values.Ok()) code = 4;
}

double TaperLine::SectionWidth(int i) const {
  if (taper == 'L') return W1 + (W2 - W1) * static_cast<double>(i) / (N + 1);
  // Raised cosine and exponential take the mean of their curve over the section.
  const double a = (W2 - W1) * 0.5;
  const float r = std::log(W2 / W1);
  const double phi = (taper == 'C' ? kPi : r) * dP / P;
  auto curve = [&](int k) {
    return taper == 'C' ? W1 + a - a * std::cos(k * phi) : W1 * std::exp(k * phi);
  };
  return (curve(i) + curve(i - 1)) * 0.5;
}

bool TaperLine::Cascade(float frequency) {
  const SubstrateData& sub = substrate.Data();
  PortMatrix section(2);
  for (int i = 1; i <= N; ++i) {
    Cmplx y11;
    Cmplx y12;
    if (!MicrostripLineY(y11, y12, SectionWidth(i), dP, sub, frequency / 1e9)) return false;
    // The first section starts the running matrix in the element's own.
    SetLineMatrix(i == 1 ? *portMatrix : section, y11, y12);
    if (i > 1) portMatrix->Cascade(section);
  }
  return true;
}

void TaperLine::FillMatrix(float frequency) {
  const float s = std::sqrt(static_cast<float>(substrate.Data().ER));
  const double lambda = kLightSpeed / (static_cast<double>(s) * frequency);
  N = std::clamp(TruncToInt32(10.0 * P / lambda), kMinSections, kMaxSections);
  dP = static_cast<double>(P) / N;
  if (!Cascade(frequency)) LeaveFailedPointOpen(*this);
}
