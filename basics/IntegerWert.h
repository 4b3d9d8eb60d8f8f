#pragma once
// An integer field kept as its text: digits only, no sign.

#include "basics/MyStrng.h"
#include "basics/VS_Error.h"

class IntegerWert : public MyStrng, public VS_Error {
 public:
  IntegerWert() : MyStrng("0") {}
  explicit IntegerWert(int value) : MyStrng(value) {}
  explicit IntegerWert(long value);
  IntegerWert(const char* text) : MyStrng(text) {}  // NOLINT: implicit like any C text
  explicit IntegerWert(const MyStrng& text) : MyStrng(text) {}

  // True for the empty text and for digits only; otherwise "Ist keine Zahl" (code 4).
  bool CheckSyntax();
  // The number when the check passes, else 0; saturates instead of overflowing.
  long Value();
};
