#include "lines/models/LineElement.h"

#include "simulator/NetElement.h"
#include "simulator/PortMatrix.h"

namespace {

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

bool LineValueReader::Keeps(const char* key, Rule rule, double value) {
  const char* message = Violation(rule, value);
  if (message != nullptr) line.Error(MyStrng(key) + message, 4);
  return message == nullptr;
}

void LineValueReader::SkipValueWord() {
  line.RemoveNextToken();
  line.TrimLeft();
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
