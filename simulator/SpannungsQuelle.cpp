#include "simulator/SpannungsQuelle.h"

#include "basics/WertMitDim.h"
#include "simulator/ElementValue.h"
#include "simulator/PortMatrix.h"

SpannungsQuelle::SpannungsQuelle(const NetLine& line) : EinTor(line) { typeName = kTypeName; }

void SpannungsQuelle::LinkReferences(NetLine& check) {
  EinTor::LinkReferences(check);
  ExpectKeys(check, {"U", "R"});
}

void SpannungsQuelle::ParseLine(const SymbolTable& labels) {
  EinTor::ParseLine(labels);
  ValueReader values(line, labels);
  double voltage = 0.0;
  if (values.Read<SpanWert>(voltage)) U = Cmplx(voltage, 0.0);
  values.Read<ResWert>(Ri);
  if (!values.AllRead()) code = 4;
  MyStrng rest(line);
  name = rest.GetTrailingWord();
}

void SpannungsQuelle::FillMatrix(float) { portMatrix->SetAt(Cmplx(Ri, 0.0).Inverse(), 1, 1); }

Cmplx SpannungsQuelle::GetSourceCurrent() const { return U / Cmplx(Ri, 0.0); }
