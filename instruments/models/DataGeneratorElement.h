#pragma once
// The data generator as a network element ("DATG node UA= amplitude RG= Ri name"): a source
// that loads its node with its internal resistance.

#include "instruments/models/ResistiveOnePort.h"

class DataGeneratorElement : public ResistiveOnePort {
 public:
  explicit DataGeneratorElement(const NetLine& line);
  static NetElement* Create(const NetLine& line);

  // Base check, then "UA" and, when it is there, "RG".
  void LinkReferences(NetLine& check) override;
  // By position after each '=': amplitude (a voltage), internal resistance; then the name.
  void ParseLine(const SymbolTable& labels) override;

  double GetAmplitude() const { return amplitude; }

 private:
  double amplitude = 1.0;
};
