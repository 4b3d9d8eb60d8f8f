#pragma once
// The measuring element of the spectrum analyser ("SPEC node RI= Ri name"): loads its node
// with its input resistance and turns the voltage across it into a reading, which the
// network keeps as the element's complex value (imaginary part 0).

#include "basics/Cmplx.h"
#include "instruments/models/ResistiveOnePort.h"

class SpecAnaElement : public ResistiveOnePort {
 public:
  explicit SpecAnaElement(const NetLine& line);
  static NetElement* Create(const NetLine& line);

  // Base check, then "RI".
  void LinkReferences(NetLine& check) override;
  // The input resistance after the first '=', then the name.
  void ParseLine(const SymbolTable& labels) override;

  // u: the peak voltage across the port. Mode 'P': |u|^2 / (2 Ri) in milliwatts; mode 'U':
  // |u|. Stored as the element's value and returned.
  Cmplx SetReading(const Cmplx& u);
  bool IsMeter() const override { return true; }
  void TakeReading(const Cmplx& portVoltage) override { SetReading(portVoltage); }

 private:
  char mode = 'P';
};
