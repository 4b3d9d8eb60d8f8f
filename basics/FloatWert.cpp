#include "basics/FloatWert.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSyntaxCode = 4;
constexpr long kMaxExponent = 20;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The part behind the mantissa, leading blanks and tabs removed.
MyStrng ExponentPart(const MyStrng& text, const MyStrng& mantissa) {
  MyStrng rest(text);
  rest.DeleteLeft(mantissa.GetLength());
  rest.TrimLeft();
  return rest;
}

}  // namespace

FloatWert::FloatWert(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%10.4g", value);
  Assign(text);
  TrimLeft();
  NoteExponent();
}

FloatWert::FloatWert(double value, const char* format) {
  // Sized to what the format prints: a wide format must not overrun a fixed field.
  const int len = std::snprintf(nullptr, 0, format, value);
  if (len > 0) {
    std::string text(static_cast<size_t>(len) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    Assign(text.c_str());
  }
  NoteExponent();
}

FloatWert::FloatWert(const char* text) : MyStrng(text) { NoteExponent(); }

FloatWert::FloatWert(const MyStrng& text) : MyStrng(text) { NoteExponent(); }

void FloatWert::NoteExponent() {
  if (Find("E") != 0 || Find("e") != 0) exponentFlag = 1;
}

bool FloatWert::CheckSyntax() {
  MyStrng text = TrimmedLeft();
  if (text.GetAt(0) == '-') text.DeleteLeft(1);
  const MyStrng mantissa = text.GetNumberPart();
  const char* fault = nullptr;
  if (mantissa.CheckNumberFormat() != 0) {
    fault = "Zuviele Vor- bzw. Nachkommastellen";
  } else if (text.GetLength() > mantissa.GetLength()) {
    const MyStrng exponent = ExponentPart(text, mantissa);
    const char e = exponent.GetAt(0);
    const char sign = exponent.GetAt(1);
    if (e != 'E' && e != 'e') {
      fault = "Exp-Darstellung muß mit E beginnen";
    } else if (sign != '+' && sign != '-') {
      fault = "Exp-Darstellung muß + oder - enthalten";
    } else if (exponent.GetLength() > 5) {
      fault = "Exp-Darstellung hat höchstens 5 Ziffern";
    } else if (!IsDigit(exponent.GetAt(2)) || !IsDigit(exponent.GetAt(3))) {
      fault = "Im Exponenten müssen zwei Zahlen vorkommen";
    } else {
      exponentFlag = 1;
    }
  }
  if (fault == nullptr) return true;
  Error(fault, kSyntaxCode);
  return false;
}

double FloatWert::Value(bool checkFirst) {
  if (checkFirst && !CheckSyntax()) return 0.0;
  if (exponentFlag == 0) return ToFloat();
  MyStrng text(*this);
  double sign = 1.0;
  if (text.GetAt(0) == '-') {
    sign = -1.0;
    text.DeleteLeft(1);
  }
  const MyStrng mantissa = text.GetNumberPart();
  MyStrng exponent = ExponentPart(text, mantissa);
  exponent.DeleteLeft(1);  // the 'E'
  exponent.TrimLeft();
  const bool negative = exponent.GetAt(0) == '-';
  if (negative || exponent.GetAt(0) == '+') exponent.DeleteLeft(1);
  // strtol saturates where atol would overflow; the lower bound keeps the negation in range.
  const long e = std::clamp(std::strtol(exponent.GetBuffer(), nullptr, 10), -long{INT_MAX},
                            kMaxExponent);
  const int n = static_cast<int>(negative ? -e : e);
  return IntPower(10.0, n) * (mantissa.ToFloat() * sign);
}

double IntPower(double x, int n) {
  // The magnitude of INT_MIN only fits unsigned.
  unsigned int bits = n < 0 ? 0u - static_cast<unsigned int>(n) : static_cast<unsigned int>(n);
  double result = 1.0;
  double square = x;
  while (bits != 0) {
    if (bits & 1u) result *= square;
    square *= square;
    bits >>= 1;
  }
  return n < 0 ? 1.0 / result : result;
}
