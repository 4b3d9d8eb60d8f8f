#include "instruments/ui/SpiceRawFileDialog.h"

bool SpiceRawFileDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(kTextId, text);
  return true;
}
