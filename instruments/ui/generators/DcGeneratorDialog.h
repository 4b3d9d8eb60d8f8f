#pragma once
// The supply's set-up: voltage or current source, fixed or swept, the values of the kind, and
// the swept supply that follows it in the SPICE card ("Slave"). Kind and setting change on
// the symbol as soon as their buttons are pressed; "Start" begins the built-in DC run.

#include "basics/MyStrng.h"
#include "pf/dialog.h"

class DcGeneratorSymbol;

class DcGeneratorDialog : public pf::Dialog {
 public:
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
