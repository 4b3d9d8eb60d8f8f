#include "elements/dialogs/SmdDialogs.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace {

constexpr Field<ResSymbol> kResistance[] = {
    Fields<ResSymbol>::Value<&ResSymbol::r>(smd_ids::kResistance, "Fehler Widerstandswert:"),
};
constexpr Field<CapSymbol> kCapacitance[] = {
    Fields<CapSymbol>::Value<&CapSymbol::c>(smd_ids::kCapacitance, "Fehler Kapazitätswert:"),
};

template <class D, class S>
bool RunSmdDialog(S& symbol, pf::Window* parent) {
  D dialog(parent);
  dialog.SetSymbol(&symbol);
  KeepSymbolOnRefusal(dialog, symbol);
  return dialog.DoModal() == pf::kIdOk;
}

}  // namespace

bool SmdPartDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ShowValue();
  ShowFields(*this, std::span(&length, 1), *part);
  CheckDlgButton(smd_ids::kSmd, part->smdFlag == 1 ? 1 : 0);
  EnableLength(part->smdFlag == 1);
  return true;
}

void SmdPartDialog::EnableLength(bool enable) {
  if (pf::Window* edit = GetDlgItem(length.id); edit != nullptr) edit->EnableWindow(enable);
}

bool SmdPartDialog::OnCommand(int id, pf::Notification code) {
  if (id == smd_ids::kSmd && code == pf::Notification::Clicked) {
    EnableLength(IsDlgButtonChecked(smd_ids::kSmd) == 1);
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void SmdPartDialog::OnOK() {
  FieldReader reader(*this, true);
  if (!ReadValue(reader)) return;
  part->smdFlag = IsDlgButtonChecked(smd_ids::kSmd) == 1 ? 1 : 0;
  if (part->smdFlag == 1 && !reader.ReadFields(std::span(&length, 1), *part)) return;
  part->Redraw();
  pf::Dialog::OnOK();
}

void ResDialog::ShowValue() { ShowFields(*this, kResistance, *symbol); }
bool ResDialog::ReadValue(FieldReader& reader) { return reader.ReadFields(kResistance, *symbol); }

void CCapDialog::ShowValue() { ShowFields(*this, kCapacitance, *symbol); }
bool CCapDialog::ReadValue(FieldReader& reader) {
  return reader.ReadFields(kCapacitance, *symbol);
}

bool ResSymbol::EditDialog(pf::Window* parent) { return RunSmdDialog<ResDialog>(*this, parent); }
bool CapSymbol::EditDialog(pf::Window* parent) { return RunSmdDialog<CCapDialog>(*this, parent); }
