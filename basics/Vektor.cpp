#include "basics/Vektor.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>
#include <new>
#include <type_traits>

#include "pf/archive.h"

void VektorErrorHook(const char* message) { std::cout << "Vektor Fehler: " << message << '\n'; }

template <class T>
void Vektor<T>::ReportError(const char* message) {
  errorFlag = 1;
  if (errorHook) errorHook(message);
}

namespace {

// Storage starts on a cache line: the FFT and the loops built for vector registers read and
// write such arrays fastest.
constexpr std::align_val_t kStorageAlignment{64};

template <class T>
T* Allocate(int32_t count) {
  static_assert(std::is_trivially_destructible_v<T>, "storage is released without destructors");
  return count > 0 ? static_cast<T*>(::operator new(sizeof(T) * static_cast<size_t>(count),
                                                    kStorageAlignment, std::nothrow))
                   : nullptr;
}

}  // namespace

template <class T>
Vektor<T>::Vektor(int32_t count) {
  if (count < 1) {
    ReportError("Vektor muß größer 0 sein");
    return;
  }
  Realloc(count);
}

template <class T>
Vektor<T>::Vektor(const Vektor& other) {
  Realloc(other.n);
  std::copy(other.data, other.data + n, data);
}

template <class T>
Vektor<T>& Vektor<T>::operator=(const Vektor& other) {
  if (this == &other) return *this;
  if (room < other.n) {
    Realloc(other.n);
    if (n < other.n) return *this;  // allocation failed: 0 elements
  }
  n = other.n;
  std::copy(other.data, other.data + n, data);
  return *this;
}

template <class T>
T& Vektor<T>::BadIndex() const {
  ReportError("ungültiger Index");
  if (n > 0) return data[0];
  static T scratch;
  scratch = T();
  return scratch;
}

template <class T>
void Vektor<T>::Zero() {
  std::fill(data, data + n, T());
}

template <class T>
void Vektor<T>::SetSize(int32_t count) {
  if (count != n) Realloc(count);
}

template <class T>
void Vektor<T>::Release() {
  if (data != nullptr) ::operator delete(data, kStorageAlignment);
  data = nullptr;
  n = room = 0;
}

template <class T>
void Vektor<T>::Realloc(int32_t count) {
  Release();
  data = Allocate<T>(count);
  if (data != nullptr) std::uninitialized_value_construct_n(data, count);
  n = room = data ? count : 0;
}

template <class T>
void Vektor<T>::ReallocForOverwrite(int32_t count) {
  Release();
  data = Allocate<T>(count);
  if (data != nullptr) std::uninitialized_default_construct_n(data, count);
  n = room = data ? count : 0;
}

template class Vektor<double>;
template class Vektor<Cmplx>;
template class Vektor<CmplxRec>;

namespace {

void ArchiveElement(pf::Archive& ar, double& v) {
  if (ar.IsStoring())
    ar << v;
  else
    ar >> v;
}

void ArchiveElement(pf::Archive& ar, Cmplx& v) { v.Serialize(ar); }

template <class T>
void SerializeVektor(pf::Archive& ar, Vektor<T>& v) {
  if (ar.IsStoring()) {
    ar << v.GetSize();
  } else {
    int32_t count = 0;
    ar >> count;
    ar.CheckCount(count, Vektor<T>::kMaxArchivedCount, sizeof(T));
    v.Realloc(count);
  }
  for (int32_t i = 0; i < v.GetSize(); ++i) ArchiveElement(ar, v[i]);
}

}  // namespace

double RVektor::Norm() const {
  double sum = 0.0;
  for (int32_t i = 0; i < n; ++i) sum += data[i] * data[i];
  return std::sqrt(sum);
}

RVektor& RVektor::operator/=(double d) {
  for (int32_t i = 0; i < n; ++i) data[i] /= d;
  return *this;
}

RVektor& RVektor::operator-=(const RVektor& b) {
  if (b.n < n) {
    ReportError("Vektoren verschiedener Größe können nicht subtrahiert werden");
    return *this;
  }
  for (int32_t i = 0; i < n; ++i) data[i] -= b.data[i];
  return *this;
}

RVektor RVektor::operator-(const RVektor& b) const {
  RVektor r(*this);
  r -= b;
  return r;
}

void RVektor::Serialize(pf::Archive& ar) { SerializeVektor(ar, *this); }

CVektor::CVektor(const RVektor& real) {
  Realloc(real.GetSize());
  for (int32_t i = 0; i < n; ++i) data[i] = Cmplx(real[i], 0.0);
}

CVektor& CVektor::operator/=(const float& d) {
  for (int32_t i = 0; i < n; ++i) data[i] /= d;
  return *this;
}

CVektor& CVektor::operator+=(const CVektor& b) {
  if (b.n != n) {
    ReportError("Vektoren verschiedener Größe können nicht addiert werden");
    return *this;
  }
  for (int32_t i = 0; i < n; ++i) data[i] += b.data[i];
  return *this;
}

CVektor& CVektor::operator-=(const CVektor& b) {
  if (b.n != n) {
    ReportError("Vektoren verschiedener Größe können nicht subtrahiert werden");
    return *this;
  }
  for (int32_t i = 0; i < n; ++i) data[i] -= b.data[i];
  return *this;
}

CVektor CVektor::operator-(const CVektor& b) const {
  CVektor r(*this);
  r -= b;
  return r;
}

CVektor CVektor::operator-() const {
  CVektor r(*this);
  for (int32_t i = 0; i < r.n; ++i) r.data[i] = -r.data[i];
  return r;
}

void CVektor::Serialize(pf::Archive& ar) { SerializeVektor(ar, *this); }
