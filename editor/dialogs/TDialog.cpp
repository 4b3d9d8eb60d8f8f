#include "editor/dialogs/TDialog.h"

TDialog::TDialog(pf::Window* parent, const char* templateName)
    : pf::Dialog(std::string(templateName), parent) {}

bool TDialog::Create(int, pf::Window* parent) {
  modeless = 1;
  return pf::Dialog::Create(parent);
}

bool TDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetupWindow();
  setUp = 1;
  return true;
}

void TDialog::OnOK() {
  if (CanClose()) pf::Dialog::OnOK();
}
