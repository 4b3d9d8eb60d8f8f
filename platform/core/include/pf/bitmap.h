#pragma once
// A device-independent bitmap: width x height colour references, row by row from the top.

#include <vector>

#include "pf/colour.h"

namespace pf {

class Bitmap {
 public:
  // Larger sides are refused (the bitmap stays empty): no drawing needs more.
  static constexpr int kMaxSide = 16384;

  Bitmap() = default;
  // All pixels start as the given colour. A side outside 1..kMaxSide gives an empty bitmap.
  Bitmap(int width, int height, ColorRef fill = Rgb(255, 255, 255));

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return pixels_.empty(); }

  // kInvalidColor outside the bitmap.
  ColorRef GetPixel(int x, int y) const;
  // Ignored outside the bitmap; returns whether the pixel was set.
  bool SetPixel(int x, int y, ColorRef color);

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<ColorRef> pixels_;
};

}  // namespace pf
