#include "instruments/ui/PlotterDialogs.h"

#include <algorithm>

#include "diagrams/RecPlanDiag.h"
#include "instruments/ui/PlotterSymbol.h"
#include "resources/ScopeIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace ids = plotter_ids;

namespace {

constexpr int kPlaneDiagram = 13;
constexpr float kRangeUpScale = 0.001f;
constexpr float kRangeDownScale = 1000.0f;

const char* QuantityName(char quantity) { return quantity == 'U' ? "Spannung" : "Strom"; }

}  // namespace

PlotterDialog::PlotterDialog(PlotterSymbol* symbol, pf::Window* parent)
    : ScreenDialog(ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool PlotterDialog::OnInitDialog() {
  SetDlgItemText(ids::kXRange, symbol->GetXRangeText().ToCString());
  SetDlgItemText(ids::kYRange, symbol->GetYRangeText().ToCString());
  SetWindowText(symbol->elementName.ToCString());
  if (!OpenScreen(*symbol, kPlaneDiagram, ids::kRefPos, ids::kRefValue)) return true;
  Diagramm* d = screen.Current();
  if (d == nullptr) return true;
  d->xUnitText = symbol->GetXRangeText();
  d->yUnitText = symbol->GetYRangeText();
  // Before any result there is nothing to show but the zero line; the first opening after a
  // run shows it, as the oscilloscope does.
  if (symbol->curveCount < 1 || symbol->pointsPerCurve < 1) {
    screen.ShowZeroLine();
  } else {
    FillCurves();
  }
  screen.ShowFirstCurve();
  screen.SetCaptions(symbol->elementName + "  Y: " + QuantityName(symbol->y.quantity) +
                         "  X: " + QuantityName(symbol->x.quantity),
                     symbol->GetResultCaption());
  return true;
}

void PlotterDialog::FillCurves() {
  Diagramm* d = screen.Current();
  const RVektor& xs = symbol->x.values;
  const RVektor& ys = symbol->y.values;
  const int32_t perCurve = std::max(symbol->pointsPerCurve, 0);
  const int32_t available = std::min(xs.GetSize(), ys.GetSize());
  d->CreateCurves(symbol->curveCount, perCurve);
  const float fx = static_cast<float>(symbol->GetXFactor());
  const float fy = static_cast<float>(symbol->GetYFactor());
  for (int c = 0; c < d->GetCurveCount(); ++c) {
    d->SetCurrentCurve(c);
    for (int32_t j = 0; j < perCurve; ++j) {
      const int64_t k = static_cast<int64_t>(c) * perCurve + j;
      if (k >= available) break;
      d->AppendPoint(static_cast<float>(xs[static_cast<int32_t>(k)]) * fx,
                     static_cast<float>(ys[static_cast<int32_t>(k)]) * fy);
    }
    d->SetCurveVisible(c);
    d->SetCurveDate(symbol->resultDate);
    d->SetCurveNetName(symbol->resultTitle);
    d->ShowCurrentCurve();
  }
}

bool PlotterDialog::OnCommand(int id, pf::Notification code) {
  if (screen.Current() == nullptr) return pf::Dialog::OnCommand(id, code);
  switch (id) {
    case ids::kMarker: ToggleMarker(); return true;
    case ids::kScreenCopy: CopyScreen(); return true;
    case ids::kDataCopy: CopyData(); return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}

void PlotterDialog::OnDeltaPos(int id, int delta) {
  constexpr ScrnWindow::KeySpins kSpins{.refPos = ids::kRefPos,
                                        .refValue = ids::kRefValue,
                                        .yScale = ids::kYScale,
                                        .xRefPos = ids::kXRefPos,
                                        .xRefValue = ids::kXRefValue,
                                        .xScale = ids::kXScale,
                                        .markerStep = ids::kMarkerStep};
  if (screen.Current() == nullptr) return;
  if (id == ids::kXRangeSpin || id == ids::kYRangeSpin) {
    StepRange(id == ids::kXRangeSpin, delta);
  } else if (screen.StepKey(kSpins, id, delta)) {
    screen.Current()->MarkerUpdate();
    Refresh();
  }
}

void PlotterDialog::StepRange(bool xAxis, int delta) {
  Diagramm* d = screen.Current();
  PlotterSymbol::Input& input = xAxis ? symbol->x : symbol->y;
  const bool up = delta <= 0;
  if (up ? input.RangeUp() : input.RangeDown()) {
    const float factor = up ? kRangeUpScale : kRangeDownScale;
    xAxis ? d->ScaleCurvesX(factor) : d->ScaleCurvesY(factor);
  }
  const MyStrng text = input.RangeText();
  SetDlgItemText(xAxis ? ids::kXRange : ids::kYRange, text.ToCString());
  if (xAxis) {
    d->xUnitText = text;
  } else {
    d->yUnitText = text;
    d->UpdateHeaderLines();
  }
  d->Refresh();
  Refresh();
}

void PlotterDialog::OnOK() {
  KeepScreen(*symbol);
  EndDialog(pf::kIdOk);
}

PlotterIniDialog::PlotterIniDialog(PlotterSymbol* symbol, pf::Window* parent)
    : pf::Dialog(ids::kSetUpTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool PlotterIniDialog::OnInitDialog() {
  CheckRadioButton(ids::kXVoltage, ids::kXCurrent,
                   symbol->x.quantity == 'U' ? ids::kXVoltage : ids::kXCurrent);
  CheckRadioButton(ids::kYVoltage, ids::kYCurrent,
                   symbol->y.quantity == 'U' ? ids::kYVoltage : ids::kYCurrent);
  ShowRanges();
  return true;
}

void PlotterIniDialog::ShowRanges() {
  SetDlgItemText(ids::kXRange, symbol->GetXRangeText().ToCString());
  SetDlgItemText(ids::kYRange, symbol->GetYRangeText().ToCString());
}

bool PlotterIniDialog::OnCommand(int id, pf::Notification code) {
  if (code != pf::Notification::Clicked) return pf::Dialog::OnCommand(id, code);
  switch (id) {
    case ids::kXVoltage: symbol->SetXVoltage(); break;
    case ids::kXCurrent: symbol->SetXCurrent(); break;
    case ids::kYVoltage: symbol->SetYVoltage(); break;
    case ids::kYCurrent: symbol->SetYCurrent(); break;
    default: return pf::Dialog::OnCommand(id, code);
  }
  ShowRanges();
  return true;
}

void PlotterIniDialog::OnDeltaPos(int id, int delta) {
  PlotterSymbol::Input* input = id == ids::kSetUpXRangeSpin   ? &symbol->x
                                : id == ids::kSetUpYRangeSpin ? &symbol->y
                                                              : nullptr;
  if (input == nullptr) return;
  delta <= 0 ? input->RangeUp() : input->RangeDown();
  ShowRanges();
}

void PlotterIniDialog::OnOK() {
  IsDlgButtonChecked(ids::kXVoltage) != 0 ? symbol->SetXVoltage() : symbol->SetXCurrent();
  IsDlgButtonChecked(ids::kYVoltage) != 0 ? symbol->SetYVoltage() : symbol->SetYCurrent();
  EndDialog(pf::kIdOk);
}
