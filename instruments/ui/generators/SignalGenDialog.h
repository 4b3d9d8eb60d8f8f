#pragma once
// The signal generator's set-up: the sweep (start, stop, points, linear or logarithmic), the
// open-circuit voltage and the internal resistance; "Start" begins a sweep with the values
// stored before.

#include "editor/dialogs/TControl.h"
#include "pf/dialog.h"

class SignalGenSymbol;

class SignalGenDialog : public pf::Dialog {
 public:
  static constexpr int kTemplate = 145;
  static constexpr int kStart = 1020;
  static constexpr int kStartFrequency = 1021;
  static constexpr int kStopFrequency = 1010;
  static constexpr int kCount = 1011;
  static constexpr int kVoltage = 1022;
  static constexpr int kResistance = 1023;
  static constexpr int kLinear = 1160;
  static constexpr int kLogarithmic = 1161;

  SignalGenDialog(SignalGenSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  // Field by field; each one that passes is stored at once.
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  SignalGenSymbol* symbol;
  char mode = 'L';
};
