#pragma once
// The small-signal FET's dialog: the type name, transconductance and gate-source capacitance,
// and the optional elements of the equivalent circuit, each with its check box. The symbol
// keeps plain numbers; the dialog shows them in their units' canonical texts.

#include <cstddef>

#include "editor/dialogs/TControl.h"
#include "editor/dialogs/TDialog.h"
#include "editor/symbols/FetSymbol.h"

class TFetDialog : public TDialog {
 public:
  static constexpr size_t kRowCount = 16;

  TFetDialog(FetSymbol* symbol, pf::Window* parent);

  void SetupWindow() override;
  // The name is stored first; a transconductance or Rds of 0 is refused. An element is read
  // only while its box is checked.
  bool CanClose() override;

 private:
  FetSymbol* symbol;
  TEdit name;
};

// Opens the dialog for a FET symbol; installed as the editor's dialog for its class key.
bool EditFetSymbol(NetSymbol& symbol, pf::Window* parent);
