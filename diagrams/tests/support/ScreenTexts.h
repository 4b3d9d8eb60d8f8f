#pragma once
// The texts an instrument screen draws, boxed as the screen's Cairo surface sets them, and the
// rules every screen keeps: no placeholder, every text whole inside the screen and clear of
// every other text.

#include <string>
#include <vector>

#include "pf/geometry.h"
#include "pf/recording_dc.h"

struct DrawnText {
  std::string text;
  pf::Rect ink;      // its characters, blanks at either end left out
  pf::Rect painted;  // also what its blanks cover on an opaque background
};

// Each text of the calls that shows a character, one cell high in the font it was drawn with.
std::vector<DrawnText> DrawnTexts(const std::vector<pf::DcCall>& calls);

// One line per fault: a placeholder drawn, a text whose characters are not whole inside the
// area, two texts that paint over each other (a text drawn twice in one place counts once).
// Empty when the screen is right.
std::vector<std::string> TextFaults(const std::vector<DrawnText>& texts, const pf::Rect& area);
