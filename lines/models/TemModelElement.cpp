#include "lines/models/TemModelElement.h"

#include "lines/models/MathPool.h"
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

void TemModelElementIO::FillDirectCurrent(PortMatrix& y, const TemModell& model, int ports) {
  if (ports == 2) {
    Cmplx y11;
    Cmplx y12;
    MathPool::LineAdmittance(y11, model.Z0, 0.0, 0.0, model.length, 'E');
    MathPool::LineAdmittance(y12, model.Z0, 0.0, 0.0, model.length, 'T');
    SetLineMatrix(y, y11, y12);
  } else {
    y.SetAt(MathPool::StubAdmittance(model.Z0, 0.0, 0.0, model.length, model.end), 1, 1);
  }
}
