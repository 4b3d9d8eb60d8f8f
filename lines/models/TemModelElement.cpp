#include "lines/models/TemModelElement.h"

#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"
#include "simulator/SymbolTable.h"

void TemModelElementIO::CheckValuesAndSubstrate(NetLine& check,
                                                std::initializer_list<const char*> keys) {
  ExpectLabels(check, keys, false);
  if (NetContext::FindSymbolValue(check.GetTrailingWord()) == SymbolTable::kNotFound) {
    check.Error(kNoSubstrate, 4);
  }
}

Substrat* TemModelElementIO::FindSubstrate(NetLine& line) {
  return dynamic_cast<Substrat*>(NetContext::FindDataObject(line.GetTrailingWord()));
}

void TemModelElementIO::Fill(PortMatrix& y, TemModell& model, int ports) {
  if (ports == 2) {
    SetLineMatrix(y, model.StubAdmittance(), model.LineAdmittance());
  } else {
    y.SetAt(model.GetAdmittance(), 1, 1);
  }
}
