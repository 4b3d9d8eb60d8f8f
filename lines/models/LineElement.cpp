#include "lines/models/LineElement.h"

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "simulator/NetElement.h"
#include "simulator/PortMatrix.h"
#include "simulator/SymbolTable.h"

namespace {

// The number of a value text, false when the text fails its check (which reports).
bool Convert(const MyStrng& text, LineValueReader::Kind kind, double& value) {
  switch (kind) {
    case LineValueReader::Kind::Length: {
      LaeWert v(text);
      if (!v.CheckSyntax()) return false;
      value = v.Value();
      return true;
    }
    case LineValueReader::Kind::Resistance: {
      ResWert v(text);
      if (!v.CheckSyntax()) return false;
      value = v.Value();
      return true;
    }
    case LineValueReader::Kind::Number: {
      FloatWert v(text);
      if (!v.CheckSyntax()) return false;
      value = v.Value(false);
      return true;
    }
  }
  return false;
}

// The message for a value that breaks its rule, or null when it keeps it.
const char* Violation(LineValueReader::Rule rule, double value) {
  switch (rule) {
    case LineValueReader::Rule::Any:
      return nullptr;
    case LineValueReader::Rule::Positive:
      return value > 0.0 ? nullptr : " muß > 0 sein";
    case LineValueReader::Rule::NotNegative:
      return value >= 0.0 ? nullptr : " darf nicht negativ sein";
    case LineValueReader::Rule::Permittivity:
      return value >= 1.0 ? nullptr : " muß >= 1 sein";
    case LineValueReader::Rule::OpeningAngle:
      return value > 0.0 && value < 360.0 ? nullptr : " muß zwischen 0 und 360 Grad liegen";
  }
  return nullptr;
}

}  // namespace

bool LineValueReader::Next(const char* key, Kind kind, Rule rule, double& value) {
  const int32_t at = line.Find("=");
  if (at == 0) {
    line.Error(MyStrng(key) + " fehlt ", 4);
    ok = false;
    return false;
  }
  line.DeleteLeft(at);
  line.TrimLeft();
  MyStrng text;
  line.GetNextValue(text, labels);
  if (text == SymbolTable::kNotFound || !Convert(text, kind, value)) {
    ok = false;
    return false;
  }
  if (const char* message = Violation(rule, value)) {
    line.Error(MyStrng(key) + message, 4);
    ok = false;
    return false;
  }
  return true;
}

void LineValueReader::SkipValueWord() {
  line.RemoveNextToken();
  line.TrimLeft();
}

void ExpectLabels(NetLine& check, std::initializer_list<const char*> keys, bool untilFirstError) {
  for (const char* key : keys) {
    if (untilFirstError && check.GetErrorCode() != 0) return;
    ExpectLabel(check, key);
  }
}

void SetLineMatrix(PortMatrix& matrix, const Cmplx& y11, const Cmplx& y12) {
  matrix.SetAt(y11, 1, 1);
  matrix.SetAt(y11, 2, 2);
  matrix.SetAt(y12, 1, 2);
  matrix.SetAt(y12, 2, 1);
}

void LeaveFailedPointOpen(NetElement& element) {
  element.GetPortMatrix()->Clear();
  if (element.GetErrorCode() == 0)
    element.Error(element.GetName() + ": Leitungsmodell ohne Ergebnis", 4);
}
