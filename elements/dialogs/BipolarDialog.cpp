#include "elements/dialogs/BipolarDialog.h"

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TControl.h"

namespace {

constexpr int kName = 1015;
constexpr int kH11 = 1010;
constexpr int kH12 = 1011;
constexpr int kH21 = 1013;
constexpr int kH22 = 1014;

}  // namespace

bool HParmDialog::OnInitDialog() {
  pf::PropertyPage::OnInitDialog();
  SetDlgItemText(kName, symbol->typeName.ToCString());
  SetDlgItemText(kH11, symbol->h11.ToCString());
  SetDlgItemText(kH12, symbol->h12.ToCString());
  SetDlgItemText(kH21, symbol->h21.ToCString());
  SetDlgItemText(kH22, symbol->h22.ToCString());
  return true;
}

bool HParmDialog::OnKillActive() {
  symbol->typeName = CutToReadBuffer(GetDlgItemText(kName)).c_str();
  FieldReader reader(*this, true);
  if (!reader.Read(GetDlgItemText(kH11), symbol->h11, "Fehler H11:") ||
      !reader.Read(GetDlgItemText(kH12), symbol->h12, "Fehler H12:") ||
      !reader.Read(GetDlgItemText(kH21), symbol->h21, "Fehler H21:") ||
      !reader.Read(GetDlgItemText(kH22), symbol->h22, "Fehler H22:")) {
    return false;
  }
  symbol->kind = 'H';
  return pf::PropertyPage::OnKillActive();
}

bool YParmDialog::OnKillActive() {
  symbol->kind = 'H';
  return pf::PropertyPage::OnKillActive();
}

BipolarDialog::BipolarDialog(BipSymbol* symbol, pf::Window* parent, int)
    : pf::PropertySheet("Bipolartransistor", parent, symbol->kind == 'H' ? 0 : 1),
      hPage(symbol),
      yPage(symbol) {
  AddPage(hPage);
  AddPage(yPage);
}

bool EditBipSymbol(NetSymbol& symbol, pf::Window* parent) {
  auto* bip = dynamic_cast<BipSymbol*>(&symbol);
  if (bip == nullptr) return false;
  BipolarDialog sheet(bip, parent, 0);
  return sheet.DoModal() == pf::kIdOk;
}
