#include "lines/models/TemModelElement.h"

#include "basics/WertMitDim.h"
#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"
#include "simulator/SymbolTable.h"

void TemModelElementIO::CheckValuesAndSubstrate(NetLine& check,
                                                std::initializer_list<const char*> keys) {
  for (const char* key : keys) ExpectLabel(check, key);
  if (NetContext::FindSymbolValue(check.GetTrailingWord()) == SymbolTable::kNotFound) {
    check.Error(kNoSubstrate, 4);
  }
}

bool TemModelElementIO::ReadLength(NetLine& line, const SymbolTable& labels, double& out) {
  const int32_t at = line.Find("=");
  if (at == 0) return false;
  line.DeleteLeft(at);
  line.TrimLeft();
  MyStrng text;
  line.GetNextValue(text, labels);
  if (text == SymbolTable::kNotFound) return false;
  LaeWert value(text);
  if (!value.CheckSyntax()) return false;
  out = value.Value();
  return true;
}

char TemModelElementIO::ReadEnd(NetLine& line) {
  line.RemoveNextToken();
  return line.GetNextToken() == "OPEN" ? 'O' : 'S';
}

Substrat* TemModelElementIO::FindSubstrate(NetLine& line) {
  return dynamic_cast<Substrat*>(NetContext::FindDataObject(line.GetTrailingWord()));
}

void TemModelElementIO::Fill(PortMatrix& y, TemModell& model, int ports) {
  if (ports == 2) {
    const Cmplx y11 = model.StubAdmittance();
    const Cmplx y12 = model.LineAdmittance();
    y.SetAt(y11, 1, 1);
    y.SetAt(y11, 2, 2);
    y.SetAt(y12, 1, 2);
    y.SetAt(y12, 2, 1);
  } else {
    y.SetAt(model.GetAdmittance(), 1, 1);
  }
}
