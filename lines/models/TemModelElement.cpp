#include "lines/models/TemModelElement.h"

#include "simulator/PortMatrix.h"

void TemModelElementIO::CheckValuesAndSubstrate(NetLine& check,
                                                std::initializer_list<const char*> keys) {
  ExpectKeys(check, keys, false);
  SubstrateLink::CheckName(check, SubstrateLink::kNotFound);
}

void TemModelElementIO::Fill(PortMatrix& y, TemModell& model, int ports) {
  if (ports == 2) {
    SetLineMatrix(y, model.StubAdmittance(), model.LineAdmittance());
  } else {
    y.SetAt(model.GetAdmittance(), 1, 1);
  }
}
