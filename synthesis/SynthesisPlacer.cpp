#include "synthesis/SynthesisPlacer.h"

#include <algorithm>
#include <cmath>

#include "basics/VS_Error.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/NetSymbol.h"

SynthesisPlacer::SynthesisPlacer(CVostraneView& view) : view(view) {}

SynthesisPlacer::~SynthesisPlacer() = default;

void SynthesisPlacer::Append(std::unique_ptr<NetSymbol> symbol) {
  symbol->UpdateGeometry();
  NetSymbol* raw = symbol.get();
  entries.push_back({raw, std::move(symbol)});
}

float SynthesisPlacer::Checked(double value) {
  const float f = static_cast<float>(value);
  if (!(f > 0.0f) || !std::isfinite(f)) badValue = true;
  return f;
}

bool SynthesisPlacer::Refused() const {
  if (!badValue && view.GetDocument() != nullptr) return false;
  if (badValue) VS_Error().Error("Synthese: ein Elementwert ist nicht positiv und endlich", 4);
  return true;
}

bool SynthesisPlacer::Place() {
  if (Refused()) return false;
  CVostraneDoc& doc = *view.GetDocument();
  for (Entry& e : entries) {
    // A symbol that a full circuit refuses is gone (the document says so).
    NetSymbol* symbol = e.made != nullptr ? e.made.release() : e.symbol;
    if (doc.AddSymbol(symbol)) view.OccupySymbol(*symbol);
  }
  entries.clear();
  doc.SetViewOnAll(&view);
  return true;
}

bool SynthesisPlacer::Rewrite() {
  if (Refused()) return false;
  std::vector<NetSymbol*> old;
  view.GetDocument()->Symbols().ForEach([&old](NetSymbol* s) { old.push_back(s); });
  for (NetSymbol* s : old) view.ReleaseSymbol(*s);
  // Out of the circuit first: the document lets go of what it holds before any of it goes.
  view.ClearDocumentList();
  for (NetSymbol* s : old) {
    const bool kept =
        std::any_of(entries.begin(), entries.end(), [s](const Entry& e) { return e.symbol == s; });
    if (!kept) delete s;
  }
  return Place();
}
