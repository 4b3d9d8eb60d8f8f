#include "basics/IntegerWert.h"

#include <cstdio>
#include <cstdlib>

IntegerWert::IntegerWert(long value) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%ld", value);
  Assign(digits);
}

bool IntegerWert::CheckSyntax() {
  for (const char* p = GetBuffer(); *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') {
      Error("Ist keine Zahl", 4);
      return false;
    }
  }
  return true;
}

long IntegerWert::Value() {
  if (!CheckSyntax()) return 0;
  return std::strtol(GetBuffer(), nullptr, 10);
}
