#include "editor/document/DocumentDrawing.h"

#include <memory>

#include "basics/GitPointGrid.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/NetSymbol.h"
#include "pf/geometry.h"

void OccupySymbolAreas(const CVostraneDoc& doc, GitPointGrid& grid) {
  doc.Symbols().ForEach([&grid](NetSymbol* s) {
    grid.OccupyRect(s->GetRect());
    s->ReleasePins(grid);
  });
}

void DrawDocument(CVostraneDoc& doc, pf::Dc& dc, char mode) {
  if (mode == 'P') {
    DrawDocument(doc, dc, nullptr);
    return;
  }
  auto grid = std::make_unique<GitPointGrid>();
  OccupySymbolAreas(doc, *grid);
  DrawDocument(doc, dc, grid.get());
}

void DrawDocument(CVostraneDoc& doc, pf::Dc& dc, const GitPointGrid* grid) {
  doc.RefreshPinMarks();
  if (grid != nullptr) grid->Draw(&dc);
  doc.DrawAll(dc);
}
