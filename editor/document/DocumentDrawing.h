#pragma once
// The drawing of a circuit as its view shows it: on the screen the placement grid, whose points
// inside the symbols are taken while their pins stay free, and then the symbols; in print only
// the symbols.

class CVostraneDoc;
class GitPointGrid;

namespace pf {
class Dc;
}

// The drawing area: the grid's side plus a margin, in view units.
constexpr int kDrawingSize = 1255;

// Occupies every symbol's rectangle on the grid and frees its pins again, as placing does.
void OccupySymbolAreas(const CVostraneDoc& doc, GitPointGrid& grid);

// mode 'P' draws the symbols only; any other mode first the grid (with the symbols' areas).
void DrawDocument(CVostraneDoc& doc, pf::Dc& dc, char mode);
// The symbols over the given grid; without one the symbols only.
void DrawDocument(CVostraneDoc& doc, pf::Dc& dc, const GitPointGrid* grid);
