#pragma once
// What the line symbols share in the photoplot layout: the direction of an orientation letter
// in layout coordinates (micrometres, y up) and the strip of a line or stub.

#include <cstdint>

#include "basics/Point.h"
#include "basics/WertMitDim.h"
#include "formats/GerberAperture.h"

class GerberPlotFile;

namespace layout {

// 'R' (1, 0), 'L' (-1, 0), 'O' (0, 1), 'U' (0, -1); (0, 0) for any other letter.
LPoint Direction(char orientation);
// Turned by 90 degrees counter-clockwise.
LPoint LeftOf(const LPoint& d);
// d times k in whole numbers, cut to the coordinate range.
LPoint Times(const LPoint& d, int64_t k);

// The square of side W; a strip shorter than its width gets a P x W rectangle, turned with
// the orientation.
GerberAperture StripAperture(char orientation, LaeWert w, LaeWert p);
// The strip of length p and width w from start along d: a stroke inset by w / 2 at both ends,
// so that the square aperture covers exactly p; shorter than w, one flash at its centre.
void WriteStrip(GerberPlotFile& file, const LPoint& start, const LPoint& d, int32_t p,
                int32_t w);

}  // namespace layout
