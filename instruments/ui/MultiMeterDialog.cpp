#include "instruments/ui/MultiMeterDialog.h"

#include "instruments/ui/MultiMeterSymbol.h"
#include "resources/MeterIds.h"
#include "editor/symbols/SymbolSnapshot.h"

MultiMeterDialog::MultiMeterDialog(MultiMeterSymbol* symbol, pf::Window* parent)
    : MeasInstView(multimeter_ids::kTemplate, parent, "MultiMeterDialog"), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool MultiMeterDialog::OnInitDialog() {
  CheckRadioButton(multimeter_ids::kVoltage, multimeter_ids::kCurrent,
                   symbol->mode == 'I' ? multimeter_ids::kCurrent : multimeter_ids::kVoltage);
  windowOpen = 1;
  return true;
}

bool MultiMeterDialog::OnCommand(int id, pf::Notification code) {
  if (id == multimeter_ids::kVoltage) {
    symbol->SetVoltmeter(1e6);
  } else if (id == multimeter_ids::kCurrent) {
    symbol->SetAmmeter();
  } else {
    return MeasInstView::OnCommand(id, code);
  }
  return true;
}
