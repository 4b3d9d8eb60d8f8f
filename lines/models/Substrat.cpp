#include "lines/models/Substrat.h"

#include "simulator/ElementValue.h"
#include "simulator/NetLine.h"

Substrat::Substrat(const MyStrng& name, const NetLine& line) : NetDataElm(name, line) {
  data.SetName(name.GetBuffer());
}

NetDataElm* Substrat::Create(const MyStrng& name, const NetLine& line) {
  return new Substrat(name, line);
}

void Substrat::LinkReferences(NetLine& check) {
  // Each key is sought behind "NAME:" while the line still holds it, so that a name holding a
  // key's letters ("HF1", "CHIP") is not taken for the key; every key is sought.
  for (const char* key : {"H", "ER", "MET1", "TAND"}) {
    const int32_t colon = check.Find(":");
    ExpectLabel(check, key, colon > 0 ? colon + 1 : 1);
  }
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
  // The value classes and the label lookup have queued their messages already. What the line
  // formulas cannot take is refused here, once for every element on the board: no height, a
  // permittivity below that of vacuum, a loss tangent below 0 (a board with gain).
  if (!(data.H > 0.0)) {
    line.Error(name + ": H muß > 0 sein", 4);
    ok = false;
  }
  if (!(data.ER >= 1.0)) {
    line.Error(name + ": ER muß >= 1 sein", 4);
    ok = false;
  }
  if (!(data.TAND >= 0.0)) {
    line.Error(name + ": TAND darf nicht negativ sein", 4);
    ok = false;
  }
  if (!ok) code = 4;
}
