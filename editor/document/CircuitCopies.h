#pragma once
// The circuit as a picture for other programs: a bitmap of the symbols' region as the view
// shows it, and a LaTeX picture environment built from every symbol's LaTeX writer.

#include <optional>

#include "pf/bitmap.h"
#include "pf/geometry.h"

class CVostraneDoc;
class LineFile;

namespace pf {
class View;
}

// One LaTeX unit (1 mm) is this many view units.
inline constexpr int kLatexUnit = 5;

// The picture's lines: the unit, the picture's size (the symbols' box in millimetres), every
// symbol's lines measured from the box's bottom left with y upwards, the end. The document's
// symbols take that corner as their LaTeX origin.
void ComposeLatex(CVostraneDoc& doc, LineFile& lines);

// The union of the symbols' rectangles, the information boxes left out; empty without symbols.
pf::Rect CircuitBitmapArea(const CVostraneDoc& doc);
// That area, within the drawing area, drawn as the document's view draws it into a memory
// surface (never read back from the screen, which may be covered); nullopt when nothing of it
// is left.
std::optional<pf::Bitmap> DrawCircuitBitmap(const CVostraneDoc& doc, pf::View& view);
