#include "instruments/ui/SpecAnaDialog.h"

#include <algorithm>

#include "diagrams/RectFreqDiag.h"
#include "editor/dialogs/FieldReader.h"
#include "instruments/ui/SpecAnaSymbol.h"
#include "resources/ScopeIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace ids = specana_ids;

namespace {

constexpr int kSpectrumDiagram = 11;

constexpr Field<SweepFreq> kFrequencies[] = {
    Fields<SweepFreq>::EditNumber<FreqWert, &SweepFreq::start>(ids::kStart),
    Fields<SweepFreq>::EditNumber<FreqWert, &SweepFreq::stop>(ids::kStop),
};
constexpr Field<SpecAnaSymbol> kResistance[] = {
    Fields<SpecAnaSymbol>::Edit<&SpecAnaSymbol::ri>(ids::kResistance),
};

}  // namespace

SpecAnaDialog::SpecAnaDialog(SpecAnaSymbol* symbol, pf::Window* parent)
    : ScreenDialog(ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool SpecAnaDialog::OnInitDialog() {
  SetWindowText(symbol->elementName.ToCString());
  if (!OpenScreen(*symbol, kSpectrumDiagram, ids::kRefPos, ids::kRefValue)) return true;
  sweep.SetStart(symbol->start.Value());
  sweep.SetStop(symbol->stop.Value());
  // A spectrum without lines leaves one point: the sweep refuses none with a message.
  sweep.SetCount(std::max<int32_t>(symbol->signal.GetSize(), 1));
  UpdateFrequencyAxis();
  if (symbol->spicePresent == 0) {
    FillBuiltIn();
  } else {
    FillSpice();
  }
  screen.SetCaptions(symbol->elementName + "  Pegel", symbol->GetResultCaption());
  return true;
}

void SpecAnaDialog::UpdateFrequencyAxis() {
  sweep.Prepare();
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  d->startFrequency = static_cast<float>(sweep.start);
  d->stopFrequency = static_cast<float>(sweep.stop);
  d->UpdateXAxis();
}

void SpecAnaDialog::FillBuiltIn() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  // Nothing of a run is a result before its end: meanwhile the screen is a new analyser's.
  const CmplxSignal none;
  const CmplxSignal& v = symbol->IsCollecting() ? none : symbol->signal;
  d->RecreateCurve(0, v.GetSize());
  d->SetCurrentCurve(0);
  // The kept screen may still carry the unit of an earlier SPICE spectrum's levels.
  d->valueUnit = "dBm";
  // Each line at its own frequency: start and stop only frame the display.
  for (int32_t i = 0; i < v.GetSize(); ++i) {
    const float y = static_cast<float>(SpecAnaSymbol::LineLevel(v[i], i));
    d->AppendPoint2(static_cast<float>(i * v.df), y, y);
  }
  screen.ShowFirstCurve();
  d->SetSpectrumStyle();
  // A new analyser's signal is a single line of nothing at no spacing; a run's lines, one of
  // them too (a recording of two samples), are spaced by its master.
  if (v.GetSize() <= 1 && v.df == 0.0) screen.MarkNoRun();
}

void SpecAnaDialog::FillSpice() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  const CVektor& s = symbol->spiceSpectrum;
  const RVektor& f = symbol->spiceFrequencies;
  const int32_t n = std::min(s.GetSize(), f.GetSize());
  d->RecreateCurve(0, n);
  d->SetCurrentCurve(0);
  d->valueUnit = symbol->LevelUnit();
  for (int32_t i = 0; i < n; ++i) {
    const float y = static_cast<float>(symbol->SpiceLevel(s[i]));
    d->AppendPoint2(static_cast<float>(f[i]), y, y);
  }
  screen.ShowFirstCurve();
  if (symbol->curveStyle == 'L') {
    d->SetLineStyle();
  } else {
    d->SetSpectrumStyle();
  }
}

bool SpecAnaDialog::OnCommand(int id, pf::Notification code) {
  if (screen.Current() == nullptr) return pf::Dialog::OnCommand(id, code);
  switch (id) {
    case ids::kParameter: SpecFreqChange(this).DoModal(); Refresh(); return true;
    case ids::kMarker: ToggleMarker(); return true;
    case ids::kScreenCopy: CopyScreen(); return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}

void SpecAnaDialog::OnDeltaPos(int id, int delta) {
  constexpr ScrnWindow::KeySpins kSpins{.refPos = ids::kRefPos,
                                        .refValue = ids::kRefValue,
                                        .yScale = ids::kYScale,
                                        .markerStep = ids::kMarkerStep};
  if (!screen.StepKey(kSpins, id, delta)) return;
  if (id == ids::kYScale) screen.Current()->MarkerUpdate();
  Refresh();
}

void SpecAnaDialog::OnOK() {
  symbol->start = FreqWert(sweep.start);
  symbol->stop = FreqWert(sweep.stop);
  KeepScreen(*symbol);
  EndDialog(pf::kIdOk);
}

SpecFreqChange::SpecFreqChange(SpecAnaDialog* window)
    : pf::Dialog(ids::kSettingsTemplate, window), window(window) {
  KeepCopyOnRefusal(window->Sweep());
  KeepSymbolOnRefusal(*this, *window->GetSymbol());
}

bool SpecFreqChange::OnInitDialog() {
  ShowFields(*this, kFrequencies, window->Sweep());
  ShowFields(*this, kResistance, *window->GetSymbol());
  const Diagramm* d = window->Screen().Current();
  const bool logarithmic = d != nullptr && d->GetXAxisMode() == 'E';
  const bool line = d == nullptr || d->IsLineStyle();
  // The two groups' id ranges overlap: each button is set on its own.
  CheckDlgButton(ids::kLinear, !logarithmic);
  CheckDlgButton(ids::kLogarithmic, logarithmic);
  CheckDlgButton(ids::kLine, line);
  CheckDlgButton(ids::kSpectrum, !line);
  return true;
}

bool SpecFreqChange::OnCommand(int id, pf::Notification code) {
  Diagramm* d = window->Screen().Current();
  if (d == nullptr || code != pf::Notification::Clicked) return pf::Dialog::OnCommand(id, code);
  switch (id) {
    case ids::kLinear: d->SetXAxisMode('L'); break;
    case ids::kLogarithmic: d->SetXAxisMode('E'); break;
    case ids::kLine:
      d->SetLineStyle();
      window->GetSymbol()->curveStyle = 'L';
      break;
    case ids::kSpectrum:
      d->SetSpectrumStyle();
      window->GetSymbol()->curveStyle = 'S';
      break;
    default: return pf::Dialog::OnCommand(id, code);
  }
  window->Repaint();
  return true;
}

void SpecFreqChange::OnOK() {
  FieldReader reader(*this, true);
  if (!reader.ReadFields(kFrequencies, window->Sweep()) ||
      !reader.ReadFields(kResistance, *window->GetSymbol())) {
    return;
  }
  window->UpdateFrequencyAxis();
  EndDialog(pf::kIdOk);
}
