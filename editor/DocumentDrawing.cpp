#include "editor/DocumentDrawing.h"

#include <memory>

#include "basics/GitPointGrid.h"
#include "editor/CVostraneDoc.h"
#include "editor/NetSymbol.h"
#include "pf/geometry.h"

void OccupySymbolAreas(const CVostraneDoc& doc, GitPointGrid& grid) {
  doc.Symbols().ForEach([&grid](NetSymbol* s) {
    grid.OccupyRect(s->GetRect());
    s->ReleasePins(grid);
  });
}

void DrawDocument(CVostraneDoc& doc, pf::Dc& dc, char mode) {
  doc.RefreshPinMarks();
  if (mode != 'P') {
    auto grid = std::make_unique<GitPointGrid>();
    OccupySymbolAreas(doc, *grid);
    grid->Draw(&dc);
  }
  doc.DrawAll(dc);
}
