#pragma once
// Bitmaps written as text, one string a row: '#' black, any other character white. The row
// length gives the width.

#include <span>

struct PixelMap {
  int id;
  std::span<const char* const> rows;
};

// The pictures of the SPICE-model symbols, the diode and the model library.
std::span<const PixelMap> SpiceModelPixelMaps();
// The junction pictures of the microstrip lines, 40 pixels square.
std::span<const PixelMap> LineBitmaps();
// The slotline, coplanar and transition pictures, 40 pixels square.
std::span<const PixelMap> SlotBitmaps();
// The pictures of the audio source, the data generator and the pulse generator.
std::span<const PixelMap> SourceBitmaps();
// The pictures of the oscilloscope, spectrum analyser, plotter and speaker.
std::span<const PixelMap> ScopeBitmaps();
