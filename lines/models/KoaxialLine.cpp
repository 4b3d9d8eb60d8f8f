#include "lines/models/KoaxialLine.h"

#include <cmath>

#include "simulator/PortMatrix.h"

namespace {

struct Metal {
  const char* word;
  float sigma;
};
// Matched exactly, case included; any other word leaves the conductivity as it is.
constexpr Metal kMetals[] = {{"Silber", 6.21e7f}, {"Kupfer", 5.88e7f}, {"Gold", 4.55e7f}};

}  // namespace

void KoaxialData::Check(NetLine& check) {
  ExpectKeys(check, {"GD", "KD", "P", "ER", "TD"}, false);
}

bool KoaxialData::Read(NetLine& line, const SymbolTable& labels) {
  using Rule = LineValueReader::Rule;
  LineValueReader values(line, labels);
  values.Read<LaeWert>("GD", Rule::Positive, GD);
  values.Read<LaeWert>("KD", Rule::Positive, KD);
  values.Read<LaeWert>("P", Rule::Positive, P);
  values.Read<FloatWert>("ER", Rule::Permittivity, ER);
  values.Read<FloatWert>("TD", Rule::NotNegative, TD);
  values.SkipValueWord();
  metal = line.GetNextToken();
  for (const Metal& m : kMetals) {
    if (metal == m.word) sigma = m.sigma;
  }
  line.RemoveNextToken();
  line.TrimLeft();
  if (!values.Ok()) return false;
  // Equal diameters leave no dielectric: no impedance and an infinite conductor loss.
  if (!(KD < GD)) {
    line.Error("KD muß kleiner als GD sein", 4);
    return false;
  }
  Z0 = std::log(static_cast<double>(GD) / KD) * MathPool::kFreeSpaceImpedance /
       (std::sqrt(static_cast<double>(ER)) * MathPool::kTwoPi);
  return true;
}

void KoaxialData::Propagate(double f) {
  const double s = std::sqrt(static_cast<double>(ER));
  beta = s * MathPool::kTwoPi * f / MathPool::kLightSpeed;
  const double alphaD = s * MathPool::kPi * f * TD / MathPool::kLightSpeed;
  // The surface resistance acts on both conductor surfaces, 1/a + 1/b = 2 (1/D + 1/d).
  const double Rs = MathPool::SurfaceResistance(sigma, 1.0, f);
  const double alphaC = s * Rs /
                        (MathPool::kFreeSpaceImpedance * std::log(static_cast<double>(GD) / KD)) *
                        (1.0 / GD + 1.0 / KD);
  alpha = alphaC + alphaD;
}

void KoaxialLine::LinkReferences(NetLine& check) {
  DreiPol::LinkReferences(check);
  KoaxialData::Check(check);
}

void KoaxialLine::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  if (!coax.Read(line, labels)) code = 4;
}

void KoaxialLine::FillMatrix(float frequency) {
  coax.Propagate(frequency);
  Cmplx y11;
  Cmplx y12;
  LineAdmittance(y11, coax.Z0, coax.alpha, coax.beta, coax.P, 'E');
  LineAdmittance(y12, coax.Z0, coax.alpha, coax.beta, coax.P, 'T');
  SetLineMatrix(*portMatrix, y11, y12);
}

void KoaxialStub::LinkReferences(NetLine& check) {
  NetElement::LinkReferences(check);
  KoaxialData::Check(check);
}

void KoaxialStub::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  if (!coax.Read(line, labels)) code = 4;
  MyStrng rest(line);
  rest.TrimRight();
  end = rest == "OPEN" ? 'O' : 'S';
}

void KoaxialStub::FillMatrix(float frequency) {
  coax.Propagate(frequency);
  portMatrix->SetAt(StubAdmittance(coax.Z0, coax.alpha, coax.beta, coax.P, end), 1, 1);
}
