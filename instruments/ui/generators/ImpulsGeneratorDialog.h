#pragma once
// The pulse generator's set-up dialog "Generator (Transient)": amplitude, frequency and DC
// offset, stored on OK as each parses; one or two pins; the waveform buttons change the symbol
// at once. A frequency that is not positive is refused: the periods would be infinite.

#include "pf/dialog.h"

class ImpulsGeneratorSymbol;

class ImpulsGeneratorDialog : public pf::Dialog {
 public:
  ImpulsGeneratorDialog(ImpulsGeneratorSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  ImpulsGeneratorSymbol* symbol;
};
