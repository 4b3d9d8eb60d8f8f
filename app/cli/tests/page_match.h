#pragma once
// Pictures of a printed page compared as a reader would: the same lines and letters in the
// same places, whatever rasteriser drew them.

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "pf/cairo_dc.h"

namespace page_match {

inline std::unique_ptr<pf::CairoDc> ReadPng(const std::string& path) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  auto image = cairo_surface_status(png) == CAIRO_STATUS_SUCCESS ? pf::CairoDc::ForImageSurface(png)
                                                                 : nullptr;
  cairo_surface_destroy(png);
  return image;
}

// The pixels of one image with no pixel of about the same grey (within a quarter) in their
// 3 x 3 neighbourhood in the other, both ways: a line drawn half a pixel apart does not count,
// a missing element does.
inline int Unmatched(const pf::CairoDc& a, const pf::CairoDc& b) {
  const auto grey = [](const pf::CairoDc& image, int x, int y) {
    const pf::ColorRef c = image.GetPixel(x, y);
    return (pf::RedOf(c) + pf::GreenOf(c) + pf::BlueOf(c)) / 3;
  };
  const auto matched = [&](const pf::CairoDc& from, const pf::CairoDc& in, int x, int y) {
    const int g = grey(from, x, y);
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = std::clamp(x + dx, 0, in.Width() - 1);
        const int ny = std::clamp(y + dy, 0, in.Height() - 1);
        if (std::abs(grey(in, nx, ny) - g) <= 64) return true;
      }
    }
    return false;
  };
  int unmatched = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) unmatched += !matched(a, b, x, y) + !matched(b, a, x, y);
  }
  return unmatched;
}

}  // namespace page_match
