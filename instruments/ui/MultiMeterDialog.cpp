#include "instruments/ui/MultiMeterDialog.h"

#include "instruments/ui/MultiMeterSymbol.h"

MultiMeterDialog::MultiMeterDialog(MultiMeterSymbol* symbol, pf::Window* parent)
    : MeasInstView(kTemplate, parent, "MultiMeterDialog"), symbol(symbol) {}

bool MultiMeterDialog::OnInitDialog() {
  CheckRadioButton(kVoltage, kCurrent, symbol->mode == 'I' ? kCurrent : kVoltage);
  windowOpen = 1;
  return true;
}

bool MultiMeterDialog::OnCommand(int id, pf::Notification code) {
  if (id == kVoltage) {
    symbol->SetVoltmeter(1e6);
  } else if (id == kCurrent) {
    symbol->SetAmmeter();
  } else {
    return MeasInstView::OnCommand(id, code);
  }
  return true;
}
