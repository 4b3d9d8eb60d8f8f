#pragma once
// The spectrum analyser's window: the built-in or SPICE spectrum in dB over frequency, the
// display keys, and "Einstellungen" (SpecFreqChange) for the range, the input resistance, the
// axis and the curve style. OK keeps the range and the screen's settings in the symbol.

#include "instruments/ui/ScreenDialog.h"

class SpecAnaSymbol;

class SpecAnaDialog : public ScreenDialog {
 public:
  SpecAnaDialog(SpecAnaSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;
  void OnOK() override;

  SpecAnaSymbol* GetSymbol() const { return symbol; }
  SweepFreq& Sweep() { return sweep; }
  // Prepares the sweep and gives its limits to the diagram's axis.
  void UpdateFrequencyAxis();
  // Redraws the screen.
  void Repaint() { Refresh(); }

 private:
  void FillBuiltIn();
  void FillSpice();

  SpecAnaSymbol* symbol;
};

// "Einstellungen": the radios act at once; OK reads start, stop and Ri in that order and stops
// at the first text that does not parse.
class SpecFreqChange : public pf::Dialog {
 public:
  explicit SpecFreqChange(SpecAnaDialog* window);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnOK() override;

 private:
  SpecAnaDialog* window;
};
