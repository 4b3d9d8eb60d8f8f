#include "editor/desktop/CVostraneView.h"

#include <algorithm>
#include <cstdlib>

#include "editor/document/CVostraneDoc.h"
#include "editor/document/DocumentDrawing.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRoles.h"
#include "pf/command_ids.h"
#include "pf/ui_services.h"
#include "resources/CommandIds.h"

namespace {

// Printing draws three times larger.
constexpr int kPrintWindow = 300;
constexpr int kPrintViewport = 900;

pf::Rect Grown(const pf::Rect& r, int by) {
  return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

std::vector<ViewCommand>& AddedCommands() {
  static std::vector<ViewCommand> commands;
  return commands;
}

CVostraneView::ElementRule& TheElementRule() {
  static CVostraneView::ElementRule rule = nullptr;
  return rule;
}

}  // namespace

CVostraneView::CVostraneView() {
  MapCommandRange(kIdElementFirst, kIdElementFirst + kElementTypeCount - 1,
                  [this](int id) { SetElementType(id - kIdElementFirst); });
  MapUpdateRange(kIdElementFirst, kIdElementFirst + kElementTypeCount - 1, [this](pf::CmdUI& ui) {
    if (TheElementRule() != nullptr) TheElementRule()(*this, ui.id - kIdElementFirst, ui);
  });
  for (const int id : {pf::kIdEditClear, pf::kIdEditCut}) {
    MapCommand(id, [this] { DeleteSelection(); });
    MapUpdate(id, [this](pf::CmdUI& ui) { ui.Enable(selected != nullptr); });
  }
  for (const ViewCommand& c : AddedCommands()) {
    MapCommand(c.id, [this, run = c.run] {
      if (GetDocument() != nullptr) run(*this);
    });
    if (c.update != nullptr) {
      MapUpdate(c.id, [this, update = c.update](pf::CmdUI& ui) { update(*this, ui); });
    }
  }
}

void CVostraneView::AddCommands(std::span<const ViewCommand> commands) {
  std::vector<ViewCommand>& added = AddedCommands();
  for (const ViewCommand& c : commands) {
    std::erase_if(added, [&c](const ViewCommand& a) { return a.id == c.id; });
    added.push_back(c);
  }
}

void CVostraneView::SetElementRule(ElementRule rule) { TheElementRule() = rule; }

CVostraneView::~CVostraneView() { DestroyWindow(); }

CVostraneDoc* CVostraneView::GetDocument() const {
  return dynamic_cast<CVostraneDoc*>(pf::View::GetDocument());
}

void CVostraneView::SetElementType(int type) {
  elementType = type;
  clickMode = type == 0 || type == 1 ? kShortClickMode : kLongClickMode;
}

void CVostraneView::OnInitialUpdate() {
  pf::ScrollView::OnInitialUpdate();
  SetScrollSizes(pf::MapMode::Text, {kDrawingSize, kDrawingSize});
  CVostraneDoc* doc = GetDocument();
  if (doc != nullptr) {
    doc->SetViewOnAll(this);
    doc->Symbols().ForEach([this](NetSymbol* s) {
      StorePrototype(*s);
      Occupy(*s);
    });
    if (doc->HasNetworkAnalyser()) doc->SetSimulatorName("Ravilone");
  }
  runs.StartTimer(kTimerPeriodMs);
}

void CVostraneView::OnUpdate(pf::View* sender, long hint) {
  CVostraneDoc* doc = GetDocument();
  if (sender != nullptr && doc != nullptr) {
    grid = GitPointGrid();
    bool kept = false;
    doc->Symbols().ForEach([this, &kept](NetSymbol* s) {
      Occupy(*s);
      kept = kept || s == selected;
    });
    if (!kept) selected = nullptr;
  }
  pf::ScrollView::OnUpdate(sender, hint);
}

void CVostraneView::DocumentChanged() {
  if (CVostraneDoc* doc = GetDocument()) doc->UpdateAllViews(this);
}

void CVostraneView::OnDraw(pf::Dc& dc) {
  CVostraneDoc* doc = GetDocument();
  if (doc == nullptr) return;
  DrawDocument(*doc, dc, drawMode == 'P' ? nullptr : &grid);
  if (drawMode == 'P') return;
  if (bandVisible && moveMode == 0) {
    const pf::Pen oldPen = dc.SelectObject(dottedPen);
    dc.MoveTo(bandStart.x, bandStart.y);
    dc.LineTo(bandEnd.x, bandEnd.y);
    dc.SelectObject(oldPen);
  }
  if (outlineVisible) dc.DrawFocusRect(outline);
}

bool CVostraneView::OnPreparePrinting(pf::PrintInfo& info) {
  info.SetMaxPage(1);
  return true;
}

void CVostraneView::OnPrint(pf::Dc& dc, pf::PrintInfo&) {
  drawMode = 'P';
  dc.SetMapMode(pf::MapMode::Anisotropic);
  dc.SetWindowExt(kPrintWindow, kPrintWindow);
  dc.SetViewportExt(kPrintViewport, kPrintViewport);
  dc.SetViewportOrg(0, 0);
  OnDraw(dc);
  drawMode = 'S';
}

void CVostraneView::OnActivateView(bool activate, pf::View* activated, pf::View* deactivated) {
  if (!activate) {
    if (instrumentRefresh != 0) runs.HideInstrumentWindows();
    instrumentRefresh = 0;
    // Sub-circuit symbols of other circuits read this file: they see the change at once.
    CVostraneDoc* doc = GetDocument();
    if (doc != nullptr && doc->IsModified() && doc->HasExternalNode() &&
        !doc->GetPathName().empty()) {
      doc->DoSave(doc->GetPathName());
    }
  }
  pf::ScrollView::OnActivateView(activate, activated, deactivated);
}

std::unique_ptr<NetSymbol> CVostraneView::CreateSymbol(const Point& start, const Point& end) const {
  const CVostraneDoc* doc = GetDocument();
  std::unique_ptr<NetSymbol> symbol = ElementFactory::Global().Create(
      elementType, doc != nullptr && doc->IsSpiceChosen(), start, end);
  if (!symbol) {
    pf::TheUiServices().Beep(pf::BeepKind::Default);
    pf::TheUiServices().MessageBox("Element nicht implementiert", "ACHTUNG", pf::MsgButtons::Ok,
                                   pf::MsgIcon::Warning);
    return nullptr;
  }
  symbol->SetView(const_cast<CVostraneView*>(this));
  return symbol;
}

void CVostraneView::ApplyPrototype(NetSymbol& symbol) const {
  const MyStrng key = symbol.GetClassKey();
  for (const auto& p : prototypes) {
    if (p->GetClassKey() == key) {
      symbol.CopyParameters(*p);
      return;
    }
  }
}

void CVostraneView::StorePrototype(const NetSymbol& symbol) {
  const MyStrng key = symbol.GetClassKey();
  for (const auto& p : prototypes) {
    if (p->GetClassKey() == key) {
      p->CopyParameters(symbol);
      return;
    }
  }
  std::unique_ptr<NetSymbol> p = CVostraneDoc::CreateSymbolByKey(key);
  if (!p) return;
  p->CopyParameters(symbol);
  prototypes.push_back(std::move(p));
}

void CVostraneView::OccupySymbol(const NetSymbol& symbol) {
  Occupy(symbol);
  InvalidateLogical(Grown(symbol.GetRect(), 2));
  DocumentChanged();
}

void CVostraneView::Occupy(const NetSymbol& symbol) {
  grid.OccupyRect(symbol.GetRect());
  symbol.ReleasePins(grid);
}

void CVostraneView::ClearDocumentList() {
  if (CVostraneDoc* doc = GetDocument()) doc->ReleaseSymbols();
  DocumentChanged();
}

void CVostraneView::ReleaseSymbol(const NetSymbol& symbol) {
  if (selected == &symbol) {
    selected = nullptr;
    dragging = false;
    firstMove = true;
    outlineVisible = false;
  }
  grid.FreeRect(symbol.GetRect());
  InvalidateLogical(Grown(symbol.GetRect(), 2));
}

void CVostraneView::InvalidateLogical(const pf::Rect& r) { InvalidateRect(LogicalToClient(r)); }

pf::Rect CVostraneView::BandArea() const {
  return Grown({std::min(bandStart.x, bandEnd.x), std::min(bandStart.y, bandEnd.y),
                std::max(bandStart.x, bandEnd.x), std::max(bandStart.y, bandEnd.y)},
               3);
}

void CVostraneView::Deselect() {
  if (selected == nullptr) return;
  selected->selected = 0;
  InvalidateLogical(Grown(selected->GetRect(), 2));
  selected = nullptr;
}

void CVostraneView::OnLButtonDown(unsigned, pf::Point client) {
  if (runs.IsBusy() || pressed != 0) return;
  const pf::Point logical = ClientToLogical(client);
  const Point p(logical.x, logical.y);
  pressed = 1;
  if (grid.IsFreeAt(p)) {
    moveMode = 0;
    Deselect();
    bandStart = grid.FindFreeNear(p);
    bandEnd = bandStart;
    SetCapture();
    return;
  }
  CVostraneDoc* doc = GetDocument();
  if (selected == nullptr) {
    if (doc == nullptr || !doc->HitTest(p)) {
      pressed = 0;
      return;
    }
    moveMode = 1;
  } else if (selected->Contains(p)) {
    // The grab is taken where the press was, however far the first move report lies from it.
    dragging = true;
    moveMode = 1;
    referencePin = selected->GetPinPoint(0);
    grabOffset = p - referencePin;
  } else {
    // The release then selects what lies under it, if anything.
    Deselect();
    moveMode = 1;
    pressed = 0;
  }
}

void CVostraneView::OnMouseMove(unsigned, pf::Point client) {
  if (runs.IsBusy() || pressed == 0) return;
  const pf::Point logical = ClientToLogical(client);
  const Point p(logical.x, logical.y);
  if (moveMode == 0) {
    InvalidateLogical(BandArea());
    bandEnd = p;
    if (std::abs(bandEnd.x - bandStart.x) > std::abs(bandEnd.y - bandStart.y)) {
      bandEnd.y = bandStart.y;
    } else {
      bandEnd.x = bandStart.x;
    }
    bandVisible = !(bandEnd == bandStart);
    InvalidateLogical(BandArea());
    return;
  }
  if (selected == nullptr || !dragging) return;
  if (firstMove) {
    firstMove = false;
    // The outline is the selection's frame while it moves: two dotted frames drawn over each
    // other wipe out where they meet.
    selected->selected = 0;
    InvalidateLogical(Grown(selected->GetRect(), 2));
  } else {
    InvalidateLogical(Grown(outline, 1));
  }
  moveOffset = grid.Snap(p - grabOffset) - referencePin;
  const Point c = selected->GetCentre() + moveOffset;
  outline = {c.x - selected->width / 2, c.y - selected->height / 2, c.x + selected->width / 2,
             c.y + selected->height / 2};
  outlineVisible = true;
  InvalidateLogical(Grown(outline, 1));
}

void CVostraneView::OnLButtonUp(unsigned, pf::Point client) {
  if (runs.IsBusy()) return;
  const pf::Point logical = ClientToLogical(client);
  const Point p(logical.x, logical.y);
  std::unique_ptr<NetSymbol> created;
  if (moveMode == 0) {
    if (pressed != 0) {
      dragging = false;
      InvalidateLogical(BandArea());
      bandEnd = grid.Snap(bandEnd);
      const int threshold = kGridSpacing * clickMode;
      if (std::abs(bandEnd.x - bandStart.x) >= threshold ||
          std::abs(bandEnd.y - bandStart.y) >= threshold) {
        created = CreateSymbol(bandStart, bandEnd);
      }
      bandVisible = false;
      ReleaseCapture();
    }
  } else if (selected == nullptr) {
    if (CVostraneDoc* doc = GetDocument()) {
      doc->Symbols().ForEach([this, &p](NetSymbol* s) {
        if (selected == nullptr && s->Contains(p)) selected = s;
      });
    }
    if (selected != nullptr) {
      selected->selected = 1;
      InvalidateLogical(Grown(selected->GetRect(), 2));
    }
  } else if (!firstMove && dragging) {
    FinishMove();
  } else if (selected->Contains(p)) {
    ReleaseCapture();
    OpenSymbol(*selected);
  }
  dragging = false;
  pressed = 0;
  if (created) PlaceSymbol(std::move(created));
}

void CVostraneView::FinishMove() {
  firstMove = true;
  dragging = false;
  outlineVisible = false;
  InvalidateLogical(Grown(outline, 1));
  grid.FreeRect(selected->GetRect());
  InvalidateLogical(Grown(selected->GetRect(), 2));
  selected->MoveBy(nullptr, moveOffset);
  selected->selected = 1;
  Occupy(*selected);
  InvalidateLogical(Grown(selected->GetRect(), 2));
  if (CVostraneDoc* doc = GetDocument()) doc->SetModifiedFlag();
  DocumentChanged();
}

void CVostraneView::PlaceSymbol(std::unique_ptr<NetSymbol> symbol) {
  CVostraneDoc* doc = GetDocument();
  if (doc == nullptr) return;
  ApplyPrototype(*symbol);
  // Its dialog or window names it as the circuit will (an instrument's caption), from the first
  // opening; adding it names it again, after what the dialog changed.
  doc->AssignDefaultName(*symbol);
  if (!symbol->EditDialog(this)) return;
  instrumentRefresh = 1;
  InsertSymbol(std::move(symbol));
}

void CVostraneView::InsertSymbol(std::unique_ptr<NetSymbol> symbol) {
  CVostraneDoc* doc = GetDocument();
  if (doc == nullptr) return;
  symbol->UpdateGeometry();
  symbol->SetView(this);
  NetSymbol& placed = *symbol;
  if (!doc->AddSymbol(symbol.release())) return;
  StorePrototype(placed);
  OccupySymbol(placed);
}

std::optional<Point> CVostraneView::FreePlaceBelowCircuit(int length) const {
  const CVostraneDoc* doc = GetDocument();
  int bottom = 0;
  if (doc != nullptr) {
    doc->Symbols().ForEach(
        [&bottom](NetSymbol* s) { bottom = std::max(bottom, s->GetRect().bottom); });
  }
  const auto runIsFree = [this, length](int x, int y) {
    for (int dy = -kGridSpacing; dy <= kGridSpacing; dy += kGridSpacing) {
      for (int dx = 0; dx <= length; dx += kGridSpacing) {
        if (!grid.IsFreeAt(Point(x + dx, y + dy))) return false;
      }
    }
    return true;
  };
  const int last = (GitPointGrid::kCount - 2) * kGridSpacing;
  const int below = (bottom / kGridSpacing + 2) * kGridSpacing;
  for (const int from : {below, 2 * kGridSpacing}) {
    for (int y = from; y <= last; y += kGridSpacing) {
      for (int x = 2 * kGridSpacing; x + length <= last; x += kGridSpacing) {
        if (runIsFree(x, y)) return Point(x, y);
      }
    }
  }
  return std::nullopt;
}

void CVostraneView::OpenSymbol(NetSymbol& symbol) {
  if (selected == &symbol) Deselect();
  symbol.selected = 0;
  InvalidateLogical(Grown(symbol.GetRect(), 2));
  // Opening an instrument's window makes it the one that runs the analyses.
  const auto* instrument = dynamic_cast<const InstrumentRole*>(&symbol);
  if (symbol.IsInstrument() && instrument != nullptr && instrument->GetInstrumentWindow()) {
    runs.ActivateInstrumentByWindow(instrument->GetInstrumentWindow());
  }
  CVostraneDoc* doc = GetDocument();
  if (symbol.EditDialog(this) && doc != nullptr) {
    doc->SetModifiedFlag();
    DocumentChanged();
  } else if (doc != nullptr) {
    // A cancelled dialog may have renamed it all the same (a generator's kind is its prefix).
    doc->ForgetNames();
  }
  InvalidateLogical(Grown(symbol.GetRect(), 2));
  selected = nullptr;
  instrumentRefresh = 1;
}

void CVostraneView::DeleteSelection() {
  CVostraneDoc* doc = GetDocument();
  if (selected == nullptr || runs.IsBusy() || doc == nullptr) return;
  NetSymbol* gone = selected;
  ReleaseSymbol(*gone);
  doc->RemoveSymbol(gone);
  delete gone;
  DocumentChanged();
}

void CVostraneView::OnKeyDown(int key, unsigned modifiers) {
  if (key == pf::kVkDelete && modifiers == 0) {
    DeleteSelection();
  } else {
    pf::ScrollView::OnKeyDown(key, modifiers);
  }
}

void CVostraneView::OnDestroy() {
  runs.DestroyInstrumentWindows();
  CVostraneDoc* doc = GetDocument();
  pf::ScrollView::OnDestroy();
  if (doc != nullptr) doc->SetViewOnAll(doc->Views().empty() ? nullptr : doc->Views().front());
}

void CVostraneView::OnTimer(int id) {
  if (id == AnalysisRuns::kTimerId) runs.OnTimer();
}
