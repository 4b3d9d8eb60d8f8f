#include "basics/RgbColor.h"

#include <istream>
#include <ostream>

#include "basics/Saturate.h"
#include "pf/archive.h"

using pf::Object;
PF_IMPLEMENT_SERIAL(RgbColor, Object, 1)

RgbColor::RgbColor(pf::ColorRef c)
    : r(static_cast<int32_t>(c & 0xFF)),
      g(static_cast<int32_t>((c >> 8) & 0xFF)),
      b(static_cast<int32_t>((c >> 16) & 0xFF)) {}

RgbColor RgbColor::operator=(const RgbColor& other) {
  r = other.r;
  g = other.g;
  b = other.b;
  return *this;
}

pf::ColorRef RgbColor::GetScaledRef(float f) const {
  const auto scaled = [f](int32_t c) {
    return static_cast<pf::ColorRef>(TruncToInt32(static_cast<double>(c) * f)) & 0xFF;
  };
  return scaled(r) | scaled(g) << 8 | scaled(b) << 16;
}

void RgbColor::Serialize(pf::Archive& ar) {
  if (ar.IsStoring()) {
    ar << r << g << b;
  } else {
    ar >> r >> g >> b;
  }
}

std::ostream& operator<<(std::ostream& os, const RgbColor& c) {
  return os << '(' << c.r << ',' << c.g << ',' << c.b << ')';
}

// The four delimiters may be any characters; the colour changes only on a complete read.
std::istream& operator>>(std::istream& is, RgbColor& c) {
  char delimiter = 0;
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  if (is >> delimiter >> red >> delimiter >> green >> delimiter >> blue >> delimiter) {
    c.r = red;
    c.g = green;
    c.b = blue;
  }
  return is;
}
