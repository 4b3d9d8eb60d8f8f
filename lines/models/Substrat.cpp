#include "lines/models/Substrat.h"

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "simulator/SymbolTable.h"

Substrat::Substrat(const MyStrng& name, const NetLine& line) : NetDataElm(name, line) {
  data.SetName(name.GetBuffer());
}

NetDataElm* Substrat::Create(const MyStrng& name, const NetLine& line) {
  return new Substrat(name, line);
}

void Substrat::LinkReferences(NetLine& check) {
  for (const char* key : {"H", "ER", "MET1", "TAND"}) ExpectLabel(check, key);
}

bool Substrat::SkipPastEquals() {
  const int32_t at = line.Find("=");
  if (at == 0) return false;
  line.DeleteLeft(at);
  line.TrimLeft();
  return true;
}

bool Substrat::NextValue(MyStrng& value, const SymbolTable& labels) {
  line.GetNextValue(value, labels);
  return value != SymbolTable::kNotFound;
}

bool Substrat::ReadLength(double& field, const SymbolTable& labels) {
  MyStrng text;
  if (!NextValue(text, labels)) return false;
  LaeWert value(text);
  if (!value.CheckSyntax()) return false;
  field = value.Value();
  return true;
}

bool Substrat::ReadNumber(double& field, const SymbolTable& labels) {
  MyStrng text;
  if (!NextValue(text, labels)) return false;
  FloatWert value(text);
  if (!value.CheckSyntax()) return false;
  field = value.Value(false);
  return true;
}

void Substrat::ParseLine(const SymbolTable& labels) {
  bool ok = true;
  if (SkipPastEquals()) {
    ok = ReadLength(data.H, labels) && ok;
    if (SkipPastEquals()) {
      ok = ReadNumber(data.ER, labels) && ok;
      if (SkipPastEquals()) {
        data.SetMetal(line.GetNextToken().GetBuffer());
        line.RemoveNextToken();
        line.TrimLeft();
        ok = ReadLength(data.T, labels) && ok;
        if (SkipPastEquals()) ok = ReadNumber(data.TAND, labels) && ok;
      }
    }
  }
  // The value classes and the label lookup have queued their messages already.
  if (!ok) code = 4;
}
