#pragma once
// Dense matrices of separately allocated rows, for the small systems of the line models and the
// operating point (the nodal solver works on plain arrays). Errors follow the numeric
// convention of Vektor: sticky flag, hook, fallback.

#include <cstdint>

#include "basics/Vektor.h"

// Write "RMatrix Fehler: " or "CMatrix Fehler: " + message + line end to standard output.
void RMatrixErrorHook(const char* message);
void CMatrixErrorHook(const char* message);

template <class Row, NumErrorHook DefaultHook>
class Matrix {
 public:
  static inline NumErrorHook errorHook = DefaultHook;
  static inline uint8_t errorFlag = 0;
  static void ReportError(const char* message);

  Matrix() : Matrix(1, 1) {}
  // rows below 1 give a matrix of 0 rows.
  Matrix(int32_t rows, int32_t cols);
  Matrix(const Matrix& other);
  Matrix& operator=(const Matrix& other);
  ~Matrix() { Release(); }

  int32_t Rows() const { return nrows; }
  // The length of the first row; 0 without rows.
  int32_t Cols() const { return nrows > 0 ? rows[0]->GetSize() : 0; }

  // Outside 0..rows-1 reports "ungültiger Zeilen-Index" and yields row 0 (a scratch row of
  // one zero when there are no rows).
  Row& operator[](int32_t r) { return (r >= 0 && r < nrows) ? *rows[r] : BadRow(); }
  const Row& operator[](int32_t r) const { return (r >= 0 && r < nrows) ? *rows[r] : BadRow(); }

  // Releases every row and builds rows x cols zeros.
  void Resize(int32_t rows, int32_t cols);

 protected:
  void SwapRows(Matrix& other);

 private:
  void Build(int32_t rows, int32_t cols);
  void Release();
  Row& BadRow() const;

  Row** rows = nullptr;
  int32_t nrows = 0;
};

class RMatrix : public Matrix<RVektor, RMatrixErrorHook> {
 public:
  using Matrix::Matrix;

  // Element [r][c] += value; a bad index reports as element access does and adds nothing.
  void AddTo(double value, int32_t r, int32_t c);
  // Copies B into the same positions; the part of B outside this matrix is reported, not copied.
  void SetFromMatrix(const RMatrix& b);
  // Element [r][c] = v[r] for every r below v's count.
  void SetColumn(const RVektor& v, int32_t c);

 private:
  // The element, or null after reporting the bad row or column.
  double* Element(int32_t r, int32_t c);
};

class CMatrix : public Matrix<CVektor, CMatrixErrorHook> {
 public:
  CMatrix() = default;
  // rows below 1 report "Anzahl der CMatrixzeilen muß größer 0 sein" and give 0 rows.
  CMatrix(int32_t rows, int32_t cols);
  explicit CMatrix(const RMatrix& real);

  // Different sizes report and leave this matrix unchanged.
  CMatrix& operator+=(const CMatrix& b);
  // this = this * B; columns of this != rows of B report and leave this matrix unchanged.
  CMatrix& operator*=(const CMatrix& b);
  CMatrix operator*(const CMatrix& b) const;
};

// Equal row counts and equal first-row lengths.
template <class Row, NumErrorHook H>
bool SameSize(const Matrix<Row, H>& a, const Matrix<Row, H>& b) {
  return a.Rows() == b.Rows() && a.Cols() == b.Cols();
}

// y[i] = sum over j of A[i][j] v[j]. Columns of A != count of v are reported by A's class and
// give a zero vector of one element per row of A.
CVektor RMatrixMulCVektor(const RMatrix& a, const CVektor& v);
CVektor CMatrixMulRVektor(const CMatrix& a, const RVektor& v);
inline CVektor operator*(const RMatrix& a, const CVektor& v) { return RMatrixMulCVektor(a, v); }
inline CVektor operator*(const CMatrix& a, const RVektor& v) { return CMatrixMulRVektor(a, v); }

extern template class Matrix<RVektor, RMatrixErrorHook>;
extern template class Matrix<CVektor, CMatrixErrorHook>;
