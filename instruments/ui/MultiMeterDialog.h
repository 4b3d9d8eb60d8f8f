#pragma once
// The multimeter's set-up: voltmeter ("Spannung") or ammeter ("Strom"), switched on the symbol
// as soon as a button is pressed.

#include "instruments/ui/MeasInstView.h"

class MultiMeterSymbol;

class MultiMeterDialog : public MeasInstView {
 public:
  MultiMeterDialog(MultiMeterSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  MultiMeterSymbol* symbol;
};
