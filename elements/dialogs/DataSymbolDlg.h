#pragma once
// The data two-port's dialog: the file's rows, the port form, the magnitude format and the
// frequency unit. Each radio button acts on the symbol at once, so "Abbrechen" keeps what was
// chosen; the format and unit buttons are disabled when the file's option line decides them.

#include <string>

#include "pf/dialog.h"
#include "elements/data/TwoPortSymbol.h"

class DataSymbolDlg : public pf::Dialog {
 public:
  DataSymbolDlg(TwoPortSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  void CheckRadios();

  TwoPortSymbol* symbol;
};

// The lines joined by CR LF as far as they fit below limit bytes with their line ends and a
// NUL, as the edits show them.
std::string LinesAsEditText(const LineFile& lines, int limit);
