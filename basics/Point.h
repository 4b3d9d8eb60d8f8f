#pragma once
// Integer points of the schematic: pins and placements (Point), computed symbol geometry
// (LPoint), points of the placement grid (GitPoint) and pairs of points (DoublePoint).

#include <cstdint>
#include <iosfwd>

#include "pf/object.h"

namespace pf {
class Archive;
class Dc;
struct Rect;
}  // namespace pf

class LPoint;

class Point : public pf::Object {
  PF_DECLARE_RUNTIME(Point)

 public:
  Point() = default;
  Point(int32_t px, int32_t py) : x(px), y(py) {}
  Point(const LPoint& p);  // NOLINT: the point types share their layout and convert freely

  // Both return a copy, not a reference.
  Point operator+=(const Point& p);
  Point operator-=(const Point& p);
  Point operator+(const Point& p) const;
  Point operator-(const Point& p) const;
  friend bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }

  // Both bounds inclusive.
  virtual bool HitTest(const Point& p, int32_t tolerance) const;
  // Strictly inside: points on the border are outside.
  bool IsInsideRect(const pf::Rect& r) const;

  void Serialize(pf::Archive& ar) override;
  friend std::ostream& operator<<(std::ostream& os, const Point& p);
  friend std::istream& operator>>(std::istream& is, Point& p);

  int32_t x = 0;
  int32_t y = 0;
};

// One number per point, for hash maps keyed by position.
inline uint64_t PositionKey(const Point& p) {
  return (uint64_t{static_cast<uint32_t>(p.x)} << 32) | static_cast<uint32_t>(p.y);
}

class LPoint : public pf::Object {
  PF_DECLARE_RUNTIME(LPoint)

 public:
  LPoint() = default;
  LPoint(int32_t px, int32_t py) : x(px), y(py) {}
  LPoint(const Point& p) : x(p.x), y(p.y) {}  // NOLINT: see Point

  LPoint operator+=(const LPoint& p);
  LPoint operator-=(const LPoint& p);
  LPoint operator+(const LPoint& p) const;
  LPoint operator-(const LPoint& p) const;

  // Computed in double and truncated toward zero.
  LPoint operator*=(float f);
  LPoint operator/=(float f);
  LPoint operator*(float f) const;
  LPoint operator/(float f) const;

  // Rotation about the origin.
  void Rotate(double degrees);
  int32_t Length() const;

  void Serialize(pf::Archive& ar) override;
  friend std::ostream& operator<<(std::ostream& os, const LPoint& p);
  friend std::istream& operator>>(std::istream& is, LPoint& p);

  int32_t x = 0;
  int32_t y = 0;
};

// A point of the placement grid; an occupied point never takes a hit.
class GitPoint : public Point {
 public:
  GitPoint() = default;
  GitPoint(int32_t px, int32_t py) : Point(px, py) {}
  GitPoint(const Point& p) : Point(p) {}  // NOLINT: see Point
  // Takes the position only; the flag stays.
  GitPoint& operator=(const Point& p);

  bool HitTest(const Point& p, int32_t tolerance) const override;
  void Draw(pf::Dc* dc) const;

  bool occupied = false;
};

class DoublePoint : public pf::Object {
 public:
  DoublePoint() = default;
  DoublePoint(const Point& a, const LPoint& b) : first(a), second(b) {}

  friend bool operator==(const DoublePoint& a, const DoublePoint& b);

  Point first;
  LPoint second;
};
