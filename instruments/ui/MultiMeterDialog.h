#pragma once
// The multimeter's set-up: voltmeter ("Spannung") or ammeter ("Strom"), switched on the symbol
// as soon as a button is pressed.

#include "instruments/ui/MeasInstView.h"

class MultiMeterSymbol;

class MultiMeterDialog : public MeasInstView {
 public:
  static constexpr int kTemplate = 144;
  static constexpr int kVoltage = 1016;
  static constexpr int kCurrent = 1017;

  MultiMeterDialog(MultiMeterSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  MultiMeterSymbol* symbol;
};
