#pragma once
// A named substrate of the DATA block ("S1: MS H=0.625mm ER=2.33 MET1 = CU 17um TAND=0.0002").
// Line elements bind it by name and read its record for as long as the netlist lives.

#include "lines/models/SubstrateData.h"
#include "simulator/NetDataElm.h"

class Substrat : public NetDataElm {
 public:
  Substrat(const MyStrng& name, const NetLine& line);

  // Reads the values in key order; a value that fails to read is not stored and marks the
  // substrate with error code 4. Fields behind a missing '=' keep their values. A board the
  // line formulas cannot take (H not above 0, ER below 1, TAND below 0) is reported on the
  // line ("NAME: TAND darf nicht negativ sein") and marks the substrate as well.
  void ParseLine(const SymbolTable& labels) override;
  // Each of H, ER, MET1 and TAND must stand behind "NAME:" followed by '='.
  void LinkReferences(NetLine& check) override;

  SubstrateData* GetData() { return &data; }
  const SubstrateData* GetData() const { return &data; }

  // The factory of the data-object registry for the keyword "MS".
  static NetDataElm* Create(const MyStrng& name, const NetLine& line);

 private:
  SubstrateData data;
};
