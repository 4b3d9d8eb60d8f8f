#pragma once
// The multimeter's readings of the last SPICE result (template 243): the table in a multi-line
// edit and the choice of what it shows. Phase and the complex form need a small-signal result,
// the mean a transient one; the mean is shown once, after which the display is the amplitude
// again.

#include "pf/dialog.h"

class MultiMeterSymbol;

class MultiMeterNewDialog : public pf::Dialog {
 public:
  MultiMeterNewDialog(MultiMeterSymbol& symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  // Rebuilds the table for the display and shows it.
  void Show(char display);

  MultiMeterSymbol& symbol;
};
