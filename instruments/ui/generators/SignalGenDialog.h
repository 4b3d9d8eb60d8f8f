#pragma once
// The signal generator's set-up: the sweep (start, stop, points, linear or logarithmic), the
// open-circuit voltage and the internal resistance; "Start" begins a sweep with the values
// stored before.

#include "pf/dialog.h"

class SignalGenSymbol;

class SignalGenDialog : public pf::Dialog {
 public:
  SignalGenDialog(SignalGenSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  // Field by field; each one that passes is stored at once.
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  SignalGenSymbol* symbol;
  char mode = 'L';
};
