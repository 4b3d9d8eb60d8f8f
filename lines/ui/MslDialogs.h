#pragma once
// The dialogs of the bitmap tee (200) and corner (196), and of the coax (242) and the
// substrate (209). They beep before every refusal; fields read before a refused one stay
// stored.

#include "lines/ui/KoaxSymbol.h"
#include "lines/ui/MslBitmapSymbols.h"
#include "pf/dialog.h"

class SubSymbol;

class MslTeeDialog : public pf::Dialog {
 public:
  MslTeeDialog(MslTeeSymbol* symbol, pf::Window* view);
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  MslTeeSymbol* symbol;
  pf::Window* view;
};

class MslCornerDialog : public pf::Dialog {
 public:
  MslCornerDialog(MslCornerSymbol* symbol, pf::Window* view);
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  MslCornerSymbol* symbol;
  pf::Window* view;
};

class KoaxDialog : public pf::Dialog {
 public:
  KoaxDialog(KoaxSymbol* symbol, pf::Window* parent);
  bool OnInitDialog() override;
  void OnOK() override;
  // "Metallfolie" switches the foil fields.
  bool OnCommand(int id, pf::Notification code) override;

 private:
  void ShowFoil(bool on);

  KoaxSymbol* symbol;
};

// Names are letters, digits, '.', '-', '+', '_', beginning with a letter, as the netlist reader
// takes them; the name is not empty, not "NO_SUB" (a line without a substrate), no element
// keyword and no other DATA entry's of the circuit (parent: its view). Permittivity at least 1,
// loss tangent not below 0, height above 0, as the netlist's substrate takes them.
class SubstrartDialog : public pf::Dialog {
 public:
  SubstrartDialog(SubSymbol* symbol, pf::Window* parent);
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  SubSymbol* symbol;
  pf::Window* view;
};

// The substrate symbol's edit dialog, installed for its class key.
bool EditSubSymbol(NetSymbol& symbol, pf::Window* parent);
