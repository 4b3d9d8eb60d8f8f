#include "instruments/ui/TransientAnalyseDialog.h"

#include "basics/ui/ValueEdit.h"
#include "instruments/ui/MessGeraetSymbol.h"

TransientAnalyseDialog::TransientAnalyseDialog(pf::Window* parent, MessMasterSymbol& source)
    : pf::Dialog(kTemplateId, parent), source(source) {}

bool TransientAnalyseDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ValueEdit(GetDlgItem(kDurationId)).SetValue(source.tranStop);
  ValueEdit(GetDlgItem(kStepId)).SetValue(source.tranStep);
  ValueEdit(GetDlgItem(kMaxStepId)).SetValue(source.tranMaxStep);
  return true;
}

void TransientAnalyseDialog::OnOK() {
  if (!ValueEdit(GetDlgItem(kDurationId)).GetValue(source.tranStop)) return;
  TimWert step = source.tranStep;
  TimWert maxStep = source.tranMaxStep;
  if (!ValueEdit(GetDlgItem(kStepId)).GetValue(step)) return;
  if (!ValueEdit(GetDlgItem(kMaxStepId)).GetValue(maxStep)) return;
  source.tranStep = step;
  source.tranMaxStep = maxStep;
  pf::Dialog::OnOK();
}
