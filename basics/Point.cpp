#include "basics/Point.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <istream>
#include <ostream>

#include "basics/Cmplx.h"
#include "basics/Saturate.h"
#include "pf/archive.h"
#include "pf/dc.h"

using pf::Object;
PF_IMPLEMENT_SERIAL(Point, Object, 1)
PF_IMPLEMENT_SERIAL(LPoint, Object, 1)

namespace {

// Moves p by sign * d; coordinates saturate instead of overflowing.
template <class P>
void Shift(P& p, const P& d, int64_t sign) {
  p.x = static_cast<int32_t>(std::clamp<int64_t>(p.x + sign * d.x, INT32_MIN, INT32_MAX));
  p.y = static_cast<int32_t>(std::clamp<int64_t>(p.y + sign * d.y, INT32_MIN, INT32_MAX));
}

template <class P>
void SerializeXY(pf::Archive& ar, P& p) {
  if (ar.IsStoring()) {
    ar << p.x << p.y;
  } else {
    ar >> p.x >> p.y;
  }
}

template <class P>
std::ostream& WriteXY(std::ostream& os, const P& p) {
  return os << '(' << p.x << ',' << p.y << ')';
}

// The three delimiters may be any characters; the point changes only on a complete read.
template <class P>
std::istream& ReadXY(std::istream& is, P& p) {
  char delimiter = 0;
  int32_t px = 0;
  int32_t py = 0;
  if (is >> delimiter >> px >> delimiter >> py >> delimiter) {
    p.x = px;
    p.y = py;
  }
  return is;
}

}  // namespace

Point::Point(const LPoint& p) : x(p.x), y(p.y) {}

Point Point::operator+=(const Point& p) {
  Shift(*this, p, 1);
  return *this;
}

Point Point::operator-=(const Point& p) {
  Shift(*this, p, -1);
  return *this;
}

Point Point::operator+(const Point& p) const { return Point(*this) += p; }
Point Point::operator-(const Point& p) const { return Point(*this) -= p; }

bool Point::HitTest(const Point& p, int32_t tolerance) const {
  return std::llabs(static_cast<int64_t>(p.x) - x) <= tolerance &&
         std::llabs(static_cast<int64_t>(p.y) - y) <= tolerance;
}

bool Point::IsInsideRect(const pf::Rect& r) const {
  return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

void Point::Serialize(pf::Archive& ar) { SerializeXY(ar, *this); }
std::ostream& operator<<(std::ostream& os, const Point& p) { return WriteXY(os, p); }
std::istream& operator>>(std::istream& is, Point& p) { return ReadXY(is, p); }

LPoint LPoint::operator+=(const LPoint& p) {
  Shift(*this, p, 1);
  return *this;
}

LPoint LPoint::operator-=(const LPoint& p) {
  Shift(*this, p, -1);
  return *this;
}

LPoint LPoint::operator+(const LPoint& p) const { return LPoint(*this) += p; }
LPoint LPoint::operator-(const LPoint& p) const { return LPoint(*this) -= p; }

LPoint LPoint::operator*=(float f) {
  x = TruncToInt32(static_cast<double>(x) * f);
  y = TruncToInt32(static_cast<double>(y) * f);
  return *this;
}

LPoint LPoint::operator/=(float f) {
  x = TruncToInt32(static_cast<double>(x) / f);
  y = TruncToInt32(static_cast<double>(y) / f);
  return *this;
}

LPoint LPoint::operator*(float f) const { return LPoint(*this) *= f; }
LPoint LPoint::operator/(float f) const { return LPoint(*this) /= f; }

void LPoint::Rotate(double degrees) {
  const Cmplx z(x, y);
  const double r = z.Abs();
  const double phi = (z.PhaseDeg() + degrees) * 0.0174533;
  x = TruncToInt32(r * std::cos(phi));
  y = TruncToInt32(r * std::sin(phi));
}

int32_t LPoint::Length() const {
  if (y == 0) return TruncToInt32(std::fabs(static_cast<double>(x)));
  if (x == 0) return TruncToInt32(std::fabs(static_cast<double>(y)));
  const double dx = x;
  const double dy = y;
  return TruncToInt32(std::sqrt(dx * dx + dy * dy));
}

void LPoint::Serialize(pf::Archive& ar) { SerializeXY(ar, *this); }
std::ostream& operator<<(std::ostream& os, const LPoint& p) { return WriteXY(os, p); }
std::istream& operator>>(std::istream& is, LPoint& p) { return ReadXY(is, p); }

GitPoint& GitPoint::operator=(const Point& p) {
  x = p.x;
  y = p.y;
  return *this;
}

bool GitPoint::HitTest(const Point& p, int32_t tolerance) const {
  return !occupied && Point::HitTest(p, tolerance);
}

void GitPoint::Draw(pf::Dc* dc) const {
  if (!occupied) dc->SetPixel(x, y, pf::Rgb(0, 0, 0));
}

bool operator==(const DoublePoint& a, const DoublePoint& b) {
  return a.first == b.first && a.second.x == b.second.x && a.second.y == b.second.y;
}
