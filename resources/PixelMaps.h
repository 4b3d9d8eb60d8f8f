#pragma once
// The pixel-map tables behind LoadBitmapResource: '#' black, '.' white, row by row from the
// top, each picture square so that it turns with its symbol.

#include <span>

struct PixelMap {
  int id;
  std::span<const char* const> rows;
};

// The junction pictures of the microstrip lines, 40 pixels square.
std::span<const PixelMap> LineBitmaps();
