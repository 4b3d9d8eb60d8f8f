#include "instruments/models/ResistiveOnePort.h"

#include <cmath>

#include "simulator/ElementValue.h"
#include "simulator/LumpedMath.h"
#include "simulator/PortMatrix.h"

ResistiveOnePort::ResistiveOnePort(const NetLine& line, const char* type, double defaultResistance)
    : EinTor(line), resistance(defaultResistance) {
  typeName = type;
}

void ResistiveOnePort::FillMatrix(float) {
  portMatrix->SetAt(Cmplx(1.0 / GuardedResistance(), 0.0), 1, 1);
}

void ResistiveOnePort::LinkKeys(NetLine& check, std::initializer_list<const char*> keys) {
  NetElement::LinkReferences(check);
  ExpectKeys(check, keys);
}

bool ResistiveOnePort::ParseNodes(const SymbolTable& labels) {
  NetElement::ParseLine(labels);
  return code == 0;
}

void ResistiveOnePort::TakeTrailingName() { name = MyStrng(line).GetTrailingWord(); }

double ResistiveOnePort::GuardedResistance() const {
  return GuardedDenominator(resistance);
}
