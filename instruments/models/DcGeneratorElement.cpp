#include "instruments/models/DcGeneratorElement.h"

#include "simulator/ElementValue.h"

DcGeneratorElement::DcGeneratorElement(const NetLine& line)
    : ResistiveOnePort(line, "DcGeneratorElement", 50.0) {}

NetElement* DcGeneratorElement::Create(const NetLine& line) { return new DcGeneratorElement(line); }

void DcGeneratorElement::LinkReferences(NetLine& check) { LinkKeys(check, {"UA", "N", "R"}); }

void DcGeneratorElement::ParseLine(const SymbolTable& labels) {
  if (!ParseNodes(labels)) return;
  if (!ReadElementValue<SpanWert>(line, labels, start) ||
      !ReadElementValue<SpanWert>(line, labels, stop) || !ReadStepCount(labels) ||
      !ReadElementValue<ResWert>(line, labels, resistance)) {
    code = 4;
    return;
  }
  TakeTrailingName();
}

bool DcGeneratorElement::ReadStepCount(const SymbolTable& labels) {
  long n = 0;
  if (!ReadElementValue<IntegerWert>(line, labels, n)) return false;
  if (n > kMaxStepCount) {
    Error("Anzahl der Schritte muß <= 100000 sein", 4);
    return false;
  }
  stepCount = static_cast<int>(n);
  return true;
}

void DcGeneratorElement::ResetSweep() {
  value = start;
  stepIndex = 0;
  step = stepCount > 0 ? (stop - start) / stepCount : 0.0;
}

bool DcGeneratorElement::NextStep() {
  ++stepIndex;
  if (stepIndex <= stepCount) {
    value = start + stepIndex * step;
    return true;
  }
  value = start;
  stepIndex = 0;
  return false;
}

double DcGeneratorElement::GetNortonCurrent() const { return value / GuardedResistance(); }
