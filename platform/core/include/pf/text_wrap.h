#pragma once
// How a text is broken into the lines that a static text or a multi-line edit draws: at line
// breaks and blanks, inside a word only when the word alone is wider than the line. Widths are
// the context's text extents, so a layout can be checked with the fonts it is drawn in.

#include <string>
#include <string_view>
#include <vector>

#include "pf/dc.h"

namespace pf {

// The longest start of the text, in whole characters, that fits the width.
std::string_view FitText(const Dc& dc, std::string_view text, int width);
std::vector<std::string> WrapText(const Dc& dc, std::string_view text, int width);

}  // namespace pf
