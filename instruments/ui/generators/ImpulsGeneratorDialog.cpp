#include "instruments/ui/generators/ImpulsGeneratorDialog.h"

#include "basics/ui/ValueEdit.h"
#include "instruments/ui/generators/ImpulsGeneratorSymbol.h"
#include "pf/app.h"
#include "pf/ui_services.h"
#include "resources/SourceIds.h"

namespace ids = impuls_ids;

namespace {

struct WaveformButton {
  int id;
  char waveform;
};
constexpr WaveformButton kWaveforms[] = {
    {ids::kSine, 'S'}, {ids::kTriangle, 'D'}, {ids::kRectangle, 'R'}, {ids::kImpulse, 'I'}};

}  // namespace

bool ImpulsGeneratorSymbol::EditDialog(pf::Window* /*parent*/) {
  pf::App* app = pf::App::Current();
  ImpulsGeneratorDialog dialog(this, app != nullptr ? app->GetMainWnd() : nullptr);
  if (dialog.DoModal() != pf::kIdOk) return false;
  Redraw();
  return true;
}

ImpulsGeneratorDialog::ImpulsGeneratorDialog(ImpulsGeneratorSymbol* symbol, pf::Window* parent)
    : pf::Dialog(ids::kTemplate, parent), symbol(symbol) {}

bool ImpulsGeneratorDialog::OnInitDialog() {
  ValueEdit(GetDlgItem(ids::kOffset)).SetValue(symbol->offset);
  ValueEdit(GetDlgItem(ids::kAmplitude)).SetValue(symbol->amplitude);
  ValueEdit(GetDlgItem(ids::kFrequency)).SetValue(symbol->frequency);
  CheckDlgButton(ids::kOnePin, symbol->pinCount == 1);
  CheckDlgButton(ids::kTwoPin, symbol->pinCount != 1);
  for (const WaveformButton& b : kWaveforms) CheckDlgButton(b.id, b.waveform == symbol->waveform);
  return true;
}

void ImpulsGeneratorDialog::OnOK() {
  SpanWert amplitude;
  if (!ValueEdit(GetDlgItem(ids::kAmplitude)).GetValue(amplitude)) return;
  symbol->amplitude = amplitude;
  SpanWert offset;
  if (!ValueEdit(GetDlgItem(ids::kOffset)).GetValue(offset)) return;
  symbol->offset = offset;
  FreqWert frequency;
  if (!ValueEdit(GetDlgItem(ids::kFrequency)).GetValue(frequency)) return;
  const float hertz = frequency.Value();
  if (!(hertz > 0.0f)) {
    pf::TheUiServices().Beep(pf::BeepKind::Default);
    MessageBox("Frequenz muss groesser als 0 sein", "Fehler FreqEdit:");
    return;
  }
  symbol->frequency = frequency;
  if (IsDlgButtonChecked(ids::kOnePin) != 0) {
    symbol->pinCount = 1;
  } else if (IsDlgButtonChecked(ids::kTwoPin) != 0) {
    symbol->pinCount = 2;
  }
  symbol->SetupTransient();
  EndDialog(pf::kIdOk);
}

bool ImpulsGeneratorDialog::OnCommand(int id, pf::Notification code) {
  for (const WaveformButton& b : kWaveforms) {
    if (id == b.id && code == pf::Notification::Clicked) {
      symbol->waveform = b.waveform;
      return true;
    }
  }
  return pf::Dialog::OnCommand(id, code);
}
