#include "instruments/models/SpecAnaElement.h"

#include "simulator/ElementValue.h"

SpecAnaElement::SpecAnaElement(const NetLine& line)
    : ResistiveOnePort(line, "SpecAnaElement", 50.0) {}

NetElement* SpecAnaElement::Create(const NetLine& line) { return new SpecAnaElement(line); }

void SpecAnaElement::LinkReferences(NetLine& check) { LinkKeys(check, {"RI"}); }

void SpecAnaElement::ParseLine(const SymbolTable& labels) {
  if (!ParseNodes(labels)) return;
  if (!ReadElementValue<ResWert>(line, labels, resistance)) {
    code = 4;
    return;
  }
  TakeTrailingName();
}

Cmplx SpecAnaElement::SetReading(const Cmplx& u) {
  const double magnitude = u.Abs();
  const double reading =
      mode == 'P' ? magnitude * magnitude / (2.0 * GuardedResistance()) * 1000.0 : magnitude;
  value = Cmplx(reading, 0.0);
  return value;
}
