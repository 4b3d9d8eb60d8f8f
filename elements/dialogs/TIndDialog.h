#pragma once
// The inductor's dialog. An ideal inductor needs only its value: the loss parameters keep
// what they hold, whatever their edits say.

#include "editor/dialogs/BasisDialogs.h"
#include "elements/lumped/ResSymbol.h"

class TIndDialog : public TBasisDialog {
 public:
  TIndDialog(IndSymbol* symbol, pf::Window* parent);

  void SetupWindow() override;
  bool CanClose() override;

 private:
  IndSymbol* ind;
  TCheckBox ideal;
};
