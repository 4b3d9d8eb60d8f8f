#include "lines/models/TransmissionLine.h"

#include <cmath>

#include "simulator/PortMatrix.h"

void TransmissionLine::LinkReferences(NetLine& check) {
  NetElement::LinkReferences(check);
  ExpectLabel(check, "Z");
  ExpectKeys(check, {"P", "K", "A"});
}

void TransmissionLine::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  LineValueReader values(line, labels);
  values.ReadTem(Z, P, K, A);
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
