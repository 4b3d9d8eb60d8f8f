#pragma once
// Gauss-Jordan solvers with partial pivoting (strictly larger magnitude wins, so of equal
// magnitudes the first row). The array solver is the inner loop of the nodal simulator; the
// matrix solvers serve the line models and the operating point.

#include "basics/Matrix.h"

// In place on n rows of n + 1 elements (matrix | right-hand side), row by row; the solution
// ends up in the last column. Returns 1, or 0 at a zero pivot with the array half reduced.
int CmplxGaussJordan(Cmplx* a, int n);

// Solves A x = b for the n x n matrix A whose rows start `stride` elements apart. Returns 0 and
// leaves x untouched when A is singular or the working array cannot be allocated.
int CmplxSolve(Cmplx* x, const Cmplx* a, const Cmplx* b, int n, int stride);

// A failure reports through the CMatrix hook and flag and returns a copy of b.
// `solved`, when given, receives the outcome of this call.
CVektor CMatrixGaussSolve(const CMatrix& a, const CVektor& b, bool* solved = nullptr);

// A failure, a singular matrix included, reports through the RMatrix hook and flag and returns
// zeros. `solved`, when given, receives the outcome of this call.
RVektor RMatrixSolve(const RMatrix& a, const RVektor& b, bool* solved = nullptr);
