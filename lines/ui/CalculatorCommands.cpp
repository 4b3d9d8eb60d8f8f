// The view's commands of the dimensioning calculators, enabled only while the circuit holds a
// substrate. Each hands the calculator every substrate of the circuit in list order and a
// temporary symbol of its line class that took its class's prototype; on OK the symbols take
// the calculator's dimensions and substrate name.

#include <memory>

#include "basics/VS_Error.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/SubSymbol.h"
#include "lines/ui/Calculators.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslToSlotSymbol.h"
#include "lines/ui/Register.h"
#include "lines/ui/SlotSymbols.h"
#include "pf/command.h"
#include "pf/ui_services.h"
#include "resources/CommandIds.h"

namespace {

constexpr int G = CVostraneView::kGridSpacing;
// The run a placed line takes on the grid.
constexpr int kPlacedLength = 4 * G;

void UpdateOnSubstrate(CVostraneView& view, pf::CmdUI& ui) {
  const CVostraneDoc* doc = view.GetDocument();
  ui.Enable(doc != nullptr && doc->HasSubstrate());
}

// The dialog with the circuit's substrates; false (after the message) when there is none, which
// the disabled command leaves to direct calls.
bool HandSubstrates(CVostraneView& view, CalculatorDialog& dialog) {
  bool any = false;
  view.GetDocument()->Symbols().ForEach([&dialog, &any](NetSymbol* s) {
    if (s->GetClassKey() != "SUBSTRAT") return;
    if (auto* substrate = dynamic_cast<SubSymbol*>(s)) {
      dialog.AddSubstrate(substrate);
      any = true;
    }
  });
  if (!any) {
    pf::TheUiServices().Beep(pf::BeepKind::Default);
    view.MessageBox("Zuerst ein Substrat definieren", "Fehler");
  }
  return any;
}

// A symbol of the class with the prototype's parameters.
template <class S>
std::unique_ptr<S> Prototyped(CVostraneView& view) {
  auto symbol = std::make_unique<S>();
  view.ApplyPrototype(*symbol);
  return symbol;
}

// A copy of the temporary symbol joins the circuit below what is there.
template <class S>
void PlaceCopy(CVostraneView& view, const S& temporary) {
  const std::optional<Point> start = view.FreePlaceBelowCircuit(kPlacedLength);
  if (!start) {
    VS_Error().Error("Kein freier Platz für das Element", 4);
    return;
  }
  auto placed = std::make_unique<S>(*start, *start + Point(kPlacedLength, 0));
  placed->CopyParameters(temporary);
  placed->ReloadBitmap();
  view.InsertSymbol(std::move(placed));
}

// The line, the open stub (its length less the open-end extension) and the short-circuited
// stub become the prototypes of their classes; nothing is placed.
void DimensionMicrostrip(CVostraneView& view) {
  DimMikrostripLine dialog(&view);
  if (!HandSubstrates(view, dialog)) return;
  const auto line = Prototyped<TrlSymbol>(view);
  dialog.LoadFromSymbol(*line);
  if (dialog.DoModal() != pf::kIdOk) return;
  const auto width = static_cast<float>(dialog.GetWidth() * 0.001);
  const double length = dialog.GetLength() * 0.001;
  const auto dimension = [&](auto& symbol, double metres) {
    symbol.SetWidth(width);
    symbol.SetLength(static_cast<float>(metres));
    symbol.substrate = dialog.GetSubstrateName();
    view.StorePrototype(symbol);
  };
  dimension(*line, length);
  view.GetDocument()->SetDefaultFrequency(dialog.GetFrequency() * 1e9);
  const double openLength = length - dialog.GetExtension();
  OstSymbol open;
  if (openLength > 0.0) {
    dimension(open, openLength);
  } else {
    VS_Error().Error("Leerlaufende Stichleitung kürzer als ihre Endverlängerung", 4);
  }
  SstSymbol shorted;
  dimension(shorted, length);
}

void DimensionSlotline(CVostraneView& view) {
  SlotLineDim dialog(&view);
  if (!HandSubstrates(view, dialog)) return;
  const auto symbol = Prototyped<SlotLineSymbol>(view);
  dialog.LoadFromSymbol(*symbol);
  if (dialog.DoModal() != pf::kIdOk) return;
  symbol->w = LaeWert(dialog.GetModel().GetSlotWidth());
  symbol->p = LaeWert(dialog.GetModel().length);
  symbol->substrate = dialog.GetSubstrateName();
  PlaceCopy(view, *symbol);
  view.GetDocument()->SetDefaultFrequency(dialog.GetFrequency());
}

void DimensionCoplanar(CVostraneView& view) {
  CCoplanarLineDim dialog(&view);
  if (!HandSubstrates(view, dialog)) return;
  const auto symbol = Prototyped<CCoplanarLineSymbol>(view);
  dialog.LoadFromSymbol(*symbol);
  if (dialog.DoModal() != pf::kIdOk) return;
  symbol->ApplyModel(dialog.GetModel());
  symbol->substrate = dialog.GetSubstrateName();
  PlaceCopy(view, *symbol);
  view.GetDocument()->SetDefaultFrequency(dialog.GetFrequency());
}

// The next transition placed takes the design.
void DesignTransition(CVostraneView& view) {
  MslToSltDesign dialog(&view);
  if (!HandSubstrates(view, dialog)) return;
  const auto symbol = Prototyped<MslToSlotSymbol>(view);
  if (dialog.DoModal() != pf::kIdOk) return;
  symbol->m = LaeWert(dialog.GetElement().GetM());
  symbol->s = LaeWert(dialog.GetElement().GetS());
  symbol->substrate = dialog.GetSubstrateName();
  view.StorePrototype(*symbol);
  view.GetDocument()->SetDefaultFrequency(dialog.GetFrequency());
}

void SandwichSlotline(CVostraneView& view) {
  SandwichSlotLineDlg dialog(&view);
  if (HandSubstrates(view, dialog)) dialog.DoModal();
}

constexpr ViewCommand kCommands[] = {
    {kIdServiceMslDimensioning, DimensionMicrostrip, UpdateOnSubstrate},
    {kIdServiceSltDimensioning, DimensionSlotline, UpdateOnSubstrate},
    {kIdServiceMslSltTransition, DesignTransition, UpdateOnSubstrate},
    {kIdServiceCplDimensioning, DimensionCoplanar, UpdateOnSubstrate},
    {kIdServiceSandwichSlotline, SandwichSlotline, UpdateOnSubstrate},
};

}  // namespace

void RegisterLineCommands() { CVostraneView::AddCommands(kCommands); }
