#include "simulator/Widerstand.h"

#include "basics/WertMitDim.h"
#include "simulator/ElementValue.h"
#include "simulator/LumpedMath.h"
#include "simulator/PortMatrix.h"

void Widerstand::LinkReferences(NetLine& check) {
  EinTor::LinkReferences(check);
  ExpectKeys(check, {"R"});
  if (check.GetErrorCode() != 0) return;
  if (HasKey(check, "LS")) {
    hasLS = 1;
    ExpectLabel(check, "LS");
    if (check.GetErrorCode() != 0) return;
  }
  if (HasKey(check, "CP")) {
    hasCP = 1;
    ExpectLabel(check, "CP");
  }
}

void Widerstand::ParseLine(const SymbolTable& labels) {
  EinTor::ParseLine(labels);
  ValueReader values(line, labels);
  values.Read<ResWert>(R);
  if (hasLS) values.Read<IndWert>(LS);
  if (hasCP) values.Read<CapWert>(CP);
  if (!values.AllRead()) code = 4;
}

void Widerstand::FillMatrix(float f) {
  Cmplx z(R, 0.0);
  if (hasLS) z += JOmega(LS, f);
  Cmplx y = z.Inverse();
  if (hasCP) y += JOmega(CP, f);
  portMatrix->SetAt(y, 1, 1);
}
