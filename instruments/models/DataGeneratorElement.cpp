#include "instruments/models/DataGeneratorElement.h"

#include "simulator/ElementValue.h"

DataGeneratorElement::DataGeneratorElement(const NetLine& line)
    : ResistiveOnePort(line, "DataGeneratorElement", 50.0) {}

NetElement* DataGeneratorElement::Create(const NetLine& line) {
  return new DataGeneratorElement(line);
}

void DataGeneratorElement::LinkReferences(NetLine& check) { LinkKeys(check, {"UA", "RG"}); }

void DataGeneratorElement::ParseLine(const SymbolTable& labels) {
  if (!ParseNodes(labels)) return;
  if (!ReadElementValue<SpanWert>(line, labels, amplitude) ||
      !ReadElementValue<ResWert>(line, labels, resistance)) {
    code = 4;
    return;
  }
  TakeTrailingName();
}
