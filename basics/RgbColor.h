#pragma once
// The stored colour of curves, markers, grids and screens, and shades derived from it.

#include <cstdint>
#include <iosfwd>

#include "pf/colour.h"
#include "pf/object.h"

class RgbColor : public pf::Object {
  PF_DECLARE_RUNTIME(RgbColor)

 public:
  RgbColor() = default;
  RgbColor(int32_t red, int32_t green, int32_t blue) : r(red), g(green), b(blue) {}
  explicit RgbColor(pf::ColorRef c);
  RgbColor(const RgbColor& other) = default;
  RgbColor operator=(const RgbColor& other);  // returns a copy

  // Each component times f, truncated and wrapped to its low 8 bits (not clamped).
  pf::ColorRef GetScaledRef(float f) const;

  void Serialize(pf::Archive& ar) override;
  friend std::ostream& operator<<(std::ostream& os, const RgbColor& c);
  friend std::istream& operator>>(std::istream& is, RgbColor& c);

  int32_t r = 252;
  int32_t g = 252;
  int32_t b = 252;
};
