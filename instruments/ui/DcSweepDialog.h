#pragma once
// The SPICE DC sweep (template 255): chooses the swept supply that leads the ".Dc" card, and its
// start, stop and step voltages. OK makes that supply the active instrument and moves it to the
// end of the circuit, so that its card is written; without a swept supply OK starts nothing.

#include "pf/dialog.h"

class CVostraneDoc;
class DcGeneratorSymbol;

class DcSweepDialog : public pf::Dialog {
 public:
  DcSweepDialog(CVostraneDoc& doc, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnOK() override;

  DcGeneratorSymbol* GetChosen() const { return chosen; }

 private:
  void ShowValues();

  CVostraneDoc& doc;
  DcGeneratorSymbol* chosen = nullptr;
};
