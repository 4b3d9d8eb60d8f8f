#include "elements/dialogs/SmdDialogs.h"

#include "editor/dialogs/FieldReader.h"

namespace {

template <class D, class S>
bool RunSmdDialog(S& symbol, pf::Window* parent) {
  D dialog(parent);
  dialog.SetSymbol(&symbol);
  return dialog.DoModal() == pf::kIdOk;
}

}  // namespace

bool SmdPartDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(valueId, ValueText().ToCString());
  SetDlgItemText(lengthId, part->smdLength.ToCString());
  CheckDlgButton(kSmdBox, part->smdFlag == 1 ? 1 : 0);
  EnableLength(part->smdFlag == 1);
  return true;
}

void SmdPartDialog::EnableLength(bool enable) {
  if (pf::Window* edit = GetDlgItem(lengthId); edit != nullptr) edit->EnableWindow(enable);
}

bool SmdPartDialog::OnCommand(int id, pf::Notification code) {
  if (id == kSmdBox && code == pf::Notification::Clicked) {
    EnableLength(IsDlgButtonChecked(kSmdBox) == 1);
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void SmdPartDialog::OnOK() {
  if (!ReadValue(GetDlgItemText(valueId))) return;
  part->smdFlag = IsDlgButtonChecked(kSmdBox) == 1 ? 1 : 0;
  if (part->smdFlag == 1) {
    FieldReader reader(*this, true);
    if (!reader.Read(GetDlgItemText(lengthId), part->smdLength, "Fehler Länge:")) return;
  }
  part->Redraw();
  pf::Dialog::OnOK();
}

bool ResDialog::ReadValue(const std::string& text) {
  FieldReader reader(*this, true);
  return reader.Read(text, symbol->r, "Fehler Widerstandswert:");
}

bool CCapDialog::ReadValue(const std::string& text) {
  FieldReader reader(*this, true);
  return reader.Read(text, symbol->c, "Fehler Kapazitätswert:");
}

bool ResSymbol::EditDialog(pf::Window* parent) { return RunSmdDialog<ResDialog>(*this, parent); }
bool CapSymbol::EditDialog(pf::Window* parent) { return RunSmdDialog<CCapDialog>(*this, parent); }
