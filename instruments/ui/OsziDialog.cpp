#include "instruments/ui/OsziDialog.h"

#include <algorithm>

#include "basics/WertMitDim.h"
#include "diagrams/RectTimeDiag.h"
#include "instruments/ui/OsziSymbol.h"
#include "resources/ScopeIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace ids = oszi_ids;

namespace {

constexpr int kTimeDiagram = 12;
constexpr double kSpanRounding = 1e-6;

LinTimeDiag* TimeDiagram(ScrnWindow& screen) {
  return dynamic_cast<LinTimeDiag*>(screen.Current());
}

}  // namespace

OsziDialog::OsziDialog(OsziSymbol* symbol, pf::Window* parent)
    : ScreenDialog(ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool OsziDialog::OnInitDialog() {
  SetWindowText(symbol->elementName.ToCString());
  if (!OpenScreen(*symbol, kTimeDiagram, ids::kRefPos, ids::kRefValue)) return true;
  FillCurve();
  // Named once curve 0 exists: a kept screen's copy comes without curves.
  screen.SetCaptions(symbol->elementName + "  Spannung", symbol->GetResultCaption());
  screen.ShowFirstCurve();
  if (symbol->display == 'A') ShowEye();
  ShowTimePerDivision();
  return true;
}

void OsziDialog::FillCurve() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  d->SetCurrentCurve(0);
  if (symbol->source == 'S') {
    const RVektor& times = symbol->spiceTimes;
    const RVektor& values = symbol->spiceValues;
    const int32_t n = std::min(times.GetSize(), values.GetSize());
    d->RecreateCurve(0, n);
    // A new screen starts at the shortest time base: it too must hold the whole result. The
    // time base is single precision (10 x 0.01f is a little below 0.1): a part in a million
    // of the span is rounding, not time left out.
    if ((symbol->dataChanged != 0 || symbol->freshScreen != 0) && n > 0) {
      while (times[n - 1] > screen.GetTimeSpan() * (1.0 + kSpanRounding) &&
             d->HasCoarserXScale()) {
        d->XScaleUp();
      }
    }
    for (int32_t i = 0; i < n; ++i) {
      d->AppendPoint2(static_cast<float>(times[i]), static_cast<float>(values[i]),
                      static_cast<float>(values[i]));
    }
    return;
  }
  const RealSignal& samples = symbol->timeSignal;
  // A new oscilloscope's signal is a single sample; every run leaves at least two.
  if (samples.GetSize() <= 1) {
    screen.ShowZeroLine();
    return;
  }
  d->RecreateCurve(0, samples.GetSize());
  for (int32_t i = 0; i < samples.GetSize(); ++i) {
    d->AppendPoint2(static_cast<float>(i * samples.dt), static_cast<float>(samples[i]),
                    static_cast<float>(samples[i]));
  }
}

void OsziDialog::ShowEye() {
  LinTimeDiag* d = TimeDiagram(screen);
  if (d == nullptr) return;
  d->SetPeriod(1.0 / symbol->DataRate());
  d->SetLineStyle();
  d->SetEyeMode();
}

void OsziDialog::ShowTimePerDivision() {
  if (Diagramm* d = screen.Current()) {
    SetDlgItemText(ids::kTimeText, TimWert(d->GetXScale()).ToCString());
  }
}

bool OsziDialog::OnCommand(int id, pf::Notification code) {
  if (screen.Current() == nullptr) return pf::Dialog::OnCommand(id, code);
  switch (id) {
    case ids::kMarker: ToggleMarker(); return true;
    case ids::kScreenCopy: CopyScreen(); return true;
    case ids::kFormat: OnFormat(); return true;
    case ids::kPicTex: screen.ExportPicTex(); return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}

void OsziDialog::OnDeltaPos(int id, int delta) {
  constexpr ScrnWindow::KeySpins kSpins{.refPos = ids::kRefPos,
                                        .refValue = ids::kRefValue,
                                        .yScale = ids::kYScale,
                                        .xRefValue = ids::kStartTime,
                                        .xScale = ids::kTimePerDiv,
                                        .markerStep = ids::kMarkerStep};
  if (!screen.StepKey(kSpins, id, delta)) return;
  if (id == ids::kTimePerDiv) ShowTimePerDivision();
  screen.Current()->MarkerUpdate();
  Refresh();
}

void OsziDialog::OnFormat() {
  OsziFormatDlg format(this);
  if (format.DoModal() != pf::kIdOk) return;
  LinTimeDiag* d = TimeDiagram(screen);
  if (d == nullptr) return;
  const bool eye = d->GetMode() == 'A';
  if (symbol->display != 'A') {
    if (!eye) return;
    d->SetTimeMode();
    d->SetLineStyle();
  } else {
    if (eye) return;
    ShowEye();
  }
  d->Refresh();
  Refresh();
}

void OsziDialog::OnOK() {
  KeepScreen(*symbol);
  EndDialog(pf::kIdOk);
}

OsziFormatDlg::OsziFormatDlg(OsziDialog* window)
    : pf::Dialog(ids::kFormatTemplate, window), window(window) {}

bool OsziFormatDlg::OnInitDialog() {
  SetDlgItemText(ids::kDataRate, RBitWert(window->GetSymbol()->DataRate()).ToCString());
  CheckRadioButton(ids::kTimeMode, ids::kEyeMode,
                   window->GetSymbol()->display == 'A' ? ids::kEyeMode : ids::kTimeMode);
  return true;
}

void OsziFormatDlg::OnOK() {
  window->GetSymbol()->display = IsDlgButtonChecked(ids::kEyeMode) != 0 ? 'A' : 'Z';
  EndDialog(pf::kIdOk);
}
