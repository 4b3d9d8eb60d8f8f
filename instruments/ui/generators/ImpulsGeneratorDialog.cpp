#include "instruments/ui/generators/ImpulsGeneratorDialog.h"

#include "editor/dialogs/FieldReader.h"
#include "instruments/ui/generators/ImpulsGeneratorSymbol.h"
#include "pf/app.h"
#include "resources/SourceIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace ids = impuls_ids;

namespace {

struct WaveformButton {
  int id;
  char waveform;
};
constexpr WaveformButton kWaveforms[] = {
    {ids::kSine, 'S'}, {ids::kTriangle, 'D'}, {ids::kRectangle, 'R'}, {ids::kImpulse, 'I'}};

using Generator = ImpulsGeneratorSymbol;
constexpr Field<Generator> kValues[] = {
    Fields<Generator>::Edit<&Generator::amplitude>(ids::kAmplitude),
    Fields<Generator>::Edit<&Generator::offset>(ids::kOffset),
    Fields<Generator>::Edit<&Generator::frequency>(
        ids::kFrequency, Positive("Frequenz muss groesser als 0 sein")),
};

}  // namespace

bool ImpulsGeneratorSymbol::EditDialog(pf::Window* /*parent*/) {
  pf::App* app = pf::App::Current();
  ImpulsGeneratorDialog dialog(this, app != nullptr ? app->GetMainWnd() : nullptr);
  if (dialog.DoModal() != pf::kIdOk) return false;
  Redraw();
  return true;
}

ImpulsGeneratorDialog::ImpulsGeneratorDialog(ImpulsGeneratorSymbol* symbol, pf::Window* parent)
    : pf::Dialog(ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool ImpulsGeneratorDialog::OnInitDialog() {
  ShowFields(*this, kValues, *symbol);
  CheckDlgButton(ids::kOnePin, symbol->pinCount == 1);
  CheckDlgButton(ids::kTwoPin, symbol->pinCount != 1);
  for (const WaveformButton& b : kWaveforms) CheckDlgButton(b.id, b.waveform == symbol->waveform);
  return true;
}

void ImpulsGeneratorDialog::OnOK() {
  FieldReader reader(*this, true);
  if (!reader.ReadFields(kValues, *symbol)) return;
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
