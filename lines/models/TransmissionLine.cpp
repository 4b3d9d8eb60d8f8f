#include "lines/models/TransmissionLine.h"

#include <cmath>

#include "lines/models/LineElement.h"
#include "simulator/PortMatrix.h"

TransmissionLine::TransmissionLine(const NetLine& line) : ZweiTor(line) {
  typeName = "TransmissionLine";
}

NetElement* TransmissionLine::Create(const NetLine& line) { return new TransmissionLine(line); }

void TransmissionLine::LinkReferences(NetLine& check) {
  NetElement::LinkReferences(check);
  ExpectLabel(check, "Z");
  ExpectLabels(check, {"P", "K", "A"}, true);
}

void TransmissionLine::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  using Kind = LineValueReader::Kind;
  using Rule = LineValueReader::Rule;
  LineValueReader values(line, labels);
  values.Read("Z", Kind::Resistance, Rule::Positive, Z);
  values.Read("P", Kind::Length, Rule::Positive, P);
  values.Read("K", Kind::Number, Rule::Permittivity, K);
  values.Read("A", Kind::Number, Rule::Any, A);
  if (!values.Ok()) code = 4;
}

void TransmissionLine::FillMatrix(float frequency) {
  const float s = std::sqrt(K);
  const float beta = s * kTwoPi * frequency / kLightSpeed;
  const float alpha = std::log(10.0) * A / 20.0;
  Cmplx y11;
  Cmplx y12;
  LineAdmittance(y11, Z, alpha, beta, P, 'E');
  LineAdmittance(y12, Z, alpha, beta, P, 'T');
  SetLineMatrix(*portMatrix, y11, y12);
}
