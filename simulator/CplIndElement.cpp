#include "simulator/CplIndElement.h"

#include <cmath>

#include "simulator/LumpedMath.h"
#include "simulator/PortMatrix.h"

void CplIndElement::LinkReferences(NetLine& check) {
  DreiPol::LinkReferences(check);
  if (check.GetErrorCode() != 0 || GetErrorCode() != 0) return;
  ExpectKeys(check, Keys());
}

// Outside these ranges the inductance matrix is singular or not positive definite, and its
// inverse would be infinite or take the root of a negative product.
void CplIndElement::ParseLine(const SymbolTable& labels) {
  DreiPol::ParseLine(labels);
  if (!ReadValues(line, labels, Keys())) return;
  if (!(l1 > 0.0f && l2 > 0.0f)) {
    line.Error("Induktivität muss größer als 0 sein", 4);
  } else if (!(std::fabs(k) < 1.0f)) {
    line.Error("Kopplung muss kleiner als 1 sein", 4);
  }
}

void CplIndElement::FillMatrix(float frequency) {
  const double d = 1.0 - static_cast<double>(k) * k;
  const double twoPiF = 2.0 * kModelPi * frequency;
  const Cmplx one(1.0, 0.0);
  const float product = l1 * l2;
  const float m = std::sqrt(product);
  portMatrix->SetAt(one / Cmplx(0.0, twoPiF * l1 * d), 1, 1);
  portMatrix->SetAt(one / Cmplx(0.0, twoPiF * l2 * d), 2, 2);
  const Cmplx y12 = Cmplx(-static_cast<double>(k), 0.0) / Cmplx(0.0, twoPiF * m * d);
  portMatrix->SetAt(y12, 1, 2);
  portMatrix->SetAt(y12, 2, 1);
}
