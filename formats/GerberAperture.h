#pragma once
// What a symbol asks of the photoplot export for its copper or slots.

// The aperture a symbol asks the export for; the sizes are metres.
struct GerberAperture {
  enum class Shape { None, Square, Round, ThinRound, Rectangle };
  Shape shape = Shape::None;
  double size = 0.0;   // side, diameter, or the rectangle's x extent
  double sizeY = 0.0;  // the rectangle's y extent
};
