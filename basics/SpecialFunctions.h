#pragma once

#include "basics/Cmplx.h"

// Special functions and closed-form integrals for the element models and filter synthesis.
// None of them reports errors. Finite arguments give finite results: where a function has no
// real value or a pole, it returns the value documented at its declaration; only a true value
// beyond the double range (large powers, hyperbolic integrals of large arguments) overflows to
// infinity, never to NaN. A NaN argument gives NaN without reaching a logarithm; an infinite
// one gives the limit.

// Bessel functions of orders 0 and 1 by rational and asymptotic approximations.
// Y0 and Y1 have no real value for x <= 0 and return -1e36 there; the 1/x term of Y1 uses
// the usual 1e-36 denominator guard, so Y1 stays finite just above 0 as well.
double BesselJ0(double x);
double BesselY0(double x);
double BesselJ1(double x);
double BesselY1(double x);

// First-order step from the real axis to x + jy: f(x) + j*y*f'(x).
// The Y forms return (-1e36, 0) for x <= 0; at x = 0 the J1 form uses the limit J1(x)/x -> 1/2.
Cmplx CmplxBesselJ0(double x, double y);
Cmplx CmplxBesselY0(double x, double y);
Cmplx CmplxBesselJ1(double x, double y);
Cmplx CmplxBesselY1(double x, double y);

// (Y0(a)J1(b) - J0(a)Y1(b)) / (J1(a)Y1(b) - Y1(a)J1(b)) of the radial stub, with the complex
// forms above; a denominator below 1e-36 in magnitude is replaced by (1e-36, 0).
Cmplx RadStubBesselTerm(Cmplx a, Cmplx b);

double Asinh(double x);
// Atanh and Acoth both give 0.5*ln|(1+x)/(1-x)|, which is the one outside the other's domain
// (the real part of the complex value); at x = +-1 the 1e-36 guard gives +-0.5*ln(2e36).
double Atanh(double x);
double Acoth(double x);
double Acot(double x);

// |x|^(1/|n|); n = 0 gives |x|.
double NthRoot(double x, int n);
// x^n by repeated multiplication; n < 0 gives 1/x^|n| with the 1e-36 denominator guard.
double PowInt(double x, int n);
// exp(y*ln x). For x < 0 the result is |x|^y; for x = 0 it is 0 (y > 0), 1 (y = 0) or 1e36.
double PowReal(double x, double y);

// Integrals over one rate a; |a| < 1e-36 gives the limit instead of dividing by a.
// IntSinhCos is an antiderivative (1/(2a) at L = 0, guard value 0); the others run from 0 to L.
double IntCoshCos(double a, double L);
double IntSinhCos(double a, double L);
double IntSinhSin(double a, double L);
double IntCos2(double a, double L);
double IntSin2(double a, double L);
double IntSinCos(double a, double L);

// Integrals over two rates a and b. The hyperbolic forms are antiderivatives of
// cosh(ax)sin(bx), cosh(ax)cos(bx), sinh(ax)cos(bx) and sinh(ax)sin(bx); when both rates are
// below 1e-36 in magnitude they give the single-rate guard values (0 for cosh*sin).
double IntHypTrigAB1(double a, double b, double L);
double IntHypTrigAB2(double a, double b, double L);
double IntHypTrigAB3(double a, double b, double L);
double IntHypTrigAB4(double a, double b, double L);
// cos*cos and sin*sin from 0 to L, sin*cos and cos*sin as antiderivatives. Where a = -b makes
// the general formula divide by zero, sin*sin is -IntSin2(|a|, L) and sin*cos is IntSinCos(a, L).
double IntCosCos(double a, double b, double L);
double IntSinSin(double a, double b, double L);
double IntSinCosAB(double a, double b, double L);
double IntCosSinAB(double a, double b, double L);
