#include "instruments/ui/SpiceRawFileDialog.h"
#include "resources/SpiceAnalysisIds.h"

bool SpiceRawFileDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(rawfile_ids::kText, text);
  return true;
}
