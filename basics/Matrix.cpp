#include "basics/Matrix.h"

#include <iostream>
#include <new>
#include <utility>

void RMatrixErrorHook(const char* message) { std::cout << "RMatrix Fehler: " << message << '\n'; }

void CMatrixErrorHook(const char* message) { std::cout << "CMatrix Fehler: " << message << '\n'; }

template <class Row, NumErrorHook H>
void Matrix<Row, H>::ReportError(const char* message) {
  errorFlag = 1;
  if (errorHook) errorHook(message);
}

template <class Row, NumErrorHook H>
Matrix<Row, H>::Matrix(int32_t rowCount, int32_t cols) {
  Build(rowCount, cols);
}

template <class Row, NumErrorHook H>
Matrix<Row, H>::Matrix(const Matrix& other) {
  *this = other;
}

template <class Row, NumErrorHook H>
Matrix<Row, H>& Matrix<Row, H>::operator=(const Matrix& other) {
  if (this == &other) return *this;
  Release();
  if (other.nrows == 0) return *this;
  rows = new (std::nothrow) Row*[static_cast<size_t>(other.nrows)]();
  if (!rows) return *this;
  nrows = other.nrows;
  for (int32_t r = 0; r < nrows; ++r) {
    rows[r] = new (std::nothrow) Row(*other.rows[r]);
    if (!rows[r]) {
      Release();
      break;
    }
  }
  return *this;
}

template <class Row, NumErrorHook H>
void Matrix<Row, H>::Resize(int32_t rowCount, int32_t cols) {
  Release();
  Build(rowCount, cols);
}

template <class Row, NumErrorHook H>
void Matrix<Row, H>::SwapRows(Matrix& other) {
  std::swap(rows, other.rows);
  std::swap(nrows, other.nrows);
}

template <class Row, NumErrorHook H>
void Matrix<Row, H>::Build(int32_t rowCount, int32_t cols) {
  if (rowCount < 1) return;
  rows = new (std::nothrow) Row*[static_cast<size_t>(rowCount)]();
  if (!rows) return;
  nrows = rowCount;
  for (int32_t r = 0; r < nrows; ++r) {
    rows[r] = new (std::nothrow) Row(cols);
    if (!rows[r]) {
      Release();
      return;
    }
  }
}

template <class Row, NumErrorHook H>
void Matrix<Row, H>::Release() {
  for (int32_t r = 0; r < nrows; ++r) delete rows[r];
  delete[] rows;
  rows = nullptr;
  nrows = 0;
}

template <class Row, NumErrorHook H>
Row& Matrix<Row, H>::BadRow() const {
  ReportError("ungültiger Zeilen-Index");
  if (nrows > 0) return *rows[0];
  static Row scratch;
  scratch = Row();
  return scratch;
}

template class Matrix<RVektor, RMatrixErrorHook>;
template class Matrix<CVektor, CMatrixErrorHook>;

double* RMatrix::Element(int32_t r, int32_t c) {
  if (r < 0 || r >= Rows()) {
    ReportError("ungültiger Zeilen-Index");
    return nullptr;
  }
  RVektor& row = (*this)[r];
  if (c < 0 || c >= row.GetSize()) {
    RVektor::ReportError("ungültiger Index");
    return nullptr;
  }
  return &row[c];
}

void RMatrix::AddTo(double value, int32_t r, int32_t c) {
  if (double* e = Element(r, c)) *e += value;
}

void RMatrix::SetFromMatrix(const RMatrix& b) {
  for (int32_t r = 0; r < b.Rows(); ++r) {
    const RVektor& src = b[r];
    for (int32_t c = 0; c < src.GetSize(); ++c)
      if (double* e = Element(r, c)) *e = src[c];
  }
}

void RMatrix::SetColumn(const RVektor& v, int32_t c) {
  for (int32_t r = 0; r < v.GetSize(); ++r)
    if (double* e = Element(r, c)) *e = v[r];
}

CMatrix::CMatrix(int32_t rowCount, int32_t cols) : Matrix(rowCount, cols) {
  if (rowCount < 1) ReportError("Anzahl der CMatrixzeilen muß größer 0 sein");
}

CMatrix::CMatrix(const RMatrix& real) : Matrix(real.Rows(), 1) {
  for (int32_t r = 0; r < Rows(); ++r) (*this)[r] = CVektor(real[r]);
}

CMatrix& CMatrix::operator+=(const CMatrix& b) {
  if (!SameSize(*this, b)) {
    ReportError("verschiedene CMatrixgrößen in operator+");
    return *this;
  }
  for (int32_t r = 0; r < Rows(); ++r) (*this)[r] += b[r];
  return *this;
}

CMatrix& CMatrix::operator*=(const CMatrix& b) {
  const int32_t inner = Cols();
  if (inner != b.Rows()) {
    ReportError("Fehler bei (A * B): A.Cols != B.Rows");
    return *this;
  }
  CMatrix product;
  product.Resize(Rows(), b.Cols());
  for (int32_t i = 0; i < Rows(); ++i) {
    const CVektor& rowA = (*this)[i];
    CVektor& rowC = product[i];
    for (int32_t j = 0; j < rowC.GetSize(); ++j) {
      Cmplx sum;
      for (int32_t k = 0; k < inner; ++k) sum += rowA[k] * b[k][j];
      rowC[j] = sum;
    }
  }
  SwapRows(product);
  return *this;
}

CMatrix CMatrix::operator*(const CMatrix& b) const {
  CMatrix product(*this);
  product *= b;
  return product;
}

namespace {

Cmplx Product(double a, const Cmplx& v) { return v * a; }
Cmplx Product(const Cmplx& a, double v) { return a * v; }

template <class M, class V>
CVektor MultiplyRows(const M& a, const V& v) {
  CVektor y;
  y.Realloc(a.Rows());
  if (a.Cols() != v.GetSize()) {
    M::ReportError("Fehler bei (A * B): A.Cols != B.Rows");
    return y;
  }
  for (int32_t i = 0; i < a.Rows(); ++i) {
    Cmplx sum;
    for (int32_t j = 0; j < v.GetSize(); ++j) sum += Product(a[i][j], v[j]);
    y[i] = sum;
  }
  return y;
}

}  // namespace

CVektor RMatrixMulCVektor(const RMatrix& a, const CVektor& v) { return MultiplyRows(a, v); }

CVektor CMatrixMulRVektor(const CMatrix& a, const RVektor& v) { return MultiplyRows(a, v); }
