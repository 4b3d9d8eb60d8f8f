#pragma once
// Shows the netlist lines of a sub-circuit taken from a netlist text; nothing is taken back.

#include "elements/data/UserNetSymbol.h"
#include "pf/dialog.h"

class UserNetSymDialog : public pf::Dialog {
 public:
  UserNetSymDialog(UserNetSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;

 private:
  UserNetSymbol* symbol;
};
