#pragma once
// The fonts of the element names on the schematic. The application owns them and installs
// them at start-up; until then (and in tests that install none) the standard ones serve.

#include "basics/MyStrng.h"
#include "basics/Point.h"
#include "pf/gdi.h"

namespace pf {
class Dc;
}

struct LabelFonts {
  pf::Font horizontal;
  pf::Font vertical;  // turned by 90 degrees

  // Arial, height 12, weight 300; the vertical one with escapement 900.
  static LabelFonts Standard();
};

// The fonts stay the caller's; nullptr goes back to the standard ones.
void InstallLabelFonts(const LabelFonts* fonts);
const LabelFonts& TheLabelFonts();

// A name centred on a point in the label font: lying, or written upwards when not horizontal.
void DrawCentredLabel(pf::Dc& dc, const MyStrng& text, const Point& at, bool horizontal);
