#include "lines/models/MicroStripLine.h"

#include <cmath>

#include "simulator/PortMatrix.h"

void MslStrip::Check(NetLine& check) {
  ExpectKeys(check, {"W", "P"}, false);
  SubstrateLink::Check(check);
}

bool MslStrip::Read(NetLine& line, const SymbolTable& labels, LineValueReader::Rule lengthRule) {
  LineValueReader values(line, labels);
  values.Read<LaeWert>("W", LineValueReader::Rule::Positive, W);
  values.Read<LaeWert>("P", lengthRule, P);
  return substrate.Bind(line) && values.Ok();
}

void MicroStripLine::LinkReferences(NetLine& check) {
  DreiPol::LinkReferences(check);
  MslStrip::Check(check);
}

void MicroStripLine::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  if (!strip.Read(line, labels, LineValueReader::Rule::Positive)) code = 4;
}

void MicroStripLine::FillMatrix(float frequency) {
  Cmplx y11;
  Cmplx y12;
  if (!MicrostripLineY(y11, y12, strip.W, strip.P, strip.substrate.Data(), frequency / 1e9)) {
    LeaveFailedPointOpen(*this);
    return;
  }
  SetLineMatrix(*portMatrix, y11, y12);
}

void MslStub::LinkReferences(NetLine& check) {
  NetElement::LinkReferences(check);
  MslStrip::Check(check);
}

void MslStub::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  // The open end's extension keeps a stub of length 0 a line.
  const auto lengthRule =
      end == 'O' ? LineValueReader::Rule::NotNegative : LineValueReader::Rule::Positive;
  if (!strip.Read(line, labels, lengthRule)) code = 4;
}

void MslStub::FillMatrix(float frequency) {
  const SubstrateData& sub = strip.substrate.Data();
  if (!CalcMicrostrip(msl, sub, frequency / 1e9, 1000.0 * strip.W)) {
    LeaveFailedPointOpen(*this);
    return;
  }
  const double beta = kTwoPi * frequency * std::sqrt(msl.eps) / kLightSpeed;
  const double alpha = DielectricAttenuation(frequency, msl.eps, sub.ER, sub.TAND);
  const double length = end == 'O' ? strip.P + msl.dl / 1000.0 : strip.P;
  portMatrix->SetAt(StubAdmittance(msl.Z0, alpha, beta, length, end), 1, 1);
}
