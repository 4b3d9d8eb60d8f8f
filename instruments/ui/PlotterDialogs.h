#pragma once
// The plotter's windows: PlotterDialog draws the SPICE result as one curve per swept value on
// an x-y plane with both axes' keys and ranges; PlotterIniDialog sets what each input measures
// and its range before the first plot.

#include "instruments/ui/ScreenDialog.h"

class PlotterSymbol;

class PlotterDialog : public ScreenDialog {
 public:
  PlotterDialog(PlotterSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;
  void OnOK() override;

 private:
  void FillCurves();
  // A range spin: up for a delta of 0 or below; the curves follow a range that changed.
  void StepRange(bool xAxis, int delta);

  PlotterSymbol* symbol;
};

class PlotterIniDialog : public pf::Dialog {
 public:
  PlotterIniDialog(PlotterSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;
  void OnOK() override;

 private:
  void ShowRanges();

  PlotterSymbol* symbol;
};
