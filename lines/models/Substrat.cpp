#include "lines/models/Substrat.h"

#include "simulator/ElementValue.h"

Substrat::Substrat(const MyStrng& name, const NetLine& line) : NetDataElm(name, line) {
  data.SetName(name.GetBuffer());
}

NetDataElm* Substrat::Create(const MyStrng& name, const NetLine& line) {
  return new Substrat(name, line);
}

void Substrat::LinkReferences(NetLine& check) {
  ExpectKeys(check, {"H", "ER", "MET1", "TAND"}, false);
}

void Substrat::ParseLine(const SymbolTable& labels) {
  bool ok = true;
  if (SkipPastEquals(line)) {
    ok = ReadValueHere<LaeWert>(line, labels, data.H) && ok;
    if (SkipPastEquals(line)) {
      ok = ReadValueHere<FloatWert>(line, labels, data.ER) && ok;
      if (SkipPastEquals(line)) {
        data.SetMetal(line.GetNextToken().GetBuffer());
        line.RemoveNextToken();
        line.TrimLeft();
        ok = ReadValueHere<LaeWert>(line, labels, data.T) && ok;
        if (SkipPastEquals(line)) ok = ReadValueHere<FloatWert>(line, labels, data.TAND) && ok;
      }
    }
  }
  // The value classes and the label lookup have queued their messages already.
  if (!ok) code = 4;
}
