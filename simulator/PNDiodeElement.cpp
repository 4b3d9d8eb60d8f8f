#include "simulator/PNDiodeElement.h"

#include <cmath>

#include "basics/FloatWert.h"
#include "simulator/ElementValue.h"

PNDiodeElement::PNDiodeElement(const NetLine& line) : EinTor(line) {
  typeName = "PNDiodeElement";
  linear = false;
}

NetElement* PNDiodeElement::Create(const NetLine& line) { return new PNDiodeElement(line); }

void PNDiodeElement::LinkReferences(NetLine& check) {
  NetElement::LinkReferences(check);
  ExpectKeys(check, {"IS", "NE", "RS"});
}

void PNDiodeElement::ParseLine(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  if (code != 0) return;
  if (!ReadElementValue<StromWert>(line, labels, IS) ||
      !ReadElementValue<FloatWert>(line, labels, NE) ||
      !ReadElementValue<ResWert>(line, labels, RS)) {
    code = 4;
    return;
  }
  // Either would make the diode equation divide by zero or take the log of a negative number.
  if (!(IS > 0.0) || !(NE > 0.0)) Error("Diode: IS und NE müssen > 0 sein", 4);
}

double PNDiodeElement::DiodeConductance() const { return IS / NeUt() * std::exp(U / NeUt()); }

void PNDiodeElement::DiodeUpdate(double u) {
  U = u;
  I = IS * (std::exp(u / NeUt()) - 1.0);
}

double PNDiodeElement::LimitJunctionVoltage(double u) const {
  const double vt = NeUt();
  const double critical = vt * std::log(vt / (std::sqrt(2.0) * IS));
  if (u <= critical || std::fabs(u - U) <= 2.0 * vt) return u;
  if (U > 0.0) {
    // The voltage at which the present tangent's current would be reached on the curve.
    const double ratio = 1.0 + (u - U) / vt;
    return ratio > 0.0 ? U + vt * std::log(ratio) : critical;
  }
  return u > vt ? vt * std::log(u / vt) : u;
}
