#include "editor/document/CircuitCopies.h"

#include <algorithm>
#include <memory>

#include "basics/LineFile.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/DocumentDrawing.h"
#include "editor/symbols/NetSymbol.h"
#include "pf/backend.h"
#include "pf/dc.h"
#include "pf/view.h"

namespace {

// The box starts inverted at these corners, so the first symbol sets it.
constexpr int kBoxStart = 30000;

}  // namespace

void ComposeLatex(CVostraneDoc& doc, LineFile& lines) {
  pf::Rect box{kBoxStart, kBoxStart, 0, 0};
  doc.Symbols().ForEach([&box](NetSymbol* s) {
    const pf::Rect r = s->GetRect();
    box = {std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
           std::max(box.bottom, r.bottom)};
  });
  doc.Symbols().ForEach([&box](NetSymbol* s) { s->latexOrigin = Point(box.left, box.bottom); });
  lines.RemoveAll();
  lines.AddLine("\\setlength{\\unitlength}{1mm}");
  lines.AddLine(MyStrng("\\begin{picture}(") + MyStrng(box.Width() / kLatexUnit) + "," +
                MyStrng(box.Height() / kLatexUnit) + ")");
  doc.Symbols().ForEach([&lines](NetSymbol* s) { s->WriteLatex(lines); });
  lines.AddLine("\\end{picture}");
}

pf::Rect CircuitBitmapArea(const CVostraneDoc& doc) {
  std::optional<pf::Rect> area;
  doc.Symbols().ForEach([&area](NetSymbol* s) {
    if (s->GetClassKey() == "NETINFO") return;
    const pf::Rect r = s->GetRect();
    area = area ? pf::Rect{std::min(area->left, r.left), std::min(area->top, r.top),
                           std::max(area->right, r.right), std::max(area->bottom, r.bottom)}
                : r;
  });
  return area.value_or(pf::Rect{});
}

std::optional<pf::Bitmap> DrawCircuitBitmap(const CVostraneDoc& doc, pf::View& view) {
  // Only the drawing area is ever shown; a symbol far outside it must not size the picture.
  const pf::Rect symbols = CircuitBitmapArea(doc);
  const pf::Rect area{std::max(symbols.left, 0), std::max(symbols.top, 0),
                      std::min(symbols.right, kDrawingSize),
                      std::min(symbols.bottom, kDrawingSize)};
  if (area.IsEmpty()) return std::nullopt;
  std::unique_ptr<pf::Dc> dc = pf::CreateMemoryDc({area.Width(), area.Height()});
  if (!dc) return std::nullopt;
  dc->SetWindowOrg(area.left, area.top);
  view.OnDraw(*dc);
  return dc->ReadBitmap(area);
}
