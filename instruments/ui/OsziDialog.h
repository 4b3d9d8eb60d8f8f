#pragma once
// The oscilloscope's window: a time or eye diagram of the instrument's last time signal or
// SPICE transient result, the diagram's keys on spins, the format dialog, the screen and PiCTeX
// exports. OK keeps the screen's settings in the symbol.

#include "instruments/ui/ScreenDialog.h"

class OsziSymbol;

class OsziDialog : public ScreenDialog {
 public:
  OsziDialog(OsziSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;
  void OnOK() override;

  OsziSymbol* GetSymbol() const { return symbol; }

 private:
  void FillCurve();
  // Eye mode at the data rate's bit period, drawn as lines.
  void ShowEye();
  void ShowTimePerDivision();
  void OnFormat();

  OsziSymbol* symbol;
};

// "Diagrammformat": time or eye diagram; the data rate is only shown.
class OsziFormatDlg : public pf::Dialog {
 public:
  OsziFormatDlg(OsziDialog* window);

  bool OnInitDialog() override;
  void OnOK() override;

 private:
  OsziDialog* window;
};
