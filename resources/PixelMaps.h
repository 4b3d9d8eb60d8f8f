#pragma once
// Bitmaps written as text, one string a row: '#' black, any other character white. The row
// length gives the width.

#include <span>

struct PixelMap {
  int id;
  std::span<const char* const> rows;
};

std::span<const PixelMap> SpiceModelPixelMaps();
