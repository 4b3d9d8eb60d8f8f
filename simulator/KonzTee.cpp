#include "simulator/KonzTee.h"

#include "simulator/PortMatrix.h"

void KonzTee::FillMatrix(float) {
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) portMatrix->SetAt(i == j ? Y0 * 2.0 : -Y0, i, j);
  }
}
