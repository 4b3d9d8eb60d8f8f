#pragma once
// The times of the SPICE transient analysis (template 256) of the source instrument that writes
// the ".TRAN" card: the excitation's duration (the stop time), the output step and the largest
// computing step.

#include "pf/dialog.h"

class MessMasterSymbol;

class TransientAnalyseDialog : public pf::Dialog {
 public:
  TransientAnalyseDialog(pf::Window* parent, MessMasterSymbol& source);

  bool OnInitDialog() override;
  // A field that does not read keeps the dialog open; the duration is stored as soon as it
  // reads, the two steps only once all three have.
  void OnOK() override;

 private:
  MessMasterSymbol& source;
};
