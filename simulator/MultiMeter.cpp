#include "simulator/MultiMeter.h"

#include "basics/WertMitDim.h"
#include "simulator/ElementValue.h"
#include "simulator/PortMatrix.h"

MultiMeter::MultiMeter(const NetLine& line) : EinTor(line) { typeName = kTypeName; }

void MultiMeter::LinkReferences(NetLine& check) {
  EinTor::LinkReferences(check);
  ExpectKeys(check, {"R"});
}

void MultiMeter::ParseLine(const SymbolTable& labels) {
  EinTor::ParseLine(labels);
  ValueReader values(line, labels);
  values.Read<ResWert>(Ri);
  if (!values.AllRead()) code = 4;
  line = line.RemoveNextToken();
  mode = line.GetNextToken() == "U" ? 'U' : 'I';
  MyStrng rest(line);
  name = rest.GetTrailingWord();
}

void MultiMeter::FillMatrix(float) { portMatrix->SetAt(Cmplx(Ri, 0.0).Inverse(), 1, 1); }

void MultiMeter::TakeReading(const Cmplx& portVoltage) {
  value = mode == 'I' ? portVoltage / Cmplx(Ri, 0.0) : portVoltage;
}
