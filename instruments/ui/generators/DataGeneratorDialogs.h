#pragma once
// The data generator's set-up dialogs: "Datengenerator" for the built-in simulator (values,
// pattern, N and the pulse shape, with the Start button of a run) and "DatenGenerator" for SPICE
// (amplitude, bit rate and pattern). OK stores each field as it parses; the up-down controls
// change N and the bit count on the symbol at once, and those stay when the dialog is cancelled.
// An arrow rewrites only what it changed and the figures derived from it: what the user typed
// elsewhere stands until OK or "Abbrechen".

#include "basics/WertMitDim.h"
#include "pf/dialog.h"

class DataGeneratorSymbol;
class FieldReader;

class DataGeneratorDialog : public pf::Dialog {
 public:
  // The SPICE variant has fewer fields and no run.
  DataGeneratorDialog(DataGeneratorSymbol* symbol, pf::Window* parent, bool spice);

  bool OnInitDialog() override;
  void OnOK() override;
  // Whatever the arrows changed, the rate and shape are those the dialog opened with, unless
  // the dialog closes for a run started from it.
  void OnCancel() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;

 private:
  // The bit count and the pattern that the bit-count arrows drew.
  void ShowPattern();
  // N and the figures.
  void ShowSamples();
  // Samples per bit, and fundamental and Nyquist frequency at the rate typed in its edit; both
  // frequencies blank while that text gives no rate above 0.
  void ShowFigures();
  // The pattern of 1063 into the symbol with the bit rate of 1062; false after its message.
  bool ReadSequence(FieldReader& reader);

  DataGeneratorSymbol* symbol;
  bool spice;
  RBitWert openedRate;
  char openedShape = 'R';
  bool starting = false;
};
