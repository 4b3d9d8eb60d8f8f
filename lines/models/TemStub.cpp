#include "lines/models/TemStub.h"

#include <cmath>

#include "simulator/PortMatrix.h"

void TemStub::LinkReferences(NetLine& check) {
  NetElement::LinkReferences(check);
  ExpectKeys(check, {"Z", "P", "K", "A"}, false);
}

void TemStub::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  LineValueReader values(line, labels);
  values.ReadTem(Z, P, K, A);
  values.SkipValueWord();
  MyStrng rest(line);
  rest.TrimRight();
  end = rest == "OPEN" ? 'O' : 'S';
  if (!values.Ok()) code = 4;
}

void TemStub::FillMatrix(float frequency) {
  const float alpha = std::log(10.0) * A / 20.0;
  beta = static_cast<float>(std::sqrt(K) * kTwoPi * frequency / kLightSpeed);
  portMatrix->SetAt(StubAdmittance(Z, alpha, beta, P, end), 1, 1);
}
