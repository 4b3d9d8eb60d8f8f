#pragma once
// The transformer's dialog (template 147): series inductance, coupling and turns, the derived
// parallel inductance for show, and the kind, which takes effect as soon as its radio button
// is clicked, together with the picture of the kind.

#include "elements/lumped/CplIndSymbol.h"
#include "pf/dialog.h"

class UebertragerDialog : public pf::Dialog {
 public:
  UebertragerDialog(CplIndSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  // Beeps before every refusal but the coupling's range.
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDrawItem(int id, pf::Dc& dc, const pf::Rect& rect) override;

 private:
  CplIndSymbol* symbol;
};
