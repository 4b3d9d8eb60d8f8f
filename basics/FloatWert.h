#pragma once
// A real-number field kept as its text, in plain or exponent notation ("1.5E+03").

#include <cstdint>

#include "basics/MyStrng.h"
#include "basics/VS_Error.h"

class FloatWert : public MyStrng, public VS_Error {
 public:
  FloatWert() : MyStrng("0.0") {}
  // Printed with "%10.4g", leading blanks removed.
  explicit FloatWert(double value);
  // Printed with the caller's format; leading blanks stay.
  FloatWert(double value, const char* format);
  FloatWert(const char* text);  // NOLINT: implicit like any C text
  explicit FloatWert(const MyStrng& text);

  // Checks mantissa and exponent; queues one message (code 4) at the first fault.
  bool CheckSyntax();
  // 0.0 when checkFirst is set and the check fails. The exponent is capped at 20.
  double Value(bool checkFirst);

  int32_t GetExponentFlag() const { return exponentFlag; }

 private:
  // Every constructor but the default one notes exponent notation.
  void NoteExponent();

  int32_t exponentFlag = 0;  // 1 when the text is in exponent notation
};

// x to the integer power n by square-and-multiply.
double IntPower(double x, int n);
