#pragma once
// The supply's set-up: voltage or current source, fixed or swept, the values of the kind, and
// the swept supply that follows it in the SPICE card ("Slave"). Kind and setting change on
// the symbol as soon as their buttons are pressed; "Start" begins the built-in DC run.

#include "basics/MyStrng.h"
#include "pf/dialog.h"

class DcGeneratorSymbol;

class DcGeneratorDialog : public pf::Dialog {
 public:
  static constexpr int kTemplate = 153;
  static constexpr int kStart = 3;
  static constexpr int kVoltageSource = 1215;
  static constexpr int kCurrentSource = 1214;
  static constexpr int kFixed = 1179;
  static constexpr int kVariable = 1180;
  static constexpr int kFixedValue = 1038;
  static constexpr int kStartValue = 1035;
  static constexpr int kStopValue = 1036;
  static constexpr int kStepValue = 1041;
  static constexpr int kResistance = 1037;
  static constexpr int kSlave = 1213;

  DcGeneratorDialog(DcGeneratorSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  void ShowValues();
  void EnableForSetting();
  // The other swept supplies of the document; the given name, or with "NoSlave" the last one
  // listed, becomes the chosen slave.
  void FillSlaveList(const MyStrng& name);

  DcGeneratorSymbol* symbol;
  MyStrng slaveName;
};
