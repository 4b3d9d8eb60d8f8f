#include "simulator/SymUebertrager.h"

#include <cmath>

#include "basics/Saturate.h"

void SymUebertrager::LinkReferences(NetLine& check) {
  DreiTor::LinkReferences(check);
  if (check.GetErrorCode() != 0 || GetErrorCode() != 0) return;
  float unused = 0.0f;
  ExpectKeys(check, Keys(unused, unused, unused));
}

void SymUebertrager::ParseLine(const SymbolTable& labels) {
  DreiTor::ParseLine(labels);
  float n1Value = 0.0f, n2Value = 0.0f, kValue = 0.0f;
  if (!ReadValues(line, labels, Keys(n1Value, n2Value, kValue))) return;
  if (!CheckRange(n1Value, n2Value, kValue)) return;
  n1 = TruncToInt32(n1Value);
  n2 = n3 = TruncToInt32(n2Value);
  k12 = kValue;
  k13 = k23 = -kValue;
  const auto f1 = static_cast<float>(n1);
  const auto f2 = static_cast<float>(n2);
  const auto f3 = static_cast<float>(n3);
  l1 = al * f1 * f1;
  l2 = al * f2 * f2;
  l3 = al * f3 * f3;
  m12 = k12 * al * f1 * f2;
  m13 = k13 * al * f1 * f3;
  m23 = k23 * al * f2 * f3;
  for (float l : {l1, l2, m12, m13, m23}) {
    if (!std::isfinite(l)) {
      line.Error(MyStrng(line) + " Wert fehlerhaft ", 4);
      return;
    }
  }
}

// The inductance matrix AL N^2 [[1, K, -K], [K, 1, -K], [-K, -K, 1]] (N1 = N2) has the
// determinant (1 - K)^2 (1 + 2K): it is positive definite for -0.5 < K < 1 only.
bool SymUebertrager::CheckRange(float n1Value, float n2Value, float kValue) {
  const char* fault = nullptr;
  if (!(n1Value >= 1.0f && n2Value >= 1.0f)) {
    fault = "Windungszahl muss mindestens 1 sein";
  } else if (!(al > 0.0f)) {
    fault = "Induktivität muss größer als 0 sein";
  } else if (!(kValue < 1.0f)) {
    fault = "Kopplung muss kleiner als 1 sein";
  } else if (!(kValue > -0.5f)) {
    fault = "Kopplung muss größer als -0,5 sein";
  }
  if (fault != nullptr) line.Error(fault, 4);
  return fault == nullptr;
}

void SymUebertrager::FillMatrix(float frequency) {
  const float omega = static_cast<float>(frequency * 6.28318530717958);
  const float self[] = {l1, l2, l3};
  const float mutual[3][3] = {{0.0f, m12, m13}, {m12, 0.0f, m23}, {m13, m23, 0.0f}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const float l = i == j ? self[i] : mutual[i][j];
      zmat.SetAt(Cmplx(0.0, static_cast<double>(omega) * l), i + 1, j + 1);
    }
  }
  ymat = zmat.Inverse();
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) portMatrix->SetAt(ymat.GetAt(i, j), i, j);
  }
}
